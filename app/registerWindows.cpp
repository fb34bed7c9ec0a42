#include "CompanyWindows.h"
#include "MastersWindows.h"
#include "ReportsWindows.h"
#include "ShellWindows.h"
#include "Startup.h"
#include "UserWindows.h"

void registerAllWindows()
{
    registerShellWindows();
    registerUserWindows();
    registerMastersWindows();
    registerCompanyWindows();
    registerReportsWindows();
}
