#pragma once
#include "Database.h"
#include <QString>

// The payments the accounts application has set against fixed-asset bills,
// with the cheques of their vouchers. Read only.
class AssetPaymentStore {
public:
    explicit AssetPaymentStore(Database &db);
    static AssetPaymentStore current(); // gConnection

    // Every payment of bill `code` (cancelled ones too) held in `billStores`
    // (empty: the current stores database): a bill of the current year from
    // the current year's payments, a bill of an earlier year from its own
    // year's and the current year's. Each payment carries the cheque number
    // of its voucher in its own year's accounts database (chq_no, NULL when
    // the voucher is not there); a payment row identical in both years, with
    // the same cheque, comes once. Columns: the payment table's own, chq_no.
    RecordSet chequeDetails(const QString &code, const DbName &billStores) const;

private:
    Database &m_db;
};
