#include "ReelTickModel.h"
#include "Decimal.h"
#include "ImgIcon32.h"

namespace {
const QString kUnticked = QStringLiteral("1");
const QString kTicked = QStringLiteral("0");

// The picture list's picture at the strip's size, scaled once per run.
QPixmap stripPicture(int index)
{
    static QPixmap scaled[ImgIcon32::kCount + 1];
    QPixmap &p = scaled[index];
    if (p.isNull())
        p = ImgIcon32::picture(index).scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return p;
}
} // namespace

const QStringList &ReelTickModel::headings()
{
    static const QStringList h{QStringLiteral("Sl No"),
                               QStringLiteral("Reel No"),
                               QStringLiteral("GSM"),
                               QStringLiteral("Reel Type"),
                               QStringLiteral("Weight"),
                               QStringLiteral("Rate"),
                               QStringLiteral("Amount"),
                               QStringLiteral("GSM Code"),
                               QStringLiteral("Reel Type Code"),
                               QStringLiteral("Unit Name"),
                               QStringLiteral("Tick"),
                               QStringLiteral("UnitCode"),
                               QStringLiteral("Sl No"),
                               QString()};
    return h;
}

ReelTickModel::ReelTickModel(QObject *parent) : QAbstractTableModel(parent) {}

void ReelTickModel::reset(QList<ReelRow> reels, int minRows)
{
    beginResetModel();
    m_reels = QVector<ReelRow>(std::move(reels));
    m_rows = std::max(minRows, int(m_reels.size()));
    m_ticks = QVector<QString>(m_rows);
    for (int r = 0; r < m_reels.size(); ++r)
        m_ticks[r] = kUnticked;
    m_numbered = 0;
    endResetModel();
}

void ReelTickModel::clear(int rows, int numbered)
{
    beginResetModel();
    m_reels.clear();
    m_rows = rows;
    m_ticks = QVector<QString>(rows);
    m_numbered = numbered;
    endResetModel();
}

QString ReelTickModel::text(int row, int column) const
{
    if (column == ColTick)
        return m_ticks.value(row);
    if (row < 0 || row >= m_reels.size())
        return column == ColSlNo && row >= 0 && row < m_numbered ? QString::number(row + 1) : QString();
    const ReelRow &r = m_reels.at(row);
    switch (column) {
    case ColSlNo: return QString::number(row + 1);
    case ColReelNo: return r.reelNo;
    case ColGsm: return r.gsmName;
    case ColReelType: return r.reelTypeName;
    case ColWeight: return Decimal::fromText(r.weight).toText(2);
    case ColRate: return Decimal::fromText(r.rate).toText(2);
    case ColAmount: return Decimal::fromText(r.amount).toText(2);
    case ColGsmCode: return r.gsmCode;
    case ColReelTypeCode: return r.reelTypeCode;
    case ColUnitName: return r.unitName;
    case ColUnitCode: return r.unitCode;
    case ColInvoiceSlNo: return r.slNo;
    case ColTransId: return r.transId;
    default: return QString();
    }
}

bool ReelTickModel::isTicked(int row) const
{
    const QString t = m_ticks.value(row);
    return !t.isEmpty() && Decimal::fromText(t).isZero();
}

bool ReelTickModel::toggle(int row)
{
    if (row < 0 || row >= m_rows || m_ticks.at(row).isEmpty())
        return false;
    m_ticks[row] = isTicked(row) ? kUnticked : kTicked;
    const QModelIndex i = index(row, ColTick);
    emit dataChanged(i, i);
    picturesChanged(row, row);
    return true;
}

void ReelTickModel::setAllTicks(bool ticked)
{
    if (m_rows == 0)
        return;
    m_ticks.fill(ticked ? kTicked : kUnticked);
    emit dataChanged(index(0, ColTick), index(m_rows - 1, ColTick));
    picturesChanged(0, m_rows - 1);
}

void ReelTickModel::setDestination(int row, const QString &unitCode, const QString &unitName)
{
    if (row < 0 || row >= m_reels.size())
        return;
    m_reels[row].unitCode = unitCode;
    m_reels[row].unitName = unitName;
    emit dataChanged(index(row, ColUnitName), index(row, ColUnitCode));
}

int ReelTickModel::pictureIndex(int row) const
{
    // Only rows with a GSM, that is reel rows, get a picture.
    if (row < 0 || row >= m_reels.size() || m_reels.at(row).gsmName.isEmpty())
        return 0;
    const Decimal v = Decimal::fromText(m_ticks.at(row));
    if (v.units() % Decimal::kUnit != 0)
        return 0;
    const qint64 index = ImgIcon32::kTick + v.units() / Decimal::kUnit;
    return index >= 1 && index <= ImgIcon32::kCount ? int(index) : 0;
}

void ReelTickModel::picturesChanged(int first, int last)
{
    emit headerDataChanged(Qt::Vertical, first, last);
}

int ReelTickModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int ReelTickModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReelTickModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) {
        switch (index.column()) {
        case ColReelNo:
        case ColGsm:
        case ColReelType: return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
        case ColWeight:
        case ColRate:
        case ColAmount: return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        default: return QVariant();
        }
    }
    return QVariant();
}

QVariant ReelTickModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (role == Qt::DisplayRole)
            return headings().value(section);
        return QVariant();
    }
    if (role == Qt::DecorationRole) {
        const int p = pictureIndex(section);
        return p ? QVariant(stripPicture(p)) : QVariant();
    }
    if (role == Qt::DisplayRole)
        return QString();
    return QVariant();
}
