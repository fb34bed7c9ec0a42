#pragma once
#include "ItemGrid.h"
#include <QList>
#include <QString>

class QLineEdit;

// The line grid of the other-stores invoice: one item per row with its
// quantity, rate and three GST rates; the tax amounts and the line amount are
// worked out, never typed.
namespace GstGrid {

enum Column {
    SlNo = 0,
    ItemName,
    Qty,
    Rate,
    CgstPer,
    Cgst,
    SgstPer,
    Sgst,
    IgstPer,
    Igst,
    Amount,
    ItemCode,
    ColumnCount
};

// Rows when the window opens; a new invoice starts with the config's initialRows.
inline constexpr int kRowsAtLoad = 20;

// The grid's columns and rules; the window supplies the item lookup.
ItemGridConfig config(ItemGridLookup item);

// The other-stores items (item_type 1) of every company of the current stores
// year whose name contains the editor's text, code hidden.
Lookup itemLookup(const QString &editorText);

// One filled row as its cells hold it.
struct LineCells {
    QString qty;
    QString rate;
    QString cgstPer;
    QString sgstPer;
    QString igstPer;
};

// What a row shows: the figures of a counted row, empty cells for any other.
struct LineTotals {
    bool counted = false;
    QString cgst;
    QString sgst;
    QString igst;
    QString amount;
};

// The boxes the totals read.
struct Additions {
    QString tcs;
    QString roundOffPlus;
    QString roundOffMinus;
};

// The texts CalculateTotals shows.
struct Totals {
    QList<LineTotals> lines;
    QString total; // "Gross Amt": Qty x Rate of the counted rows
    QString cgst;  // "0" when no row counts
    QString sgst;
    QString igst;
    QString grandTotal; // gross + TCS + taxes + round + less round -
};

// The tax totals as the boxes hold them, typed over or not.
struct TaxBoxes {
    QString total;
    QString tcs;
    QString cgst;
    QString sgst;
    QString igst;
    QString roundOffPlus;
    QString roundOffMinus;
};

struct GrandTotal {
    QString total; // the gross box, formatted
    QString grandTotal;
};

// A row counts when its Qty and Rate are above 0 and one of its rates is. Each
// tax amount is Rate x rate % x Qty rounded once to the paisa; the line amount
// is Qty x Rate plus the three taxes as shown. Every figure is exact: no
// intermediate value is rounded. Throws DecimalOverflow for a figure beyond
// the decimal type's range, a typed one included.
Totals calculateTotals(const QList<LineCells> &lines, const Additions &additions);
// "Gross Amt" of the lines: Qty x Rate of each counted line, rounded to the
// paisa, summed, as calculateTotals shows it. Throws DecimalOverflow as it.
QString countedGross(const QList<LineCells> &lines);
// The lines of the grid, down to the first without an item, as their cells hold them.
QList<LineCells> lineCells(const ItemGrid &grid);
// The grand total from the boxes as they stand, typed tax totals included:
// gross + TCS + taxes + round + less round -, as calculateTotals adds them.
// Throws DecimalOverflow as calculateTotals.
GrandTotal calculateGrandTotal(const TaxBoxes &boxes);

// The boxes of the invoice window that the totals read and write.
struct Boxes {
    QLineEdit *TxTotal = nullptr;
    QLineEdit *TxCGST = nullptr;
    QLineEdit *TxSGST = nullptr;
    QLineEdit *TxIGST = nullptr;
    QLineEdit *TxTCS = nullptr;
    QLineEdit *TxRoundOffPlus = nullptr;
    QLineEdit *TxRoundOffMinus = nullptr;
    QLineEdit *TxGrandTotal = nullptr;
};

// The window's CalculateTotals and CalculateGrandTotal over the grid and boxes.
void CalculateTotals(ItemGrid &grid, const Boxes &boxes);
void CalculateGrandTotal(const Boxes &boxes);

} // namespace GstGrid
