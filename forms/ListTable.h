#pragma once
#include <QAbstractItemView>

class QAbstractItemModel;
class QTableView;

// A list the clerk chooses rows from and never types into: whole rows are
// selected, no row headings, rows as high as one line of text.
void setUpListTable(QTableView *view, QAbstractItemModel *model,
                    QAbstractItemView::SelectionMode mode = QAbstractItemView::SingleSelection);
