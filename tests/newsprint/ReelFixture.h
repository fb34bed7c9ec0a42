#pragma once
#include "ConsumptionStore.h"
#include "Database.h"
#include "mdlVelmora.h"
#include <QDate>
#include <QString>

// Reels at the press for the consumption tests, written by the tests
// themselves: each test starts from no invoices, reels or bookings.
namespace reelfixture {

// Empties the newsprint tables the tests write.
inline void clear(Database &db = gConnection)
{
    db.execute(QStringLiteral("Delete from vstores_2024.inv_consumption"));
    db.execute(QStringLiteral("Delete from vstores_2024.inv_invoice_trans"));
    db.execute(QStringLiteral("Delete from vstores_2024.inv_invoice"));
}

struct Reel {
    QString transId;
    QString reelNo;
    QString weight;
    QString rate = QStringLiteral("42.50");
    QString supplier = QStringLiteral("441200001"); // a supplier head of the fixtures
    QString unit = QStringLiteral("TVM");
    int consFlag = 1;
    int utilFlag = 0;
    QString comp = QStringLiteral("01");
};

// One invoice holding the reel (an invoice is written once per trans id,
// company and unit: ids stored by an older program repeat across them).
inline void add(const Reel &r, Database &db = gConnection)
{
    db.execute(QStringLiteral("Insert ignore into vstores_2024.inv_invoice(unit_code,comp_code,inv_trans_id,"
                              "inv_invoice_no,inv_date,inv_receipt_date,inv_supp_code,inv_brand_code,inv_finalize) "
                              "Select ?,?,?,?,'2024-05-02','2024-05-03',?,'B0001',1 from dual where not exists("
                              "Select 1 from vstores_2024.inv_invoice where inv_trans_id=? and comp_code=? and "
                              "unit_code=?)"),
               {r.unit, r.comp, r.transId, QStringLiteral("SUP-") + r.transId + u'-' + r.unit + u'-' + r.comp,
                r.supplier, r.transId, r.comp, r.unit});
    const QString slno = db.firstValue(QStringLiteral("Select count(*)+1 from vstores_2024.inv_invoice_trans where "
                                                      "invtrans_id=? and comp_code=? and unit_code=?"),
                                       {r.transId, r.comp, r.unit});
    db.execute(QStringLiteral("Insert into vstores_2024.inv_invoice_trans(unit_code,comp_code,invtrans_id,"
                              "invtrans_slno,invtrans_reel_no,invtrans_gsm,invtrans_reel_type,invtrans_weight,"
                              "invtrans_rate,invtrans_amt,invtrans_unit_code,invtrans_finalize,invtrans_cons_flag,"
                              "invtrans_util_flag) Values(?,?,?,?,?,'GSM0001','RT0001',?,?,0,?,1,?,?)"),
               {r.unit, r.comp, r.transId, slno, r.reelNo, r.weight, r.rate, r.unit, r.consFlag, r.utilFlag});
}

inline int utilFlag(const QString &transId, const QString &reelNo, const QString &unit = QStringLiteral("TVM"),
                    const QString &comp = QStringLiteral("01"))
{
    return GetFirstValue(QStringLiteral("Select invtrans_util_flag from vstores_2024.inv_invoice_trans where "
                                        "invtrans_id=? and invtrans_reel_no=? and invtrans_unit_code=? and comp_code=?"),
                         {transId, reelNo, unit, comp})
        .toInt();
}

// Sum of the valid bookings on a reel, as the server writes it ("" for none).
inline QString booked(const QString &transId, const QString &reelNo, Database &db = gConnection)
{
    return db.firstValue(QStringLiteral("Select sum(cons_qty) from vstores_2024.inv_consumption where cons_inv_no=? "
                                        "and cons_reel_no=? and cons_cancel_flag=0"),
                         {transId, reelNo});
}

// A booking of `qty` kg of a reel at `rate` for the press of TVM, priced as
// the window prices it.
inline ConsumptionEntry booking(const QString &transId, const QString &reelNo, const QString &qty,
                                const QString &rate, QDate date, const QString &productCode = QStringLiteral("VDE"))
{
    ConsumptionEntry e;
    e.date = date;
    e.productCode = productCode;
    e.reelNo = reelNo;
    e.transId = transId;
    e.qty = Decimal::fromText(qty);
    e.rate = Decimal::fromText(rate);
    e.amount = (e.qty * e.rate).rounded(2);
    e.consUnitCode = QStringLiteral("TVM");
    return e;
}

} // namespace reelfixture
