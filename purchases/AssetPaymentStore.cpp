#include "AssetPaymentStore.h"
#include "BillYears.h"
#include "mdlVelmora.h"

AssetPaymentStore::AssetPaymentStore(Database &db) : m_db(db) {}

AssetPaymentStore AssetPaymentStore::current()
{
    return AssetPaymentStore(gConnection);
}

RecordSet AssetPaymentStore::chequeDetails(const QString &code, const DbName &billStores) const
{
    const QList<BillYear> years = billYearsFor(billStores);
    QStringList parts;
    QVariantList values;
    // The bill's own year first: its payments came first.
    for (auto y = years.crbegin(); y != years.crend(); ++y) {
        // A voucher number is only unique within its year: each payment
        // meets the vouchers of the year that holds the payment.
        QString part = QStringLiteral("Select p.*, ");
        if (y->accounts.isEmpty())
            part +=
                QStringLiteral("NULL as chq_no From ") + y->stores.table("inv_asset_adjustbill") + QStringLiteral(" p");
        else
            part += QStringLiteral("v.voucher_chq_no as chq_no From ") + y->stores.table("inv_asset_adjustbill")
                + QStringLiteral(" p Left Join ") + y->accounts.table("acc_voucher")
                + QStringLiteral(" v on v.voucher_no=p.voucher_no");
        part += QStringLiteral(" where p.inv_no=?");
        parts << part;
        values << code.trimmed();
    }
    return m_db.query(parts.join(QStringLiteral(" Union ")), values);
}
