#include "InvoiceStore.h"
#include "Desktop.h"
#include "mdlVelmora.h"
#include <QHash>

namespace {

// A null QString would reach the server as NULL; an empty box is stored as empty text.
QString box(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

QVariant dec(const Decimal &d)
{
    return QVariant::fromValue(d);
}

// The reels a save stores: those up to the first without a reel number.
QList<const InvoiceReel *> filledReels(const QList<InvoiceReel> &reels)
{
    QList<const InvoiceReel *> filled;
    for (const InvoiceReel &r : reels) {
        if (r.reelNo.trimmed().isEmpty())
            break;
        filled << &r;
    }
    return filled;
}

} // namespace

InvoiceStore::InvoiceStore(Database &db, const DbName &storesDb, const DbName &accountsDb, const QString &compCode,
                           const QString &unitCode, qint64 userId)
    : m_db(db), m_stores(storesDb), m_accounts(accountsDb), m_comp(compCode), m_unit(unitCode), m_user(userId)
{
}

InvoiceStore InvoiceStore::current()
{
    return InvoiceStore(gConnection, gInvDbName, gAcDbName, gCompCode, gUnitCode, userIdNumber());
}

QString InvoiceStore::seriesKey(const QString &compCode, const QString &unitCode)
{
    return QStringLiteral("INV_") + compCode + u'_' + unitCode;
}

InvoiceStore::Saved InvoiceStore::saveNew(Invoice &invoice)
{
    // The number check spans every company and unit, so the saves that
    // serialise it are all new invoices of the year, not one unit's series.
    return serialisedSave(m_db, t("inv_invoice"), [&] { return saveNewOnce(invoice); });
}

InvoiceStore::Saved InvoiceStore::saveNewOnce(Invoice &invoice)
{
    Transaction tx(m_db);
    // The series row stays locked until the end, so a second workstation's
    // save of the same series waits here and then takes the next code.
    const QString code = ClaimCode(m_db, m_stores, seriesKey(m_comp, m_unit),
                                   {t("inv_invoice"),
                                    QStringLiteral("inv_trans_id"),
                                    {{QStringLiteral("comp_code"), m_comp}, {QStringLiteral("unit_code"), m_unit}}});
    const QString number = invoice.invoiceNo.trimmed();
    if (saveCheckFinds(m_db,
                       QStringLiteral("Select inv_trans_id from ") + t("inv_invoice")
                           + QStringLiteral(" Where inv_invoice_no=?"),
                       {box(number)}))
        return Saved::DuplicateNumber;
    m_db.execute(
        QStringLiteral("Insert into ") + t("inv_invoice")
            + QStringLiteral("(unit_code, comp_code, inv_trans_id, inv_invoice_no, inv_date, inv_receipt_date, "
                             "inv_supp_code, inv_brand_code, inv_freight,inv_weight,inv_total,inv_round_plus,"
                             "inv_round_minus,inv_cgst,inv_sgst,inv_igst,inv_grand_total,inv_net_total,"
                             "inv_cust_duty, created_by, created_date, created_time) "
                             "Values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
        {m_unit,
         m_comp,
         code,
         box(number),
         invoice.invoiceDate,
         invoice.receiptDate,
         box(invoice.suppCode.trimmed()),
         box(invoice.brandCode.trimmed()),
         dec(invoice.freight),
         dec(invoice.weight),
         dec(invoice.total),
         dec(invoice.roundPlus),
         dec(invoice.roundMinus),
         dec(invoice.cgst),
         dec(invoice.sgst),
         dec(invoice.igst),
         dec(invoice.grandTotal),
         dec(invoice.netTotal),
         dec(invoice.tcs),
         m_user,
         auditDate(),
         auditTime()});
    QList<ReelRow> rows;
    for (const InvoiceReel *r : filledReels(invoice.reels))
        rows << ReelRow{r, m_unit, 0, 0, 0};
    insertReels(code, rows);
    tx.commit();
    invoice.transId = code;
    return Saved::Saved;
}

InvoiceStore::Saved InvoiceStore::saveEdit(const Invoice &invoice)
{
    return retryOnLockConflict([&] { return saveEditOnce(invoice); });
}

InvoiceStore::Saved InvoiceStore::saveEditOnce(const Invoice &invoice)
{
    const QString id = invoice.transId.trimmed();
    Transaction tx(m_db);
    const qint64 matched = m_db.execute(
        QStringLiteral("Update ") + t("inv_invoice")
            + QStringLiteral(" Set inv_invoice_no=?, inv_date=?, inv_receipt_date=?, inv_supp_code=?, "
                             "inv_brand_code=?, inv_freight=?, inv_weight=?, inv_cgst=?, inv_sgst=?, inv_igst=?, "
                             "inv_grand_total=?, inv_net_total=?, inv_round_plus=?, inv_round_minus=?, inv_total=?, "
                             "inv_cust_duty=?, modified_by=?, modified_date=?, modified_time=? "
                             "Where inv_trans_id=? and unit_code=? and comp_code=?"),
        {box(invoice.invoiceNo.trimmed()),
         invoice.invoiceDate,
         invoice.receiptDate,
         box(invoice.suppCode.trimmed()),
         box(invoice.brandCode.trimmed()),
         dec(invoice.freight),
         dec(invoice.weight),
         dec(invoice.cgst),
         dec(invoice.sgst),
         dec(invoice.igst),
         dec(invoice.grandTotal),
         dec(invoice.netTotal),
         dec(invoice.roundPlus),
         dec(invoice.roundMinus),
         dec(invoice.total),
         dec(invoice.tcs),
         m_user,
         auditDate(),
         auditTime(),
         box(id),
         m_unit,
         m_comp});
    if (matched == 0)
        return Saved::NoSuchInvoice;

    // The grid knows nothing of where a reel lies now or whether it is used
    // up, and its flags are as old as the load: a reel that is stored keeps
    // all its marks as the database holds them, so an edit never sends a
    // transferred reel home or makes a used-up or issued reel available again.
    struct Stored {
        QString unitCode;
        int consFlag;
        int finalize;
        int utilFlag;
    };
    QHash<QString, Stored> stored;
    {
        RecordSet rs = m_db.query(QStringLiteral("Select invtrans_reel_no, invtrans_unit_code, invtrans_cons_flag, "
                                                 "invtrans_finalize, invtrans_util_flag from ")
                                      + t("inv_invoice_trans")
                                      + QStringLiteral(" where invtrans_id=? and unit_code=? and comp_code=? "
                                                       "order by invtrans_slno FOR UPDATE"),
                                  {box(id), m_unit, m_comp});
        while (rs.next()) {
            const QString key = rs.text(0).trimmed().toUpper();
            if (!stored.contains(key))
                stored.insert(key,
                              Stored{rs.text(1), int(rs.integer(QStringLiteral("invtrans_cons_flag"))),
                                     int(rs.integer(QStringLiteral("invtrans_finalize"))),
                                     int(rs.integer(QStringLiteral("invtrans_util_flag")))});
        }
    }
    m_db.execute(QStringLiteral("Delete From ") + t("inv_invoice_trans")
                     + QStringLiteral(" where invtrans_id=? and unit_code=? and comp_code=?"),
                 {box(id), m_unit, m_comp});

    const QList<const InvoiceReel *> filled = filledReels(invoice.reels);
    QList<ReelRow> rows;
    for (const InvoiceReel *r : filled) {
        const auto it = stored.constFind(r->reelNo.trimmed().toUpper());
        if (it != stored.cend())
            rows << ReelRow{r, it->unitCode, it->consFlag, it->finalize, it->utilFlag};
        else
            rows << ReelRow{r, m_unit, r->consFlag, r->finalize, 0};
    }
    insertReels(id, rows);

    // Every booking of the reel, cancelled ones too, takes the invoice's rate.
    // The rate is cast so that the product is computed in decimals.
    for (const InvoiceReel *r : filled) {
        m_db.execute(QStringLiteral("Update ") + t("inv_consumption")
                         + QStringLiteral(" set cons_rate=?, cons_amt=cons_qty * CAST(? AS DECIMAL(16,2)) "
                                          "where cons_inv_no=? and cons_reel_no=? and comp_code=?"),
                     {dec(r->rate), r->rate.toString(), box(id), box(r->reelNo.trimmed()), m_comp});
    }
    tx.commit();
    return Saved::Saved;
}

void InvoiceStore::insertReels(const QString &transId, const QList<ReelRow> &rows)
{
    QVariantList values;
    values.reserve(rows.size() * 14);
    int slNo = 0;
    for (const ReelRow &row : rows) {
        const InvoiceReel &r = *row.reel;
        // The place on the invoice is the reel's order: 1, 2, 3 ... without gaps.
        values << m_unit << m_comp << transId << box(r.reelNo.trimmed()) << box(r.gsmCode.trimmed())
               << box(r.reelTypeCode.trimmed()) << dec(r.weight) << dec(r.rate) << dec(r.amount) << ++slNo
               << box(row.unitCode) << row.consFlag << row.finalize << row.utilFlag;
    }
    insertRows(m_db,
               QStringLiteral("Insert into ") + t("inv_invoice_trans")
                   + QStringLiteral("(unit_code, comp_code, invtrans_id, invtrans_reel_no, invtrans_gsm, "
                                    "invtrans_reel_type, invtrans_weight, invtrans_rate, invtrans_amt, "
                                    "invtrans_slno, invtrans_unit_code, invtrans_cons_flag, invtrans_finalize, "
                                    "invtrans_util_flag) Values"),
               14, values);
}

std::optional<Invoice> InvoiceStore::loadRecord(const QString &transId)
{
    // Brand, GSM and reel-type codes are joined by the code alone, whatever
    // the master row's company; a code held by several companies still gives
    // one row.
    const SqlCondition supplier = supplierHeadCondition(m_comp, QStringLiteral("h"));
    QVariantList values = supplier.values;
    values << box(transId) << m_comp << m_unit;
    RecordSet head = m_db.query(
        QStringLiteral("Select i.*, h.ac_name, b.brand_name From ") + t("inv_invoice")
            + QStringLiteral(" i Inner Join ") + m_accounts.table("acc_accountheads")
            + QStringLiteral(" h on h.ac_code=i.inv_supp_code and ") + supplier.sql
            + QStringLiteral(" Inner Join (Select brand_code, min(brand_name) as brand_name From ")
            + t("inv_brandmaster")
            + QStringLiteral(" group by brand_code) b on b.brand_code=i.inv_brand_code"
                             " where i.inv_trans_id=? and i.comp_code=? order by (i.unit_code=?) desc limit 1"),
        values);
    if (!head.next())
        return std::nullopt;
    Invoice inv;
    inv.transId = head.text(QStringLiteral("inv_trans_id"));
    inv.unitCode = head.text(QStringLiteral("unit_code"));
    inv.invoiceNo = head.text(QStringLiteral("inv_invoice_no"));
    inv.invoiceDate = head.date(QStringLiteral("inv_date"));
    inv.receiptDate = head.date(QStringLiteral("inv_receipt_date"));
    inv.suppCode = head.text(QStringLiteral("inv_supp_code"));
    inv.suppName = head.text(QStringLiteral("ac_name"));
    inv.brandCode = head.text(QStringLiteral("inv_brand_code"));
    inv.brandName = head.text(QStringLiteral("brand_name"));
    inv.freight = head.decimal(QStringLiteral("inv_freight"));
    inv.weight = head.decimal(QStringLiteral("inv_weight"));
    inv.total = head.decimal(QStringLiteral("inv_total"));
    inv.roundPlus = head.decimal(QStringLiteral("inv_round_plus"));
    inv.roundMinus = head.decimal(QStringLiteral("inv_round_minus"));
    inv.cgst = head.decimal(QStringLiteral("inv_cgst"));
    inv.sgst = head.decimal(QStringLiteral("inv_sgst"));
    inv.igst = head.decimal(QStringLiteral("inv_igst"));
    inv.grandTotal = head.decimal(QStringLiteral("inv_grand_total"));
    inv.netTotal = head.decimal(QStringLiteral("inv_net_total"));
    inv.tcs = head.decimal(QStringLiteral("inv_cust_duty"));
    inv.finalized = head.integer(QStringLiteral("inv_finalize")) == 1;
    head.close();

    // Left joins: a reel whose master row is missing is shown all the same,
    // so that the next edit, which rewrites the reels shown, keeps it.
    RecordSet rs = m_db.query(
        QStringLiteral("Select r.*, g.gsm_name, y.reeltype_name From ") + t("inv_invoice_trans")
            + QStringLiteral(" r Left Join (Select gsm_code, min(gsm_name) as gsm_name From ") + t("inv_gsm")
            + QStringLiteral(" group by gsm_code) g on g.gsm_code=r.invtrans_gsm"
                             " Left Join (Select reeltype_code, min(reeltype_name) as reeltype_name From ")
            + t("inv_reeltype")
            + QStringLiteral(" group by reeltype_code) y on y.reeltype_code=r.invtrans_reel_type"
                             " where r.invtrans_id=? and r.unit_code=? and r.comp_code=? order by r.invtrans_slno"),
        {box(inv.transId), inv.unitCode, m_comp});
    while (rs.next()) {
        InvoiceReel r;
        r.slNo = int(rs.integer(QStringLiteral("invtrans_slno")));
        r.reelNo = rs.text(QStringLiteral("invtrans_reel_no"));
        r.gsmCode = rs.text(QStringLiteral("invtrans_gsm"));
        r.gsmName = rs.text(QStringLiteral("gsm_name"));
        r.reelTypeCode = rs.text(QStringLiteral("invtrans_reel_type"));
        r.reelTypeName = rs.text(QStringLiteral("reeltype_name"));
        r.weight = rs.decimal(QStringLiteral("invtrans_weight"));
        r.rate = rs.decimal(QStringLiteral("invtrans_rate"));
        r.amount = rs.decimal(QStringLiteral("invtrans_amt"));
        r.consFlag = int(rs.integer(QStringLiteral("invtrans_cons_flag")));
        r.finalize = int(rs.integer(QStringLiteral("invtrans_finalize")));
        r.unitCode = rs.text(QStringLiteral("invtrans_unit_code"));
        r.utilFlag = int(rs.integer(QStringLiteral("invtrans_util_flag")));
        inv.reels << r;
    }
    return inv;
}

std::optional<bool> InvoiceStore::isFinalized(const QString &transId)
{
    return storedFinalizeMark(m_db, marks(), transId, m_unit, m_comp);
}

bool InvoiceStore::setFinalizeMarks(const QString &transId, int mark)
{
    // Reels are reached through the invoice's own unit, wherever they lie now.
    return ::setFinalizeMarks(m_db, marks(), transId, m_unit, m_comp, mark);
}

bool InvoiceStore::finalize(const QString &transId)
{
    return setFinalizeMarks(transId, 1);
}

InvoiceStore::Removed InvoiceStore::removeFinalize(const QString &transId)
{
    if (!mayRemoveFinalize(m_user))
        return Removed::NotAllowed;
    return setFinalizeMarks(transId, 0) ? Removed::Removed : Removed::NoSuchInvoice;
}

InvoiceStore::Corrected InvoiceStore::correctInvoiceNo(const QString &transId, const QString &invoiceNo)
{
    const QString number = invoiceNo.trimmed();
    if (number.isEmpty())
        return Corrected::EmptyNumber;
    const qint64 matched =
        m_db.execute(QStringLiteral("Update ") + t("inv_invoice")
                         + QStringLiteral(" Set inv_invoice_no=? Where inv_trans_id=? and unit_code=? and comp_code=?"),
                     {number, box(transId.trimmed()), m_unit, m_comp});
    return matched == 0 ? Corrected::NoSuchInvoice : Corrected::Corrected;
}

RecordSet InvoiceStore::list(const QDate &from, const QDate &to, const QString &reelText)
{
    const SqlCondition supplier = supplierHeadCondition(m_comp, QStringLiteral("h"));
    QVariantList values = supplier.values;
    // The amounts come as the list shows them: a NULL tax counts 0, and the
    // amount before taxes is worked out by the server in exact decimals.
    QString sql = QStringLiteral("Select i.inv_trans_id, i.inv_invoice_no, i.inv_date, i.inv_receipt_date, h.ac_name, "
                                 "h.ac_gst, b.brand_name, i.inv_grand_total-ifnull(i.inv_cgst,0)-ifnull(i.inv_sgst,0)"
                                 "-ifnull(i.inv_igst,0)-ifnull(i.inv_cust_duty,0) as inv_amount, "
                                 "ifnull(i.inv_cgst,0) as inv_cgst, ifnull(i.inv_sgst,0) as inv_sgst, "
                                 "ifnull(i.inv_igst,0) as inv_igst, "
                                 "ifnull(i.inv_cgst,0)+ifnull(i.inv_sgst,0)+ifnull(i.inv_igst,0) as inv_total_gst, "
                                 "ifnull(i.inv_cust_duty,0) as inv_tcs, i.inv_grand_total, i.inv_freight, "
                                 "i.inv_weight From ")
        + t("inv_invoice") + QStringLiteral(" i Inner Join ") + m_accounts.table("acc_accountheads")
        + QStringLiteral(" h on h.ac_code=i.inv_supp_code and ") + supplier.sql
        + QStringLiteral(" Inner Join (Select brand_code, min(brand_name) as brand_name From ") + t("inv_brandmaster")
        + QStringLiteral(" group by brand_code) b on b.brand_code=i.inv_brand_code");
    if (!reelText.isEmpty()) {
        // The reels of this invoice only: another unit's invoice may carry the same code.
        sql += QStringLiteral(" Inner Join ") + t("inv_invoice_trans")
            + QStringLiteral(" r on r.invtrans_id=i.inv_trans_id and r.unit_code=i.unit_code and "
                             "r.comp_code=i.comp_code and r.invtrans_reel_no like ?");
        values << (u'%' + reelText + u'%');
    }
    sql += QStringLiteral(" where i.comp_code=? and i.unit_code=? and i.inv_date>=? and i.inv_date<=?"
                          " order by i.inv_trans_id");
    values << m_comp << m_unit << from << to;
    return m_db.query(sql, values);
}

SqlCondition InvoiceStore::supplierLookup(const QString &nameText) const
{
    return supplierLookupQuery(m_accounts, m_comp, QStringLiteral("ac_code,ac_name"), nameText);
}

SqlCondition InvoiceStore::brandLookup(const QString &nameText) const
{
    SqlCondition q;
    q.sql = QStringLiteral("SELECT brand_code,brand_name FROM ") + t("inv_brandmaster");
    if (!nameText.isEmpty()) {
        q.sql += QStringLiteral(" where brand_name like ?");
        q.values << (u'%' + nameText + u'%');
    }
    q.sql += QStringLiteral(" order by brand_name");
    return q;
}
