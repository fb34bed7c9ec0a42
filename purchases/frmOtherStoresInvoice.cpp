#include "frmOtherStoresInvoice.h"
#include "GstGrid.h"
#include "ListColumns.h"
#include "Lookup.h"
#include "OtherInvoiceStore.h"
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>

ListWindowConfig otherStoresInvoiceListConfig()
{
    ListWindowConfig c;
    c.windowName = QStringLiteral("frmOtherStoresInvoice");
    c.caption = QStringLiteral("Invoice List - Other Stores");
    c.entryWindow = QStringLiteral("frmOtherInvoiceMaster");
    c.keyColumn = 2;
    c.buttonOrder = {QStringLiteral("CmNew"), QStringLiteral("CmView"), QStringLiteral("Command2"),
                     QStringLiteral("CmExport"), QStringLiteral("CmClose")};
    c.columns << listSerialColumn() << listTextColumn(QStringLiteral("Trans ID"), 3200, QStringLiteral("inv_trans_id"))
              << listTextColumn(QStringLiteral("Invoice No"), 2000, QStringLiteral("inv_invoice_no"))
              << listDateColumn(QStringLiteral("Invoice Date"), 2500, QStringLiteral("inv_date"))
              << listDateColumn(QStringLiteral("Receipt Date"), 2500, QStringLiteral("inv_receipt_date"))
              << listTextColumn(QStringLiteral("Supplier"), 5400, QStringLiteral("ac_name"))
              << listNumberColumn(QStringLiteral("Amount"), 2500, QStringLiteral("inv_gross_total"))
              << listNumberColumn(QStringLiteral("CGST"), 1800, QStringLiteral("inv_cgst_amt"))
              << listNumberColumn(QStringLiteral("SGST"), 1800, QStringLiteral("inv_sgst_amt"))
              << listNumberColumn(QStringLiteral("IGST"), 1800, QStringLiteral("inv_igst_amt"))
              << listNumberColumn(QStringLiteral("Total"), 2500, QStringLiteral("inv_net_total"));
    return c;
}

frmOtherStoresInvoice::frmOtherStoresInvoice(QWidget *parent) : ListWindow(otherStoresInvoiceListConfig(), parent)
{
    QHBoxLayout *bar = filterBar();
    DtFrom = listDatePicker(QStringLiteral("DtFrom"), this);
    DtTo = listDatePicker(QStringLiteral("DtTo"), this);
    TxItem = new LookupBox(this);
    TxItem->setObjectName(QStringLiteral("TxItem"));
    TxItem->setLookup([this] {
        Lookup l = GstGrid::itemLookup(TxItem->text());
        return Lookup::scheme({l.statement, l.values});
    });
    bar->addWidget(new QLabel(QStringLiteral("From"), this));
    bar->addWidget(DtFrom);
    bar->addWidget(new QLabel(QStringLiteral("To"), this));
    bar->addWidget(DtTo);
    bar->addWidget(new QLabel(QStringLiteral("Item"), this));
    bar->addWidget(TxItem, 1);
}

RecordSet frmOtherStoresInvoice::runQuery()
{
    // The chosen item's code filters, whatever the box shows since.
    return OtherInvoiceStore::current().list(DtFrom->date(), DtTo->date(), TxItem->tag());
}
