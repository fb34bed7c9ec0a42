#include "ProductPickModel.h"
#include "ImgIcon32.h"

ProductPickModel::ProductPickModel(QObject *parent) : QAbstractTableModel(parent) {}

void ProductPickModel::setProducts(const QList<QPair<QString, QString>> &products)
{
    beginResetModel();
    m_rows.clear();
    for (const auto &p : products)
        m_rows.append({p.first, p.second, false});
    endResetModel();
}

void ProductPickModel::toggle(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    m_rows[row].leftOut = !m_rows[row].leftOut;
    emit dataChanged(index(row, 0), index(row, Flag));
}

bool ProductPickModel::isIncluded(int row) const
{
    return row >= 0 && row < m_rows.size() && !m_rows[row].leftOut;
}

QStringList ProductPickModel::includedCodes() const
{
    QStringList codes;
    for (const Entry &e : m_rows)
        if (!e.leftOut && !e.code.isEmpty())
            codes << e.code;
    return codes;
}

QString ProductPickModel::code(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows[row].code : QString();
}

int ProductPickModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ProductPickModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant ProductPickModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Entry &e = m_rows[index.row()];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case Code: return e.code;
        case Name: return e.name;
        case Flag: return e.leftOut ? QStringLiteral("1") : QStringLiteral("0");
        default: return {};
        }
    }
    if (role == Qt::DecorationRole && index.column() == Name)
        return ImgIcon32::icon(ImgIcon32::kTick + (e.leftOut ? 1 : 0));
    return {};
}

QVariant ProductPickModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section == Name)
        return QStringLiteral("Products");
    return {};
}
