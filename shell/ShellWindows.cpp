#include "ShellWindows.h"
#include "WindowRegistry.h"
#include "frmChangePassword.h"
#include "frmFinancialYear.h"
#include "frmSwitch.h"
#include <memory>

namespace {
// A list the server did not give leaves no empty switch window behind, which
// would keep the windows that want the main window to themselves shut; the
// clerk has seen the server's message, and the next opening reads it again.
template <class Switch>
QWidget *switchWithItsList()
{
    auto w = std::make_unique<Switch>();
    return w->listRead() ? w.release() : nullptr;
}
} // namespace

void registerShellWindows()
{
    WindowRegistry &r = WindowRegistry::instance();
    r.registerWindow(QStringLiteral("frmSwitch"), switchWithItsList<frmSwitch>);
    r.registerWindow(QStringLiteral("frmFinancialYear"), switchWithItsList<frmFinancialYear>);
    r.registerWindow(QStringLiteral("frmChangePassword"), [] { return new frmChangePassword; });
}
