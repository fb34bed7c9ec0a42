#include "NewsprintReportStore.h"
#include "mdlVelmora.h"
#include "Desktop.h"
#include "SupplierHeads.h"

using ReportStore::masterNames;

NewsprintReportStore::NewsprintReportStore(Database &db, const DbName &storesDb, const DbName &accountsDb,
                                           const QString &compCode)
    : m_db(db), m_stores(storesDb), m_accounts(accountsDb), m_comp(compCode)
{
}

QList<ProductEntry> NewsprintReportStore::products()
{
    RecordSet rs = m_db.query(QStringLiteral("SELECT product_code, product_name FROM velmora.productmaster "
                                             "ORDER BY product_priority, product_code"));
    QList<ProductEntry> list;
    while (rs.next())
        list.append({rs.text(0), rs.text(1)});
    return list;
}

LookupQuery NewsprintReportStore::consumptionQuery(const ConsumptionFilter &f) const
{
    QVariantList v{m_comp, sqlDate(f.from), sqlDate(f.to)};
    QStringList marks;
    for (const QString &p : f.products) {
        marks << QStringLiteral("?");
        v << p;
    }
    QString narrow;
    if (f.unitCode) {
        narrow += QStringLiteral(" AND cons_unit_code=?");
        v << *f.unitCode;
    }
    if (!f.productCode.isEmpty()) {
        narrow += QStringLiteral(" AND cons_pdt_code=?");
        v << f.productCode;
    }
    if (!f.reelNo.trimmed().isEmpty()) {
        const SqlCondition reel = m_db.likeAnywhere(m_stores, QStringLiteral("inv_consumption"),
                                                    QStringLiteral("cons_reel_no"), f.reelNo.trimmed());
        narrow += QStringLiteral(" AND ") + reel.sql;
        v << reel.values;
    }
    v << m_comp << m_comp;
    // The sums are taken per reel, product and unit before any master is
    // joined, so no joined row can multiply them.
    const QString sql =
        QStringLiteral(
            "SELECT c.cons_date, c.cons_qty, c.cons_amt, c.cons_rate, c.cons_pdt_code, c.cons_reel_no, "
            "b.name AS brand_name, c.cons_unit_code "
            "FROM (SELECT cons_reel_no, cons_inv_no, unit_code, cons_pdt_code, cons_unit_code, MIN(cons_date) AS cons_date, "
            "SUM(cons_qty) AS cons_qty, SUM(cons_amt) AS cons_amt, MAX(cons_rate) AS cons_rate "
            "FROM %1 WHERE comp_code=? AND cons_date>=? AND cons_date<=? AND cons_cancel_flag=0 AND cons_pdt_code IN "
            "(%2)%3 "
            "GROUP BY cons_reel_no, cons_inv_no, unit_code, cons_pdt_code, cons_unit_code) c "
            "INNER JOIN %4 t ON t.invtrans_reel_no=c.cons_reel_no AND t.invtrans_id=c.cons_inv_no AND t.comp_code=? "
            "AND t.invtrans_unit_code=c.unit_code "
            "INNER JOIN %5 i ON i.inv_trans_id=t.invtrans_id AND i.comp_code=t.comp_code AND i.unit_code=t.unit_code "
            "INNER JOIN %6 b ON b.code=i.inv_brand_code "
            "ORDER BY b.name, c.cons_date, c.cons_reel_no, c.cons_inv_no, c.unit_code, c.cons_pdt_code, c.cons_unit_code")
            .arg(m_stores.table("inv_consumption"), marks.join(u','), narrow, m_stores.table("inv_invoice_trans"),
                 m_stores.table("inv_invoice"),
                 masterNames(m_stores.table("inv_brandmaster"), "brand_code", "brand_name"));
    return {sql, v};
}

void NewsprintReportStore::consumption(const ConsumptionFilter &f,
                                       const std::function<void(const ConsumptionRow &)> &row)
{
    const LookupQuery q = consumptionQuery(f);
    RecordSet rs = m_db.query(q.sql, q.values);
    while (rs.next()) {
        ConsumptionRow r;
        r.date = rs.date(QStringLiteral("cons_date"));
        r.qty = rs.decimal(QStringLiteral("cons_qty"));
        r.amount = rs.decimal(QStringLiteral("cons_amt"));
        r.rate = rs.decimal(QStringLiteral("cons_rate"));
        r.productCode = rs.text(QStringLiteral("cons_pdt_code"));
        r.reelNo = rs.text(QStringLiteral("cons_reel_no"));
        r.brandName = rs.text(QStringLiteral("brand_name"));
        r.unitCode = rs.text(QStringLiteral("cons_unit_code"));
        row(r);
    }
}

LookupQuery NewsprintReportStore::stockQuery(const StockFilter &f) const
{
    // Press: what the valid bookings took from the reel, as the consumption
    // entry counts it; a cancelled booking gives its quantity back. One
    // correlated sum per reel reads the covering booking index only.
    // A booking belongs to the reel of its company lying in its unit: ids and
    // reel numbers repeat across units and companies.
    const QString booked = QStringLiteral("(SELECT SUM(c.cons_qty) FROM %1 c WHERE c.cons_inv_no=t.invtrans_id "
                                          "AND c.cons_reel_no=t.invtrans_reel_no AND c.comp_code=t.comp_code "
                                          "AND c.unit_code=t.invtrans_unit_code AND c.cons_cancel_flag=0)")
                               .arg(m_stores.table("inv_consumption"));
    const QString consumed = f.press ? QStringLiteral(", ") + booked + QStringLiteral(" AS tot_qty") : QString();
    const SqlCondition supplier = supplierHeadJoin(QStringLiteral("i.inv_supp_code"), m_comp, QStringLiteral("a"));
    QVariantList v{m_comp, m_comp, m_comp};
    v += supplier.values;
    v << m_comp << m_comp;
    QString where = QStringLiteral("t.comp_code=? AND t.invtrans_finalize=1 AND t.invtrans_cons_flag=%1 "
                                   "AND t.invtrans_util_flag=0")
                        .arg(f.press ? 1 : 0);
    const struct {
        const std::optional<QString> &value;
        const char *condition;
    } filters[] = {
        {f.unitCode, " AND t.invtrans_unit_code=?"},     {f.supplierCode, " AND a.ac_code=?"},
        {f.brandCode, " AND i.inv_brand_code=?"},        {f.gsmCode, " AND t.invtrans_gsm=?"},
        {f.reelTypeCode, " AND t.invtrans_reel_type=?"},
    };
    for (const auto &filter : filters) {
        if (filter.value) {
            where += QLatin1String(filter.condition);
            v << *filter.value;
        }
    }
    if (!f.search.isEmpty()) {
        const QString reels = QStringLiteral("inv_invoice_trans");
        const SqlCondition found =
            anyOf({m_db.likeAnywhere(m_stores, reels, QStringLiteral("t.invtrans_reel_no"), f.search),
                   m_db.likeAnywhere(m_stores, reels, QStringLiteral("t.invtrans_id"), f.search)});
        where += QStringLiteral(" AND ") + found.sql;
        v << found.values;
    }
    // Listed while weight is left; a reel without a valid booking has all of it.
    if (f.press)
        where += QStringLiteral(" AND COALESCE(t.invtrans_weight-") + booked + QStringLiteral(",1)>0");
    QString sql =
        QStringLiteral("SELECT t.invtrans_id, t.invtrans_slno, t.invtrans_reel_no, t.invtrans_weight, t.invtrans_rate, "
                       "t.invtrans_unit_code, i.inv_date, g.name AS gsm_name, r.name AS reeltype_name, u.unit_name, "
                       "u.unit_priority, a.ac_name, b.name AS brand_name%1 "
                       "FROM %2 t "
                       "INNER JOIN %3 i ON i.inv_trans_id=t.invtrans_id AND i.comp_code=? AND i.unit_code=t.unit_code "
                       "INNER JOIN %4 r ON r.code=t.invtrans_reel_type "
                       "INNER JOIN %5 g ON g.code=t.invtrans_gsm "
                       "INNER JOIN velmora.unitmaster u ON u.unit_code=t.invtrans_unit_code "
                       "INNER JOIN %6 a ON %9 "
                       "INNER JOIN %7 b ON b.code=i.inv_brand_code "
                       "WHERE %8")
            .arg(consumed, m_stores.table("inv_invoice_trans"), m_stores.table("inv_invoice"),
                 masterNames(m_stores.table("inv_reeltype"), "reeltype_code", "reeltype_name"),
                 masterNames(m_stores.table("inv_gsm"), "gsm_code", "gsm_name"), m_accounts.table("acc_accountheads"),
                 masterNames(m_stores.table("inv_brandmaster"), "brand_code", "brand_name"), where, supplier.sql);
    const QString order =
        QStringLiteral(" ORDER BY u.unit_priority, t.invtrans_id, t.invtrans_slno, t.invtrans_unit_code");
    return {sql + order, v};
}

void NewsprintReportStore::stock(const StockFilter &f, const std::function<void(const StockRow &)> &row)
{
    const LookupQuery q = stockQuery(f);
    RecordSet rs = m_db.query(q.sql, q.values);
    while (rs.next()) {
        StockRow r;
        r.unitCode = rs.text(QStringLiteral("invtrans_unit_code"));
        r.unitName = rs.text(QStringLiteral("unit_name"));
        r.supplierName = rs.text(QStringLiteral("ac_name"));
        r.brandName = rs.text(QStringLiteral("brand_name"));
        r.reelNo = rs.text(QStringLiteral("invtrans_reel_no"));
        r.reelTypeName = rs.text(QStringLiteral("reeltype_name"));
        r.gsmName = rs.text(QStringLiteral("gsm_name"));
        r.weight = rs.decimal(QStringLiteral("invtrans_weight"));
        if (f.press)
            r.weight -= rs.decimal(QStringLiteral("tot_qty"));
        r.rate = rs.decimal(QStringLiteral("invtrans_rate"));
        r.invoiceDate = rs.date(QStringLiteral("inv_date"));
        r.transId = rs.text(QStringLiteral("invtrans_id"));
        row(r);
    }
}

LookupQuery NewsprintReportStore::productLookup()
{
    return {QStringLiteral("SELECT product_code, product_name FROM velmora.productmaster "
                           "ORDER BY product_priority, product_name"),
            {}};
}

LookupQuery NewsprintReportStore::materialLookup(const QString &compCode, const QString &nameText)
{
    if (nameText.isEmpty())
        return {QStringLiteral("SELECT mat_code, mat_name FROM velmora.inv_materialmaster WHERE comp_code=? "
                               "ORDER BY mat_name"),
                {compCode}};
    // The lookup list runs it on the shared connection.
    const SqlCondition named = gConnection.likeAnywhere(
        DbName(QStringLiteral("velmora")), QStringLiteral("inv_materialmaster"), QStringLiteral("mat_name"), nameText);
    return {QStringLiteral("SELECT mat_code, mat_name FROM velmora.inv_materialmaster WHERE comp_code=? AND ")
                + named.sql + QStringLiteral(" ORDER BY mat_name"),
            QVariantList{compCode} + named.values};
}

LookupQuery NewsprintReportStore::supplierLookup(const QString &nameText) const
{
    return ReportStore::supplierLookup(m_accounts, m_comp, nameText);
}

LookupQuery NewsprintReportStore::brandLookup(const QString &nameText) const
{
    // Every brand of every group and company, as the clerk knows the list.
    QString sql = QStringLiteral("SELECT brand_code, brand_name FROM %1").arg(m_stores.table("inv_brandmaster"));
    QVariantList v;
    if (!nameText.isEmpty()) {
        const SqlCondition named =
            m_db.likeAnywhere(m_stores, QStringLiteral("inv_brandmaster"), QStringLiteral("brand_name"), nameText);
        sql += QStringLiteral(" WHERE ") + named.sql;
        v << named.values;
    }
    return {sql + QStringLiteral(" ORDER BY brand_name"), v};
}

LookupQuery NewsprintReportStore::gsmLookup() const
{
    return {QStringLiteral("SELECT gsm_code, gsm_name FROM %1 ORDER BY gsm_name").arg(m_stores.table("inv_gsm")), {}};
}

LookupQuery NewsprintReportStore::reelTypeLookup() const
{
    return {QStringLiteral("SELECT reeltype_code, reeltype_name FROM %1 ORDER BY reeltype_name")
                .arg(m_stores.table("inv_reeltype")),
            {}};
}

NewsprintReportStore NewsprintReportStore::current()
{
    return NewsprintReportStore(gConnection, gInvDbName, gAcDbName, gCompCode);
}
