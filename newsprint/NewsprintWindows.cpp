#include "NewsprintWindows.h"
#include "frmInvoice.h"
#include "frmInvoiceMaster.h"
#include <QMdiArea> // WindowRegistry.h reads the area inline
#include "WindowRegistry.h"

void registerNewsprintWindows()
{
    WindowRegistry &r = WindowRegistry::instance();
    r.registerWindow(QStringLiteral("frmInvoice"), [] { return new frmInvoice; });
    r.registerWindow(QStringLiteral("frmInvoiceMaster"), [] { return new frmInvoiceMaster; });
}
