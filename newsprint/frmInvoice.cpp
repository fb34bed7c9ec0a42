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
    c.columns << listSerialColumn() << listTextColumn(QStringLiteral("Trans ID"), 3200, QStringLiteral("inv_trans_id"))
              << listTextColumn(QStringLiteral("Invoice No"), 3000, QStringLiteral("inv_invoice_no"))
              << listDateColumn(QStringLiteral("Invoice Date"), 3000, QStringLiteral("inv_date"))
              << listDateColumn(QStringLiteral("Receipt Date"), 3000, QStringLiteral("inv_receipt_date"))
              << listTextColumn(QStringLiteral("Supplier"), 8000, QStringLiteral("ac_name"))
              << listTextColumn(QStringLiteral("GST No"), 8000, QStringLiteral("ac_gst"));
    ListColumn brand = listTextColumn(QStringLiteral("Brand"), 7500, QStringLiteral("brand_name"));
    brand.headingAlignRight = true;
    c.columns << brand << listNumberColumn(QStringLiteral("Amount"), 4000, QStringLiteral("inv_amount"))
              << listNumberColumn(QStringLiteral("CGST"), 2000, QStringLiteral("inv_cgst"))
              << listNumberColumn(QStringLiteral("SGST"), 2000, QStringLiteral("inv_sgst"))
              << listNumberColumn(QStringLiteral("IGST"), 2000, QStringLiteral("inv_igst"))
              << listNumberColumn(QStringLiteral("Total GST"), 2000, QStringLiteral("inv_total_gst"))
              << listNumberColumn(QStringLiteral("TCS"), 3000, QStringLiteral("inv_tcs"))
              << listNumberColumn(QStringLiteral("Grand Total"), 3000, QStringLiteral("inv_grand_total"))
              << listNumberColumn(QStringLiteral("Freight"), 2000, QStringLiteral("inv_freight"))
              << listNumberColumn(QStringLiteral("Weight"), 2000, QStringLiteral("inv_weight"));
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
