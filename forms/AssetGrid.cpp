#include "AssetGrid.h"
#include "Decimal.h"
#include "mdlVelmora.h"
#include <QLineEdit>

namespace AssetGrid {

namespace {

constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;

Lookup nameList(const QString &table, const QString &codeField, const QString &nameField, const QString &kindCondition,
                const QString &editorText)
{
    Lookup l = Lookup::byName(table, codeField, nameField, kindCondition, editorText);
    l.width = 6000;
    return l;
}

} // namespace

ItemGridConfig config(ItemGridLookup item, ItemGridLookup brand, std::function<QDate()> warrantyStart)
{
    ItemGridConfig g;
    g.columns.resize(ColumnCount);
    g.columns[SlNo] = shownColumn("Sl No", 500);

    // Items and brands come from the lookups only: both columns refuse typing.
    ItemGridColumn &itemColumn = g.columns[ItemName] = shownColumn("Item Name", 1500);
    itemColumn.editorAlignment = kLeft;
    itemColumn.locked = true;
    itemColumn.lookup = std::move(item);
    itemColumn.lookupCodeColumn = ItemCode;
    itemColumn.lookupWritesCell = true;
    itemColumn.enter.next = Brand;
    itemColumn.up = itemColumn.down = ItemGridArrow::Key;

    ItemGridColumn &brandColumn = g.columns[Brand] = shownColumn("Brand", 1300);
    brandColumn.locked = true;
    brandColumn.lookup = std::move(brand);
    brandColumn.lookupCodeColumn = BrandCode;
    brandColumn.enter = {
        ItemGridEnter::Write::Upper, QStringLiteral("Please Select the Brand.   "), -1, {}, Description};

    ItemGridColumn &description = g.columns[Description] = shownColumn("Description", 3800, kLeft);
    description.editorAlignment = kLeft;
    description.enter = {ItemGridEnter::Write::Upper, {}, -1, {}, Warranty};

    ItemGridColumn &warranty = g.columns[Warranty] = shownColumn("Warranty Upto", 1200, kRight);
    warranty.datePicker = true;
    warranty.enter.next = Qty;

    const NumericKeySettings amount{12, 2, 1, false};
    ItemGridColumn &qty = g.columns[Qty] = shownColumn("Qty", 700, kRight);
    qty.editorAlignment = kRight;
    qty.numeric = true;
    qty.numericFilter = amount;
    qty.enter = {ItemGridEnter::Write::Fixed2, QStringLiteral("Please Enter the Qty"), -1, {}, Rate};

    ItemGridColumn &rate = g.columns[Rate] = shownColumn("Rate", 1000, kRight);
    rate.editorAlignment = kRight;
    rate.numeric = true;
    rate.numericFilter = amount;
    rate.enter = {ItemGridEnter::Write::Fixed2, QStringLiteral("Please Enter the Rate"), Qty,
                  QStringLiteral("Please Enter the Details Properly.  "), ItemGridEnter::kNextRow};

    g.columns[Amount] = shownColumn("Amount", 1000, kRight);
    g.columns[ItemCode] = shownColumn("Item Code", 0);
    g.columns[BrandCode] = shownColumn("Brand Code", 0);

    g.keyColumn = ItemName;
    g.initialRows = 50;
    g.growthStep = 15;
    g.shiftDelRows = 15;
    g.keyCodeColumn = ItemCode;
    g.keyCodeRefusal = QStringLiteral("Please Select the Item Properly.   ");
    g.copyFirst = Brand;
    g.copyLast = BrandCode;
    // A line counts, and is stored, only whole: the totals, the saves and the
    // store all take the rows down to the first empty one.
    g.lineCells = {ItemName, Brand, Description, Warranty, Qty, Rate};
    g.lineNeeds = {{ItemName, ItemCode, false, g.keyCodeRefusal, false},
                   {Brand, BrandCode, false, brandColumn.enter.refusal, false},
                   {Qty, -1, true, qty.enter.refusal, false},
                   {Rate, -1, true, rate.enter.refusal, false}};
    // A line below an empty row is sent back to the clerk, never dropped.
    g.belowLinesRefusal = g.keyCodeRefusal;
    g.selectAllAfterUp = true;
    g.hideEditorOnScroll = true;
    g.dateInitial = std::move(warrantyStart);
    g.dateQuestion = QStringLiteral("Do You Want to Set the Warranty Date. ");
    return g;
}

Lookup itemLookup(const QString &editorText)
{
    Lookup l = nameList(gInvDbName.table("inv_itemmaster"), QStringLiteral("item_code"), QStringLiteral("item_name"),
                        QStringLiteral("item_type=0"), editorText);
    l.caption = QStringLiteral("Item");
    l.columns = {{0, QStringLiteral("Item Code")}, {6000, QStringLiteral("Item Name")}};
    return l;
}

Lookup brandLookup(const QString &editorText)
{
    Lookup l = nameList(gInvDbName.table("inv_brandmaster"), QStringLiteral("brand_code"), QStringLiteral("brand_name"),
                        QStringLiteral("brand_group=1"), editorText);
    l.caption = QStringLiteral("Type");
    l.columns = {{0, QStringLiteral("Type")}, {6000, QStringLiteral("Type Name")}};
    return l;
}

Totals calculate(const QList<LineAmount> &lines, const Additions &additions)
{
    Totals t;
    Decimal total;
    for (const LineAmount &l : lines) {
        // The gross adds the amounts as shown, each rounded to the cent.
        const Decimal amount = (Decimal::fromText(l.qty) * Decimal::fromText(l.rate)).rounded(2);
        t.amounts.append(amount.toText(2));
        total += amount;
    }
    const Decimal grand = total + Decimal::fromText(additions.serviceCharge) + Decimal::fromText(additions.roundOffPlus)
        - Decimal::fromText(additions.roundOffMinus) + Decimal::fromText(additions.sgst)
        + Decimal::fromText(additions.cgst);
    t.total = total.toText(2);
    t.grandTotal = grand.rounded(2).toText(2);
    return t;
}

void CalculateTotals(ItemGrid &grid, const Boxes &boxes)
{
    QList<LineAmount> lines;
    const int counted = grid.lineCount();
    for (int r = 1; r <= counted; ++r)
        lines.append({grid.cell(r, Qty), grid.cell(r, Rate)});
    const auto text = [](QLineEdit *box) { return box ? box->text() : QString(); };
    const Totals t = calculate(lines,
                               {text(boxes.TxFreight), text(boxes.TxRoundOffPlus), text(boxes.TxRoundOffMinus),
                                text(boxes.TxCess), text(boxes.TxVat)});
    for (int r = 1; r <= counted; ++r)
        grid.setCell(r, Amount, t.amounts.at(r - 1));
    const auto put = [](QLineEdit *box, const QString &value) {
        if (box && box->text() != value)
            box->setText(value);
    };
    put(boxes.TxTotal, t.total);
    put(boxes.TxGrandTotal, t.grandTotal);
}

} // namespace AssetGrid
