#include "ShellWindows.h"
#include "WindowRegistry.h"
#include "frmChangePassword.h"
#include "frmFinancialYear.h"
#include "frmSwitch.h"
#include <memory>

void registerShellWindows()
{
    WindowRegistry &r = WindowRegistry::instance();
    // A unit list the server did not give leaves no empty window behind, which
    // would keep the windows that want the main window to themselves shut;
    // the clerk has seen the server's message.
    r.registerWindow(QStringLiteral("frmSwitch"), []() -> QWidget * {
        auto w = std::make_unique<frmSwitch>();
        return w->unitsRead() ? w.release() : nullptr;
    });
    r.registerWindow(QStringLiteral("frmFinancialYear"), [] { return new frmFinancialYear; });
    r.registerWindow(QStringLiteral("frmChangePassword"), [] { return new frmChangePassword; });
}
