#pragma once
#include "GridTextModel.h"
#include <QBrush>
#include <QSet>

class QTableView;

// The small pick lists of the company, unit and year windows: no headings, a
// hidden first column with the key, designed rows that stay empty below the
// last entry.
void setUpPickGrid(QTableView *view, QAbstractItemModel *model, const QList<int> &widthsInTwips);
// The row of the view's current cell (0 when there is none).
int currentPickRow(const QTableView *view);

// A pick list whose marked rows show one column in a brush of their own.
class MarkedGridModel : public GridTextModel {
    Q_OBJECT
public:
    MarkedGridModel(int markedColumn, const QBrush &mark, QObject *parent = nullptr);
    void setMarkedRows(const QSet<int> &rows);
    bool isMarked(int row) const { return m_rows.contains(row); }
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    int m_column;
    QBrush m_mark;
    QSet<int> m_rows;
};
