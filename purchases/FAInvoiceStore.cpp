#include "FAInvoiceStore.h"
#include "Desktop.h"
#include "RoundOff.h"
#include "TextLengths.h"
#include "mdlVelmora.h"

namespace {

// The bill's columns that the clerk fills, as a new bill and an edit store them.
ColumnValues headerColumns(const FABill &bill)
{
    ColumnValues c;
    c.add("inv_invoice_no", boundText(bill.invoiceNo.trimmed()))
        .add("inv_po", boundText(bill.po.trimmed()))
        .add("inv_po_date", bill.poDate)
        .add("inv_supp_code", boundText(bill.suppCode.trimmed()))
        .add("inv_date", bill.invoiceDate)
        .add("inv_receipt_date", bill.receiptDate)
        .add("inv_narration", boundText(bill.narration.trimmed()))
        .add("inv_freight", boundDecimal(bill.freight))
        .add("inv_vat", boundDecimal(bill.vat))
        .add("inv_cess", boundDecimal(bill.cess))
        .add("inv_total", boundDecimal(bill.total))
        .add("inv_round_plus", boundDecimal(bill.roundPlus))
        .add("inv_round_minus", boundDecimal(bill.roundMinus))
        .add("inv_grand_total", boundDecimal(bill.grandTotal));
    return c;
}

} // namespace

FAInvoiceStore::FAInvoiceStore(Database &db, const DbName &storesDb, const DbName &accountsDb,
                               const DbName &prevAccountsDb, const QString &compCode, const QString &unitCode,
                               qint64 userId)
    : m_db(db), m_stores(storesDb), m_accounts(accountsDb), m_prevAccounts(prevAccountsDb), m_comp(compCode),
      m_unit(unitCode), m_user(userId)
{
}

FAInvoiceStore FAInvoiceStore::current()
{
    return FAInvoiceStore(gConnection, gInvDbName, gAcDbName, gPrevAcDbName, gCompCode, gUnitCode, userIdNumber());
}

QString FAInvoiceStore::seriesKey(const QString &compCode, const QString &unitCode)
{
    return QStringLiteral("INVA_") + compCode + u'_' + unitCode;
}

bool FAInvoiceStore::acceptable(const FABill &bill)
{
    try {
        Decimal gross;
        // The columns keep two decimals: a figure with more would be stored
        // as another number than the one its line was checked with.
        const auto toPaisa = [](const Decimal &d) { return d == d.rounded(2); };
        for (const FABillLine &l : bill.lines) {
            if (l.itemCode.trimmed().isEmpty() || l.brandCode.trimmed().isEmpty() || l.qty.isZero() || l.rate.isZero()
                || l.qty.isNegative() || l.rate.isNegative() || !toPaisa(l.qty) || !toPaisa(l.rate)
                || !toPaisa(l.amount) || l.amount != (l.qty * l.rate).rounded(2))
                return false;
            gross += l.amount;
        }
        if (bill.total.rounded(2) != gross)
            return false;
    } catch (const DecimalOverflow &) {
        return false;
    }
    return RoundOff::addsUp(bill.grandTotal, {bill.total, bill.freight, bill.vat, bill.cess}, bill.roundPlus,
                            bill.roundMinus);
}

FAInvoiceStore::BoxLengths FAInvoiceStore::boxLengths()
{
    BoxLengths lengths;
    lengths.boxes =
        m_db.boxLengths(m_stores, QStringLiteral("inv_asset"),
                        {{"TxInvoiceNo", "inv_invoice_no"}, {"TxPO", "inv_po"}, {"TxNarration", "inv_narration"}});
    lengths.description =
        m_db.columnLengths(m_stores, QStringLiteral("inv_asset_trans")).value(QStringLiteral("invtrans_narration"));
    return lengths;
}

FAInvoiceStore::Saved FAInvoiceStore::saveNew(FABill &bill)
{
    if (!acceptable(bill))
        return Saved::Refused;
    // The number check spans the whole year, so every new bill of the year is serialised.
    return refusingTextTooLong(Saved::TooLong,
                               [&] { return serialisedSave(m_db, t("inv_asset"), [&] { return saveNewOnce(bill); }); });
}

FAInvoiceStore::Saved FAInvoiceStore::saveNewOnce(FABill &bill)
{
    Transaction tx(m_db);
    // Lines and payments name a bill by its code alone: the code is claimed
    // free over every company and unit of the year.
    const QString code =
        ClaimCode(m_db, m_stores, seriesKey(m_comp, m_unit), {t("inv_asset"), QStringLiteral("inv_code"), {}});
    const QString number = bill.invoiceNo.trimmed();
    if (saveCheckFinds(
            m_db, QStringLiteral("Select inv_code from ") + t("inv_asset") + QStringLiteral(" where inv_invoice_no=?"),
            {boundText(number)}))
        return Saved::DuplicateNumber;
    ColumnValues row;
    row.add("unit_code", m_unit).add("comp_code", m_comp).add("inv_code", code).add(headerColumns(bill));
    row.add("created_by", m_user).add("created_date", auditDate()).add("created_time", auditTime());
    m_db.execute(QStringLiteral("Insert into ") + t("inv_asset") + row.insertList(), row.values());
    insertLines(code, bill.lines);
    tx.commit();
    bill.code = code;
    return Saved::Saved;
}

FAInvoiceStore::Saved FAInvoiceStore::saveEdit(const FABill &bill)
{
    if (!acceptable(bill))
        return Saved::Refused;
    return refusingTextTooLong(Saved::TooLong, [&] { return retryOnLockConflict([&] { return saveEditOnce(bill); }); });
}

FAInvoiceStore::Saved FAInvoiceStore::saveEditOnce(const FABill &bill)
{
    const QString code = bill.code.trimmed();
    Transaction tx(m_db);
    // Another workstation may have finalised the bill since it was loaded.
    const std::optional<bool> finalized =
        storedFinalizeMark(m_db, marks(m_stores), code, m_unit, m_comp, MarkRead::ForUpdate);
    if (!finalized)
        return Saved::NoSuchBill;
    if (*finalized)
        return Saved::Finalized;
    ColumnValues row = headerColumns(bill);
    row.add("modified_by", m_user).add("modified_date", auditDate()).add("modified_time", auditTime());
    const qint64 matched =
        m_db.execute(QStringLiteral("Update ") + t("inv_asset") + QStringLiteral(" set ") + row.assignments()
                         + QStringLiteral(" where inv_code=? and unit_code=? and comp_code=?"),
                     row.values() + QVariantList{boundText(code), m_unit, m_comp});
    if (matched == 0)
        return Saved::NoSuchBill;
    m_db.execute(QStringLiteral("Delete from ") + t("inv_asset_trans")
                     + QStringLiteral(" where invtrans_id=? and unit_code=? and comp_code=?"),
                 {boundText(code), m_unit, m_comp});
    insertLines(code, bill.lines);
    tx.commit();
    return Saved::Saved;
}

void FAInvoiceStore::insertLines(const QString &code, const QList<FABillLine> &lines)
{
    QVariantList values;
    values.reserve(lines.size() * 12);
    int slNo = 0;
    for (const FABillLine &l : lines) {
        // The warranty column keeps 'yyyy-mm-dd', or the empty text for none.
        const QString warranty = l.warranty.isValid() ? sqlDate(l.warranty) : QStringLiteral("");
        // Lines are numbered by their order: 1, 2, 3 ... without gaps.
        values << m_unit << m_unit << m_comp << code << boundText(l.itemCode.trimmed())
               << boundText(l.brandCode.trimmed()) << boundText(l.narration.trimmed()) << warranty
               << boundDecimal(l.qty) << boundDecimal(l.rate) << boundDecimal(l.amount) << ++slNo;
    }
    insertRows(m_db,
               QStringLiteral("Insert into ") + t("inv_asset_trans")
                   + QStringLiteral("(unit_code, invtrans_unit_code, comp_code, invtrans_id, invtrans_item_code, "
                                    "invtrans_brand_code, invtrans_narration, invtrans_war_date, invtrans_qty, "
                                    "invtrans_rate, invtrans_amount, invtrans_slno) Values"),
               12, values);
}

QString FAInvoiceStore::paymentsSum(const QList<DbName> &years, const QString &codeExpression)
{
    QStringList sums;
    for (const DbName &y : years)
        sums << QStringLiteral("(Select ifnull(sum(p.adjust_amount),0) From ") + y.table("inv_asset_adjustbill")
                + QStringLiteral(" p where p.inv_no=") + codeExpression
                + QStringLiteral(" and p.adjust_cancel_flag=0)");
    return sums.isEmpty() ? QStringLiteral("0") : sums.join(QStringLiteral(" + "));
}

std::optional<FABill> FAInvoiceStore::loadRecord(const QString &code, const DbName &billStores,
                                                 const QList<DbName> &paymentYears)
{
    const DbName stores = billStores.isEmpty() ? m_stores : billStores;
    const DbName accounts = stores == m_stores || m_prevAccounts.isEmpty() ? m_accounts : m_prevAccounts;
    RecordSet head = m_db.query(QStringLiteral("Select a.*, h.ac_name, u.user_name, ")
                                    + paymentsSum(paymentYears, QStringLiteral("a.inv_code"))
                                    + QStringLiteral(" as adjusted From ") + stores.table("inv_asset")
                                    + QStringLiteral(" a Inner Join ") + accounts.table("acc_accountheads")
                                    + QStringLiteral(" h on h.ac_code=a.inv_supp_code and h.ac_comp_code=?"
                                                     " Left Join velmora.userdetails u on u.user_id=a.created_by"
                                                     " where a.inv_code=? and a.comp_code=?"),
                                {m_comp, boundText(code.trimmed()), m_comp});
    if (!head.next())
        return std::nullopt;
    FABill b;
    b.code = head.text(QStringLiteral("inv_code"));
    b.unitCode = head.text(QStringLiteral("unit_code"));
    b.compCode = head.text(QStringLiteral("comp_code"));
    b.invoiceNo = head.text(QStringLiteral("inv_invoice_no"));
    b.po = head.text(QStringLiteral("inv_po"));
    b.poDate = head.date(QStringLiteral("inv_po_date"));
    b.invoiceDate = head.date(QStringLiteral("inv_date"));
    b.receiptDate = head.date(QStringLiteral("inv_receipt_date"));
    b.suppCode = head.text(QStringLiteral("inv_supp_code"));
    b.suppName = head.text(QStringLiteral("ac_name"));
    b.narration = head.text(QStringLiteral("inv_narration"));
    b.freight = head.decimal(QStringLiteral("inv_freight"));
    b.vat = head.decimal(QStringLiteral("inv_vat"));
    b.cess = head.decimal(QStringLiteral("inv_cess"));
    b.total = head.decimal(QStringLiteral("inv_total"));
    b.roundPlus = head.decimal(QStringLiteral("inv_round_plus"));
    b.roundMinus = head.decimal(QStringLiteral("inv_round_minus"));
    b.grandTotal = head.decimal(QStringLiteral("inv_grand_total"));
    b.finalized = head.integer(QStringLiteral("inv_finalize")) == 1;
    b.chequeReceived = head.integer(QStringLiteral("inv_chq_rec")) == 1;
    b.adjusted = head.decimal(QStringLiteral("adjusted"));
    b.preparedBy = head.text(QStringLiteral("user_name"));
    head.close();

    // Masters are joined by the code alone; a code that two companies hold
    // gives the bill's company's name, so no line shows twice, and a line
    // whose master row is missing still loads, so an edit keeps it.
    RecordSet rs = m_db.query(
        QStringLiteral("Select t.*, (Select m.item_name From ") + stores.table("inv_itemmaster")
            + QStringLiteral(" m where m.item_code=t.invtrans_item_code order by (m.comp_code=?) desc, m.comp_code "
                             "limit 1) as item_name, (Select r.brand_name From ")
            + stores.table("inv_brandmaster")
            + QStringLiteral(" r where r.brand_code=t.invtrans_brand_code order by (r.comp_code=?) desc, r.comp_code "
                             "limit 1) as brand_name From ")
            + stores.table("inv_asset_trans") + QStringLiteral(" t where t.invtrans_id=? order by t.invtrans_slno"),
        {m_comp, m_comp, boundText(b.code)});
    while (rs.next()) {
        FABillLine l;
        l.slNo = int(rs.integer(QStringLiteral("invtrans_slno")));
        l.itemCode = rs.text(QStringLiteral("invtrans_item_code"));
        l.itemName = rs.text(QStringLiteral("item_name"));
        l.brandCode = rs.text(QStringLiteral("invtrans_brand_code"));
        l.brandName = rs.text(QStringLiteral("brand_name"));
        l.narration = rs.text(QStringLiteral("invtrans_narration"));
        const QString warranty = rs.text(QStringLiteral("invtrans_war_date")).trimmed();
        if (!warranty.isEmpty())
            l.warranty = QDate::fromString(warranty, QStringLiteral("yyyy-MM-dd"));
        l.qty = rs.decimal(QStringLiteral("invtrans_qty"));
        l.rate = rs.decimal(QStringLiteral("invtrans_rate"));
        l.amount = rs.decimal(QStringLiteral("invtrans_amount"));
        b.lines << l;
    }
    return b;
}

std::optional<bool> FAInvoiceStore::isFinalized(const QString &code)
{
    return storedFinalizeMark(m_db, marks(m_stores), code, m_unit, m_comp);
}

bool FAInvoiceStore::finalize(const DbName &billStores, const QString &unitCode, const QString &compCode,
                              const QString &code)
{
    return setFinalizeMarks(m_db, marks(billStores), code, unitCode, compCode, 1);
}

FAInvoiceStore::Cheque FAInvoiceStore::chequeReceived(const DbName &billStores, const QString &unitCode,
                                                      const QString &compCode, const QString &code,
                                                      const QList<DbName> &paymentYears)
{
    const QVariantList key{boundText(code.trimmed()), unitCode, compCode};
    return retryOnLockConflict([&] { return chequeReceivedOnce(billStores, key, paymentYears); });
}

FAInvoiceStore::Cheque FAInvoiceStore::chequeReceivedOnce(const DbName &billStores, const QVariantList &key,
                                                          const QList<DbName> &paymentYears)
{
    Transaction tx(m_db);
    // The payments are read under the bill's lock, so the mark always matches
    // what was paid when it was set.
    RecordSet rs = m_db.query(QStringLiteral("Select a.inv_grand_total, a.inv_chq_rec, ")
                                  + paymentsSum(paymentYears, QStringLiteral("a.inv_code"))
                                  + QStringLiteral(" as adjusted From ") + billStores.table("inv_asset")
                                  + QStringLiteral(" a where a.inv_code=? and a.unit_code=? and a.comp_code=? "
                                                   "FOR UPDATE"),
                              key);
    if (!rs.next())
        return Cheque::NoSuchBill;
    if (rs.flag(QStringLiteral("inv_chq_rec")))
        return Cheque::AlreadyMarked;
    if (rs.decimal(QStringLiteral("adjusted")) != rs.decimal(QStringLiteral("inv_grand_total")))
        return Cheque::NotPaid;
    rs.close();
    if (m_db.execute(QStringLiteral("Update ") + billStores.table("inv_asset")
                         + QStringLiteral(" set inv_chq_rec=1 where inv_code=? and unit_code=? and comp_code=?"),
                     key)
        == 0)
        return Cheque::NoSuchBill;
    tx.commit();
    return Cheque::Marked;
}

SqlCondition FAInvoiceStore::supplierLookup(const QString &nameText) const
{
    return supplierLookupQuery(m_accounts, m_comp, QStringLiteral("ac_code,ac_name"), nameText);
}
