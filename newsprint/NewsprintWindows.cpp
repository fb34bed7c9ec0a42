#include "NewsprintWindows.h"
#include "ReelTickWindow.h"
#include <QMdiArea> // WindowRegistry.h reads the area inline
#include "WindowRegistry.h"

void registerNewsprintWindows()
{
    WindowRegistry &registry = WindowRegistry::instance();
    registry.registerWindow(ReelTickWindow::kToPressName, [] { return new ReelTickWindow(ReelTickWindow::ToPress); });
    registry.registerWindow(ReelTickWindow::kToUnitName, [] { return new ReelTickWindow(ReelTickWindow::ToUnit); });
}
