#include "BillReportStore.h"
#include "Desktop.h"
#include "SupplierHeads.h"
#include "mdlVelmora.h"

namespace {

// Where a kind of bill lives and which of its columns the reports read.
struct BillTable {
    const char *table;
    const char *key;
    const char *amount;
};

BillTable tableOf(BillKind kind)
{
    switch (kind) {
    case BillKind::Newsprint: return {"inv_invoice", "inv_trans_id", "inv_grand_total"};
    case BillKind::OtherStores: return {"inv_invoice_gen", "inv_trans_id", "inv_net_total"};
    case BillKind::FixedAssets:
    case BillKind::None: break;
    }
    return {"inv_asset", "inv_code", "inv_grand_total"};
}

// Statement text and its values, built half by half in placeholder order.
struct Statement {
    QString sql;
    QVariantList values;

    Statement &operator<<(const QString &text)
    {
        sql += text;
        return *this;
    }
    void bind(const QVariant &v) { values << v; }
};

// " FROM <bills> b INNER JOIN <heads> h ON ..." for one year: the bill's
// supplier is a head of the current company in the same year's accounts
// database, one row per code, so no bill is counted twice.
void billsWithHeads(Statement &s, const BillYear &year, const BillTable &t, const QString &comp)
{
    const SqlCondition head = supplierHeadJoin(QStringLiteral("b.inv_supp_code"), comp, QStringLiteral("h"));
    s << QStringLiteral(" FROM ") << year.stores.table(t.table) << QStringLiteral(" b INNER JOIN ")
      << year.accounts.table("acc_accountheads") << QStringLiteral(" h ON ") << head.sql;
    s.values += head.values;
    s << QStringLiteral(" WHERE b.comp_code=?");
    s.bind(comp);
}

void narrow(Statement &s, const char *condition, const std::optional<QString> &value)
{
    if (value) {
        s << QLatin1String(condition);
        s.bind(*value);
    }
}

// The years whose payment tables hold a bill's payments, the bill's own year
// first: a bill of the current year is paid in it alone, a bill of the
// previous year in its own year and in the current one.
QList<int> paymentYears(int billYear)
{
    return billYear == 0 ? QList<int>{0} : QList<int>{billYear, 0};
}

// Per supplier: the count and the sum; the name of the current year's head
// when the supplier has one there.
const QString kSummaryHead =
    QStringLiteral("SELECT ac_code, COALESCE(MAX(CASE WHEN yr=0 THEN ac_name END), MAX(ac_name)) AS supp_name, "
                   "COUNT(*) AS tot_bill, COALESCE(SUM(amt), 0) AS tot_amt FROM (");
const QString kSummaryTail = QStringLiteral(") ss GROUP BY ac_code ORDER BY supp_name, ac_code");

} // namespace

BillReportStore::BillReportStore(Database &db, QList<BillYear> years, const QString &compCode)
    : m_db(db), m_years(std::move(years)), m_comp(compCode)
{
}

BillReportStore BillReportStore::current()
{
    return BillReportStore(gConnection, billYears(), gCompCode);
}

BillSource BillReportStore::sourceOf(qint64 year) const
{
    if (year < 0 || year >= m_years.size())
        return {};
    return {m_years.at(int(year)).stores, m_years.at(int(year)).accounts};
}

LookupQuery BillReportStore::supplierLookup(const QString &nameText) const
{
    return ReportStore::supplierLookup(m_years.first().accounts, m_comp, nameText);
}

LookupQuery BillReportStore::billsBySupplierQuery(const BillFilter &f) const
{
    const BillTable t = tableOf(BillKind::FixedAssets);
    Statement s;
    s << kSummaryHead;
    for (int i = 0; i < m_years.size(); ++i) {
        if (i > 0)
            s << QStringLiteral(" UNION ALL ");
        s << QStringLiteral("SELECT %1 AS yr, h.ac_code, h.ac_name, b.inv_grand_total AS amt").arg(i);
        billsWithHeads(s, m_years.at(i), t, m_comp);
        s << QStringLiteral(" AND b.inv_date>=? AND b.inv_date<=?");
        s.bind(sqlDate(f.from));
        s.bind(sqlDate(f.to));
        narrow(s, " AND b.inv_supp_code=?", f.supplierCode);
    }
    s << kSummaryTail;
    return {s.sql, s.values};
}

LookupQuery BillReportStore::pendingBillsQuery(BillKind kind, const std::optional<QString> &unitCode,
                                               const std::optional<QString> &supplierCode) const
{
    const BillTable t = tableOf(kind);
    Statement s;
    s << kSummaryHead;
    for (int i = 0; i < m_years.size(); ++i) {
        if (i > 0)
            s << QStringLiteral(" UNION ALL ");
        s << QStringLiteral("SELECT %1 AS yr, h.ac_code, h.ac_name, b.%2 AS amt").arg(i).arg(QLatin1String(t.amount));
        billsWithHeads(s, m_years.at(i), t, m_comp);
        // Unpaid fixed-asset bills of every unit; the other kinds by unit.
        if (kind == BillKind::FixedAssets)
            s << QStringLiteral(" AND b.inv_chq_rec=0");
        else
            narrow(s, " AND b.unit_code=?", unitCode);
        narrow(s, " AND b.inv_supp_code=?", supplierCode);
    }
    s << kSummaryTail;
    return {s.sql, s.values};
}

LookupQuery BillReportStore::billDetailsQuery(const BillFilter &f) const
{
    const BillTable t = tableOf(BillKind::FixedAssets);
    Statement s;
    s << QStringLiteral("SELECT yr, inv_code, inv_date, inv_invoice_no, inv_grand_total, ac_name, py, voucher_no, "
                        "adjust_amount, voucher_chq_no FROM (");
    for (int i = 0; i < m_years.size(); ++i) {
        if (i > 0)
            s << QStringLiteral(" UNION ALL ");
        s << QStringLiteral("SELECT %1 AS yr, b.inv_code, b.inv_date, b.inv_invoice_no, b.inv_grand_total, "
                            "h.ac_name, p.py, p.voucher_no, p.adjust_amount, p.voucher_chq_no")
                 .arg(i);
        // The payments are joined before the conditions' values are bound:
        // their text has no placeholders.
        QString payments;
        for (int j : paymentYears(i)) {
            if (!payments.isEmpty())
                payments += QStringLiteral(" UNION ALL ");
            payments += QStringLiteral("SELECT %1 AS py, a.inv_no, a.voucher_no, a.adjust_amount, v.voucher_chq_no "
                                       "FROM %2 a INNER JOIN %3 v ON v.voucher_no=a.voucher_no")
                            .arg(j)
                            .arg(m_years.at(j).stores.table("inv_asset_adjustbill"),
                                 m_years.at(j).accounts.table("acc_voucher"));
        }
        const SqlCondition head = supplierHeadJoin(QStringLiteral("b.inv_supp_code"), m_comp, QStringLiteral("h"));
        s << QStringLiteral(" FROM ") << m_years.at(i).stores.table(t.table) << QStringLiteral(" b INNER JOIN ")
          << m_years.at(i).accounts.table("acc_accountheads") << QStringLiteral(" h ON ") << head.sql
          << QStringLiteral(" LEFT JOIN (") << payments
          << QStringLiteral(") p ON p.inv_no=b.inv_code WHERE b.comp_code=?");
        s.values += head.values;
        s.bind(m_comp);
        s << QStringLiteral(" AND b.inv_date>=? AND b.inv_date<=?");
        s.bind(sqlDate(f.from));
        s.bind(sqlDate(f.to));
        narrow(s, " AND b.unit_code=?", f.unitCode);
        narrow(s, " AND b.inv_supp_code=?", f.supplierCode);
    }
    // A bill's own year's payments first, then the current year's.
    s << QStringLiteral(") bills ORDER BY inv_date, inv_code, yr, py DESC, voucher_no, voucher_chq_no, adjust_amount");
    return {s.sql, s.values};
}

LookupQuery BillReportStore::pendingInvoicesQuery(BillKind kind, const std::optional<QString> &unitCode,
                                                  const std::optional<QString> &supplierCode) const
{
    const BillTable t = tableOf(kind);
    Statement s;
    s << QStringLiteral("SELECT yr, inv_code, inv_date, inv_invoice_no, amt, ac_name, generated FROM (");
    for (int i = 0; i < m_years.size(); ++i) {
        if (i > 0)
            s << QStringLiteral(" UNION ALL ");
        QString generated = QStringLiteral("0");
        if (kind == BillKind::FixedAssets) {
            QStringList exists;
            for (int j : paymentYears(i))
                exists << QStringLiteral("EXISTS (SELECT 1 FROM %1 a WHERE a.inv_no=b.inv_code)")
                              .arg(m_years.at(j).stores.table("inv_asset_adjustbill"));
            generated = QStringLiteral("(") + exists.join(QStringLiteral(" OR ")) + u')';
        }
        s << QStringLiteral("SELECT %1 AS yr, b.%2 AS inv_code, b.inv_date, b.inv_invoice_no, b.%3 AS amt, "
                            "h.ac_name, %4 AS generated")
                 .arg(i)
                 .arg(QLatin1String(t.key), QLatin1String(t.amount), generated);
        billsWithHeads(s, m_years.at(i), t, m_comp);
        s << QStringLiteral(" AND b.inv_chq_rec=0");
        narrow(s, " AND b.unit_code=?", unitCode);
        narrow(s, " AND b.inv_supp_code=?", supplierCode);
    }
    s << QStringLiteral(") bills ORDER BY inv_date, inv_code, yr");
    return {s.sql, s.values};
}

QList<BillSummaryRow> BillReportStore::summary(const LookupQuery &q)
{
    RecordSet rs = m_db.query(q.sql, q.values);
    QList<BillSummaryRow> rows;
    while (rs.next()) {
        BillSummaryRow r;
        r.acCode = rs.text(0);
        r.acName = rs.text(1);
        r.bills = Decimal::fromText(rs.text(2)).truncated();
        r.amount = Decimal::fromText(rs.text(3));
        rows.append(r);
    }
    return rows;
}

QList<BillSummaryRow> BillReportStore::billsBySupplier(const BillFilter &f)
{
    return summary(billsBySupplierQuery(f));
}

QList<BillSummaryRow> BillReportStore::pendingBills(BillKind kind, const std::optional<QString> &unitCode,
                                                    const std::optional<QString> &supplierCode)
{
    return summary(pendingBillsQuery(kind, unitCode, supplierCode));
}

void BillReportStore::billDetails(const BillFilter &f, const std::function<void(const BillDetail &)> &bill)
{
    const LookupQuery q = billDetailsQuery(f);
    RecordSet rs = m_db.query(q.sql, q.values);
    BillDetail current;
    qint64 currentYear = -1;
    bool any = false;
    while (rs.next()) {
        const qint64 year = Decimal::fromText(rs.text(0)).truncated();
        const QString code = rs.text(1);
        if (!any || year != currentYear || code != current.code) {
            if (any)
                bill(current);
            any = true;
            currentYear = year;
            current = BillDetail();
            current.source = sourceOf(year);
            current.code = code;
            current.date = rs.date(QStringLiteral("inv_date"));
            current.invoiceNo = rs.text(3);
            current.amount = Decimal::fromText(rs.text(4));
            current.acName = rs.text(5);
        }
        if (!rs.isNull(QStringLiteral("py")))
            current.payments.append({rs.text(9), Decimal::fromText(rs.text(8)), rs.text(7)});
    }
    if (any)
        bill(current);
}

void BillReportStore::pendingInvoices(BillKind kind, const std::optional<QString> &unitCode,
                                      const std::optional<QString> &supplierCode,
                                      const std::function<void(const PendingInvoice &)> &row)
{
    const LookupQuery q = pendingInvoicesQuery(kind, unitCode, supplierCode);
    RecordSet rs = m_db.query(q.sql, q.values);
    while (rs.next()) {
        PendingInvoice r;
        r.source = sourceOf(Decimal::fromText(rs.text(0)).truncated());
        r.code = rs.text(1);
        r.date = rs.date(QStringLiteral("inv_date"));
        r.invoiceNo = rs.text(3);
        r.amount = Decimal::fromText(rs.text(4));
        r.acName = rs.text(5);
        r.generated = rs.text(6) != u"0" && !rs.text(6).isEmpty();
        row(r);
    }
}
