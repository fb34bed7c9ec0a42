#include "InvoiceMarks.h"

std::optional<bool> storedFinalizeMark(Database &db, const InvoiceMarkTables &tables, const QString &transId,
                                       const QString &unitCode, const QString &compCode, MarkRead read)
{
    RecordSet rs = db.query(QStringLiteral("Select inv_finalize from ") + tables.header + QStringLiteral(" where ")
                                + tables.codeColumn + QStringLiteral("=? and unit_code=? and comp_code=?")
                                + (read == MarkRead::ForUpdate ? QStringLiteral(" FOR UPDATE") : QString()),
                            {transId.trimmed(), unitCode, compCode});
    if (!rs.next())
        return std::nullopt;
    return rs.integer(QStringLiteral("inv_finalize")) != 0;
}

bool setFinalizeMarks(Database &db, const InvoiceMarkTables &tables, const QString &transId, const QString &unitCode,
                      const QString &compCode, int mark)
{
    const QString id = transId.trimmed();
    return retryOnLockConflict([&] {
        Transaction tx(db);
        // Only the invoice's own row counts as done: a code of another unit or company changes nothing.
        if (db.execute(QStringLiteral("Update ") + tables.header + QStringLiteral(" set inv_finalize=? where ")
                           + tables.codeColumn + QStringLiteral("=? and unit_code=? and comp_code=?"),
                       {mark, id, unitCode, compCode})
            == 0)
            return false;
        db.execute(QStringLiteral("Update ") + tables.lines
                       + QStringLiteral(" set invtrans_finalize=? where invtrans_id=? and unit_code=? and comp_code=?"),
                   {mark, id, unitCode, compCode});
        tx.commit();
        return true;
    });
}
