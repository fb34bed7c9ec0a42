#include "FixedAssetStockStore.h"
#include "mdlVelmora.h"

using ReportStore::masterNames;

FixedAssetStockStore::FixedAssetStockStore(Database &db, const DbName &storesDb, const DbName &accountsDb,
                                           const QString &compCode)
    : m_db(db), m_stores(storesDb), m_accounts(accountsDb), m_comp(compCode)
{
}

FixedAssetStockStore FixedAssetStockStore::current()
{
    return FixedAssetStockStore(gConnection, gInvDbName, gAcDbName, gCompCode);
}

LookupQuery FixedAssetStockStore::stockQuery(const AssetStockFilter &f) const
{
    QVariantList v{m_comp, m_comp, m_comp, m_comp, f.press ? 1 : 0};
    QString where = QStringLiteral("t.invtrans_cons_flag=?");
    const struct {
        const std::optional<QString> &value;
        const char *condition;
    } filters[] = {
        {f.unitCode, " AND t.invtrans_unit_code=?"},
        {f.supplierCode, " AND a.ac_code=?"},
        {f.brandCode, " AND t.invtrans_brand_code=?"},
        {f.itemCode, " AND t.invtrans_item_code=?"},
    };
    for (const auto &filter : filters) {
        if (filter.value) {
            where += QLatin1String(filter.condition);
            v << *filter.value;
        }
    }
    // A line stays listed when its brand has no master row: the asset is in
    // stock whatever its brand is called. A missing supplier head, item or
    // unit leaves it out, as the bill list does.
    const QString sql =
        QStringLiteral("SELECT t.invtrans_id, t.invtrans_slno, t.invtrans_unit_code, t.invtrans_narration, "
                       "t.invtrans_qty, t.invtrans_rate, u.unit_name, u.unit_priority, a.ac_name, "
                       "it.name AS item_name, b.name AS brand_name "
                       "FROM %1 t "
                       "INNER JOIN %2 i ON i.inv_code=t.invtrans_id AND i.comp_code=? "
                       "INNER JOIN velmora.unitmaster u ON u.unit_code=t.invtrans_unit_code "
                       "INNER JOIN %3 a ON a.ac_code=i.inv_supp_code AND a.ac_comp_code=? "
                       "INNER JOIN %4 it ON it.code=t.invtrans_item_code "
                       "LEFT JOIN %5 b ON b.code=t.invtrans_brand_code "
                       "WHERE %6 "
                       "ORDER BY u.unit_priority, t.invtrans_id, t.invtrans_slno, t.invtrans_unit_code")
            .arg(m_stores.table("inv_asset_trans"), m_stores.table("inv_asset"), m_accounts.table("acc_accountheads"),
                 masterNames(m_stores.table("inv_itemmaster"), "item_code", "item_name"),
                 masterNames(m_stores.table("inv_brandmaster"), "brand_code", "brand_name"), where);
    return {sql, v};
}

void FixedAssetStockStore::stock(const AssetStockFilter &f, const std::function<void(const AssetStockRow &)> &row)
{
    const LookupQuery q = stockQuery(f);
    RecordSet rs = m_db.query(q.sql, q.values);
    while (rs.next()) {
        AssetStockRow r;
        r.unitCode = rs.text(QStringLiteral("invtrans_unit_code"));
        r.unitName = rs.text(QStringLiteral("unit_name"));
        r.supplierName = rs.text(QStringLiteral("ac_name"));
        r.itemName = rs.text(QStringLiteral("item_name"));
        r.brandName = rs.text(QStringLiteral("brand_name"));
        r.narration = rs.text(QStringLiteral("invtrans_narration"));
        r.qty = rs.decimal(QStringLiteral("invtrans_qty"));
        r.rate = rs.decimal(QStringLiteral("invtrans_rate"));
        r.transId = rs.text(QStringLiteral("invtrans_id"));
        row(r);
    }
}

LookupQuery FixedAssetStockStore::supplierLookup(const QString &nameText) const
{
    return ReportStore::supplierLookup(m_accounts, m_comp, nameText);
}

LookupQuery FixedAssetStockStore::brandLookup(const QString &nameText) const
{
    QString sql = QStringLiteral("SELECT brand_code, brand_name FROM %1 WHERE brand_group=1")
                      .arg(m_stores.table("inv_brandmaster"));
    QVariantList v;
    if (!nameText.isEmpty()) {
        const SqlCondition named =
            m_db.likeAnywhere(m_stores, QStringLiteral("inv_brandmaster"), QStringLiteral("brand_name"), nameText);
        sql += QStringLiteral(" AND ") + named.sql;
        v << named.values;
    }
    return {sql + QStringLiteral(" ORDER BY brand_name"), v};
}

LookupQuery FixedAssetStockStore::itemLookup(const QString &nameText) const
{
    QString sql = QStringLiteral("SELECT item_code, item_name FROM %1").arg(m_stores.table("inv_itemmaster"));
    QVariantList v;
    if (!nameText.isEmpty()) {
        const SqlCondition named =
            m_db.likeAnywhere(m_stores, QStringLiteral("inv_itemmaster"), QStringLiteral("item_name"), nameText);
        sql += QStringLiteral(" WHERE ") + named.sql;
        v << named.values;
    }
    return {sql + QStringLiteral(" ORDER BY item_name"), v};
}
