#include "ReportsWindows.h"
#include "WindowRegistry.h"
#include "frmrptConsumption.h"
#include "frmrptFAStock.h"
#include "frmrptNewsprintStock.h"

void registerReportsWindows()
{
    WindowRegistry &r = WindowRegistry::instance();
    // Every menu choice opens a further, independent report window.
    r.registerWindow(
        QStringLiteral("frmrptConsumption"), [] { return new frmrptConsumption; }, WindowRegistry::Kind::Many);
    r.registerWindow(
        QStringLiteral("frmrptNewsprintStock"), [] { return new frmrptNewsprintStock; }, WindowRegistry::Kind::Many);
    r.registerWindow(
        QStringLiteral("frmrptFAStock"), [] { return new frmrptFAStock; }, WindowRegistry::Kind::Many);
}
