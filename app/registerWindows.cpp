#include "CompanyWindows.h"
#include "CugWindows.h"
#include "MastersWindows.h"
#include "NewsprintWindows.h"
#include "PurchasesWindows.h"
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
    registerNewsprintWindows();
    registerPurchasesWindows();
    registerReportsWindows();
    registerCugWindows();
}
