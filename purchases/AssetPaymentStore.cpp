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
    int rank = 0;
    for (auto y = years.crbegin(); y != years.crend(); ++y, ++rank) {
        // A voucher number is only unique within its year: each payment
        // meets the vouchers of the year that holds the payment.
        QString part = QStringLiteral("Select p.inv_no, p.voucher_no, p.adjust_amount, p.adjust_cancel_flag, ");
        if (y->accounts.isEmpty())
            part += QStringLiteral("NULL as chq_no");
        else
            part += QStringLiteral("v.voucher_chq_no as chq_no");
        part += QStringLiteral(", %1 as year_rank From ").arg(rank) + y->stores.table("inv_asset_adjustbill")
            + QStringLiteral(" p");
        if (!y->accounts.isEmpty())
            part += QStringLiteral(" Left Join ") + y->accounts.table("acc_voucher")
                + QStringLiteral(" v on v.voucher_no=p.voucher_no");
        part += QStringLiteral(" where p.inv_no=?");
        parts << part;
        values << code.trimmed();
    }
    if (parts.size() == 1)
        return m_db.query(parts.first() + QStringLiteral(" order by p.voucher_no"), values);
    // A payment that both years hold alike, with the same cheque, is one payment.
    return m_db.query(QStringLiteral("Select inv_no, voucher_no, adjust_amount, adjust_cancel_flag, chq_no, "
                                     "min(year_rank) as year_rank From (")
                          + parts.join(QStringLiteral(" Union All "))
                          + QStringLiteral(") u group by inv_no, voucher_no, adjust_amount, adjust_cancel_flag, chq_no "
                                           "order by year_rank, voucher_no"),
                      values);
}
