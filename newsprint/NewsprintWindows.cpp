#include "NewsprintWindows.h"
#include "frmConsumption.h"
#include "frmConsumptionMaster.h"
#include "frmInvoice.h"
#include <QMdiArea> // WindowRegistry.h reads the area inline
#include "WindowRegistry.h"

void registerNewsprintWindows()
{
    WindowRegistry &r = WindowRegistry::instance();
    r.registerWindow(QStringLiteral("frmInvoice"), [] { return new frmInvoice; });
    r.registerWindow(QStringLiteral("frmConsumption"), [] { return new frmConsumption; });
    r.registerWindow(QStringLiteral("frmConsumptionMaster"), [] { return new frmConsumptionMaster; });
}
