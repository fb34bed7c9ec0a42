#include "PickGrid.h"
#include <QHeaderView>
#include <QTableView>

void setUpPickGrid(QTableView *view, QAbstractItemModel *model, const QList<int> &widthsInTwips)
{
    view->setModel(model);
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTabKeyNavigation(false);
    for (int c = 0; c < widthsInTwips.size(); ++c) {
        const int px = twipsToPixels(widthsInTwips.at(c));
        view->setColumnHidden(c, px == 0);
        if (px > 0)
            view->setColumnWidth(c, px);
    }
}

int currentPickRow(const QTableView *view)
{
    const QModelIndex i = view->currentIndex();
    return i.isValid() ? i.row() : 0;
}

MarkedGridModel::MarkedGridModel(int markedColumn, const QBrush &mark, QObject *parent)
    : GridTextModel(parent), m_column(markedColumn), m_mark(mark)
{
}

void MarkedGridModel::setMarkedRows(const QSet<int> &rows)
{
    m_rows = rows;
    if (rowCount() > 0)
        emit dataChanged(index(0, m_column), index(rowCount() - 1, m_column), {Qt::BackgroundRole});
}

QVariant MarkedGridModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::BackgroundRole && index.isValid() && index.column() == m_column && m_rows.contains(index.row()))
        return m_mark;
    return GridTextModel::data(index, role);
}
