#include "frmrptFixedAssetInvoice.h"
#include "Sheet.h"
#include "Ui.h"
#include "mdlVelmora.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>

namespace {
// Serial, supplier, bill date, the supplier's invoice number as text (never
// summed) and the amount; the bill rows end at the first row without a key.
PrintMapping printMapping()
{
    PrintMapping m;
    m.lastFields = {PrintField::Text, PrintField::Amount};
    return m;
}
} // namespace

ReportConfig frmrptFixedAssetInvoice::reportConfig()
{
    ReportConfig c;
    c.windowName = QStringLiteral("frmrptFixedAssetInvoice");
    c.caption = QStringLiteral("Fixed Assets Invoice");
    c.print = ReportConfig::Prints;
    c.placeholderTitle = QStringLiteral("Pending Fixed Asset Bills");
    c.columns = {{QStringLiteral("Sl No"), 1200},        {QStringLiteral("Supplier"), 6000},
                 {QStringLiteral("Invoice Date"), 3000}, {QStringLiteral("Invoice No"), 3000},
                 {QStringLiteral("Amount"), 3200},       {QString(), 0},
                 {QStringLiteral("Voucher"), 3000}};
    c.keyColumns = {{QStringLiteral("Inv Database"), 0}, {QStringLiteral("Ac Database"), 0}};
    c.headingAlignedLeft = true;
    c.firstNumericColumn = 5;
    c.lastNumericColumn = 7;
    c.printMapping = printMapping();
    return c;
}

frmrptFixedAssetInvoice::frmrptFixedAssetInvoice(QWidget *parent) : ReportWindow(reportConfig(), parent)
{
    CbType = billTypeList(this);
    // Filled by the pending-bills report only: no lookup of its own.
    TxSuppCode = codeBox(QStringLiteral("TxSuppCode"), {}, false);
    QGridLayout *g = filterGrid();
    auto label = [this](const char *text) { return new QLabel(QString::fromLatin1(text), this); };
    g->addWidget(label("Ason Date"), 0, 0);
    g->addWidget(DtFrom, 0, 1);
    g->addWidget(label("Type"), 0, 2);
    g->addWidget(CbType, 0, 3);
    g->addWidget(label("Unit"), 1, 0);
    g->addWidget(TxUnitCode, 1, 1, 1, 3);
    g->addWidget(label("Supplier"), 2, 0);
    g->addWidget(TxSuppCode, 2, 1, 1, 3);
    setEnterChain({DtFrom, TxUnitCode, TxSuppCode});
    orderButtons(
        {QStringLiteral("CmShow"), QStringLiteral("CmPrint"), QStringLiteral("CmExport"), QStringLiteral("CmClose")});
    DtFrom->setFocus();
}

void frmrptFixedAssetInvoice::SetValues(const QString &xUnitCode, const QString &xUnitName, const QString &xSuppCode,
                                        const QString &xSuppName, const QString &xType)
{
    TxUnitCode->setChoice(xUnitCode, xUnitName);
    TxSuppCode->setChoice(xSuppCode, xSuppName);
    bool ok = false;
    const int type = xType.toInt(&ok);
    CbType->setCurrentIndex(ok && billKindOf(type) != BillKind::None ? type : -1);
    show();
    CmShow_Click();
}

void frmrptFixedAssetInvoice::FillSheet()
{
    clearBody();
    m_kind = BillKind::None;
    setTitle(QStringLiteral("Pending Fixed Asset Bills As on ") + dateText(DtFrom->date()));
    const BillKind kind = billKindOf(CbType->currentIndex());
    if (kind == BillKind::None) {
        MsgBox(QStringLiteral("Please Select a Type"), MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    m_kind = kind;
    Sheet &s = *sheet();
    int serial = 0;
    Decimal total;
    BillReportStore::current().pendingInvoices(
        kind, filterCode(TxUnitCode), filterCode(TxSuppCode), [&](const PendingInvoice &r) {
            const int n = ++row();
            s.setCellText(n, 1, QString::number(++serial));
            s.setCellText(n, 2, r.acName);
            s.setCellText(n, 3, r.date.isValid() ? dateText(r.date) : QString());
            s.setCellText(n, 4, r.invoiceNo);
            const Decimal amount = r.amount.rounded(2);
            s.setCellNumber(n, 5, amount);
            total += amount;
            s.setCellText(n, kCode, r.code);
            s.setCellText(n, 7, r.generated ? QStringLiteral("Generated") : QString());
            setRowKey(n, kInvDatabase, r.source.stores.str());
            setRowKey(n, kAcDatabase, r.source.accounts.str());
        });
    styleBody(5, row(), 5, s.ColumnCount());
    const int t = nextTotalRow();
    s.setCellText(t, 2, QStringLiteral("Total No of Items. ") + QString::number(serial));
    s.setCellNumber(t, 5, total);
    styleTotalRow(t, 2, 4, s.ColumnCount());
    finishFill(t);
}

void frmrptFixedAssetInvoice::drillDown(int row)
{
    // Only a fixed-asset bill has a window to open it in.
    if (m_kind != BillKind::FixedAssets)
        return;
    openFixedAssetBill(sheet()->CellText(row, kCode), rowKey(row, kInvDatabase));
}
