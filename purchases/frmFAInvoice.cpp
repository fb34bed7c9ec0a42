#include "frmFAInvoice.h"
#include "AssetListStore.h"
#include "mdlVelmora.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {
const QString kYearLocked = QStringLiteral("You Are Not Allowed to Modify the Data of this Financial Year.   ");
}

ListWindowConfig faInvoiceListConfig()
{
    ListWindowConfig c;
    c.windowName = QStringLiteral("frmFAInvoice");
    c.caption = QStringLiteral("Invoice List - Fixed Assets");
    c.entryWindow = QStringLiteral("frmFAInvoiceMaster");
    c.keyColumn = 2;
    c.buttonOrder = {QStringLiteral("CmNew"), QStringLiteral("CmView"), QStringLiteral("Command2"),
                     QStringLiteral("CmExport"), QStringLiteral("CmClose")};
    c.newRefusal = [] { return gInvDefault ? QString() : kYearLocked; };
    c.newRefusalIcon = MsgIcon::Critical;
    // The bill window reads the bill from the year the list shows.
    c.listedDatabase = [] { return gInvDbName; };
    c.columns << listSerialColumn() << listTextColumn(QStringLiteral("Trans ID"), 3200, QStringLiteral("inv_code"))
              << listTextColumn(QStringLiteral("Invoice No"), 3000, QStringLiteral("inv_invoice_no"))
              << listDateColumn(QStringLiteral("Invoice Date"), 3000, QStringLiteral("inv_date"))
              << listDateColumn(QStringLiteral("Receipt Date"), 3000, QStringLiteral("inv_receipt_date"))
              << listTextColumn(QStringLiteral("Supplier"), 10000, QStringLiteral("ac_name"))
              << listTextColumn(QStringLiteral("Brand"), 0, QString())
              << listNumberColumn(QStringLiteral("Amount"), 4000, QStringLiteral("inv_grand_total"))
              << listTextColumn(QStringLiteral("Narration"), 10000, QStringLiteral("inv_narration"));
    return c;
}

frmFAInvoice::frmFAInvoice(QWidget *parent) : ListWindow(faInvoiceListConfig(), parent)
{
    QHBoxLayout *bar = filterBar();
    TxInvoiceNo = new QLineEdit(this);
    TxInvoiceNo->setObjectName(QStringLiteral("TxInvoiceNo"));
    bar->addWidget(new QLabel(QStringLiteral("Search"), this));
    bar->addWidget(TxInvoiceNo, 1);
    bar->addStretch(1);
    connect(TxInvoiceNo, &QLineEdit::textChanged, this, &frmFAInvoice::TxInvoiceNo_Change);
}

void frmFAInvoice::TxInvoiceNo_Change()
{
    FillList();
}

RecordSet frmFAInvoice::runQuery()
{
    return AssetListStore::current().list(TxInvoiceNo->text());
}
