#include "frmrptFABills.h"
#include "Sheet.h"
#include "WindowRegistry.h"
#include "frmrptFixedAssetBillDetails.h"
#include "mdlVelmora.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>

ReportConfig frmrptFABills::reportConfig()
{
    ReportConfig c;
    c.windowName = QStringLiteral("frmrptFABills");
    c.caption = QStringLiteral("Fixed Assets Bills");
    c.dateRange = true;
    c.print = ReportConfig::NoPrint;
    c.placeholderTitle = QStringLiteral("Fixed Asset Bills");
    summaryColumns(c);
    return c;
}

frmrptFABills::frmrptFABills(QWidget *parent) : BillSummaryWindow(reportConfig(), parent)
{
    QGridLayout *g = filterGrid();
    auto label = [this](const char *text) { return new QLabel(QString::fromLatin1(text), this); };
    g->addWidget(label("From"), 0, 0);
    g->addWidget(DtFrom, 0, 1);
    g->addWidget(label("To"), 0, 2);
    g->addWidget(Dtto, 0, 3);
    g->addWidget(label("Unit"), 1, 0);
    g->addWidget(TxUnitCode, 1, 1, 1, 3);
    g->addWidget(label("Supplier"), 2, 0);
    g->addWidget(TxSuppCode, 2, 1, 1, 3);
    setEnterChain({DtFrom, Dtto, TxUnitCode, TxSuppCode});
}

void frmrptFABills::FillSheet()
{
    clearBody();
    BillFilter f;
    f.from = DtFrom->date();
    f.to = Dtto->date();
    f.supplierCode = filterCode(TxSuppCode);
    setTitle(billsTitle(f.from, f.to));
    m_unitCode = TxUnitCode->tag();
    m_unitName = TxUnitCode->text();
    m_from = f.from;
    m_to = f.to;
    writeSummary(BillReportStore::current().billsBySupplier(f));
}

void frmrptFABills::openSupplier(const QString &code, const QString &name)
{
    auto *details = qobject_cast<frmrptFixedAssetBillDetails *>(
        WindowRegistry::instance().open(QStringLiteral("frmrptFixedAssetBillDetails")));
    if (details)
        details->SetValues(m_unitCode, m_unitName, code, name, m_from, m_to);
}
