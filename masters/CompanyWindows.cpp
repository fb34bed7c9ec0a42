#include "CompanyWindows.h"
#include "frmCompany.h"
#include "frmCompanyMaster.h"
#include "WindowRegistry.h"

void registerCompanyWindows()
{
    WindowRegistry &r = WindowRegistry::instance();
    r.registerWindow(QStringLiteral("frmCompany"), [] { return new frmCompany; });
    r.registerWindow(QStringLiteral("frmCompanyMaster"), [] { return new frmCompanyMaster; });
}
