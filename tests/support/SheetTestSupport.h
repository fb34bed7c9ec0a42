#pragma once
#include <QStringList>

class Sheet;
class SheetView;

// The texts of a sheet column from `firstRow` down, the empty rows after the
// last text dropped.
QStringList sheetColumnTexts(const Sheet &sheet, int column, int firstRow = 2);
// A clerk's double-click on a cell (row and column from 1): a click, then the
// double-click, scrolled into view first.
void doubleClickSheetCell(SheetView *view, int row, int column);
