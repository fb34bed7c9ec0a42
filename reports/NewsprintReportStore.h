#pragma once
#include "Database.h"
#include "Decimal.h"
#include "ReportStore.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The statements of the newsprint consumption and stock reports. Each Show is
// one statement; every value is bound.

struct ProductEntry {
    QString code;
    QString name;
};

struct ConsumptionFilter {
    QDate from;
    QDate to;
    QStringList products; // the ticked products; at least one
    // Absent: every consuming unit. An empty code is a condition that matches
    // no booking (a unit box whose text was typed without a lookup).
    std::optional<QString> unitCode;
    QString productCode; // empty: no product narrowing
    QString reelNo;       // part of a reel number; empty: every reel
};

// One reel of one brand consumed for one product in one unit, summed over
// the range.
struct ConsumptionRow {
    QDate date; // the first consumption of the group in the range
    Decimal qty;
    Decimal rate;
    Decimal amount;
    QString productCode;
    QString reelNo;
    QString brandName;
    QString unitCode;
};

struct StockFilter {
    bool press = false; // false: Godown
    // Each absent: no condition. An empty code is a condition that matches
    // no reel (a box whose text was typed without a lookup).
    std::optional<QString> unitCode;
    std::optional<QString> supplierCode;
    std::optional<QString> brandCode;
    std::optional<QString> gsmCode;
    std::optional<QString> reelTypeCode;
    QString search; // part of the reel number or the transaction id
};

struct StockRow {
    QString unitCode;
    QString unitName;
    QString supplierName;
    QString brandName;
    QString reelNo;
    QString reelTypeName;
    QString gsmName;
    Decimal weight; // Godown: the reel's weight; Press: what is left of it
    Decimal rate;
    QDate invoiceDate;
    QString transId;
};

class NewsprintReportStore {
public:
    NewsprintReportStore(Database &db, const DbName &storesDb, const DbName &accountsDb, const QString &compCode);
    // The store of the working context: its connection, year databases and company.
    static NewsprintReportStore current();

    QList<ProductEntry> products();
    // Rows in brand order, then date. Throws DbError.
    void consumption(const ConsumptionFilter &f, const std::function<void(const ConsumptionRow &)> &row);
    // Rows in unit priority, transaction id and serial order. Throws DbError.
    void stock(const StockFilter &f, const std::function<void(const StockRow &)> &row);

    // The statements themselves, as run (benchmarks explain them).
    LookupQuery consumptionQuery(const ConsumptionFilter &f) const;
    LookupQuery stockQuery(const StockFilter &f) const;

    // Lookups of the two windows.
    static LookupQuery productLookup();
    static LookupQuery materialLookup(const QString &compCode, const QString &nameText);
    LookupQuery supplierLookup(const QString &nameText) const;
    LookupQuery brandLookup(const QString &nameText) const;
    LookupQuery gsmLookup() const;
    LookupQuery reelTypeLookup() const;

private:
    Database &m_db;
    DbName m_stores;
    DbName m_accounts;
    QString m_comp;
};
