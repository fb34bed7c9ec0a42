#include "AssetListStore.h"
#include "SupplierHeads.h"
#include "mdlVelmora.h"

AssetListStore::AssetListStore(Database &db, const DbName &storesDb, const DbName &accountsDb, const QString &compCode)
    : m_db(db), m_stores(storesDb), m_accounts(accountsDb), m_comp(compCode)
{
}

AssetListStore AssetListStore::current()
{
    return AssetListStore(gConnection, gInvDbName, gAcDbName, gCompCode);
}

RecordSet AssetListStore::list(const QString &search) const
{
    // The supplier's head of the current company, whatever its code: the
    // bill window loads a bill through the same join.
    const SqlCondition supplier = supplierHeadJoin(QStringLiteral("a.inv_supp_code"), m_comp, QStringLiteral("h"));
    QVariantList values = supplier.values;
    // Another company's bill whose supplier code is also a head of this
    // company would otherwise be listed, and could not be opened.
    QString sql = QStringLiteral("Select a.inv_code, a.inv_invoice_no, a.inv_date, a.inv_receipt_date, h.ac_name, "
                                 "a.inv_grand_total, a.inv_narration From ")
        + m_stores.table("inv_asset") + QStringLiteral(" a Inner Join ") + m_accounts.table("acc_accountheads")
        + QStringLiteral(" h on ") + supplier.sql + QStringLiteral(" where a.comp_code=?");
    values << m_comp;
    if (!search.isEmpty()) {
        const QString text = search.trimmed();
        const QString asset = QStringLiteral("inv_asset");
        const SqlCondition found = anyOf({m_db.likeAnywhere(m_stores, asset, QStringLiteral("a.inv_invoice_no"), text),
                                          m_db.likeAnywhere(m_stores, asset, QStringLiteral("a.inv_po"), text)});
        sql += QStringLiteral(" and ") + found.sql;
        values << found.values;
    }
    sql += QStringLiteral(" order by a.inv_code");
    return m_db.query(sql, values);
}
