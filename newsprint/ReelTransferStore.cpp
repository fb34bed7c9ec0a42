#include "ReelTransferStore.h"
#include "mdlVelmora.h"
#include <QSet>
#include <functional>

namespace {

// The reel's columns in ReelRow order. A GSM or reel-type code kept by several
// companies gives one name, the current company's first, so that no reel is
// listed twice; a code missing from its master still leaves the reel out.
QString reelSelect(QVariantList &values)
{
    values << gCompCode << gCompCode;
    return QStringLiteral("Select t.invtrans_reel_no, g.gsm_name, r.reeltype_name, t.invtrans_weight, t.invtrans_rate, "
                          "t.invtrans_amt, t.invtrans_gsm, t.invtrans_reel_type, u.unit_name, t.invtrans_unit_code, "
                          "t.invtrans_slno, t.invtrans_id, t.unit_code "
                          "from %1 t "
                          "inner join (Select gsm_code, gsm_name, row_number() over "
                          "(partition by gsm_code order by comp_code<>?, comp_code) as pick from %2) g "
                          "on g.gsm_code=t.invtrans_gsm and g.pick=1 "
                          "inner join (Select reeltype_code, reeltype_name, row_number() over "
                          "(partition by reeltype_code order by comp_code<>?, comp_code) as pick from %3) r "
                          "on r.reeltype_code=t.invtrans_reel_type and r.pick=1 "
                          "inner join velmora.unitmaster u on u.unit_code=t.invtrans_unit_code ")
        .arg(gInvDbName.table("inv_invoice_trans"), gInvDbName.table("inv_gsm"), gInvDbName.table("inv_reeltype"));
}

// A reel in the godown of the current unit and company: finalised, neither
// issued nor used up.
QString inGodown(QVariantList &values, const QString &alias)
{
    values << gCompCode << gUnitCode;
    const QString p = alias.isEmpty() ? QString() : alias + u'.';
    return QStringLiteral("%1comp_code=? and %1invtrans_unit_code=? and %1invtrans_finalize=1 "
                          "and %1invtrans_cons_flag=0 and %1invtrans_util_flag=0")
        .arg(p);
}

// Reels whose number contains the typed text.
SqlCondition reelNumberHolds(const QString &text)
{
    return gConnection.likeAnywhere(gInvDbName, QStringLiteral("inv_invoice_trans"),
                                    QStringLiteral("t.invtrans_reel_no"), text);
}

QList<ReelRow> readReels(const QString &sql, const QVariantList &values)
{
    RecordSet rs = gConnection.query(sql, values);
    QList<ReelRow> rows;
    while (rs.next()) {
        ReelRow r;
        r.reelNo = rs.text(0);
        r.gsmName = rs.text(1);
        r.reelTypeName = rs.text(2);
        r.weight = rs.text(3);
        r.rate = rs.text(4);
        r.amount = rs.text(5);
        r.gsmCode = rs.text(6);
        r.reelTypeCode = rs.text(7);
        r.unitName = rs.text(8);
        r.unitCode = rs.text(9);
        r.slNo = rs.text(10);
        r.transId = rs.text(11);
        r.enteringUnit = rs.text(12);
        rows.append(std::move(r));
    }
    return rows;
}

// Runs one conditional update per reel in one transaction; returns how many
// reels it changed. `bind` gives the values of one reel's statement. A batch
// that met another workstation's lock is run again from the start.
int runBatch(const QString &sql, const QList<ReelMove> &reels,
             const std::function<QVariantList(const ReelMove &)> &bind)
{
    if (reels.isEmpty())
        return 0;
    return retryOnLockConflict([&] {
        int changed = 0;
        Transaction t(gConnection);
        for (const ReelMove &m : reels)
            if (gConnection.execute(sql, bind(m)) > 0)
                ++changed;
        t.commit();
        return changed;
    });
}

// Sets `assignment` on each reel still in the godown of the current unit and
// company, in one batch; `setValues` gives what the assignment binds for a reel.
int markReels(const QString &assignment, const QList<ReelMove> &reels,
              const std::function<QVariantList(const ReelMove &)> &setValues)
{
    QVariantList godown;
    const QString sql = QStringLiteral("Update %1 set %2 where invtrans_id=? and invtrans_slno=? and unit_code=? and "
                                       "invtrans_reel_no=? and ")
                            .arg(gInvDbName.table("inv_invoice_trans"), assignment)
        + inGodown(godown, QString());
    return runBatch(sql, reels, [&](const ReelMove &m) {
        return setValues(m) + QVariantList{m.transId, m.slNo, m.enteringUnit, m.reelNo.trimmed()} + godown;
    });
}

} // namespace

QList<ReelRow> ReelTransferStore::pressReels(const QString &search)
{
    QVariantList values;
    // The values follow the placeholders' order, so the parts are built one after the other.
    QString sql = reelSelect(values);
    sql += QStringLiteral("where ") + inGodown(values, QStringLiteral("t"));
    const QString text = search.trimmed();
    if (!text.isEmpty()) {
        const SqlCondition reel = reelNumberHolds(text);
        sql += QStringLiteral(" and ") + reel.sql;
        values << reel.values;
    }
    sql += QStringLiteral(" order by t.invtrans_slno, t.invtrans_id, t.unit_code");
    return readReels(sql, values);
}

QList<ReelRow> ReelTransferStore::stockReels(const QString &text)
{
    QVariantList values;
    // The values follow the placeholders' order, so the parts are built one after the other.
    QString sql = reelSelect(values);
    sql += QStringLiteral("where ") + inGodown(values, QStringLiteral("t"));
    if (!text.isEmpty()) {
        const SqlCondition found = anyOf({gConnection.equalsText(gInvDbName, QStringLiteral("inv_invoice_trans"),
                                                                 QStringLiteral("t.invtrans_id"), text),
                                          reelNumberHolds(text)});
        sql += QStringLiteral(" and ") + found.sql
            + QStringLiteral(" order by t.invtrans_slno, t.invtrans_id, t.unit_code");
        values << found.values;
    } else {
        // Only reels whose invoice, supplier account head and brand are on record.
        sql += QStringLiteral(" and exists (Select 1 from %1 i inner join %2 a on a.ac_code=i.inv_supp_code "
                              "and a.ac_comp_code=? inner join %3 b on b.brand_code=i.inv_brand_code "
                              "where i.inv_trans_id=t.invtrans_id and i.comp_code=? and i.unit_code=t.unit_code)"
                              " order by u.unit_priority, t.invtrans_id, t.invtrans_slno, t.unit_code")
                   .arg(gInvDbName.table("inv_invoice"), gAcDbName.table("acc_accountheads"),
                        gInvDbName.table("inv_brandmaster"));
        values << gCompCode << gCompCode;
    }
    return readReels(sql, values);
}

int ReelTransferStore::issueToPress(const QList<ReelMove> &reels)
{
    return markReels(QStringLiteral("invtrans_cons_flag='1'"), reels, [](const ReelMove &) { return QVariantList(); });
}

int ReelTransferStore::moveToUnits(const QList<ReelMove> &reels)
{
    // The window offers only the other units; the store holds any caller to that.
    QSet<QString> checked;
    for (const ReelMove &m : reels) {
        const QString to = m.toUnit.trimmed();
        if (checked.contains(to))
            continue;
        if (to.isEmpty() || to == gUnitCode || to == kCorporateUnit
            || GetFirstValue(QStringLiteral("Select unit_code from velmora.unitmaster where unit_code=?"), {to})
                   .isEmpty())
            throw DbError(QStringLiteral("\"%1\" is not a unit the reels can be transferred to.   ").arg(to));
        checked.insert(to);
    }
    return markReels(QStringLiteral("invtrans_unit_code=?"), reels,
                     [](const ReelMove &m) { return QVariantList{m.toUnit.trimmed()}; });
}

QString ReelTransferStore::destinationLookup(QVariantList &values)
{
    values = {gUserId, gUnitCode, kCorporateUnit};
    return QStringLiteral("Select unitaccess.unit_code, unit_name from velmora.unitmaster inner join "
                          "velmora.unitaccess on unitaccess.unit_code=unitmaster.unit_code "
                          "where unitaccess.user_id=? and unitaccess.unit_code<>? and unitaccess.unit_code<>? "
                          "order by unit_priority, unitmaster.unit_code");
}
