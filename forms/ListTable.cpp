#include "ListTable.h"
#include <QHeaderView>
#include <QTableView>

void setUpListTable(QTableView *view, QAbstractItemModel *model, QAbstractItemView::SelectionMode mode)
{
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(mode);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setHighlightSections(false);
    // Rows are one line high: a long name is cut at the column's edge, never
    // wrapped onto a line that is not shown.
    view->setWordWrap(false);
}
