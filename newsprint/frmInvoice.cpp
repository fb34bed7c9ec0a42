#include "frmInvoice.h"
#include "ListColumns.h"
#include "Desktop.h"
#include "InvoiceStore.h"
#include "mdlVelmora.h"
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

ListWindowConfig invoiceListConfig()
{
    ListWindowConfig c;
    c.windowName = QStringLiteral("frmInvoice");
    c.caption = QStringLiteral("Newsprint Invoice List");
    c.entryWindow = QStringLiteral("frmInvoiceMaster");
    c.keyColumn = 2;
    c.buttonOrder = {QStringLiteral("CmNew"), QStringLiteral("CmView"), QStringLiteral("Command2"),
                     QStringLiteral("CmExport"), QStringLiteral("CmClose")};
    c.columns << listSerialColumn("Sl No", 1200) << listTextColumn("Trans ID", 3200, "inv_trans_id")
              << listTextColumn("Invoice No", 3000, "inv_invoice_no")
              << listDateColumn("Invoice Date", 3000, "inv_date")
              << listDateColumn("Receipt Date", 3000, "inv_receipt_date") << listTextColumn("Supplier", 8000, "ac_name")
              << listTextColumn("GST No", 8000, "ac_gst");
    ListColumn brand = listTextColumn("Brand", 7500, "brand_name");
    brand.headingAlignRight = true;
    c.columns << brand << listAmountColumn("Amount", 4000, "inv_amount") << listAmountColumn("CGST", 2000, "inv_cgst")
              << listAmountColumn("SGST", 2000, "inv_sgst") << listAmountColumn("IGST", 2000, "inv_igst")
              << listAmountColumn("Total GST", 2000, "inv_total_gst") << listAmountColumn("TCS", 3000, "inv_tcs")
              << listAmountColumn("Grand Total", 3000, "inv_grand_total")
              << listAmountColumn("Freight", 2000, "inv_freight") << listAmountColumn("Weight", 2000, "inv_weight");
    return c;
}

frmInvoice::frmInvoice(QWidget *parent) : ListWindow(invoiceListConfig(), parent)
{
    QHBoxLayout *bar = filterBar();
    DtFrom = listDatePicker(QStringLiteral("DtFrom"), this);
    DtTo = listDatePicker(QStringLiteral("DtTo"), this);
    TxReelNo = new QLineEdit(this);
    TxReelNo->setObjectName(QStringLiteral("TxReelNo"));
    bar->addWidget(new QLabel(QStringLiteral("From"), this));
    bar->addWidget(DtFrom);
    bar->addWidget(new QLabel(QStringLiteral("To"), this));
    bar->addWidget(DtTo);
    bar->addWidget(new QLabel(QStringLiteral("Reel No"), this));
    bar->addWidget(TxReelNo);
    bar->addStretch(1);
    DtFrom->installEventFilter(this);
    DtTo->installEventFilter(this);
}

RecordSet frmInvoice::runQuery()
{
    // The reel text is used as typed, blanks included.
    return InvoiceStore::current().list(DtFrom->date(), DtTo->date(), TxReelNo->text());
}

bool frmInvoice::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (watched == DtFrom || watched == DtTo)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == DtFrom)
                DtTo->setFocus(Qt::OtherFocusReason);
            else
                FillList();
            return true;
        }
    }
    return ListWindow::eventFilter(watched, event);
}
