#pragma once
#include "Twips.h"
#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QStringList>

// A read-only grid of texts with a heading row, as the lists and lookups show
// it: a fixed number of grid rows of which the first ones hold the records and
// the rest stay empty. Rows and columns are counted from 0 here; the heading is
// the view's header, so data row r is the grid's row r + 1.
class GridTextModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridTextModel(QObject *parent = nullptr);

    // Column headings; their number is the number of columns.
    void setHeadings(const QStringList &headings);
    void setAlignment(int column, Qt::Alignment alignment);
    // Replaces every row at once. `rowCount` rows are shown (never fewer than
    // the records); a record shorter than the columns shows empty texts.
    void reset(const QList<QStringList> &records, int rowCount);
    void clear(int rowCount);

    // The text of a cell; empty outside the records.
    QString text(int row, int column) const;
    int recordCount() const { return int(m_records.size()); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_headings;
    QList<QStringList> m_records;
    QHash<int, Qt::Alignment> m_alignment;
    int m_rows = 0;
};
