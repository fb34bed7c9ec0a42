#pragma once
#include "BillYears.h"
#include "Database.h"
#include "Decimal.h"
#include "ReportStore.h"

#include <QDate>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// The statements of the four bill reports: bills by supplier, bill details,
// pending bills and pending invoices. Each reads the current and, when there
// is one, the previous year in one statement: one select per year joined by
// UNION ALL, every condition inside each half, each year's bills joined to
// the same year's supplier heads of the current company. Every value is bound.

// The kinds of purchase bill, numbered as the pending reports' type list.
enum class BillKind { None = -1, Newsprint = 0, OtherStores = 1, FixedAssets = 2 };

// One supplier's bills: how many and what they amount to.
struct BillSummaryRow {
    QString acCode;
    QString acName;
    qint64 bills = 0;
    Decimal amount;
};

// The year a bill was read from.
struct BillSource {
    DbName stores;
    DbName accounts;
};

// A payment set against a fixed-asset bill, with its voucher's cheque.
struct BillPayment {
    QString chequeNo;
    Decimal amount;
    QString voucherNo;
};

// A fixed-asset bill with every payment of it that has a voucher.
struct BillDetail {
    BillSource source;
    QString code;
    QDate date;
    QString invoiceNo;
    Decimal amount;
    QString acName;
    QList<BillPayment> payments;
};

// A pending bill of one kind.
struct PendingInvoice {
    BillSource source;
    QString code;
    QDate date; // invalid when the bill has none
    QString invoiceNo;
    Decimal amount;
    QString acName;
    bool generated = false; // fixed-asset bills only: a payment has been set against it
};

struct BillFilter {
    QDate from;
    QDate to;
    // Each absent: no condition.
    std::optional<QString> unitCode;
    std::optional<QString> supplierCode;
};

class BillReportStore {
public:
    // `years`: the current year first, then the previous one when it is read.
    BillReportStore(Database &db, QList<BillYear> years, const QString &compCode);
    // The store of the working context.
    static BillReportStore current();

    // Fixed-asset bills dated in the range, per supplier, in name order.
    QList<BillSummaryRow> billsBySupplier(const BillFilter &f);
    // Fixed-asset bills dated in the range, in date and code order, each with
    // its payments: those in its own year and, for a bill of the previous
    // year, those in the current year, each with its own year's voucher.
    void billDetails(const BillFilter &f, const std::function<void(const BillDetail &)> &bill);
    // Pending bills (cheque not received) per supplier. Newsprint and other
    // stores bills of the unit when one is given; fixed-asset bills of every unit.
    QList<BillSummaryRow> pendingBills(BillKind kind, const std::optional<QString> &unitCode,
                                       const std::optional<QString> &supplierCode);
    // Pending bills of one kind, in date and code order.
    void pendingInvoices(BillKind kind, const std::optional<QString> &unitCode,
                         const std::optional<QString> &supplierCode,
                         const std::function<void(const PendingInvoice &)> &row);

    // The statements as run (benchmarks explain them).
    LookupQuery billsBySupplierQuery(const BillFilter &f) const;
    LookupQuery billDetailsQuery(const BillFilter &f) const;
    LookupQuery pendingBillsQuery(BillKind kind, const std::optional<QString> &unitCode,
                                  const std::optional<QString> &supplierCode) const;
    LookupQuery pendingInvoicesQuery(BillKind kind, const std::optional<QString> &unitCode,
                                     const std::optional<QString> &supplierCode) const;

    // The company's supplier heads of the current accounts database.
    LookupQuery supplierLookup(const QString &nameText) const;

private:
    QList<BillSummaryRow> summary(const LookupQuery &q);
    BillSource sourceOf(qint64 year) const;

    Database &m_db;
    QList<BillYear> m_years;
    QString m_comp;
};
