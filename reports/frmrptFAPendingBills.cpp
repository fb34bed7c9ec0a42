#include "frmrptFAPendingBills.h"
#include "Sheet.h"
#include "Ui.h"
#include "WindowRegistry.h"
#include "frmrptFixedAssetInvoice.h"
#include "mdlVelmora.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>

ReportConfig frmrptFAPendingBills::reportConfig()
{
    ReportConfig c;
    c.windowName = QStringLiteral("frmrptFAPendingBills");
    c.caption = QStringLiteral("Fixed Assets Pending Bills");
    c.print = ReportConfig::NoPrint;
    c.placeholderTitle = QStringLiteral("Pending Bills");
    summaryColumns(c);
    return c;
}

frmrptFAPendingBills::frmrptFAPendingBills(QWidget *parent) : BillSummaryWindow(reportConfig(), parent)
{
    CbType = billTypeList(this);
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
    DtFrom->setFocus();
}

void frmrptFAPendingBills::FillSheet()
{
    // A refused Show leaves no row of an earlier one behind.
    clearBody();
    m_kind = BillKind::None;
    const BillKind kind = billKindOf(CbType->currentIndex());
    if (kind == BillKind::None) {
        MsgBox(QStringLiteral("Please Select a Type"), MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    setTitle(QStringLiteral("Pending Bills  As on ") + dateText(DtFrom->date()));
    const std::optional<QString> unit = filterCode(TxUnitCode);
    m_kind = kind;
    m_unitCode = TxUnitCode->tag();
    m_unitName = TxUnitCode->text();
    writeSummary(BillReportStore::current().pendingBills(kind, unit, filterCode(TxSuppCode)));
}

void frmrptFAPendingBills::openSupplier(const QString &code, const QString &name)
{
    auto *invoices = qobject_cast<frmrptFixedAssetInvoice *>(
        WindowRegistry::instance().open(QStringLiteral("frmrptFixedAssetInvoice")));
    if (invoices)
        invoices->SetValues(m_unitCode, m_unitName, code, name, QString::number(int(m_kind)));
}
