#include "UserWindows.h"
#include <QMdiArea> // WindowRegistry.h needs the complete type
#include "WindowRegistry.h"
#include "frmUserDetails.h"
#include "frmUserGroups.h"

void registerUserWindows()
{
    WindowRegistry::instance().registerWindow(QStringLiteral("frmUserDetails"), [] { return new frmUserDetails; });
    WindowRegistry::instance().registerWindow(QStringLiteral("frmUserGroups"), [] { return newUserGroupsWindow(); });
}
