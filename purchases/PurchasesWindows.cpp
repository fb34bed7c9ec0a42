#include "PurchasesWindows.h"
#include "frmFAInvoiceMaster.h"
#include "frmOtherInvoiceMaster.h"
#include "frmOtherStoresInvoice.h"
#include <QMdiArea> // WindowRegistry.h reads the area inline
#include "WindowRegistry.h"

void registerPurchasesWindows()
{
    WindowRegistry &r = WindowRegistry::instance();
    r.registerWindow(QStringLiteral("frmFAInvoiceMaster"), [] { return new frmFAInvoiceMaster; });
    r.registerWindow(QStringLiteral("frmOtherStoresInvoice"), [] { return new frmOtherStoresInvoice; });
    r.registerWindow(QStringLiteral("frmOtherInvoiceMaster"), [] { return new frmOtherInvoiceMaster; });
}
