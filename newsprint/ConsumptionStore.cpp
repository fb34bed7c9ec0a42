#include "ConsumptionStore.h"
#include "Desktop.h"
#include "mdlVelmora.h"

ConsumptionStore::ConsumptionStore(Database &db, ConsumptionContext context) : m_db(db), m_ctx(std::move(context)) {}

QString ConsumptionStore::seriesKey(const QString &compCode, const QString &unitCode)
{
    return QStringLiteral("CN_") + compCode + u'_' + unitCode;
}

QString ConsumptionStore::productLookupQuery()
{
    return QStringLiteral("Select * from velmora.productmaster order by product_name");
}

QString ConsumptionStore::unitLookupQuery()
{
    return QStringLiteral("Select unit_code,unit_name from velmora.unitmaster where unit_app_acc=0 order by "
                          "unit_priority");
}

QString ConsumptionStore::reelLookupQuery(const QString &typed, QVariantList *values) const
{
    QString sql = QStringLiteral("Select invtrans_reel_no,ac_name,brand_name,gsm_name,reeltype_name,invtrans_rate,"
                                 "invtrans_weight,invtrans_id from ")
        + table("inv_invoice_trans") + QStringLiteral(" inner join ") + table("inv_invoice")
        + QStringLiteral(" on inv_trans_id=invtrans_id and inv_invoice.comp_code=? and "
                         "inv_invoice.unit_code=inv_invoice_trans.unit_code inner join ")
        + m_ctx.accountsDb.table("acc_accountheads")
        + QStringLiteral(" on ac_code=inv_supp_code and ac_comp_code=? inner join ") + table("inv_brandmaster")
        + QStringLiteral(" on brand_code=inv_brand_code inner join ") + table("inv_gsm")
        + QStringLiteral(" on gsm_code=invtrans_gsm inner join ") + table("inv_reeltype")
        + QStringLiteral(" on reeltype_code=invtrans_reel_type"
                         " where invtrans_cons_flag=1 and invtrans_util_flag=0 and invtrans_unit_code=?"
                         " and inv_invoice_trans.comp_code=?");
    *values = {m_ctx.compCode, m_ctx.compCode, m_ctx.unitCode, m_ctx.compCode};
    const QString text = typed.trimmed();
    if (!text.isEmpty()) {
        const SqlCondition reel = m_db.likeAnywhere(m_ctx.storesDb, QStringLiteral("inv_invoice_trans"),
                                                    QStringLiteral("invtrans_reel_no"), text);
        sql += QStringLiteral(" and ") + reel.sql;
        values->append(reel.values);
    }
    return sql;
}

Decimal ConsumptionStore::available(const QString &reelNo, const QString &transId)
{
    // The reel of this company lying in this unit, and the bookings made on it
    // here: ids and reel numbers repeat across units and companies.
    RecordSet rs = m_db.query(QStringLiteral("Select invtrans_weight from ") + table("inv_invoice_trans")
                                  + QStringLiteral(" where invtrans_id=? and invtrans_reel_no=? and comp_code=? and "
                                                   "invtrans_unit_code=? limit 1"),
                              {boundText(transId), boundText(reelNo), m_ctx.compCode, m_ctx.unitCode});
    const Decimal weight = rs.next() ? rs.decimal(QStringLiteral("invtrans_weight")) : Decimal();
    rs.close();
    const QString used = m_db.firstValue(QStringLiteral("Select sum(cons_qty) from ") + table("inv_consumption")
                                             + QStringLiteral(" where cons_reel_no=? and cons_inv_no=? and comp_code=? "
                                                              "and unit_code=? and cons_cancel_flag=0"),
                                         {boundText(reelNo), boundText(transId), m_ctx.compCode, m_ctx.unitCode});
    return weight - Decimal::fromText(used);
}

SaveNewResult ConsumptionStore::saveNew(const ConsumptionEntry &entry)
{
    // A product beyond the range of Decimal is refused before anything is written.
    try {
        (void)(entry.qty * entry.rate);
    } catch (const DecimalOverflow &) {
        throw DbError(Decimal::overflowMessage());
    }
    return retryOnLockConflict([&] { return saveNewOnce(entry); });
}

SaveNewResult ConsumptionStore::saveNewOnce(const ConsumptionEntry &entry)
{
    SaveNewResult result;
    // The window never sends these; the store refuses them for any caller.
    if (entry.qty.isNegative() || entry.qty.isZero() || entry.qty.rounded(3) != entry.qty) {
        result.outcome = SaveNewResult::BadQuantity;
        return result;
    }
    const QString reelNo = entry.reelNo.trimmed();
    const QString transId = entry.transId.trimmed();
    Transaction t(m_db);

    // The reel row serialises every booking on the reel: whoever holds it sees
    // all bookings stored before and none can be added until the commit.
    RecordSet reel =
        m_db.query(QStringLiteral("Select invtrans_weight, invtrans_util_flag from ") + table("inv_invoice_trans")
                       + QStringLiteral(" where invtrans_id=? and invtrans_reel_no=? and "
                                        "invtrans_unit_code=? and comp_code=? and invtrans_cons_flag=1"
                                        " FOR UPDATE"),
                   {boundText(transId), boundText(reelNo), m_ctx.unitCode, m_ctx.compCode});
    if (!reel.next()) {
        result.outcome = SaveNewResult::NoSuchReel;
        return result;
    }
    const Decimal weight = reel.decimal(QStringLiteral("invtrans_weight"));
    const bool usedUp = reel.integer(QStringLiteral("invtrans_util_flag")) != 0;
    reel.close();
    if (usedUp) {
        result.outcome = SaveNewResult::UsedUp;
        return result;
    }
    // Read after the lock: the transaction's first plain read, so it sees
    // every booking committed before this save got the reel.
    const QString used = m_db.firstValue(QStringLiteral("Select sum(cons_qty) from ") + table("inv_consumption")
                                             + QStringLiteral(" where cons_reel_no=? and cons_inv_no=? and "
                                                              "comp_code=? and unit_code=? and cons_cancel_flag=0"),
                                         {reelNo, transId, m_ctx.compCode, m_ctx.unitCode});
    result.available = weight - Decimal::fromText(used);
    // The quantity is stored with three decimals; compare what will be stored.
    const Decimal qty = entry.qty.rounded(3);
    if (qty > result.available) {
        result.outcome = SaveNewResult::OverBooked;
        return result;
    }

    // A code already stored (by hand, or by a program that skips the counter)
    // is stepped over: codes are unique per company.
    const QString code = ClaimCode(m_db, m_ctx.storesDb, seriesKey(m_ctx.compCode, m_ctx.unitCode),
                                   CodeTarget{table("inv_consumption"),
                                              QStringLiteral("cons_no"),
                                              {{QStringLiteral("comp_code"), m_ctx.compCode}}})
                             .trimmed();

    m_db.execute(QStringLiteral("Insert into ") + table("inv_consumption")
                     + QStringLiteral("(unit_code,cons_unit_code,comp_code,cons_no,cons_date,cons_pdt_code,"
                                      "cons_reel_no,cons_inv_no,cons_qty,cons_rate,cons_amt,created_by,created_date,"
                                      "created_time) Values(?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                 {m_ctx.unitCode, boundText(entry.consUnitCode.trimmed()), m_ctx.compCode, code, sqlDate(entry.date),
                  boundText(entry.productCode.trimmed()), reelNo, transId, boundDecimal(qty), boundDecimal(entry.rate),
                  boundDecimal(entry.amount), m_ctx.userId, auditDate(), auditTime()});

    // A remainder that shows as 0.00 counts as nothing left.
    const Decimal remainder = result.available - qty;
    result.usedUp = remainder.rounded(2).isZero();
    if (result.usedUp) {
        const qint64 marked = m_db.execute(QStringLiteral("Update ") + table("inv_invoice_trans")
                                               + QStringLiteral(" set invtrans_util_flag=1 where invtrans_reel_no=?"
                                                                " and invtrans_unit_code=? and invtrans_id=? and "
                                                                "comp_code=?"),
                                           {reelNo, m_ctx.unitCode, transId, m_ctx.compCode});
        if (marked == 0)
            throw DbError(QStringLiteral("The reel %1 could not be marked used up.").arg(reelNo));
    }
    t.commit();
    result.outcome = SaveNewResult::Saved;
    result.code = code;
    return result;
}

qint64 ConsumptionStore::saveEdit(const QString &code, const QDate &date, const QString &productCode,
                                  const QString &consUnitCode)
{
    return retryOnLockConflict([&] {
        Transaction t(m_db);
        const qint64 matched =
            m_db.execute(QStringLiteral("Update ") + table("inv_consumption")
                             + QStringLiteral(" Set cons_date=?, cons_pdt_code=?,cons_unit_code=?, modified_by=?,"
                                              "modified_date=?,modified_time=? Where cons_no=? and unit_code=? and "
                                              "comp_code=?"),
                         {sqlDate(date), boundText(productCode), boundText(consUnitCode.trimmed()), m_ctx.userId,
                          auditDate(), auditTime(), boundText(code.trimmed()), m_ctx.unitCode, m_ctx.compCode});
        t.commit();
        return matched;
    });
}

std::optional<ConsumptionRecord> ConsumptionStore::loadRecord(const QString &code)
{
    // The reel is found by its invoice and its number: a reel number alone may
    // occur on the reels of several invoices.
    RecordSet rs = m_db.query(
        QStringLiteral("Select ") + table("inv_consumption")
            + QStringLiteral(".*,product_name,ac_name,brand_name,gsm_name,reeltype_name from ")
            + table("inv_consumption")
            + QStringLiteral(" inner join velmora.productmaster on product_code=cons_pdt_code")
            + QStringLiteral(" inner join ") + table("inv_invoice_trans")
            + QStringLiteral(" on invtrans_id=cons_inv_no and invtrans_reel_no=cons_reel_no and ")
            + table("inv_invoice_trans") + QStringLiteral(".comp_code=") + table("inv_consumption")
            + QStringLiteral(".comp_code and invtrans_unit_code=") + table("inv_consumption")
            + QStringLiteral(".unit_code inner join ") + table("inv_invoice")
            + QStringLiteral(" on inv_trans_id=invtrans_id and ") + table("inv_invoice") + QStringLiteral(".comp_code=")
            + table("inv_invoice_trans") + QStringLiteral(".comp_code and ") + table("inv_invoice")
            + QStringLiteral(".unit_code=") + table("inv_invoice_trans") + QStringLiteral(".unit_code inner join ")
            + table("inv_brandmaster") + QStringLiteral(" on brand_code=inv_brand_code inner join ") + table("inv_gsm")
            + QStringLiteral(" on gsm_code=invtrans_gsm inner join ") + table("inv_reeltype")
            + QStringLiteral(" on reeltype_code=invtrans_reel_type inner join ")
            + m_ctx.accountsDb.table("acc_accountheads")
            + QStringLiteral(" on ac_code=inv_supp_code and ac_comp_code=? where cons_no=? and ")
            + table("inv_consumption") + QStringLiteral(".comp_code=? and ") + table("inv_consumption")
            + QStringLiteral(".unit_code=? limit 1"),
        {m_ctx.compCode, boundText(code), m_ctx.compCode, m_ctx.unitCode});
    if (!rs.next())
        return std::nullopt;
    ConsumptionRecord r;
    r.code = rs.text(QStringLiteral("cons_no"));
    r.date = rs.date(QStringLiteral("cons_date"));
    r.productCode = rs.text(QStringLiteral("cons_pdt_code"));
    r.productName = rs.text(QStringLiteral("product_name"));
    r.supplierName = rs.text(QStringLiteral("ac_name"));
    r.brandName = rs.text(QStringLiteral("brand_name"));
    r.gsmName = rs.text(QStringLiteral("gsm_name"));
    r.reelTypeName = rs.text(QStringLiteral("reeltype_name"));
    r.reelNo = rs.text(QStringLiteral("cons_reel_no"));
    r.transId = rs.text(QStringLiteral("cons_inv_no"));
    r.qty = rs.decimal(QStringLiteral("cons_qty"));
    r.rate = rs.decimal(QStringLiteral("cons_rate"));
    r.amount = rs.decimal(QStringLiteral("cons_amt"));
    r.consUnitCode = rs.text(QStringLiteral("cons_unit_code"));
    r.cancelled = rs.flag(QStringLiteral("cons_cancel_flag"));
    return r;
}

bool ConsumptionStore::cancel(const QString &code, const QString &reelNo, const QString &transId)
{
    return retryOnLockConflict([&] {
        // The list shows the unit's bookings of every company: the booking's
        // own company names its reel, the one of that company lying in this unit.
        QStringList companies;
        {
            RecordSet rs = m_db.query(QStringLiteral("Select distinct comp_code from ") + table("inv_consumption")
                                          + QStringLiteral(" where cons_no=? and cons_reel_no=? and cons_inv_no=? and "
                                                           "unit_code=? and cons_cancel_flag=0 order by comp_code"),
                                      {boundText(code), boundText(reelNo), boundText(transId), m_ctx.unitCode});
            while (rs.next())
                companies << rs.text(0);
        }
        Transaction t(m_db);
        qint64 cancelled = 0;
        for (const QString &comp : companies) {
            // The reel first, in the same order as a save takes its locks.
            m_db.query(QStringLiteral("Select invtrans_id from ") + table("inv_invoice_trans")
                           + QStringLiteral(" where invtrans_id=? and invtrans_reel_no=? and comp_code=? and "
                                            "invtrans_unit_code=? FOR UPDATE"),
                       {boundText(transId), boundText(reelNo), comp, m_ctx.unitCode})
                .close();
            const qint64 one = m_db.execute(
                QStringLiteral("Update ") + table("inv_consumption")
                    + QStringLiteral(" set cons_cancel_flag=1 where cons_no=? and cons_reel_no=? and cons_inv_no=? "
                                     "and unit_code=? and comp_code=? and cons_cancel_flag=0"),
                {boundText(code), boundText(reelNo), boundText(transId), m_ctx.unitCode, comp});
            if (one == 0)
                continue; // cancelled meanwhile
            cancelled += one;
            m_db.execute(QStringLiteral("Update ") + table("inv_invoice_trans")
                             + QStringLiteral(" set invtrans_util_flag=0 where invtrans_id=? and invtrans_reel_no=? "
                                              "and comp_code=? and invtrans_unit_code=?"),
                         {boundText(transId), boundText(reelNo), comp, m_ctx.unitCode});
        }
        if (cancelled == 0)
            return false; // rolled back: nothing was changed
        t.commit();
        return true;
    });
}

RecordSet ConsumptionStore::list(const QDate &from, const QDate &to, const QString &search)
{
    QString sql = QStringLiteral("Select cons_no,cons_date,cons_reel_no,cons_qty,cons_rate,cons_amt,cons_pdt_code,"
                                 "cons_inv_no From ")
        + table("inv_consumption")
        + QStringLiteral(" Where cons_date>=? and cons_date<=? and unit_code=? and cons_cancel_flag=0");
    QVariantList values{sqlDate(from), sqlDate(to), m_ctx.unitCode};
    if (!search.isEmpty()) {
        const SqlCondition reel = m_db.likeAnywhere(m_ctx.storesDb, QStringLiteral("inv_consumption"),
                                                    QStringLiteral("cons_reel_no"), search);
        sql += QStringLiteral(" and ") + reel.sql;
        values << reel.values;
    }
    sql += QStringLiteral(" order by cons_no,cons_date");
    return m_db.query(sql, values);
}

QHash<QString, int> ConsumptionStore::boxLengths()
{
    return m_db.boxLengths(m_ctx.storesDb, QStringLiteral("inv_consumption"),
                           {{"TxConsumptionCode", "cons_no"},
                            {"TxReelNo", "cons_reel_no"},
                            {"TxProductCode", "cons_pdt_code"},
                            {"TxUnitCode", "cons_unit_code"}});
}
