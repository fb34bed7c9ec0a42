#include "PurchasesWindows.h"
#include "frmFAChequeDetails.h"
#include "frmFAInvoice.h"
#include "frmFAInvoiceMaster.h"
#include "frmOtherInvoiceMaster.h"
#include "frmOtherStoresInvoice.h"
#include <QMdiArea> // WindowRegistry.h reads the area inline
#include "WindowRegistry.h"

void registerPurchasesWindows()
{
    WindowRegistry &r = WindowRegistry::instance();
    r.registerWindow(QStringLiteral("frmFAInvoice"), [] { return new frmFAInvoice; });
    r.registerWindow(QStringLiteral("frmFAInvoiceMaster"), [] { return new frmFAInvoiceMaster; });
    r.registerWindow(QStringLiteral("frmFAChequeDetails"), [] { return new frmFAChequeDetails; });
    r.registerWindow(QStringLiteral("frmOtherStoresInvoice"), [] { return new frmOtherStoresInvoice; });
    r.registerWindow(QStringLiteral("frmOtherInvoiceMaster"), [] { return new frmOtherInvoiceMaster; });
}
