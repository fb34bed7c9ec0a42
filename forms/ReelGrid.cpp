#include "ReelGrid.h"
#include "Decimal.h"
#include "mdlVelmora.h"
#include <QLineEdit>

namespace ReelGrid {

namespace {

constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

Lookup typeList(const QString &table, const QString &codeField, const QString &nameField, const QString &editorText)
{
    Lookup l = Lookup::byName(table, codeField, nameField, QString(), editorText);
    // The code column is hidden: the clerk chooses by name.
    l.caption = QStringLiteral("Type");
    l.width = 6000;
    l.columns = {{0, QStringLiteral("Type")}, {6000, QStringLiteral("Type Name")}};
    return l;
}

} // namespace

ItemGridConfig config(ItemGridLookup gsm, ItemGridLookup reelType)
{
    ItemGridConfig g;
    g.columns.resize(ColumnCount);
    g.columns[SlNo] = shownColumn("Sl No", 500);

    ItemGridColumn &reel = g.columns[ReelNo] = shownColumn("Reel No", 3300);
    reel.editorAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    reel.enter.write = ItemGridEnter::Write::Upper;
    reel.enter.next = Gsm;
    reel.up = reel.down = ItemGridArrow::Key;

    ItemGridColumn &gsmColumn = g.columns[Gsm] = shownColumn("GSM", 1000);
    gsmColumn.locked = true;
    gsmColumn.lookup = std::move(gsm);
    gsmColumn.lookupCodeColumn = GsmCode;
    gsmColumn.enter = {ItemGridEnter::Write::Upper, QStringLiteral("Please Select the GSM Type.   "), -1, {}, ReelType};

    ItemGridColumn &type = g.columns[ReelType] = shownColumn("Reel Type", 1400);
    type.editorAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    type.locked = true;
    type.lookup = std::move(reelType);
    type.lookupCodeColumn = ReelTypeCode;
    type.lookupWritesCell = true;
    type.enter = {ItemGridEnter::Write::Upper, QStringLiteral("Please Select the Reel Type.   "), -1, {}, Weight};

    const NumericKeySettings amount{12, 2, 1, false};
    ItemGridColumn &weight = g.columns[Weight] = shownColumn("Weight", 1000, kRight);
    weight.editorAlignment = kRight;
    weight.numeric = true;
    weight.numericFilter = amount;
    weight.enter = {ItemGridEnter::Write::Fixed2, QStringLiteral("Please Enter the Weight"), -1, {}, Rate};

    ItemGridColumn &rate = g.columns[Rate] = shownColumn("Rate", 1000, kRight);
    rate.editorAlignment = kRight;
    rate.numeric = true;
    rate.numericFilter = amount;
    rate.enter = {ItemGridEnter::Write::Fixed2, QStringLiteral("Please Enter the Rate"), Weight,
                  QStringLiteral("Please Enter the Details Properly.  "), ItemGridEnter::kNextRow};
    rate.down = ItemGridArrow::NumberMove;

    g.columns[Amount] = shownColumn("Amount", 1100, kRight);
    g.columns[GsmCode] = shownColumn("GSM Code", 0);
    g.columns[ReelTypeCode] = shownColumn("Reel Type Code", 0);
    g.columns[ConsFlag] = shownColumn("Cons Flag", 0);
    g.columns[FinalizeFlag] = shownColumn("", 0);
    g.columns[StoredLine] = shownColumn("", 0);
    g.columns[StoredGsmCode] = shownColumn("", 0);
    g.columns[StoredReelTypeCode] = shownColumn("", 0);

    g.keyColumn = ReelNo;
    g.initialRows = 50;
    g.growthStep = 1;
    g.duplicateTest = true;
    // A reel number of blanks would count in the totals but end the saved reels.
    g.trimKey = true;
    // The refused reel's GSM goes with its code.
    g.duplicateClears = {ReelNo, Gsm, GsmCode};
    g.copyFirst = Gsm;
    g.copyLast = ReelTypeCode;
    // A GSM or reel type on view is stored by its code: a name without one is
    // sent back. Every reel needs its GSM, but a stored reel whose grade has
    // left the master keeps its own code; no reel takes another code without
    // its name, by Ctrl+A or otherwise.
    g.lineNeeds = {{Gsm, GsmCode, false, gsmColumn.enter.refusal, false, true, StoredGsmCode},
                   {ReelType, ReelTypeCode, false, type.enter.refusal, true, true, StoredReelTypeCode}};
    g.belowLinesRefusal = QStringLiteral("Please Fill the Details Properly.   ");
    return g;
}

Lookup gsmLookup(const QString &editorText)
{
    return typeList(gInvDbName.table("inv_gsm"), QStringLiteral("gsm_code"), QStringLiteral("gsm_name"), editorText);
}

Lookup reelTypeLookup(const QString &editorText)
{
    return typeList(gInvDbName.table("inv_reeltype"), QStringLiteral("reeltype_code"), QStringLiteral("reeltype_name"),
                    editorText);
}

Totals calculate(const QList<ReelAmount> &reels, const Additions &additions)
{
    Totals t;
    Decimal total;
    Decimal weight;
    for (const ReelAmount &r : reels) {
        const Decimal w = Decimal::fromText(r.weight);
        // The total adds the amounts as shown, each rounded to the cent.
        const Decimal amount = (w * Decimal::fromText(r.rate)).rounded(2);
        t.amounts.append(amount.toText(2));
        total += amount;
        weight += w;
    }
    const Decimal grand =
        total + Decimal::fromText(additions.roundOffPlus) - Decimal::fromText(additions.roundOffMinus);
    const Decimal grandShown = grand.rounded(2);
    const Decimal taxes = Decimal::fromText(additions.cgst) + Decimal::fromText(additions.sgst)
        + Decimal::fromText(additions.igst) + Decimal::fromText(additions.tcs);
    t.total = total.toText(2);
    t.grandTotal = grandShown.toText(2);
    t.net = (grandShown + taxes).toText(2);
    t.taxable = (grandShown - taxes).toString();
    t.weight = weight.toText(2);
    return t;
}

void CalculateTotals(ItemGrid &grid, const Boxes &boxes)
{
    QList<ReelAmount> reels;
    const int filled = grid.lineCount();
    for (int r = 1; r <= filled; ++r)
        reels.append({grid.cell(r, Weight), grid.cell(r, Rate)});
    const auto text = [](QLineEdit *box) { return box ? box->text() : QString(); };
    const Totals t = calculate(reels,
                               {text(boxes.TxRoundOffPlus), text(boxes.TxRoundOffMinus), text(boxes.TxCGST),
                                text(boxes.TxSGST), text(boxes.TxIGST), text(boxes.TxTCS)});
    for (int r = 1; r <= filled; ++r)
        grid.setCell(r, Amount, t.amounts.at(r - 1));
    const auto put = [](QLineEdit *box, const QString &value) {
        if (box && box->text() != value)
            box->setText(value);
    };
    put(boxes.TxTotal, t.total);
    put(boxes.TxGrandTotal, t.grandTotal);
    put(boxes.TxNet, t.net);
    put(boxes.TxTaxable, t.taxable);
    put(boxes.TxWeight, t.weight);
}

} // namespace ReelGrid
