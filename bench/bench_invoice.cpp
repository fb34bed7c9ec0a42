// Speed of the newsprint invoice paths:
//  - saving a new invoice of 200 reels through the invoice store, against the
//    same header and reels inserted raw, one statement per row, in one
//    transaction through the data layer (target: within 1.5x);
//  - filling the invoice list window from 20,000 invoices holding 400,000
//    reels, against the raw fetch of the same rows (target: within 2x).
//
// Run it against a private test server, never a server in use:
//
//   tools/testdb.sh start /tmp/velmora-bench-db
//   cmake -S . -B build-bench -G Ninja -DVELMORA_BENCH=ON -DVELMORA_TESTS=OFF
//   cmake --build build-bench --target bench_invoice
//   build-bench/bench/bench_invoice /tmp/velmora-bench-db/mysql.sock
//   tools/testdb.sh stop /tmp/velmora-bench-db
//
// It makes (and at the end drops) the scratch databases velmora_bench_inv and
// velmora_bench_acc. Each timing is the best of five runs.

#include "BenchSupport.h"
#include "Database.h"
#include "InvoiceStore.h"
#include "Sheet.h"
#include "frmInvoice.h"
#include "mdlVelmora.h"

#include <QApplication>
#include <QDateEdit>
#include <QLineEdit>

namespace {

const DbName kStores(QStringLiteral("velmora_bench_inv"));
const DbName kAccounts(QStringLiteral("velmora_bench_acc"));
constexpr int kReels = 200;
constexpr int kListInvoices = 20000;
constexpr int kReelsPerInvoice = 20;

void makeDatabases()
{
    makeScratchDatabase(kStores, [](Database &db) {
        loadYearSchema(db, "stores_year");
        db.runScript(
            QStringLiteral("INSERT INTO numbersetup (no_id, no_value) VALUES ('INV_01_TVM', 'N0000001');\n"
                           "INSERT INTO inv_brandmaster (comp_code, brand_code, brand_name) VALUES ('01', 'B0001', "
                           "'Kerala Newsprint');\n"
                           "INSERT INTO inv_gsm (comp_code, gsm_code, gsm_name) VALUES ('01', 'GSM0001', '45 GSM');\n"
                           "INSERT INTO inv_reeltype (comp_code, reeltype_code, reeltype_name) VALUES ('01', 'RT0001', "
                           "'Full Reel');\n"));
    });
    makeScratchDatabase(kAccounts, [](Database &db) {
        loadYearSchema(db, "accounts_year");
        // 250 suppliers, as a year's accounts may hold.
        db.execute(QStringLiteral("INSERT INTO acc_accountheads (ac_comp_code, ac_code, ac_name, ac_gst) "
                                  "SELECT '01', CONCAT('4412000', LPAD(seq, 3, '0')), "
                                  "CONCAT('Supplier number ', seq, ' Paper Mills Ltd'), "
                                  "CONCAT('32AAAC', LPAD(seq, 5, '0'), 'Z1') FROM seq_1_to_250"));
    });
}

Invoice benchInvoice(const QString &number)
{
    Invoice inv;
    inv.invoiceNo = number;
    inv.invoiceDate = QDate(2024, 5, 10);
    inv.receiptDate = QDate(2024, 5, 12);
    inv.suppCode = QStringLiteral("4412000001");
    inv.brandCode = QStringLiteral("B0001");
    inv.freight = Decimal::fromText("1500");
    for (int i = 1; i <= kReels; ++i) {
        InvoiceReel r;
        r.reelNo = QStringLiteral("KNM%1").arg(i, 6, 10, QLatin1Char('0'));
        r.gsmCode = QStringLiteral("GSM0001");
        r.reelTypeCode = QStringLiteral("RT0001");
        r.weight = Decimal::fromText("812.5");
        r.rate = Decimal::fromText("48.35");
        r.amount = (r.weight * r.rate).rounded(2);
        inv.reels << r;
        inv.weight += r.weight;
        inv.total += r.amount;
    }
    inv.grandTotal = inv.total;
    inv.netTotal = inv.total;
    return inv;
}

// The same header and reels as the store writes, one plain insert per row.
void rawInsert(Database &db, const Invoice &inv, const QString &code)
{
    Transaction tx(db);
    insertRow(db, kStores.table("inv_invoice"),
              QStringLiteral("unit_code, comp_code, inv_trans_id, inv_invoice_no, inv_date, inv_receipt_date, "
                             "inv_supp_code, inv_brand_code, inv_freight,inv_weight,inv_total,inv_round_plus,"
                             "inv_round_minus,inv_cgst,inv_sgst,inv_igst,inv_grand_total,inv_net_total,"
                             "inv_cust_duty, created_by, created_date, created_time"),
              {QStringLiteral("TVM"),
               QStringLiteral("01"),
               code,
               inv.invoiceNo,
               inv.invoiceDate,
               inv.receiptDate,
               inv.suppCode,
               inv.brandCode,
               QVariant::fromValue(inv.freight),
               QVariant::fromValue(inv.weight),
               QVariant::fromValue(inv.total),
               QStringLiteral("0"),
               QStringLiteral("0"),
               QStringLiteral("0"),
               QStringLiteral("0"),
               QStringLiteral("0"),
               QVariant::fromValue(inv.grandTotal),
               QVariant::fromValue(inv.netTotal),
               QStringLiteral("0"),
               2,
               QStringLiteral("2024/05/10"),
               QStringLiteral("10:00:00")});
    int sl = 0;
    for (const InvoiceReel &r : inv.reels)
        insertRow(db, kStores.table("inv_invoice_trans"),
                  QStringLiteral("unit_code, comp_code,invtrans_id,invtrans_reel_no,invtrans_gsm,"
                                 "invtrans_reel_type,invtrans_weight,invtrans_rate,invtrans_amt,invtrans_slno,"
                                 "invtrans_unit_code"),
                  {QStringLiteral("TVM"), QStringLiteral("01"), code, r.reelNo, r.gsmCode, r.reelTypeCode,
                   QVariant::fromValue(r.weight), QVariant::fromValue(r.rate), QVariant::fromValue(r.amount), ++sl,
                   QStringLiteral("TVM")});
    tx.commit();
}

void clearInvoices(Database &db)
{
    db.execute(QStringLiteral("Delete from ") + kStores.table("inv_invoice"));
    db.execute(QStringLiteral("Delete from ") + kStores.table("inv_invoice_trans"));
}

void makeList(Database &db)
{
    clearInvoices(db);
    db.execute(QStringLiteral("Insert into ") + kStores.table("inv_invoice")
                   + QStringLiteral(
                       "(unit_code, comp_code, inv_trans_id, inv_invoice_no, inv_date, inv_receipt_date, "
                       "inv_supp_code, inv_brand_code, inv_freight, inv_weight, inv_total, inv_cgst, inv_sgst, "
                       "inv_igst, inv_grand_total, inv_net_total, inv_cust_duty) "
                       "SELECT 'TVM', '01', CONCAT('N', LPAD(seq, 7, '0')), CONCAT('KNM/', seq * 7), "
                       "DATE_ADD('2024-04-01', INTERVAL seq MOD 365 DAY), DATE_ADD('2024-04-03', INTERVAL seq MOD 365 "
                       "DAY), CONCAT('4412000', LPAD(1 + seq MOD 250, 3, '0')), 'B0001', seq MOD 9000 / 100, "
                       "16250, 785687.5, (seq * 3) MOD 10000 / 100, (seq * 3) MOD 10000 / 100, "
                       "IF(seq MOD 5 = 0, NULL, 0), 785687.5, 785687.5 + (seq * 6) MOD 20000 / 100, "
                       "IF(seq MOD 3 = 0, NULL, seq MOD 500 / 100) FROM seq_1_to_1000000 WHERE seq <= ?"),
               {kListInvoices});
    db.execute(QStringLiteral("Insert into ") + kStores.table("inv_invoice_trans")
                   + QStringLiteral("(unit_code, comp_code, invtrans_id, invtrans_slno, invtrans_reel_no, "
                                    "invtrans_gsm, invtrans_reel_type, invtrans_weight, invtrans_rate, invtrans_amt, "
                                    "invtrans_unit_code) "
                                    "SELECT 'TVM', '01', CONCAT('N', LPAD(1 + (seq - 1) DIV ?, 7, '0')), "
                                    "1 + (seq - 1) MOD ?, CONCAT('KNM', LPAD(seq, 7, '0')), 'GSM0001', 'RT0001', "
                                    "812.5, 48.35, 39284.38, 'TVM' FROM seq_1_to_1000000 WHERE seq <= ?"),
               {kReelsPerInvoice, kReelsPerInvoice, kListInvoices * kReelsPerInvoice});
}

RawFetch timeListFetch(const QDate &from, const QDate &to, const QString &reelText)
{
    return timeRawFetch([&] { return InvoiceStore::current().list(from, to, reelText); });
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return runBench(app.arguments(), "bench_invoice", [] {
        makeDatabases();
        openBenchYear(kStores, kAccounts);
        gUserId = QStringLiteral("2");
        Database &db = gConnection;

        // SaveNew of 200 reels against the raw inserts.
        const Invoice raw = benchInvoice(QStringLiteral("RAW"));
        const SaveTimes save = timeSaveAgainstRaw(
            [](int run) {
                Invoice inv = benchInvoice(QStringLiteral("SAVE-%1").arg(run));
                return InvoiceStore::current().saveNew(inv) == InvoiceStore::Saved::Saved;
            },
            [&] { rawInsert(db, raw, QStringLiteral("R0000001")); }, [&] { clearInvoices(db); });

        // The invoice list from 20,000 invoices and 400,000 reels.
        say(QStringLiteral("Making %1 invoices with %2 reels ...")
                .arg(kListInvoices)
                .arg(kListInvoices * kReelsPerInvoice));
        makeList(db);
        const QDate from(2024, 4, 1), to(2025, 3, 31);
        const RawFetch fetch = timeListFetch(from, to, QString());

        frmInvoice w;
        w.DtFrom->setDate(from);
        w.DtTo->setDate(to);
        const double fillMs = best([&] { w.FillList(); });
        const int filled = w.sheet()->RowCount() - 1;

        const QString reelText = QStringLiteral("77");
        const RawFetch reelFetch = timeListFetch(from, to, reelText);
        w.TxReelNo->setText(reelText);
        const double reelFillMs = best([&] { w.FillList(); });

        say(QString());
        saySaveFigures(QStringLiteral("%1 reels").arg(kReels), save);
        sayListFigures(QStringLiteral("frmInvoice"), fetch, filled, fillMs);
        sayFilteredListFigures(QStringLiteral("reel text \"%1\"").arg(reelText), reelFetch,
                               QStringLiteral("frmInvoice"), reelFillMs);

        dropDatabases(db, {kStores, kAccounts});
    });
}
