#pragma once
#include "Sheet.h"
#include "Twips.h"

#include <QTableView>

// Shows a Sheet as a spreadsheet: fonts, colours, fills, cell borders,
// alignment and number formats drawn by one delegate, column letters and row
// numbers as headings. Left-aligned text runs on over empty cells to its
// right, so a title written into column 1 shows whole.
//
// Sizes: the sheet's twips become pixels at 15 twips a pixel (96 dpi), so a
// default column of 960 twips is 64 pixels and a default row of 255 twips is
// 17 pixels. A column of width 0 and a row of height 0 are hidden.
//
// The view follows the sheet's active cell and TopVisibleRow, and tells the
// sheet when the user moves the active cell or scrolls. A double-click on a
// cell makes it the active cell and raises RowDoubleClick (row and column from
// 1) on the sheet and on this view.
//
// The view paints its own grid lines and the cells' borders over them;
// QTableView's own grid stays off. Row numbers, column letters and grid lines
// show as long as the sheet's display options say so.
class SheetView : public QTableView {
    Q_OBJECT
public:
    // Shows a sheet of its own.
    explicit SheetView(QWidget *parent = nullptr);
    // Shows `sheet`, which the caller keeps alive as long as the view.
    explicit SheetView(Sheet *sheet, QWidget *parent = nullptr);

    Sheet *sheet() const { return m_sheet; }

    // The program's one conversion (Twips.h), under the view's name for its older callers.

signals:
    void RowDoubleClick(int row, int column);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void updateGeometries() override;

private:
    void applyDisplayOptions();
    void applyColumnWidth(int column);
    void applyRowHeight(int row);
    void applyAllSizes();
    void showActiveCell();
    void applyTopRow();
    void userScrolled();

    Sheet *m_sheet = nullptr;
    bool m_syncing = false;
    bool m_topRowPending = false;
};
