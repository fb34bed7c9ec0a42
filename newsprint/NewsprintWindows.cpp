#include "NewsprintWindows.h"
#include "frmInvoice.h"
#include <QMdiArea> // WindowRegistry.h reads the area inline
#include "WindowRegistry.h"

void registerNewsprintWindows()
{
    WindowRegistry &r = WindowRegistry::instance();
    r.registerWindow(QStringLiteral("frmInvoice"), [] { return new frmInvoice; });
}
