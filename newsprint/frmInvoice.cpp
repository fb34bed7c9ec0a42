#include "frmInvoice.h"
#include "Desktop.h"
#include "InvoiceStore.h"
#include "mdlVelmora.h"
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {
ListColumn textColumn(const char *heading, int width, const char *field)
{
    ListColumn c;
    c.heading = QString::fromLatin1(heading);
    c.width = width;
    c.field = QString::fromLatin1(field);
    return c;
}

ListColumn dateColumn(const char *heading, int width, const char *field)
{
    ListColumn c = textColumn(heading, width, field);
    const QString name = c.field;
    c.value = [name](const RecordSet &r, int) { return dateText(r.date(name)); };
    return c;
}

ListColumn numberColumn(const char *heading, int width, const char *field)
{
    ListColumn c = textColumn(heading, width, field);
    c.kind = ListColumn::Number;
    c.numberFormat = QStringLiteral("0.00");
    c.headingAlignRight = true;
    return c;
}

QDateEdit *datePicker(const QString &name, QWidget *parent)
{
    auto *d = new QDateEdit(parent);
    d->setObjectName(name);
    d->setCalendarPopup(true);
    d->setLocale(QLocale::c());
    d->setDisplayFormat(QStringLiteral("dd-MMM-yyyy"));
    d->setDate(now().date());
    return d;
}
} // namespace

ListWindowConfig invoiceListConfig()
{
    ListWindowConfig c;
    c.windowName = QStringLiteral("frmInvoice");
    c.caption = QStringLiteral("Newsprint Invoice List");
    c.entryWindow = QStringLiteral("frmInvoiceMaster");
    c.keyColumn = 2;
    c.buttonOrder = {QStringLiteral("CmNew"), QStringLiteral("CmView"), QStringLiteral("Command2"),
                     QStringLiteral("CmExport"), QStringLiteral("CmClose")};
    ListColumn slNo;
    slNo.heading = QStringLiteral("Sl No");
    slNo.width = 1200;
    slNo.value = [](const RecordSet &, int n) { return QString::number(n); };
    c.columns << slNo << textColumn("Trans ID", 3200, "inv_trans_id")
              << textColumn("Invoice No", 3000, "inv_invoice_no") << dateColumn("Invoice Date", 3000, "inv_date")
              << dateColumn("Receipt Date", 3000, "inv_receipt_date") << textColumn("Supplier", 8000, "ac_name")
              << textColumn("GST No", 8000, "ac_gst");
    ListColumn brand = textColumn("Brand", 7500, "brand_name");
    brand.headingAlignRight = true;
    c.columns << brand << numberColumn("Amount", 4000, "inv_amount") << numberColumn("CGST", 2000, "inv_cgst")
              << numberColumn("SGST", 2000, "inv_sgst") << numberColumn("IGST", 2000, "inv_igst")
              << numberColumn("Total GST", 2000, "inv_total_gst") << numberColumn("TCS", 3000, "inv_tcs")
              << numberColumn("Grand Total", 3000, "inv_grand_total") << numberColumn("Freight", 2000, "inv_freight")
              << numberColumn("Weight", 2000, "inv_weight");
    return c;
}

frmInvoice::frmInvoice(QWidget *parent) : ListWindow(invoiceListConfig(), parent)
{
    QHBoxLayout *bar = filterBar();
    DtFrom = datePicker(QStringLiteral("DtFrom"), this);
    DtTo = datePicker(QStringLiteral("DtTo"), this);
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
