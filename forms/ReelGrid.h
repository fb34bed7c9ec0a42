#pragma once
#include "ItemGrid.h"
#include <QList>
#include <QString>

class QLineEdit;

// The reel grid of the newsprint invoice: one row per reel.
namespace ReelGrid {

enum Column {
    SlNo = 0,
    ReelNo,
    Gsm,
    ReelType,
    Weight,
    Rate,
    Amount,
    GsmCode,
    ReelTypeCode,
    ConsFlag,
    FinalizeFlag,
    StoredLine, // hidden: the stored line the row was loaded from; empty for a new row
    StoredGsmCode, // hidden: the GSM code the stored line was loaded or saved with
    StoredReelTypeCode, // hidden: the reel type code the stored line was loaded or saved with
    ColumnCount
};

// The grid's columns and rules; the window supplies the two lookups.
ItemGridConfig config(ItemGridLookup gsm, ItemGridLookup reelType);

// The GSM grades and reel types of the current stores year, names containing the editor's text.
Lookup gsmLookup(const QString &editorText);
Lookup reelTypeLookup(const QString &editorText);

// The typed amounts of the window that enter the totals.
struct Additions {
    QString roundOffPlus;
    QString roundOffMinus;
    QString cgst;
    QString sgst;
    QString igst;
    QString tcs;
};

struct ReelAmount {
    QString weight;
    QString rate;
};

// The texts the window shows.
struct Totals {
    QStringList amounts; // one per reel, "0.00"
    QString total;       // "Total": the reel amounts as shown, summed
    QString grandTotal;  // "Grand Total": total plus "Round +" less "Round -"
    QString net;         // "Net Bill": grand total plus the taxes and TCS
    QString taxable;     // "Gross Amt": grand total less the taxes and TCS, plain
    QString weight;      // the reel weights summed
};

Totals calculate(const QList<ReelAmount> &reels, const Additions &additions);

// The boxes of the invoice window that the totals read and write.
struct Boxes {
    QLineEdit *TxTotal = nullptr;
    QLineEdit *TxGrandTotal = nullptr;
    QLineEdit *TxNet = nullptr;
    QLineEdit *TxTaxable = nullptr;
    QLineEdit *TxWeight = nullptr;
    QLineEdit *TxRoundOffPlus = nullptr;
    QLineEdit *TxRoundOffMinus = nullptr;
    QLineEdit *TxCGST = nullptr;
    QLineEdit *TxSGST = nullptr;
    QLineEdit *TxIGST = nullptr;
    QLineEdit *TxTCS = nullptr;
};

// The invoice window's CalculateTotals: the filled rows' amounts into the grid, the totals into the boxes.
void CalculateTotals(ItemGrid &grid, const Boxes &boxes);

} // namespace ReelGrid
