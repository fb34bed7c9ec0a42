#include "PurchasesWindows.h"
#include <QMdiArea> // WindowRegistry.h reads the area inline
#include "WindowRegistry.h"

void registerPurchasesWindows()
{
    [[maybe_unused]] WindowRegistry &r = WindowRegistry::instance();
}
