#pragma once
#include "ItemGrid.h"
#include <QDate>
#include <QList>
#include <QString>
#include <functional>

class QLineEdit;

// The line grid of the fixed-asset bill: one row per asset line.
namespace AssetGrid {

enum Column { SlNo = 0, ItemName, Brand, Description, Warranty, Qty, Rate, Amount, ItemCode, BrandCode, ColumnCount };

// The grid's columns and rules; the window supplies the two lookups and the
// warranty picker's first date (the invoice date plus a year).
ItemGridConfig config(ItemGridLookup item, ItemGridLookup brand, std::function<QDate()> warrantyStart);

// The fixed-asset items and brands of the current stores year, names containing the editor's text.
Lookup itemLookup(const QString &editorText);
Lookup brandLookup(const QString &editorText);

// The typed amounts of the window that enter the grand total.
struct Additions {
    QString serviceCharge;
    QString roundOffPlus;
    QString roundOffMinus;
    QString sgst;
    QString cgst;
};

struct LineAmount {
    QString qty;
    QString rate;
};

struct Totals {
    QStringList amounts; // one per counted line, "0.00"
    QString total;       // "Gross Amt ": the line amounts as shown, summed
    QString grandTotal;  // gross + service charge + round-off + taxes
};

Totals calculate(const QList<LineAmount> &lines, const Additions &additions);

struct Boxes {
    QLineEdit *TxTotal = nullptr;
    QLineEdit *TxGrandTotal = nullptr;
    QLineEdit *TxFreight = nullptr;
    QLineEdit *TxRoundOffPlus = nullptr;
    QLineEdit *TxRoundOffMinus = nullptr;
    QLineEdit *TxCess = nullptr;
    QLineEdit *TxVat = nullptr;
};

// The window's CalculateTotals: the grid's lines (down to the first empty
// one) get their amounts, the boxes the totals.
void CalculateTotals(ItemGrid &grid, const Boxes &boxes);

} // namespace AssetGrid
