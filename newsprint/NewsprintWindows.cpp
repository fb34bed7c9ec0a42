#include "NewsprintWindows.h"
#include "ReelTickWindow.h"
#include "frmConsumption.h"
#include "frmConsumptionMaster.h"
#include "frmInvoice.h"
#include "frmInvoiceMaster.h"
#include <QMdiArea> // WindowRegistry.h reads the area inline
#include "WindowRegistry.h"

void registerNewsprintWindows()
{
    WindowRegistry &r = WindowRegistry::instance();
    r.registerWindow(QStringLiteral("frmInvoice"), [] { return new frmInvoice; });
    r.registerWindow(QStringLiteral("frmInvoiceMaster"), [] { return new frmInvoiceMaster; });
    r.registerWindow(ReelTickWindow::kToPressName, [] { return new ReelTickWindow(ReelTickWindow::ToPress); });
    r.registerWindow(ReelTickWindow::kToUnitName, [] { return new ReelTickWindow(ReelTickWindow::ToUnit); });
    r.registerWindow(QStringLiteral("frmConsumption"), [] { return new frmConsumption; });
    r.registerWindow(QStringLiteral("frmConsumptionMaster"), [] { return new frmConsumptionMaster; });
}
