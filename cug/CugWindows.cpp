#include "CugWindows.h"
#include "WindowRegistry.h"
#include "frmCUGBSNL.h"

void registerCugWindows()
{
    WindowRegistry::instance().registerWindow(QStringLiteral("frmCUGBSNL"), [] { return new frmCUGBSNL; });
}
