#include "GstGrid.h"
#include "Decimal.h"
#include "mdlVelmora.h"
#include <QLineEdit>
#include <limits>

namespace GstGrid {

namespace {

using i128 = __int128;

constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
// Powers of ten between a product of decimals (each in millionths) and paise.
constexpr i128 kE10 = 10'000'000'000LL;
constexpr i128 kE18 = i128(1'000'000'000'000'000'000LL);

[[noreturn]] void tooLarge()
{
    throw DecimalOverflow();
}

i128 mul(i128 a, i128 b)
{
    i128 r = 0;
    if (__builtin_mul_overflow(a, b, &r))
        tooLarge();
    return r;
}

i128 add(i128 a, i128 b)
{
    i128 r = 0;
    if (__builtin_add_overflow(a, b, &r))
        tooLarge();
    return r;
}

// Rounded half away from zero, as every shown amount is.
i128 divRound(i128 num, i128 den)
{
    const bool neg = num < 0;
    const i128 a = neg ? -num : num;
    i128 q = a / den;
    if ((a % den) * 2 >= den)
        ++q;
    return neg ? -q : q;
}

i128 units(const QString &text)
{
    return Decimal::fromText(text).units();
}

// A whole number of paise as the "0.00" text of a cell or box.
QString paise(i128 p)
{
    const i128 u = mul(p, Decimal::kUnit / 100);
    if (u > std::numeric_limits<std::int64_t>::max() || u < std::numeric_limits<std::int64_t>::min())
        tooLarge();
    return Decimal::fromUnits(std::int64_t(u)).toText(2);
}

// Millionths rounded to paise.
i128 toPaise(i128 u)
{
    return divRound(u, Decimal::kUnit / 100);
}

// A percentage column: written as "0.00" by Enter, zero allowed.
ItemGridColumn percent(const char *heading, int next)
{
    ItemGridColumn c = shownColumn(heading, 750, kRight);
    c.enter.write = ItemGridEnter::Write::Fixed2;
    c.enter.next = next;
    return c;
}

} // namespace

ItemGridConfig config(ItemGridLookup item)
{
    const NumericKeySettings amount{12, 2, 1, false};
    ItemGridConfig g;
    g.columns.resize(ColumnCount);
    g.columns[SlNo] = shownColumn("Sl No", 500);

    ItemGridColumn &name = g.columns[ItemName] = shownColumn("Item Name", 3000);
    name.editorAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    name.lookup = std::move(item);
    name.lookupCodeColumn = ItemCode;
    name.lookupWritesCell = true;
    name.enter.write = ItemGridEnter::Write::Upper;
    name.enter.next = Qty;
    name.up = name.down = ItemGridArrow::Key;

    ItemGridColumn &qty = g.columns[Qty] = shownColumn("Qty", 750);
    qty.numeric = true;
    qty.numericFilter = amount;
    qty.enter = {ItemGridEnter::Write::AsTyped, QStringLiteral("Please Enter the Qty.   "), -1, {}, Rate};

    ItemGridColumn &rate = g.columns[Rate] = shownColumn("Rate", 750);
    rate.editorAlignment = kRight;
    rate.numeric = true;
    rate.numericFilter = amount;
    rate.enter = {ItemGridEnter::Write::AsTyped, QStringLiteral("Please Enter the Rate"), -1, {}, CgstPer};
    // Moving off the rate keeps the percentage typed beside it.
    rate.up = rate.down = ItemGridArrow::NumberMove;

    ItemGridColumn &cgstPer = g.columns[CgstPer] = percent("CGST %", SgstPer);
    cgstPer.editorAlignment = kRight;
    cgstPer.numericFilter = amount;
    cgstPer.down = ItemGridArrow::NumberMove;
    g.columns[Cgst] = shownColumn("CGST", 750, kRight);
    g.columns[Cgst].numericFilter = amount;
    g.columns[SgstPer] = percent("SGST %", IgstPer);
    g.columns[Sgst] = shownColumn("SGST", 750, kRight);
    g.columns[IgstPer] = percent("IGST %", ItemGridEnter::kNextRow);
    g.columns[Igst] = shownColumn("IGST", 750, kRight);
    g.columns[Amount] = shownColumn("Amount", 1000, kRight);
    g.columns[ItemCode] = shownColumn("Item Code", 0);

    g.keyColumn = ItemName;
    g.initialRows = 50;
    g.growthStep = 15;
    g.duplicateTest = true;
    // The refused item loses its code with its name.
    g.duplicateClears = {ItemName, Qty, ItemCode};
    // An item is taken only with its code, which only the lookup gives.
    g.keyCodeColumn = ItemCode;
    g.keyCodeRefusal = QStringLiteral("Please Select the Item Properly.   ");
    g.lineNeeds = {{ItemName, ItemCode, false, g.keyCodeRefusal, false}};
    g.belowLinesRefusal = g.keyCodeRefusal;
    g.copyFirst = Qty;
    g.copyLast = ItemCode;
    // Whatever column is clicked, the editor opens on the row's item.
    g.clickOpensFirstEmptyRow = false;
    g.selectAllAfterUp = true;
    g.hideEditorOnScroll = true;
    return g;
}

Lookup itemLookup(const QString &editorText)
{
    Lookup l = Lookup::byName(gInvDbName.table("inv_itemmaster"), QStringLiteral("item_code"),
                              QStringLiteral("item_name"), QStringLiteral("item_type=1"), editorText);
    l.caption = QStringLiteral("Item");
    l.width = 6000;
    l.columns = {{0, QStringLiteral("Item Code")}, {6000, QStringLiteral("Item Name")}};
    return l;
}

Totals calculateTotals(const QList<LineCells> &lines, const Additions &additions)
{
    Totals t;
    i128 gross = 0; // paise
    i128 taxes[3] = {0, 0, 0};
    bool anyCounted = false;
    for (const LineCells &cells : lines) {
        LineTotals line;
        const i128 qty = units(cells.qty);
        const i128 rate = units(cells.rate);
        const i128 per[3] = {units(cells.cgstPer), units(cells.sgstPer), units(cells.igstPer)};
        line.counted = qty > 0 && rate > 0 && (per[0] > 0 || per[1] > 0 || per[2] > 0);
        if (line.counted) {
            anyCounted = true;
            const i128 value = mul(rate, qty); // millionths squared
            // Rate x % x Qty / 100 in paise, rounded once.
            i128 tax[3];
            for (int i = 0; i < 3; ++i)
                tax[i] = divRound(mul(value, per[i]), kE18);
            const i128 lineGross = divRound(value, kE10);
            line.cgst = paise(tax[0]);
            line.sgst = paise(tax[1]);
            line.igst = paise(tax[2]);
            line.amount = paise(add(add(add(tax[0], tax[1]), tax[2]), lineGross));
            gross = add(gross, lineGross);
            for (int i = 0; i < 3; ++i)
                taxes[i] = add(taxes[i], tax[i]);
        }
        t.lines.append(line);
    }
    t.total = paise(gross);
    const auto taxText = [anyCounted](i128 p) { return anyCounted ? paise(p) : QStringLiteral("0"); };
    t.cgst = taxText(taxes[0]);
    t.sgst = taxText(taxes[1]);
    t.igst = taxText(taxes[2]);
    i128 grand = mul(gross, Decimal::kUnit / 100);
    grand = add(grand, units(additions.tcs));
    for (i128 p : taxes)
        grand = add(grand, mul(p, Decimal::kUnit / 100));
    grand = add(grand, units(additions.roundOffPlus));
    grand = add(grand, -units(additions.roundOffMinus));
    t.grandTotal = paise(toPaise(grand));
    return t;
}

QString countedGross(const QList<LineCells> &lines)
{
    return calculateTotals(lines, {}).total;
}

namespace {
LineCells rowCells(const ItemGrid &grid, int r)
{
    return {grid.cell(r, Qty), grid.cell(r, Rate), grid.cell(r, CgstPer), grid.cell(r, SgstPer),
            grid.cell(r, IgstPer)};
}
} // namespace

QList<LineCells> lineCells(const ItemGrid &grid)
{
    QList<LineCells> lines;
    const int filled = grid.lineCount();
    for (int r = 1; r <= filled; ++r)
        lines.append(rowCells(grid, r));
    return lines;
}

GrandTotal calculateGrandTotal(const TaxBoxes &boxes)
{
    GrandTotal g;
    const i128 total = toPaise(units(boxes.total));
    g.total = paise(total);
    i128 grand = mul(total, Decimal::kUnit / 100);
    for (const QString *text : {&boxes.tcs, &boxes.cgst, &boxes.sgst, &boxes.igst, &boxes.roundOffPlus})
        grand = add(grand, units(*text));
    grand = add(grand, -units(boxes.roundOffMinus));
    g.grandTotal = paise(toPaise(grand));
    return g;
}

namespace {
QString text(const QLineEdit *box)
{
    return box ? box->text() : QString();
}

void put(QLineEdit *box, const QString &value)
{
    if (box && box->text() != value)
        box->setText(value);
}
} // namespace

void CalculateTotals(ItemGrid &grid, const Boxes &boxes)
{
    const QList<LineCells> lines = lineCells(grid);
    const int filled = int(lines.size());
    // A row repeated by Ctrl+A shows its copy while its name waits for Enter,
    // as do the lines after it; the totals count the lines alone.
    QList<LineCells> shown = lines;
    for (int r = filled + 1; r <= grid.shownLines(); ++r)
        shown.append(rowCells(grid, r));
    // Worked out in full before anything is shown, so a figure beyond range changes nothing.
    const Totals t =
        calculateTotals(lines, {text(boxes.TxTCS), text(boxes.TxRoundOffPlus), text(boxes.TxRoundOffMinus)});
    const QList<LineTotals> rowsShown = shown.size() > filled ? calculateTotals(shown, {}).lines : t.lines;
    // A row that does not count, or stands below the lines, shows no tax or
    // amount of an earlier count: it adds nothing and stores nothing.
    const LineTotals none;
    for (int r = 1; r < grid.rows(); ++r) {
        const LineTotals &line = r <= rowsShown.size() ? rowsShown.at(r - 1) : none;
        grid.setCell(r, Cgst, line.cgst);
        grid.setCell(r, Sgst, line.sgst);
        grid.setCell(r, Igst, line.igst);
        grid.setCell(r, Amount, line.amount);
    }
    put(boxes.TxTotal, t.total);
    put(boxes.TxCGST, t.cgst);
    put(boxes.TxSGST, t.sgst);
    put(boxes.TxIGST, t.igst);
    put(boxes.TxGrandTotal, t.grandTotal);
}

void CalculateGrandTotal(const Boxes &boxes)
{
    const GrandTotal g =
        calculateGrandTotal({text(boxes.TxTotal), text(boxes.TxTCS), text(boxes.TxCGST), text(boxes.TxSGST),
                             text(boxes.TxIGST), text(boxes.TxRoundOffPlus), text(boxes.TxRoundOffMinus)});
    put(boxes.TxTotal, g.total);
    put(boxes.TxGrandTotal, g.grandTotal);
}

} // namespace GstGrid
