#include "SheetTestSupport.h"
#include "Sheet.h"
#include "SheetView.h"
#include <QTest>

QStringList sheetColumnTexts(const Sheet &sheet, int column, int firstRow)
{
    QStringList texts;
    for (int r = firstRow; r <= sheet.RowCount(); ++r)
        texts << sheet.CellText(r, column);
    while (!texts.isEmpty() && texts.last().isEmpty())
        texts.removeLast();
    return texts;
}

void doubleClickSheetCell(SheetView *view, int row, int column)
{
    const QModelIndex index = view->model()->index(row - 1, column - 1);
    view->scrollTo(index);
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}
