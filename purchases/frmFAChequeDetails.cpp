#include "frmFAChequeDetails.h"
#include "AssetPaymentStore.h"
#include "Sheet.h"
#include "mdlVelmora.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {
SheetWindowConfig chequeFrame()
{
    SheetWindowConfig f;
    f.windowName = QStringLiteral("frmFAChequeDetails");
    f.caption = QStringLiteral("Cheque Details");
    f.title = QStringLiteral("Cheque Details");
    f.clientArea = QSize(5400, 5200);
    f.sheetSize = QSize(5000, 3400);
    f.sheetName = QStringLiteral("FBook");
    return f;
}

QList<SheetColumn> chequeColumns()
{
    SheetColumn slNo;
    slNo.heading = QStringLiteral("Sl No");
    slNo.width = Sheet::twipsFromChars(5);
    slNo.serial = true;
    SheetColumn chq;
    chq.heading = QStringLiteral("Cheque No");
    chq.width = Sheet::twipsFromChars(15);
    chq.field = QStringLiteral("chq_no");
    SheetColumn amount;
    amount.heading = QStringLiteral("Amount");
    amount.width = Sheet::twipsFromChars(10);
    amount.field = QStringLiteral("adjust_amount");
    amount.kind = SheetColumn::Number;
    amount.numberFormat = QStringLiteral("0.00");
    amount.alignRight = true;
    return {slNo, chq, amount};
}
} // namespace

frmFAChequeDetails::frmFAChequeDetails(QWidget *parent) : SheetWindow(chequeFrame(), parent)
{
    QHBoxLayout *bar = filterBar();
    bar->addWidget(new QLabel(QStringLiteral("InvoiceNo"), this));
    LbInvoice = new QLabel(this);
    LbInvoice->setObjectName(QStringLiteral("LbInvoice"));
    bar->addWidget(LbInvoice, 1);
    QPushButton *cmClose = addButton(QStringLiteral("CmClose"), QStringLiteral("Close"));
    connect(cmClose, &QPushButton::clicked, this, &frmFAChequeDetails::CmClose_Click);
    layoutSheet(*sheet(), chequeColumns());

    takeHandOver();
}

void frmFAChequeDetails::takeHandOver()
{
    const QString code = gSelectedCode;
    gSelectedCode.clear();
    showBill(code, gSelectedDbName.str());
}

void frmFAChequeDetails::reopenedByName()
{
    takeHandOver();
}

void frmFAChequeDetails::showBill(const QString &code, const QString &storesDb)
{
    // The rows of the bill shown before go first: after a failure the
    // window must not show them under the new bill's code.
    m_code = code;
    m_database = gInvDbName;
    LbInvoice->setText(code);
    sheet()->ClearCells(2, 1, sheet()->RowCount(), sheet()->ColumnCount(), 1);
    guarded([&] {
        if (!storesDb.isEmpty())
            m_database = DbName(storesDb);
        if (!m_code.isEmpty())
            fill();
    });
}

void frmFAChequeDetails::fill()
{
    RecordSet payments = AssetPaymentStore::current().chequeDetails(m_code, m_database);
    fillSheet(*sheet(), payments, chequeColumns());
}

void frmFAChequeDetails::CmClose_Click()
{
    unload();
}
