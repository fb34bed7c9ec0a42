#pragma once
#include "Database.h"
#include <optional>

// The finalise marks of a supplier invoice and its lines: the header table
// marked in inv_finalize by its code column, the line table in
// invtrans_finalize by invtrans_id; both matched with the invoice's unit and company.
struct InvoiceMarkTables {
    QString header; // qualified, e.g. gInvDbName.table("inv_invoice")
    QString lines;
    QString codeColumn = QStringLiteral("inv_trans_id"); // the header's
};

enum class MarkRead {
    Plain,
    // Inside a save's transaction: the header row stays locked until it ends,
    // so a finalisation on another workstation waits for the save or is seen.
    ForUpdate,
};

// Whether the invoice of that unit and company is finalised; nothing when there is none.
std::optional<bool> storedFinalizeMark(Database &db, const InvoiceMarkTables &tables, const QString &transId,
                                       const QString &unitCode, const QString &compCode,
                                       MarkRead read = MarkRead::Plain);
// Sets the marks of the invoice and its lines to `mark` in one transaction,
// run again on another workstation's lock; false (nothing changed) when that
// unit and company have no such invoice. Throws DbError.
bool setFinalizeMarks(Database &db, const InvoiceMarkTables &tables, const QString &transId, const QString &unitCode,
                      const QString &compCode, int mark);
