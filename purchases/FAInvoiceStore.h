#pragma once
#include "Database.h"
#include "Decimal.h"
#include "InvoiceMarks.h"
#include "SupplierHeads.h"
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

// One asset line of a fixed-asset bill, as a row of the line grid holds it.
struct FABillLine {
    int slNo = 0; // read by loadRecord; the saves number the lines by their order
    QString itemCode;
    QString itemName; // read by loadRecord; empty when the item master row is missing
    QString brandCode;
    QString brandName; // read by loadRecord; empty when the brand master row is missing
    QString narration;
    QDate warranty; // null: no warranty date
    Decimal qty;
    Decimal rate;
    Decimal amount;
};

// A fixed-asset bill with its lines, box by box.
struct FABill {
    QString code; // saveNew sets it
    QString invoiceNo;
    QString po;
    QDate poDate;
    QDate invoiceDate;
    QDate receiptDate;
    QString suppCode;
    QString suppName; // read by loadRecord
    QString narration;
    Decimal freight; // "Service Chg"
    Decimal vat;     // CGST
    Decimal cess;    // SGST
    Decimal total;
    Decimal roundPlus;
    Decimal roundMinus;
    Decimal grandTotal;
    // Read by loadRecord.
    QString unitCode;
    QString compCode;
    bool finalized = false;
    bool chequeReceived = false;
    Decimal adjusted;   // live payments set against the bill in the years read
    QString preparedBy; // the creator's user name; empty when the user row is missing
    QList<FABillLine> lines;
};

// The statements on the fixed-asset bill tables of the current stores year,
// for one company and unit. Every value is bound; a failing statement throws
// DbError after the open transaction has been rolled back. Saves that meet
// another workstation's lock run again from the start.
class FAInvoiceStore {
public:
    enum class Saved { Saved, DuplicateNumber, NoSuchBill, Finalized, Refused, TooLong };
    enum class Cheque { Marked, NotPaid, AlreadyMarked, NoSuchBill };

    // `accountsDb` holds the suppliers of the current year's bills,
    // `prevAccountsDb` (may be empty) those of bills of another year.
    FAInvoiceStore(Database &db, const DbName &storesDb, const DbName &accountsDb, const DbName &prevAccountsDb,
                   const QString &compCode, const QString &unitCode, qint64 userId);
    // The store of the working context.
    static FAInvoiceStore current();

    static QString seriesKey(const QString &compCode, const QString &unitCode);

    // Stores a new bill and its lines in one transaction under the next code
    // of the series, unique over the year's bills, which it writes into
    // bill.code. DuplicateNumber (nothing written) when any bill of the year
    // has the trimmed invoice number. Refused (nothing written) for what the
    // window never sends: a line without its item, brand, quantity or rate,
    // with a quantity, rate or amount of more than two decimals, or whose
    // amount is not its quantity times its rate; a gross that is not the
    // sum of the line amounts; a grand total that is not gross + service charge
    // + CGST + SGST + round-off + less round-off -; a round-off above 10.
    // TooLong (nothing written) for a text longer than its column.
    Saved saveNew(FABill &bill);
    // Rewrites the stored bill bill.code of this company and unit and all its
    // lines, in one transaction, after locking its row. NoSuchBill or Finalized
    // (nothing written) when there is no such bill or it was finalised
    // meanwhile; Refused and TooLong as saveNew.
    Saved saveEdit(const FABill &bill);
    // The bill `code` of this company held in the stores database `billStores`,
    // with its lines in order. The supplier name comes from the accounts year
    // of the bill; the adjusted amount sums the live payments of every stores
    // database in `paymentYears`. Lines whose masters are missing, and a bill
    // whose creator's user row is missing, are read all the same. Two round
    // trips. Nothing when there is no such bill or its supplier is no head of
    // the company in that accounts year.
    std::optional<FABill> loadRecord(const QString &code, const DbName &billStores, const QList<DbName> &paymentYears);
    // Whether the stored bill of this company and unit is finalised (current year); nothing when there is none.
    std::optional<bool> isFinalized(const QString &code);

    // Marks the bill of `billStores` (its unit and company) and its lines
    // finalised in one transaction; false (nothing changed) when it is not there.
    bool finalize(const DbName &billStores, const QString &unitCode, const QString &compCode, const QString &code);
    // Marks the cheque of the bill received, in one transaction, once its live
    // payments in `paymentYears`, read under the bill's lock, equal its grand
    // total. Run again from the start when it meets another workstation's lock.
    Cheque chequeReceived(const DbName &billStores, const QString &unitCode, const QString &compCode,
                          const QString &code, const QList<DbName> &paymentYears);

    // The supplier lookup: the company's supplier heads whose name contains the text.
    SqlCondition supplierLookup(const QString &nameText) const;

    // The lengths of the columns the typed texts go into: by box name, and
    // the lines' description.
    struct BoxLengths {
        QHash<QString, int> boxes;
        int description = 0;
    };
    BoxLengths boxLengths();

private:
    Saved saveNewOnce(FABill &bill);
    Saved saveEditOnce(const FABill &bill);
    static bool acceptable(const FABill &bill);
    Cheque chequeReceivedOnce(const DbName &billStores, const QVariantList &key, const QList<DbName> &paymentYears);
    void insertLines(const QString &code, const QList<FABillLine> &lines);
    // A statement piece summing the live payments of `code`'s column over the years.
    static QString paymentsSum(const QList<DbName> &years, const QString &codeExpression);
    QString t(const char *table) const { return m_stores.table(table); }
    static InvoiceMarkTables marks(const DbName &stores)
    {
        return {stores.table("inv_asset"), stores.table("inv_asset_trans"), QStringLiteral("inv_code")};
    }

    Database &m_db;
    DbName m_stores;
    DbName m_accounts;
    DbName m_prevAccounts;
    QString m_comp;
    QString m_unit;
    qint64 m_user;
};
