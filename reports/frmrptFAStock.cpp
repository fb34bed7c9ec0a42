#include "frmrptFAStock.h"
#include "FixedAssetStockStore.h"
#include "Sheet.h"
#include "mdlVelmora.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString kTotalLabel = QStringLiteral("Total No of Items. ");
} // namespace

ReportConfig frmrptFAStock::reportConfig()
{
    ReportConfig c;
    c.windowName = QStringLiteral("frmrptFAStock");
    c.caption = QStringLiteral("Fixed Assets Stock");
    c.placeholderTitle = QStringLiteral("Fixed Assets Stock");
    c.columns = {{QStringLiteral("Sl No"), 1200},     {QStringLiteral("Supplier"), 6000},
                 {QStringLiteral("Item"), 3200},      {QStringLiteral("Brand"), 3200},
                 {QStringLiteral("Narration"), 5500}, {QString(), 0},
                 {QStringLiteral("Qty"), 2500},       {QStringLiteral("Rate"), 2000},
                 {QStringLiteral("Amount"), 3000},    {QStringLiteral("Invoice No"), 3500}};
    c.headingAlignedLeft = true;
    c.firstNumericColumn = 7;
    c.lastNumericColumn = 10;
    // Printed: serial, supplier, item, quantity and amount; unit headings as
    // lines of their own and the total row as a total line.
    c.printMapping = unitListPrintMapping({1, 2, 3, 7, 9}, kTotalLabel);
    return c;
}

frmrptFAStock::frmrptFAStock(QWidget *parent) : ReportWindow(reportConfig(), parent)
{
    CbStockType = makeStockTypeBox();
    TxUnitCode->setReadOnly(true);
    // The supplier, brand and item lists search the names for the box's text.
    TxSuppCode = nameSearchBox(QStringLiteral("TxSuppCode"), [](const QString &t) {
        return Lookup::scheme(FixedAssetStockStore::current().supplierLookup(t));
    });
    TxBrandCode = nameSearchBox(QStringLiteral("TxBrandCode"), [](const QString &t) {
        return Lookup::scheme(FixedAssetStockStore::current().brandLookup(t));
    });
    TxItem = nameSearchBox(QStringLiteral("TxItem"), [](const QString &t) {
        return Lookup::of(FixedAssetStockStore::current().itemLookup(t), QStringLiteral("Item Master"), 10500,
                          {{1500, QStringLiteral("Item Code")}, {9000, QStringLiteral("Item Name")}});
    });
    // Nothing in this report searches a text: the box is kept out of sight
    // rather than offered to a clerk whose typing would change nothing.
    TxSearch = makeBox(QStringLiteral("TxSearch"), this);
    TxSearch->hide();

    QGridLayout *g = filterGrid();
    auto label = [this](const char *text) { return new QLabel(QString::fromLatin1(text), this); };
    g->addWidget(label("Ason Date"), 0, 0);
    g->addWidget(DtFrom, 0, 1);
    g->addWidget(label("Stock Type"), 0, 2);
    g->addWidget(CbStockType, 0, 3);
    g->addWidget(label("Unit"), 1, 0);
    g->addWidget(TxUnitCode, 1, 1);
    g->addWidget(label("Brand"), 1, 2);
    g->addWidget(TxBrandCode, 1, 3);
    g->addWidget(label("Supplier"), 2, 0);
    g->addWidget(TxSuppCode, 2, 1);
    g->addWidget(label("Item Master"), 2, 2);
    g->addWidget(TxItem, 2, 3);

    for (QLineEdit *b : {TxSuppCode, TxBrandCode})
        selectOnEntry(b);
    setEnterChain({DtFrom, CbStockType, TxUnitCode, TxSuppCode, TxBrandCode, TxItem, CmShow});
    TxItem->installEventFilter(this);
}

bool frmrptFAStock::eventFilter(QObject *watched, QEvent *event)
{
    // The item box keeps its text unselected when entered: a line edit
    // selects all of it on a Tab-like entry, so that entry is passed on as a
    // plain one.
    if (watched == TxItem && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
            QCoreApplication::sendEvent(TxItem, &plain);
            return true;
        }
    }
    return ReportWindow::eventFilter(watched, event);
}

void frmrptFAStock::FillSheet()
{
    clearBody();
    setTitle(QStringLiteral("Fixed Asset Purchase   As on ") + dateText(DtFrom->date()));
    AssetStockFilter f;
    f.press = CbStockType->currentIndex() == 1;
    f.unitCode = filterCode(TxUnitCode);
    f.supplierCode = filterCode(TxSuppCode);
    f.brandCode = filterCode(TxBrandCode);
    f.itemCode = filterCode(TxItem);

    Sheet &s = *sheet();
    const int columns = s.ColumnCount();
    QString unit;
    bool first = true;
    int items = 0;
    Decimal qtyTotal, amountTotal;
    FixedAssetStockStore::current().stock(f, [&](const AssetStockRow &r) {
        if (first || r.unitCode != unit) {
            first = false;
            unit = r.unitCode;
            addGroupHeading(2, r.unitName);
        }
        ++items;
        ++row();
        const int n = row();
        s.setCellText(n, 1, QString::number(items));
        s.setCellText(n, 2, r.supplierName);
        s.setCellText(n, 3, r.itemName);
        s.setCellText(n, 4, r.brandName);
        s.setCellText(n, 5, r.narration);
        // The amount is the product of the rounded values the row shows.
        const Decimal qty = r.qty.rounded(2);
        const Decimal rate = r.rate.rounded(2);
        const Decimal amount = (qty * rate).rounded(2);
        s.setCellNumber(n, 7, qty);
        s.setCellNumber(n, 8, rate);
        s.setCellNumber(n, 9, amount);
        qtyTotal += qty;
        amountTotal += amount;
        s.setCellText(n, 10, r.transId);
    });
    styleBody(5, row(), 7, columns);
    styleGroupHeadings(2, 2, 10);
    writeCountTotals(kTotalLabel, items, {{7, qtyTotal}, {9, amountTotal}});
}
