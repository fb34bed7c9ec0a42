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
}
