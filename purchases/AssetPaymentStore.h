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
    // year's and then the current year's, each year's by voucher number. Each
    // payment carries the cheque number of its voucher in its own year's
    // accounts database (chq_no, NULL when the voucher is not there); a
    // payment both years hold alike, with the same cheque, comes once.
    // Columns: inv_no, voucher_no, adjust_amount, adjust_cancel_flag, chq_no.
    RecordSet chequeDetails(const QString &code, const DbName &billStores) const;

private:
    Database &m_db;
};
