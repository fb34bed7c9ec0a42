#pragma once
#include "Database.h"
#include "Decimal.h"
#include "InvoiceMarks.h"
#include "SupplierHeads.h"
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

// One reel of a newsprint invoice, as a row of the reel grid holds it.
struct InvoiceReel {
    int slNo = 0; // place on the invoice from 1; the saves number the reels by their order
    // The stored line (invtrans_slno) the row was loaded from; 0 for a row
    // added in the window. saveEdit knows a stored reel by it, so a renamed
    // reel is still the same reel.
    int line = 0;
    QString reelNo;
    QString gsmCode;
    QString gsmName; // read by loadRecord; empty when the GSM master row is missing
    QString reelTypeCode;
    QString reelTypeName; // read by loadRecord; empty when the reel-type master row is missing
    Decimal weight;
    Decimal rate;
    Decimal amount; // weight x rate to two decimals, as the grid shows it
    // The marks the row was loaded with: issued to the press, finalised.
    // saveEdit never stores them: a stored reel keeps the marks the database
    // holds, and a reel the invoice does not hold takes the invoice's.
    int consFlag = 0;
    int finalize = 0;
    // Read by loadRecord only. saveEdit keeps the stored unit of every reel it
    // finds stored and works its used-up mark out afresh, whatever these hold.
    QString unitCode; // the unit where the reel lies now
    int utilFlag = 0; // used up
};

// A newsprint supplier invoice with its reels, box by box.
struct Invoice {
    QString transId; // the invoice's code; saveNew sets it
    QString invoiceNo;
    QDate invoiceDate;
    QDate receiptDate;
    QString suppCode;
    QString suppName; // read by loadRecord
    QString brandCode;
    QString brandName; // read by loadRecord
    Decimal freight;
    Decimal weight;
    Decimal total;
    Decimal roundPlus;
    Decimal roundMinus;
    Decimal cgst; // a stored NULL reads as 0
    Decimal sgst;
    Decimal igst;
    Decimal grandTotal;
    Decimal netTotal;
    Decimal tcs;            // stored in inv_cust_duty
    bool finalized = false; // read by loadRecord
    QString unitCode;       // read by loadRecord: the unit that entered it
    QList<InvoiceReel> reels;
};

// The statements on the newsprint invoice tables of one stores year, for one
// company and unit. Every value is bound; statements throw DbError after the
// open transaction has been rolled back. A save that meets another
// workstation's lock (deadlock, lock-wait timeout) is run again from the start
// before its error is thrown.
class InvoiceStore {
public:
    enum class Saved {
        Saved,
        DuplicateNumber,
        NoSuchInvoice,
        Finalized, // saveEdit: finalised meanwhile, and the user is not the administrator
        ReelInUse, // saveEdit: the edit would break a reel that has left the godown
        TooLong,   // a text longer than its column; nothing written
    };
    enum class Removed { Removed, NotAllowed, NoSuchInvoice };
    enum class Corrected { Corrected, EmptyNumber, NoSuchInvoice };

    InvoiceStore(Database &db, const DbName &storesDb, const DbName &accountsDb, const QString &compCode,
                 const QString &unitCode, qint64 userId);
    // The store of the working context: gConnection, gInvDbName, gAcDbName,
    // gCompCode, gUnitCode and the signed-on user.
    static InvoiceStore current();

    // The only user who may remove a finalisation.
    static bool mayRemoveFinalize(qint64 userId) { return userId == 742; }
    // The series the invoice codes of a company and unit are drawn from.
    static QString seriesKey(const QString &compCode, const QString &unitCode);

    // Stores a new invoice and its reels in one transaction under the next code
    // of the series that no invoice of the year holds, of whatever company or
    // unit (bookings name a reel by that code), and writes it into
    // invoice.transId. The reels end at the first one without a reel number;
    // they are stored entered (no mark set) in this unit. DuplicateNumber when any invoice of the year, of whatever
    // company or unit, has the trimmed invoice number; TooLong for a text
    // longer than its column; nothing is written then.
    Saved saveNew(Invoice &invoice);
    // Stores the boxes into the invoice invoice.transId of this company and unit
    // and rewrites its reels from invoice.reels (up to the first without a reel
    // number), in one transaction; the bookings of each reel are re-priced at
    // the reel's rate. A row is the stored reel of its `line`, or, without
    // one, the stored reel of the same number; that reel keeps its unit and
    // its issue and finalise marks, and is used up exactly when it is at the
    // press and its weight less its valid bookings shows as 0.00, as a booking
    // marks it. A row that is no stored reel (new, or dropped meanwhile by
    // another station) lies in this unit, not issued, and finalised exactly
    // when the invoice is finalised at the save. A reel that has left the
    // godown (moved, issued or booked) keeps its line number and may not be
    // renamed, removed or weigh less than is booked on it: ReelInUse, with
    // the message naming the reel in `refusal`. TooLong (nothing written) for
    // a text longer than its column, as saveNew.
    // Finalized when the invoice is finalised now and the user is not the
    // administrator; NoSuchInvoice when this company and unit have no invoice
    // of that code. Nothing is written after a refusal. When saved, `lines`
    // gets the stored line of each saved row, in order, so that a window that
    // stays on the invoice knows its reels at the next edit.
    Saved saveEdit(const Invoice &invoice, QString *refusal = nullptr, QList<int> *lines = nullptr);
    // The invoice of that code in this company, with its supplier and brand
    // names and its reels in order; a reel whose GSM or reel-type master row
    // is missing comes with an empty name. Nothing when there is no such
    // invoice, or its supplier is not a supplier head of the company in this
    // accounts year, or its brand is missing. When several units hold the
    // code, this unit's invoice comes first.
    std::optional<Invoice> loadRecord(const QString &transId);
    // Whether the stored invoice of this company and unit is finalised;
    // nothing when there is none.
    std::optional<bool> isFinalized(const QString &transId);

    // Marks the invoice and all its reels finalised in one transaction; false
    // (nothing changed) when this company and unit have no such invoice.
    bool finalize(const QString &transId);
    // Clears the finalise marks of the invoice and its reels in one
    // transaction, for the one user allowed to.
    Removed removeFinalize(const QString &transId);
    // Corrects the supplier's invoice number (trimmed) of a stored invoice,
    // finalised or not. An empty number is refused.
    Corrected correctInvoiceNo(const QString &transId, const QString &invoiceNo);

    // The invoice list: invoices of this company and unit dated from..to,
    // ordered by code, with the columns inv_trans_id, inv_invoice_no, inv_date,
    // inv_receipt_date, ac_name, ac_gst, brand_name, inv_amount (grand total
    // less the taxes and TCS), inv_cgst, inv_sgst, inv_igst, inv_total_gst,
    // inv_tcs (NULL taxes as 0), inv_grand_total, inv_freight, inv_weight.
    // With a reel text, only invoices holding a reel whose number contains
    // it, once per such reel.
    RecordSet list(const QDate &from, const QDate &to, const QString &reelText);

    // Lookup queries: the company's supplier heads whose name contains the
    // text (all when empty), and every brand whose name contains it; both
    // ordered by name, code and name first.
    SqlCondition supplierLookup(const QString &nameText) const;
    SqlCondition brandLookup(const QString &nameText) const;

    // The lengths of the text columns the invoice window fills: its boxes by
    // name, and the reel number of a grid row (0: unknown).
    struct BoxLengths {
        QHash<QString, int> boxes;
        int reelNo = 0;
    };
    BoxLengths boxLengths();

private:
    Saved saveNewOnce(Invoice &invoice);
    Saved saveEditOnce(const Invoice &invoice, QString *refusal, QList<int> *lines);
    struct ReelRow {
        const InvoiceReel *reel;
        int slNo;
        QString unitCode;
        int consFlag;
        int finalize;
        int utilFlag;
    };
    void insertReels(const QString &transId, const QList<ReelRow> &rows);
    // Sets the finalise mark of the invoice and its reels; false when this
    // company and unit have no such invoice (nothing changed).
    bool setFinalizeMarks(const QString &transId, int mark);
    QString t(const char *table) const { return m_stores.table(table); }
    InvoiceMarkTables marks() const { return {t("inv_invoice"), t("inv_invoice_trans")}; }

    Database &m_db;
    DbName m_stores;
    DbName m_accounts;
    QString m_comp;
    QString m_unit;
    qint64 m_user;
};
