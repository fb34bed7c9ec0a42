#pragma once
#include "Database.h"
#include <QString>

// The fixed-asset bills as the bill list shows them, from one stores year.
class AssetListStore {
public:
    AssetListStore(Database &db, const DbName &storesDb, const DbName &accountsDb, const QString &compCode);
    // gConnection, gInvDbName, gAcDbName, gCompCode.
    static AssetListStore current();

    // The company's bills of every unit whose supplier is one of its supplier
    // heads, by code. A search text that is not empty keeps the bills whose
    // invoice or purchase order number holds it, trimmed (blanks alone keep
    // every bill). Columns: inv_code, inv_invoice_no, inv_date,
    // inv_receipt_date, ac_name, inv_grand_total, inv_narration.
    RecordSet list(const QString &search) const;

private:
    Database &m_db;
    DbName m_stores;
    DbName m_accounts;
    QString m_comp;
};
