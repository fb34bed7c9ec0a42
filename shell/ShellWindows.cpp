#include "ShellWindows.h"
#include "WindowRegistry.h"
#include "frmChangePassword.h"
#include "frmFinancialYear.h"
#include "frmSwitch.h"

void registerShellWindows()
{
    WindowRegistry &r = WindowRegistry::instance();
    r.registerWindow(QStringLiteral("frmSwitch"), [] { return new frmSwitch; });
    r.registerWindow(QStringLiteral("frmFinancialYear"), [] { return new frmFinancialYear; });
    r.registerWindow(QStringLiteral("frmChangePassword"), [] { return new frmChangePassword; });
}
