#include "OtherInvoiceStore.h"
#include "Desktop.h"
#include "GstGrid.h"
#include "RoundOff.h"
#include "TextLengths.h"
#include "mdlVelmora.h"

namespace {

// The header's columns that the clerk fills, as a new invoice and an edit store them.
ColumnValues headerColumns(const OtherInvoice &invoice)
{
    ColumnValues c;
    c.add("inv_invoice_no", boundText(invoice.invoiceNo.trimmed()))
        .add("inv_date", invoice.invoiceDate)
        .add("inv_receipt_date", invoice.receiptDate)
        .add("inv_supp_code", boundText(invoice.suppCode.trimmed()))
        .add("inv_gst_no", boundText(invoice.gstNo.trimmed()))
        .add("inv_tcs", boundDecimal(invoice.tcs))
        .add("inv_freight", boundDecimal(invoice.freight))
        .add("inv_narration", boundText(invoice.narration.trimmed()))
        .add("inv_round_plus", boundDecimal(invoice.roundPlus))
        .add("inv_round_minus", boundDecimal(invoice.roundMinus))
        .add("inv_gross_total", boundDecimal(invoice.grossTotal))
        .add("inv_cgst_amt", boundDecimal(invoice.cgst))
        .add("inv_sgst_amt", boundDecimal(invoice.sgst))
        .add("inv_igst_amt", boundDecimal(invoice.igst))
        .add("inv_net_total", boundDecimal(invoice.netTotal));
    return c;
}

} // namespace

OtherInvoiceStore::OtherInvoiceStore(Database &db, const DbName &storesDb, const DbName &accountsDb,
                                     const QString &compCode, const QString &unitCode, qint64 userId)
    : m_db(db), m_stores(storesDb), m_accounts(accountsDb), m_comp(compCode), m_unit(unitCode), m_user(userId)
{
}

OtherInvoiceStore OtherInvoiceStore::current()
{
    return OtherInvoiceStore(gConnection, gInvDbName, gAcDbName, gCompCode, gUnitCode, userIdNumber());
}

QString OtherInvoiceStore::seriesKey(const QString &compCode, const QString &unitCode)
{
    return QStringLiteral("INVP_") + compCode + u'_' + unitCode;
}

bool OtherInvoiceStore::acceptable(const OtherInvoice &invoice)
{
    for (const Decimal &d : {invoice.tcs, invoice.freight, invoice.roundPlus, invoice.roundMinus, invoice.grossTotal,
                             invoice.cgst, invoice.sgst, invoice.igst, invoice.netTotal})
        if (d.isNegative())
            return false;
    // The tax totals may be typed over; the grand total is still the sum of
    // the figures as stored.
    if (!RoundOff::addsUp(invoice.netTotal, {invoice.grossTotal, invoice.tcs, invoice.cgst, invoice.sgst, invoice.igst},
                          invoice.roundPlus, invoice.roundMinus))
        return false;
    // The gross is the counted lines' own, worked out as the window does.
    QList<GstGrid::LineCells> cells;
    for (const OtherInvoiceLine &l : invoice.lines)
        cells.append({l.qty.toString(), l.rate.toString(), l.cgstPer.toString(), l.sgstPer.toString(),
                      l.igstPer.toString()});
    try {
        if (Decimal::fromText(GstGrid::countedGross(cells)) != invoice.grossTotal)
            return false;
    } catch (const DecimalOverflow &) {
        return false;
    }
    for (const OtherInvoiceLine &l : invoice.lines) {
        if (l.itemCode.trimmed().isEmpty())
            return false;
        for (const Decimal &d :
             {l.qty, l.rate, l.cgstPer, l.cgstAmt, l.sgstPer, l.sgstAmt, l.igstPer, l.igstAmt, l.amount})
            if (d.isNegative())
                return false;
    }
    return true;
}

QHash<QString, int> OtherInvoiceStore::boxLengths()
{
    return m_db.boxLengths(
        m_stores, QStringLiteral("inv_invoice_gen"),
        {{"TxInvoiceNo", "inv_invoice_no"}, {"TxGST", "inv_gst_no"}, {"TxNarration", "inv_narration"}});
}

OtherInvoiceStore::Saved OtherInvoiceStore::saveNew(OtherInvoice &invoice)
{
    if (!acceptable(invoice))
        return Saved::Refused;
    // The number check spans every company and unit of the year, so every new
    // other-stores invoice of the year is serialised on it.
    return refusingTextTooLong(Saved::TooLong, [&] {
        return serialisedSave(m_db, t("inv_invoice_gen"), [&] { return saveNewOnce(invoice); });
    });
}

OtherInvoiceStore::Saved OtherInvoiceStore::saveNewOnce(OtherInvoice &invoice)
{
    Transaction tx(m_db);
    // Unique over the whole table: the lines and the reports name an invoice by its id alone.
    const QString code = ClaimCode(m_db, m_stores, seriesKey(m_comp, m_unit),
                                   {t("inv_invoice_gen"), QStringLiteral("inv_trans_id"), {}});
    const QString number = invoice.invoiceNo.trimmed();
    if (saveCheckFinds(m_db,
                       QStringLiteral("Select inv_trans_id from ") + t("inv_invoice_gen")
                           + QStringLiteral(" Where inv_invoice_no=?"),
                       {boundText(number)}))
        return Saved::DuplicateNumber;
    ColumnValues row;
    row.add("unit_code", m_unit).add("comp_code", m_comp).add("inv_trans_id", code).add(headerColumns(invoice));
    row.add("created_by", m_user).add("created_date", auditDate()).add("created_time", auditTime());
    m_db.execute(QStringLiteral("Insert into ") + t("inv_invoice_gen") + row.insertList(), row.values());
    insertLines(code, invoice.lines);
    tx.commit();
    invoice.transId = code;
    return Saved::Saved;
}

OtherInvoiceStore::Saved OtherInvoiceStore::saveEdit(const OtherInvoice &invoice)
{
    if (!acceptable(invoice))
        return Saved::Refused;
    return refusingTextTooLong(Saved::TooLong,
                               [&] { return retryOnLockConflict([&] { return saveEditOnce(invoice); }); });
}

OtherInvoiceStore::Saved OtherInvoiceStore::saveEditOnce(const OtherInvoice &invoice)
{
    const QString id = invoice.transId.trimmed();
    Transaction tx(m_db);
    // Locked before anything is written: a finalisation from another
    // workstation either waits for this save or is seen here.
    const std::optional<bool> finalized = storedFinalizeMark(m_db, marks(), id, m_unit, m_comp, MarkRead::ForUpdate);
    if (!finalized)
        return Saved::NoSuchInvoice;
    if (*finalized)
        return Saved::Finalized;
    ColumnValues row = headerColumns(invoice);
    row.add("modified_by", m_user).add("modified_date", auditDate()).add("modified_time", auditTime());
    const qint64 matched =
        m_db.execute(QStringLiteral("Update ") + t("inv_invoice_gen") + QStringLiteral(" Set ") + row.assignments()
                         + QStringLiteral(" Where inv_trans_id=? and unit_code=? and comp_code=?"),
                     row.values() + QVariantList{boundText(id), m_unit, m_comp});
    if (matched == 0)
        return Saved::NoSuchInvoice;
    m_db.execute(QStringLiteral("Delete From ") + t("inv_invoice_trans_gen")
                     + QStringLiteral(" where invtrans_id=? and unit_code=? and comp_code=?"),
                 {boundText(id), m_unit, m_comp});
    insertLines(id, invoice.lines);
    tx.commit();
    return Saved::Saved;
}

void OtherInvoiceStore::insertLines(const QString &transId, const QList<OtherInvoiceLine> &lines)
{
    QVariantList values;
    values.reserve(lines.size() * 14);
    int slNo = 0;
    for (const OtherInvoiceLine &l : lines) {
        // Numbered by their order on the invoice: 1, 2, 3 ... without gaps.
        values << m_unit << m_comp << transId << boundText(l.itemCode.trimmed()) << boundDecimal(l.qty)
               << boundDecimal(l.rate) << boundDecimal(l.cgstPer) << boundDecimal(l.cgstAmt) << boundDecimal(l.sgstPer)
               << boundDecimal(l.sgstAmt) << boundDecimal(l.igstPer) << boundDecimal(l.igstAmt)
               << boundDecimal(l.amount) << ++slNo;
    }
    insertRows(m_db,
               QStringLiteral("Insert into ") + t("inv_invoice_trans_gen")
                   + QStringLiteral("(unit_code, comp_code, invtrans_id, invtrans_item_code, invtrans_qty, "
                                    "invtrans_rate, invtrans_cgst_per, invtrans_cgst_amt, invtrans_sgst_per, "
                                    "invtrans_sgst_amt, invtrans_igst_per, invtrans_igst_amt, invtrans_amount, "
                                    "invtrans_slno) Values"),
               14, values);
}

std::optional<OtherInvoice> OtherInvoiceStore::loadRecord(const QString &transId)
{
    RecordSet head = m_db.query(
        QStringLiteral("Select g.*, h.ac_name From ") + t("inv_invoice_gen") + QStringLiteral(" g Inner Join ")
            + m_accounts.table("acc_accountheads")
            + QStringLiteral(" h on h.ac_code=g.inv_supp_code and h.ac_comp_code=?"
                             " where g.inv_trans_id=? and g.comp_code=? order by (g.unit_code=?) desc limit 1"),
        {m_comp, boundText(transId.trimmed()), m_comp, m_unit});
    if (!head.next())
        return std::nullopt;
    OtherInvoice inv;
    inv.transId = head.text(QStringLiteral("inv_trans_id"));
    inv.unitCode = head.text(QStringLiteral("unit_code"));
    inv.invoiceNo = head.text(QStringLiteral("inv_invoice_no"));
    inv.invoiceDate = head.date(QStringLiteral("inv_date"));
    inv.receiptDate = head.date(QStringLiteral("inv_receipt_date"));
    inv.suppCode = head.text(QStringLiteral("inv_supp_code"));
    inv.suppName = head.text(QStringLiteral("ac_name"));
    inv.gstNo = head.text(QStringLiteral("inv_gst_no"));
    inv.tcs = head.decimal(QStringLiteral("inv_tcs"));
    inv.freight = head.decimal(QStringLiteral("inv_freight"));
    inv.narration = head.text(QStringLiteral("inv_narration"));
    inv.roundPlus = head.decimal(QStringLiteral("inv_round_plus"));
    inv.roundMinus = head.decimal(QStringLiteral("inv_round_minus"));
    inv.grossTotal = head.decimal(QStringLiteral("inv_gross_total"));
    inv.cgst = head.decimal(QStringLiteral("inv_cgst_amt"));
    inv.sgst = head.decimal(QStringLiteral("inv_sgst_amt"));
    inv.igst = head.decimal(QStringLiteral("inv_igst_amt"));
    inv.netTotal = head.decimal(QStringLiteral("inv_net_total"));
    inv.finalized = head.integer(QStringLiteral("inv_finalize")) == 1;
    head.close();

    // The lines of this invoice only (another unit's invoice may carry the
    // id), each once whatever the master holds: a missing item still shows,
    // so that the next edit keeps it, and an item code of several companies
    // gives the invoice's company's name.
    RecordSet rs = m_db.query(
        QStringLiteral("Select l.*, (Select m.item_name From ") + t("inv_itemmaster")
            + QStringLiteral(" m where m.item_code=l.invtrans_item_code order by m.comp_code<>l.comp_code, "
                             "m.comp_code limit 1) as item_name From ")
            + t("inv_invoice_trans_gen")
            + QStringLiteral(" l where l.invtrans_id=? and l.unit_code=? and l.comp_code=? order by l.invtrans_slno"),
        {boundText(inv.transId), inv.unitCode, m_comp});
    while (rs.next()) {
        OtherInvoiceLine l;
        l.itemCode = rs.text(QStringLiteral("invtrans_item_code"));
        l.itemName = rs.text(QStringLiteral("item_name"));
        if (l.itemName.isEmpty())
            l.itemName = l.itemCode;
        l.qty = rs.decimal(QStringLiteral("invtrans_qty"));
        l.rate = rs.decimal(QStringLiteral("invtrans_rate"));
        l.cgstPer = rs.decimal(QStringLiteral("invtrans_cgst_per"));
        l.cgstAmt = rs.decimal(QStringLiteral("invtrans_cgst_amt"));
        l.sgstPer = rs.decimal(QStringLiteral("invtrans_sgst_per"));
        l.sgstAmt = rs.decimal(QStringLiteral("invtrans_sgst_amt"));
        l.igstPer = rs.decimal(QStringLiteral("invtrans_igst_per"));
        l.igstAmt = rs.decimal(QStringLiteral("invtrans_igst_amt"));
        l.amount = rs.decimal(QStringLiteral("invtrans_amount"));
        inv.lines << l;
    }
    return inv;
}

std::optional<bool> OtherInvoiceStore::isFinalized(const QString &transId)
{
    return storedFinalizeMark(m_db, marks(), transId, m_unit, m_comp);
}

bool OtherInvoiceStore::setFinalized(const QString &transId, bool finalized)
{
    return setFinalizeMarks(m_db, marks(), transId, m_unit, m_comp, finalized ? 1 : 0);
}

RecordSet OtherInvoiceStore::list(const QDate &from, const QDate &to, const QString &itemCode)
{
    QString sql = QStringLiteral("Select g.inv_trans_id, g.inv_invoice_no, g.inv_date, g.inv_receipt_date, h.ac_name, "
                                 "g.inv_gross_total, ifnull(g.inv_cgst_amt,0) as inv_cgst_amt, "
                                 "ifnull(g.inv_sgst_amt,0) as inv_sgst_amt, ifnull(g.inv_igst_amt,0) as inv_igst_amt, "
                                 "g.inv_net_total From ")
        + t("inv_invoice_gen") + QStringLiteral(" g Inner Join ") + m_accounts.table("acc_accountheads")
        + QStringLiteral(" h on h.ac_code=g.inv_supp_code and h.ac_comp_code=g.comp_code"
                         " where g.comp_code=? and g.unit_code=? and g.inv_date>=? and g.inv_date<=?");
    QVariantList values{m_comp, m_unit, from, to};
    if (!itemCode.isEmpty()) {
        // Once per invoice, however many of its lines hold the item.
        sql += QStringLiteral(" and exists (Select 1 From ") + t("inv_invoice_trans_gen")
            + QStringLiteral(" l where l.invtrans_item_code=? and l.comp_code=g.comp_code and l.unit_code=g.unit_code"
                             " and l.invtrans_id=g.inv_trans_id)");
        values << itemCode;
    }
    sql += QStringLiteral(" order by g.inv_trans_id");
    return m_db.query(sql, values);
}

SqlCondition OtherInvoiceStore::supplierLookup(const QString &nameText) const
{
    return supplierLookupQuery(m_accounts, m_comp, QStringLiteral("ac_code,ac_name,ac_gst"), nameText);
}
