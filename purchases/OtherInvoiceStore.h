#pragma once
#include "Database.h"
#include "Decimal.h"
#include "InvoiceMarks.h"
#include "SupplierHeads.h"
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

// One line of an other-stores invoice, as a row of the line grid holds it.
struct OtherInvoiceLine {
    QString itemCode;
    QString itemName; // read by loadRecord; the code itself when the item master row is missing
    Decimal qty;
    Decimal rate;
    Decimal cgstPer;
    Decimal cgstAmt;
    Decimal sgstPer;
    Decimal sgstAmt;
    Decimal igstPer;
    Decimal igstAmt;
    Decimal amount;
};

// An other-stores supplier invoice with its lines, box by box.
struct OtherInvoice {
    QString transId;  // saveNew sets it
    QString unitCode; // read by loadRecord: the unit that entered it
    QString invoiceNo;
    QDate invoiceDate;
    QDate receiptDate;
    QString suppCode;
    QString suppName; // read by loadRecord
    QString gstNo;
    Decimal tcs;
    Decimal freight;
    QString narration;
    Decimal roundPlus;
    Decimal roundMinus;
    Decimal grossTotal;
    Decimal cgst; // a stored NULL reads as 0
    Decimal sgst;
    Decimal igst;
    Decimal netTotal;
    bool finalized = false;        // read by loadRecord
    QList<OtherInvoiceLine> lines; // in order; the saves number them 1, 2, 3 ...
};

// The statements on the other-stores invoice tables of one stores year, for
// one company and unit. Every value is bound; statements throw DbError after
// the open transaction has been rolled back. A save that meets another
// workstation's lock is run again from the start before its error is thrown.
class OtherInvoiceStore {
public:
    enum class Saved { Saved, DuplicateNumber, NoSuchInvoice, Finalized, Refused, TooLong };

    OtherInvoiceStore(Database &db, const DbName &storesDb, const DbName &accountsDb, const QString &compCode,
                      const QString &unitCode, qint64 userId);
    // The store of the working context.
    static OtherInvoiceStore current();

    // The series the invoice codes of a company and unit are drawn from.
    static QString seriesKey(const QString &compCode, const QString &unitCode);

    // Stores a new invoice and its lines in one transaction under the next
    // code of the series, claimed inside the save and unique over the year's
    // table; writes it into invoice.transId. DuplicateNumber (nothing written)
    // when any invoice of the year has the trimmed invoice number. Refused
    // (nothing written) for what the window never sends: a line without an
    // item code, a negative figure, a round-off above 10, a gross that is not
    // Qty x Rate of the counted lines, each rounded to the paisa, or a grand
    // total that is not gross + TCS + CGST + SGST + IGST + round-off + less
    // round-off -. TooLong (nothing written) for a text longer than its column.
    Saved saveNew(OtherInvoice &invoice);
    // Stores the boxes into the invoice invoice.transId of this company and
    // unit and replaces its lines, in one transaction, after locking its row:
    // NoSuchInvoice or Finalized (nothing written) when there is no such
    // invoice or it was finalised meanwhile; Refused and TooLong as saveNew.
    Saved saveEdit(const OtherInvoice &invoice);
    // The invoice of that code in this company whose supplier is an account
    // head of the company, with its lines in order (a line whose item is
    // missing from the master comes with its code as name). When several
    // units hold the code, this unit's comes first.
    std::optional<OtherInvoice> loadRecord(const QString &transId);
    // Whether the stored invoice of this company and unit is finalised; nothing when there is none.
    std::optional<bool> isFinalized(const QString &transId);
    // Sets or clears the finalise marks of the invoice and its lines in one
    // transaction; false (nothing changed) when this company and unit have no such invoice.
    bool setFinalized(const QString &transId, bool finalized);

    // The invoice list: this company's and unit's invoices dated from..to
    // whose supplier is an account head of the company, ordered by code, each
    // once; with an item code, only those holding a line of exactly that item.
    // Columns: inv_trans_id, inv_invoice_no, inv_date, inv_receipt_date,
    // ac_name, inv_gross_total, inv_cgst_amt, inv_sgst_amt, inv_igst_amt
    // (NULL as 0), inv_net_total.
    RecordSet list(const QDate &from, const QDate &to, const QString &itemCode);

    // The company's suppliers whose name contains the text (all when empty),
    // by name: code, name and GST number.
    SqlCondition supplierLookup(const QString &nameText) const;

    // The lengths of the columns the typed texts go into, by box name.
    QHash<QString, int> boxLengths();

private:
    Saved saveNewOnce(OtherInvoice &invoice);
    Saved saveEditOnce(const OtherInvoice &invoice);
    static bool acceptable(const OtherInvoice &invoice);
    void insertLines(const QString &transId, const QList<OtherInvoiceLine> &lines);
    QString t(const char *table) const { return m_stores.table(table); }
    InvoiceMarkTables marks() const { return {t("inv_invoice_gen"), t("inv_invoice_trans_gen")}; }

    Database &m_db;
    DbName m_stores;
    DbName m_accounts;
    QString m_comp;
    QString m_unit;
    qint64 m_user;
};
