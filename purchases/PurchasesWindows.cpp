#include "PurchasesWindows.h"
#include "frmFAInvoiceMaster.h"
#include <QMdiArea> // WindowRegistry.h reads the area inline
#include "WindowRegistry.h"

void registerPurchasesWindows()
{
    WindowRegistry &r = WindowRegistry::instance();
    r.registerWindow(QStringLiteral("frmFAInvoiceMaster"), [] { return new frmFAInvoiceMaster; });
}
