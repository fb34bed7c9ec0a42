#pragma once
#include "Database.h"
#include "Decimal.h"
#include "ReportStore.h"

#include <QString>

#include <functional>
#include <optional>

// The statement and lookups of the fixed-asset stock report. Every table is
// read from the working context's current year; every value is bound.

struct AssetStockFilter {
    bool press = false; // false: Godown (lines held in the store)
    // Each absent: no condition. An empty code is a condition that matches
    // no line (a box whose text was typed without a lookup).
    std::optional<QString> unitCode;
    std::optional<QString> supplierCode;
    std::optional<QString> brandCode;
    std::optional<QString> itemCode;
};

// One line of a fixed-asset bill.
struct AssetStockRow {
    QString unitCode;
    QString unitName;
    QString supplierName;
    QString itemName;
    QString brandName; // empty when the brand has no master row
    QString narration;
    Decimal qty;
    Decimal rate;
    QString transId;
};

class FixedAssetStockStore {
public:
    FixedAssetStockStore(Database &db, const DbName &storesDb, const DbName &accountsDb, const QString &compCode);
    // The store of the working context: its connection, year databases and company.
    static FixedAssetStockStore current();

    // One row per bill line, in unit priority, bill and line order. Throws DbError.
    void stock(const AssetStockFilter &f, const std::function<void(const AssetStockRow &)> &row);
    LookupQuery stockQuery(const AssetStockFilter &f) const;

    LookupQuery supplierLookup(const QString &nameText) const;
    // Fixed-asset brands only.
    LookupQuery brandLookup(const QString &nameText) const;
    // Items of both kinds, fixed-asset and other stores.
    LookupQuery itemLookup(const QString &nameText) const;

private:
    Database &m_db;
    DbName m_stores;
    DbName m_accounts;
    QString m_comp;
};
