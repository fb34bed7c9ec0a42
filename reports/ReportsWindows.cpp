#include "ReportsWindows.h"
#include "WindowRegistry.h"
#include "frmrptConsumption.h"
#include "frmrptNewsprintStock.h"

void registerReportsWindows()
{
    WindowRegistry &r = WindowRegistry::instance();
    r.registerWindow(QStringLiteral("frmrptConsumption"), [] { return new frmrptConsumption; });
    r.registerWindow(QStringLiteral("frmrptNewsprintStock"), [] { return new frmrptNewsprintStock; });
}
