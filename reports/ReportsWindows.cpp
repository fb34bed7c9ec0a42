#include "ReportsWindows.h"
#include "WindowRegistry.h"
#include "frmrptConsumption.h"
#include "frmrptFABills.h"
#include "frmrptFAPendingBills.h"
#include "frmrptFixedAssetBillDetails.h"
#include "frmrptFixedAssetInvoice.h"
#include "frmrptFAStock.h"
#include "frmrptNewsprintStock.h"

void registerReportsWindows()
{
    WindowRegistry &r = WindowRegistry::instance();
    // Every menu choice opens a further, independent report window.
    r.registerWindow(
        QStringLiteral("frmrptConsumption"), [] { return new frmrptConsumption; }, WindowRegistry::Kind::Many);
    r.registerWindow(
        QStringLiteral("frmrptNewsprintStock"), [] { return new frmrptNewsprintStock; }, WindowRegistry::Kind::Many);
    r.registerWindow(
        QStringLiteral("frmrptFABills"), [] { return new frmrptFABills; }, WindowRegistry::Kind::Many);
    r.registerWindow(
        QStringLiteral("frmrptFAPendingBills"), [] { return new frmrptFAPendingBills; }, WindowRegistry::Kind::Many);
    // Reached by drill-down only. The bill details are one window that every
    // supplier reuses; each supplier's pending invoices open a window of their own.
    r.registerWindow(QStringLiteral("frmrptFixedAssetBillDetails"), [] { return new frmrptFixedAssetBillDetails; });
    r.registerWindow(
        QStringLiteral("frmrptFixedAssetInvoice"), [] { return new frmrptFixedAssetInvoice; },
        WindowRegistry::Kind::Many);
    r.registerWindow(
        QStringLiteral("frmrptFAStock"), [] { return new frmrptFAStock; }, WindowRegistry::Kind::Many);
}
