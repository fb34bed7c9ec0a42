#include "InvoiceStore.h"
#include "Desktop.h"
#include "TextLengths.h"
#include "mdlVelmora.h"
#include <QHash>

namespace {

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

// The header's columns that the clerk fills, as a new invoice and an edit store them.
ColumnValues headerColumns(const Invoice &invoice)
{
    ColumnValues c;
    c.add("inv_invoice_no", boundText(invoice.invoiceNo.trimmed()))
        .add("inv_date", invoice.invoiceDate)
        .add("inv_receipt_date", invoice.receiptDate)
        .add("inv_supp_code", boundText(invoice.suppCode.trimmed()))
        .add("inv_brand_code", boundText(invoice.brandCode.trimmed()))
        .add("inv_freight", boundDecimal(invoice.freight))
        .add("inv_weight", boundDecimal(invoice.weight))
        .add("inv_total", boundDecimal(invoice.total))
        .add("inv_round_plus", boundDecimal(invoice.roundPlus))
        .add("inv_round_minus", boundDecimal(invoice.roundMinus))
        .add("inv_cgst", boundDecimal(invoice.cgst))
        .add("inv_sgst", boundDecimal(invoice.sgst))
        .add("inv_igst", boundDecimal(invoice.igst))
        .add("inv_grand_total", boundDecimal(invoice.grandTotal))
        .add("inv_net_total", boundDecimal(invoice.netTotal))
        .add("inv_cust_duty", boundDecimal(invoice.tcs));
    return c;
}

// A reel's amount and the sums of an invoice must be formable at all; one
// beyond the range of Decimal is refused before anything is written.
void refuseBeyondRange(const Invoice &invoice)
{
    try {
        Decimal total;
        Decimal weight;
        for (const InvoiceReel &r : invoice.reels) {
            total += (r.weight * r.rate).rounded(2);
            weight += r.weight;
        }
        const Decimal grand = invoice.total + invoice.roundPlus - invoice.roundMinus;
        const Decimal taxes = invoice.cgst + invoice.sgst + invoice.igst + invoice.tcs;
        (void)(grand + taxes);
        (void)(grand - taxes);
    } catch (const DecimalOverflow &) {
        throw DbError(Decimal::overflowMessage());
    }
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
    refuseBeyondRange(invoice);
    // The number check spans every company and unit, so the saves that
    // serialise it are all new invoices of the year, not one unit's series.
    return refusingTextTooLong(Saved::TooLong, [&] {
        return serialisedSave(m_db, t("inv_invoice"), [&] { return saveNewOnce(invoice); });
    });
}

InvoiceStore::Saved InvoiceStore::saveNewOnce(Invoice &invoice)
{
    Transaction tx(m_db);
    // The series row stays locked until the end, so a second workstation's
    // save of the same series waits here and then takes the next code.
    // Bookings name their reel by transaction id and reel number, so an id
    // is kept unique over the whole year, whatever company or unit stored it.
    const QString code =
        ClaimCode(m_db, m_stores, seriesKey(m_comp, m_unit), {t("inv_invoice"), QStringLiteral("inv_trans_id"), {}});
    const QString number = invoice.invoiceNo.trimmed();
    if (saveCheckFinds(m_db,
                       QStringLiteral("Select inv_trans_id from ") + t("inv_invoice")
                           + QStringLiteral(" Where inv_invoice_no=?"),
                       {boundText(number)}))
        return Saved::DuplicateNumber;
    ColumnValues row;
    row.add("unit_code", m_unit).add("comp_code", m_comp).add("inv_trans_id", code).add(headerColumns(invoice));
    row.add("created_by", m_user).add("created_date", auditDate()).add("created_time", auditTime());
    m_db.execute(QStringLiteral("Insert into ") + t("inv_invoice") + row.insertList(), row.values());
    QList<ReelRow> rows;
    for (const InvoiceReel *r : filledReels(invoice.reels))
        rows << ReelRow{r, int(rows.size()) + 1, m_unit, 0, 0, 0};
    insertReels(code, rows);
    tx.commit();
    invoice.transId = code;
    return Saved::Saved;
}

InvoiceStore::Saved InvoiceStore::saveEdit(const Invoice &invoice, QString *refusal, QList<int> *lines)
{
    refuseBeyondRange(invoice);
    return refusingTextTooLong(Saved::TooLong, [&] {
        return retryOnLockConflict([&] { return saveEditOnce(invoice, refusal, lines); });
    });
}

namespace {
// Reel numbers compared as the server compares them, case aside, one
// character for one: capitals would spell a sharp s out as SS, a number the
// server holds apart, and an edit would then rename a reel away from the
// bookings that name it.
QString reelKey(const QString &reelNo)
{
    return reelNo.trimmed().toCaseFolded();
}
} // namespace

InvoiceStore::Saved InvoiceStore::saveEditOnce(const Invoice &invoice, QString *refusal, QList<int> *lines)
{
    const QString id = invoice.transId.trimmed();
    Transaction tx(m_db);
    // The header row serialises the edit with finalising on other
    // workstations: what it holds now decides, not what the window loaded.
    const std::optional<bool> finalized = storedFinalizeMark(m_db, marks(), id, m_unit, m_comp, MarkRead::ForUpdate);
    if (!finalized)
        return Saved::NoSuchInvoice;
    if (*finalized && m_user != kAdminUserId.toLongLong())
        return Saved::Finalized;

    // The grid knows nothing of where a reel lies now or whether it is used
    // up, and its flags are as old as the load: a reel that is stored keeps
    // its unit and its issue and finalise marks as the database holds them, so
    // an edit never sends a transferred reel home or an issued one back to the
    // godown. Its used-up mark follows what its weight leaves after the valid
    // bookings read here, under the reel's lock.
    struct Stored {
        int slNo;
        QString reelNo;
        QString key; // reelKey(reelNo), worked out once
        QString unitCode;
        int consFlag;
        int finalize;
        int utilFlag;
        Decimal weight;
        qint64 bookings = 0; // cancelled ones too: they still name the reel
        Decimal booked{};    // valid bookings
        bool claimed = false;
        bool moved = false; // lies in another unit than the one that entered it
        bool leftGodown() const { return moved || consFlag != 0 || utilFlag != 0 || bookings > 0; }
    };
    // As a booking marks it: a reel at the press is used up exactly when what
    // is left shows as 0.00.
    const auto usedUp = [](const Stored &s, const Decimal &weight) {
        return s.consFlag != 0 && (weight - s.booked).rounded(2).isZero() ? 1 : 0;
    };
    QList<Stored> stored;
    {
        // The reel rows first: a booking locks its reel before it is stored,
        // so none can be added while the edit holds them.
        RecordSet rs = m_db.query(QStringLiteral("Select invtrans_slno, invtrans_reel_no, invtrans_unit_code, "
                                                 "invtrans_cons_flag, invtrans_finalize, invtrans_util_flag, "
                                                 "invtrans_weight from ")
                                      + t("inv_invoice_trans")
                                      + QStringLiteral(" where invtrans_id=? and unit_code=? and comp_code=? "
                                                       "order by invtrans_slno FOR UPDATE"),
                                  {boundText(id), m_unit, m_comp});
        while (rs.next()) {
            const QString reelNo = rs.text(QStringLiteral("invtrans_reel_no"));
            const QString unitCode = rs.text(QStringLiteral("invtrans_unit_code"));
            // The bookings are read next; nothing is claimed yet.
            stored << Stored{.slNo = int(rs.integer(QStringLiteral("invtrans_slno"))),
                             .reelNo = reelNo,
                             .key = reelKey(reelNo),
                             .unitCode = unitCode,
                             .consFlag = int(rs.integer(QStringLiteral("invtrans_cons_flag"))),
                             .finalize = int(rs.integer(QStringLiteral("invtrans_finalize"))),
                             .utilFlag = int(rs.integer(QStringLiteral("invtrans_util_flag"))),
                             .weight = rs.decimal(QStringLiteral("invtrans_weight")),
                             .moved = unitCode != m_unit};
        }
    }
    {
        // A booking belongs to the reel of its company lying in its unit.
        RecordSet rs = m_db.query(QStringLiteral("Select cons_reel_no, unit_code, count(*) as bookings, sum(case "
                                                 "when cons_cancel_flag=0 then cons_qty else 0 end) as booked from ")
                                      + t("inv_consumption")
                                      + QStringLiteral(" where cons_inv_no=? and comp_code=? group by cons_reel_no, "
                                                       "unit_code LOCK IN SHARE MODE"),
                                  {boundText(id), m_comp});
        while (rs.next()) {
            const QString reel = reelKey(rs.text(QStringLiteral("cons_reel_no")));
            const QString unitCode = rs.text(QStringLiteral("unit_code"));
            for (Stored &s : stored) {
                if (s.key == reel && s.unitCode == unitCode) {
                    s.bookings += rs.integer(QStringLiteral("bookings"));
                    s.booked += rs.decimal(QStringLiteral("booked"));
                }
            }
        }
    }
    // Which stored reel each row is: the reel of its number on its line, else
    // the reel of its number (another station's edit may have moved it to
    // another line since this window loaded), else the reel on its line,
    // whose number the clerk changed. No stored reel is taken twice.
    const QList<const InvoiceReel *> filled = filledReels(invoice.reels);
    QList<Stored *> match(filled.size(), nullptr);
    QStringList keys;
    keys.reserve(filled.size());
    for (const InvoiceReel *r : filled)
        keys << reelKey(r->reelNo);
    const auto matchRows = [&](bool byLine, bool byNumber) {
        for (int i = 0; i < filled.size(); ++i) {
            if (match[i] || (byLine && filled[i]->line <= 0))
                continue;
            for (Stored &s : stored) {
                if (s.claimed || (byLine && s.slNo != filled[i]->line) || (byNumber && s.key != keys[i]))
                    continue;
                s.claimed = true;
                match[i] = &s;
                break;
            }
        }
    };
    matchRows(true, true);
    matchRows(false, true);
    matchRows(true, false);
    const auto refuse = [&](const QString &text) {
        if (refusal)
            *refusal = text;
        return Saved::ReelInUse;
    };
    for (const Stored &s : stored) {
        if (!s.claimed && s.leftGodown())
            return refuse(QStringLiteral("Reel %1 has been moved, issued to the press or consumed; it cannot be "
                                         "removed from the invoice.   ")
                              .arg(s.reelNo));
    }
    QList<int> kept;
    for (int i = 0; i < filled.size(); ++i) {
        const Stored *s = match[i];
        if (!s)
            continue;
        if (s->leftGodown() && s->key != keys[i])
            return refuse(QStringLiteral("Reel %1 has been moved, issued to the press or consumed; its number "
                                         "cannot be changed.   ")
                              .arg(s->reelNo));
        if (filled[i]->weight < s->booked)
            return refuse(QStringLiteral("Reel %1 cannot weigh less than the %2 kg booked on it.   ")
                              .arg(s->reelNo, s->booked.toText(3)));
        if (s->leftGodown())
            kept << s->slNo;
    }

    ColumnValues row = headerColumns(invoice);
    row.add("modified_by", m_user).add("modified_date", auditDate()).add("modified_time", auditTime());
    const qint64 matched =
        m_db.execute(QStringLiteral("Update ") + t("inv_invoice") + QStringLiteral(" Set ") + row.assignments()
                         + QStringLiteral(" Where inv_trans_id=? and unit_code=? and comp_code=?"),
                     row.values() + QVariantList{boundText(id), m_unit, m_comp});
    if (matched == 0)
        return Saved::NoSuchInvoice;
    m_db.execute(QStringLiteral("Delete From ") + t("inv_invoice_trans")
                     + QStringLiteral(" where invtrans_id=? and unit_code=? and comp_code=?"),
                 {boundText(id), m_unit, m_comp});

    // A reel that has left the godown keeps its line number, which lists and
    // moves address it by; the other reels take the free numbers in order.
    QList<ReelRow> rows;
    int next = 1;
    for (int i = 0; i < filled.size(); ++i) {
        const InvoiceReel *r = filled[i];
        const Stored *s = match[i];
        int slNo;
        if (s && s->leftGodown()) {
            slNo = s->slNo;
        } else {
            while (kept.contains(next))
                ++next;
            slNo = next++;
        }
        // A reel the invoice does not hold now (added here, or dropped
        // meanwhile by another station) goes into the godown of this invoice
        // as it stands under the lock: finalised exactly when the invoice is,
        // whatever marks a window loaded long ago.
        if (s)
            rows << ReelRow{r, slNo, s->unitCode, s->consFlag, s->finalize, usedUp(*s, r->weight)};
        else
            rows << ReelRow{r, slNo, m_unit, 0, *finalized ? 1 : 0, 0};
    }
    insertReels(id, rows);

    // Every booking of the reel, cancelled ones too, takes the invoice's rate.
    // The rate is cast so that the product is computed in decimals.
    for (const ReelRow &row : rows) {
        const InvoiceReel *r = row.reel;
        m_db.execute(QStringLiteral("Update ") + t("inv_consumption")
                         + QStringLiteral(" set cons_rate=?, cons_amt=cons_qty * CAST(? AS DECIMAL(16,2)) "
                                          "where cons_inv_no=? and cons_reel_no=? and comp_code=? and unit_code=?"),
                     {boundDecimal(r->rate), r->rate.toString(), boundText(id), boundText(r->reelNo.trimmed()), m_comp,
                      row.unitCode});
    }
    tx.commit();
    if (lines) {
        lines->clear();
        for (const ReelRow &row : rows)
            *lines << row.slNo;
    }
    return Saved::Saved;
}

void InvoiceStore::insertReels(const QString &transId, const QList<ReelRow> &rows)
{
    QVariantList values;
    values.reserve(rows.size() * 14);
    for (const ReelRow &row : rows) {
        const InvoiceReel &r = *row.reel;
        values << m_unit << m_comp << transId << boundText(r.reelNo.trimmed()) << boundText(r.gsmCode.trimmed())
               << boundText(r.reelTypeCode.trimmed()) << boundDecimal(r.weight) << boundDecimal(r.rate)
               << boundDecimal(r.amount) << row.slNo << boundText(row.unitCode) << row.consFlag << row.finalize
               << row.utilFlag;
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
    const SqlCondition supplier = supplierHeadJoin(QStringLiteral("i.inv_supp_code"), m_comp, QStringLiteral("h"));
    QVariantList values = supplier.values;
    values << boundText(transId) << m_comp << m_unit;
    RecordSet head = m_db.query(
        QStringLiteral("Select i.*, h.ac_name, b.brand_name From ") + t("inv_invoice")
            + QStringLiteral(" i Inner Join ") + m_accounts.table("acc_accountheads") + QStringLiteral(" h on ")
            + supplier.sql + QStringLiteral(" Inner Join (Select brand_code, min(brand_name) as brand_name From ")
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
        {boundText(inv.transId), inv.unitCode, m_comp});
    while (rs.next()) {
        InvoiceReel r;
        r.slNo = int(rs.integer(QStringLiteral("invtrans_slno")));
        r.line = r.slNo;
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
                     {number, boundText(transId.trimmed()), m_unit, m_comp});
    return matched == 0 ? Corrected::NoSuchInvoice : Corrected::Corrected;
}

RecordSet InvoiceStore::list(const QDate &from, const QDate &to, const QString &reelText)
{
    const SqlCondition supplier = supplierHeadJoin(QStringLiteral("i.inv_supp_code"), m_comp, QStringLiteral("h"));
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
        + QStringLiteral(" h on ") + supplier.sql
        + QStringLiteral(" Inner Join (Select brand_code, min(brand_name) as brand_name From ") + t("inv_brandmaster")
        + QStringLiteral(" group by brand_code) b on b.brand_code=i.inv_brand_code");
    if (!reelText.isEmpty()) {
        // The reels of this invoice only: another unit's invoice may carry the same code.
        const SqlCondition reel = m_db.likeAnywhere(m_stores, QStringLiteral("inv_invoice_trans"),
                                                    QStringLiteral("r.invtrans_reel_no"), reelText);
        sql += QStringLiteral(" Inner Join ") + t("inv_invoice_trans")
            + QStringLiteral(" r on r.invtrans_id=i.inv_trans_id and r.unit_code=i.unit_code and "
                             "r.comp_code=i.comp_code and ")
            + reel.sql;
        values << reel.values;
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
        const SqlCondition named =
            m_db.likeAnywhere(m_stores, QStringLiteral("inv_brandmaster"), QStringLiteral("brand_name"), nameText);
        q.sql += QStringLiteral(" where ") + named.sql;
        q.values << named.values;
    }
    q.sql += QStringLiteral(" order by brand_name");
    return q;
}

InvoiceStore::BoxLengths InvoiceStore::boxLengths()
{
    BoxLengths lengths;
    lengths.boxes = m_db.boxLengths(
        m_stores, QStringLiteral("inv_invoice"),
        {{"TxInvoiceNo", "inv_invoice_no"}, {"TxSuppCode", "inv_supp_code"}, {"TxBrandCode", "inv_brand_code"}});
    lengths.reelNo =
        m_db.columnLengths(m_stores, QStringLiteral("inv_invoice_trans")).value(QStringLiteral("invtrans_reel_no"));
    return lengths;
}
