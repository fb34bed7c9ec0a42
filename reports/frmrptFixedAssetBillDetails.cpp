#include "frmrptFixedAssetBillDetails.h"
#include "Sheet.h"
#include "mdlVelmora.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>

namespace {
constexpr ColorNumber kLightCyan = 16777152;
enum Column { SlNo = 1, Supplier, InvoiceDate, InvoiceNo, Amount, Code, ChqNo, InvDatabase, AcDatabase, Paid, RefNo };
} // namespace

ReportConfig frmrptFixedAssetBillDetails::reportConfig()
{
    ReportConfig c;
    c.windowName = QStringLiteral("frmrptFixedAssetBillDetails");
    c.caption = QStringLiteral("Fixed Assets - Bill Details");
    c.dateRange = true;
    c.print = ReportConfig::PrintDoesNothing;
    c.placeholderTitle = QStringLiteral("Fixed Asset Bills");
    c.columns = {{QStringLiteral("Sl No"), 1200},        {QStringLiteral("Supplier"), 6000},
                 {QStringLiteral("Invoice Date"), 3000}, {QStringLiteral("Invoice No"), 3000},
                 {QStringLiteral("Amount"), 3200},       {QString(), 0},
                 {QStringLiteral("Chq No"), 3000},       {QStringLiteral("Inv Database"), 0},
                 {QStringLiteral("Ac Database"), 0},     {QStringLiteral("Amount"), 3000},
                 {QStringLiteral("Ref No"), 3500}};
    c.headingAlignedLeft = true;
    c.firstNumericColumn = Amount;
    c.lastNumericColumn = RefNo;
    return c;
}

frmrptFixedAssetBillDetails::frmrptFixedAssetBillDetails(QWidget *parent) : ReportWindow(reportConfig(), parent)
{
    // Filled by the bills-by-supplier report only: no lookup of its own.
    TxSuppCode = codeBox(QStringLiteral("TxSuppCode"), {}, false);
    QGridLayout *g = filterGrid();
    auto label = [this](const char *text) { return new QLabel(QString::fromLatin1(text), this); };
    g->addWidget(label("From Date"), 0, 0);
    g->addWidget(DtFrom, 0, 1);
    g->addWidget(label("To Date"), 0, 2);
    g->addWidget(Dtto, 0, 3);
    g->addWidget(label("Unit"), 1, 0);
    g->addWidget(TxUnitCode, 1, 1, 1, 3);
    g->addWidget(label("Supplier"), 2, 0);
    g->addWidget(TxSuppCode, 2, 1, 1, 3);
    setEnterChain({DtFrom, TxUnitCode, TxSuppCode});
    setEnterChain({Dtto, TxUnitCode});
    orderButtons(
        {QStringLiteral("CmShow"), QStringLiteral("CmPrint"), QStringLiteral("CmExport"), QStringLiteral("CmClose")});
}

void frmrptFixedAssetBillDetails::SetValues(const QString &xUnitCode, const QString &xUnitName,
                                            const QString &xSuppCode, const QString &xSuppName, const QDate &xDtFrom,
                                            const QDate &xDtTo)
{
    TxUnitCode->setChoice(xUnitCode, xUnitName);
    TxSuppCode->setChoice(xSuppCode, xSuppName);
    DtFrom->setDate(xDtFrom);
    Dtto->setDate(xDtTo);
    show();
    CmShow_Click();
}

void frmrptFixedAssetBillDetails::FillSheet()
{
    clearBody();
    BillFilter f;
    f.from = DtFrom->date();
    f.to = Dtto->date();
    f.unitCode = filterCode(TxUnitCode);
    f.supplierCode = filterCode(TxSuppCode);
    setTitle(billsTitle(f.from, f.to));

    Sheet &s = *sheet();
    int bills = 0;
    Decimal total;
    QList<QPair<int, int>> blocks;
    BillReportStore::current().billDetails(f, [&](const BillDetail &b) {
        const int first = ++row();
        s.setCellText(first, SlNo, QString::number(++bills));
        s.setCellText(first, Supplier, b.acName);
        s.setCellText(first, InvoiceDate, b.date.isValid() ? dateText(b.date) : QString());
        s.setCellText(first, InvoiceNo, b.invoiceNo);
        const Decimal amount = b.amount.rounded(2);
        s.setCellNumber(first, Amount, amount);
        total += amount;
        s.setCellText(first, Code, b.code);
        markDataRow(first);
        // The first payment line goes into the bill row, each further one under it.
        for (int i = 0; i < b.payments.size(); ++i) {
            const int n = i == 0 ? first : ++row();
            const BillPayment &p = b.payments.at(i);
            s.setCellText(n, ChqNo, p.chequeNo);
            s.setCellText(n, Paid, p.amount.toText(2));
            s.setCellText(n, RefNo, p.voucherNo);
        }
        for (int n = first; n <= row(); ++n) {
            s.setCellText(n, InvDatabase, b.source.stores.str());
            s.setCellText(n, AcDatabase, b.source.accounts.str());
        }
        if (row() > first) {
            blocks.append({first, row()});
            ++row(); // one empty row after a block
        }
    });
    // One format for the list, then the blocks over it.
    styleBody(5, row(), Amount, Paid);
    if (row() > 4) {
        s.SelectCells(5, RefNo, row(), s.ColumnCount());
        s.SetSelectionFont(QStringLiteral("ARIAL"), 8, true, false, false, false, 0, false, false);
    }
    for (const auto &[first, last] : std::as_const(blocks)) {
        s.SelectCells(first, 1, last, s.ColumnCount());
        s.SetSelectionBorder(-1, 1, 1, 1, -1, 1, 1, -1, -1, -1, -1);
        s.SetSelectionPattern(1, kLightCyan, kLightCyan);
    }
    const int t = nextTotalRow();
    s.setCellText(t, Supplier, QStringLiteral("Total No of Items. ") + QString::number(bills));
    s.setCellNumber(t, Amount, total);
    styleTotalRow(t, Supplier, InvoiceNo, Code);
    finishFill(t);
}

void frmrptFixedAssetBillDetails::drillDown(int row)
{
    openFixedAssetBill(sheet()->CellText(row, Code), sheet()->CellText(row, InvDatabase));
}
