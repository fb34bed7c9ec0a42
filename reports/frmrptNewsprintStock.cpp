#include "frmrptNewsprintStock.h"
#include "NewsprintReportStore.h"
#include "Sheet.h"
#include "mdlVelmora.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString kTotalLabel = QStringLiteral("Total No of Reels. ");
} // namespace

ReportConfig frmrptNewsprintStock::reportConfig()
{
    ReportConfig c;
    c.windowName = QStringLiteral("frmrptNewsprintStock");
    c.caption = QStringLiteral("Newsprint Stock");
    c.placeholderTitle = QStringLiteral("Newsprint Stock");
    c.columns = {
        {QStringLiteral("Sl No"), 1200},        {QStringLiteral("Supplier"), 6000},  {QStringLiteral("Brand"), 3200},
        {QStringLiteral("Reel No"), 3200},      {QStringLiteral("Reel Type"), 3500}, {QStringLiteral("GSM"), 2000},
        {QStringLiteral("Weight(KG)"), 2500},   {QStringLiteral("Rate"), 2000},      {QStringLiteral("Amount"), 3000},
        {QStringLiteral("Invoice Date"), 3500}, {QStringLiteral("Invoice No"), 3500}};
    c.headingAlignedLeft = true;
    c.firstNumericColumn = 7;
    c.lastNumericColumn = 11;
    // Printed: serial, supplier, reel number, weight and amount.
    c.printMapping = unitListPrintMapping({1, 2, 4, 7, 9}, kTotalLabel);
    return c;
}

frmrptNewsprintStock::frmrptNewsprintStock(QWidget *parent) : ReportWindow(reportConfig(), parent)
{
    CbStockType = makeStockTypeBox();
    TxUnitCode->setReadOnly(true);
    const QList<LookupColumn> typeColumns{{0, QStringLiteral("Type")}, {6000, QStringLiteral("Type Name")}};
    // The supplier and brand lists search the names for the box's text.
    TxSuppCode = nameSearchBox(QStringLiteral("TxSuppCode"), [](const QString &t) {
        return Lookup::scheme(NewsprintReportStore::current().supplierLookup(t));
    });
    TxBrandCode = nameSearchBox(QStringLiteral("TxBrandCode"), [](const QString &t) {
        return Lookup::scheme(NewsprintReportStore::current().brandLookup(t));
    });
    TxGSM = codeBox(
        QStringLiteral("TxGSM"),
        [typeColumns] {
            return Lookup::of(NewsprintReportStore::current().gsmLookup(), QStringLiteral("Type"), 6000, typeColumns);
        },
        true);
    TxReelType = codeBox(
        QStringLiteral("TxReelType"),
        [typeColumns] {
            return Lookup::of(NewsprintReportStore::current().reelTypeLookup(), QStringLiteral("Type"), 6000,
                              typeColumns);
        },
        true);
    TxSearch = makeBox(QStringLiteral("TxSearch"), this);

    QGridLayout *g = filterGrid();
    auto label = [this](const char *text) { return new QLabel(QString::fromLatin1(text), this); };
    g->addWidget(label("Ason Date"), 0, 0);
    g->addWidget(DtFrom, 0, 1);
    g->addWidget(label("Search"), 0, 2);
    g->addWidget(TxSearch, 0, 3);
    g->addWidget(label("Brand"), 0, 4);
    g->addWidget(TxBrandCode, 0, 5);
    g->addWidget(label("Stock Type"), 1, 0);
    g->addWidget(CbStockType, 1, 1);
    g->addWidget(label("Unit"), 1, 2);
    g->addWidget(TxUnitCode, 1, 3);
    g->addWidget(label("GSM"), 1, 4);
    g->addWidget(TxGSM, 1, 5);
    g->addWidget(label("Supplier"), 2, 0);
    g->addWidget(TxSuppCode, 2, 1, 1, 3);
    g->addWidget(label("Reel Type"), 2, 4);
    g->addWidget(TxReelType, 2, 5);

    for (QLineEdit *b : {TxSuppCode, TxBrandCode, TxGSM, TxReelType})
        selectOnEntry(b);
    setEnterChain({DtFrom, CbStockType, TxUnitCode, TxSuppCode, TxBrandCode, TxGSM, TxReelType, CmShow});
    setTabOrder(TxReelType, TxSearch);
}

void frmrptNewsprintStock::FillSheet()
{
    clearBody();
    const bool press = CbStockType->currentIndex() == 1;
    setTitle(
        QStringLiteral("Newsprint Purchase (%1)  As on %2").arg(CbStockType->currentText(), dateText(DtFrom->date())));
    StockFilter f;
    f.press = press;
    f.unitCode = filterCode(TxUnitCode);
    f.supplierCode = filterCode(TxSuppCode);
    f.brandCode = filterCode(TxBrandCode);
    f.gsmCode = filterCode(TxGSM);
    f.reelTypeCode = filterCode(TxReelType);
    f.search = TxSearch->text();

    Sheet &s = *sheet();
    const int columns = s.ColumnCount();
    QString unit;
    bool first = true;
    int reels = 0;
    Decimal weightTotal, amountTotal;
    NewsprintReportStore::current().stock(f, [&](const StockRow &r) {
        ++reels;
        if (first || r.unitCode != unit) {
            first = false;
            unit = r.unitCode;
            addGroupHeading(2, r.unitName);
        }
        ++row();
        const int n = row();
        s.setCellText(n, 1, QString::number(reels));
        s.setCellText(n, 2, r.supplierName);
        s.setCellText(n, 3, r.brandName);
        s.setCellText(n, 4, r.reelNo);
        s.setCellText(n, 6, r.gsmName);
        s.setCellText(n, 5, r.reelTypeName);
        const Decimal weight = r.weight.rounded(2);
        const Decimal rate = r.rate.rounded(2);
        const Decimal amount = (weight * rate).rounded(2);
        s.setCellNumber(n, 7, weight);
        s.setCellNumber(n, 8, rate);
        s.setCellNumber(n, 9, amount);
        weightTotal += weight;
        amountTotal += amount;
        s.setCellText(n, 10, dateText(r.invoiceDate));
        s.setCellText(n, 11, r.transId);
    });
    // One format for all reel rows, then the unit headings over it.
    styleBody(5, row(), 7, columns);
    styleGroupHeadings(2, 2, 10);
    writeCountTotals(kTotalLabel, reels, {{7, weightTotal}, {9, amountTotal}});
}
