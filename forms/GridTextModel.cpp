#include "GridTextModel.h"

GridTextModel::GridTextModel(QObject *parent) : QAbstractTableModel(parent) {}

void GridTextModel::setHeadings(const QStringList &headings)
{
    beginResetModel();
    m_headings = headings;
    endResetModel();
}

void GridTextModel::setAlignment(int column, Qt::Alignment alignment)
{
    m_alignment.insert(column, alignment);
}

void GridTextModel::reset(const QList<QStringList> &records, int rowCount)
{
    beginResetModel();
    m_records = records;
    m_rows = std::max(rowCount, int(records.size()));
    endResetModel();
}

void GridTextModel::clear(int rowCount)
{
    reset({}, rowCount);
}

QString GridTextModel::text(int row, int column) const
{
    if (row < 0 || row >= m_records.size())
        return QString();
    const QStringList &r = m_records.at(row);
    return column >= 0 && column < r.size() ? r.at(column) : QString();
}

int GridTextModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int GridTextModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_headings.size());
}

QVariant GridTextModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole: return text(index.row(), index.column());
    case Qt::TextAlignmentRole: {
        const auto it = m_alignment.constFind(index.column());
        if (it != m_alignment.constEnd())
            return int(it.value());
        return QVariant();
    }
    default: return QVariant();
    }
}

QVariant GridTextModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_headings.size())
        return m_headings.at(section);
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return section + 1;
    return QVariant();
}
