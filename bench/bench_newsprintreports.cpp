// Speed of the newsprint stock and consumption reports on a large year:
// 400,000 reels (half in the godown, half at the press) and 200,000 bookings.
// For each report: the window's Show against the raw fetch of the same
// result rows through the data-access layer, and the statement's own time
// against a full scan of its main table, with the server's plan.
//
// Run it against a private test server, never a server in use:
//
//   tools/testdb.sh start /tmp/velmora-bench-db
//   cmake -S . -B build-bench -G Ninja -DVELMORA_BENCH=ON -DVELMORA_TESTS=OFF
//   cmake --build build-bench --target bench_newsprintreports
//   QT_QPA_PLATFORM=offscreen build-bench/bench/bench_newsprintreports /tmp/velmora-bench-db/mysql.sock
//   tools/testdb.sh stop /tmp/velmora-bench-db
//
// It fills the newsprint tables of the stores year vstores_2024 (company 01)
// and empties them again at the end. Each timing is the best of three runs.
// Target: Show within 2x the raw fetch; the statements use their indexes.

#include "BenchSupport.h"
#include "NewsprintReportStore.h"
#include "Sheet.h"
#include "frmrptConsumption.h"
#include "frmrptNewsprintStock.h"
#include "mdlVelmora.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>

namespace {

constexpr int kReels = 400000;
constexpr int kBookings = 200000;
const DbName kStores(QStringLiteral("vstores_2024"));
const DbName kAccounts(QStringLiteral("vacc_2024"));

void clearTables(Database &db)
{
    for (const char *t : {"inv_invoice", "inv_invoice_trans", "inv_consumption"})
        db.execute(QStringLiteral("DELETE FROM ") + kStores.table(t));
}

void makeYear(Database &db)
{
    clearTables(db);
    db.runScript(QStringLiteral(R"(
DELETE FROM vstores_2024.inv_brandmaster;
DELETE FROM vstores_2024.inv_gsm;
DELETE FROM vstores_2024.inv_reeltype;
DELETE FROM vacc_2024.acc_accountheads;
DELETE FROM velmora.unitmaster;
INSERT INTO velmora.unitmaster (unit_code, unit_name, unit_priority, unit_app_acc, unit_app_circ) VALUES
 ('TVM', 'Thiruvananthapuram', 1, 0, 0), ('KTM', 'Kottayam', 2, 0, 0);
INSERT INTO vstores_2024.inv_brandmaster (unit_code, comp_code, brand_code, brand_name, brand_group) VALUES
 ('TVM', '01', 'B0001', 'Kerala Newsprint', 0), ('TVM', '01', 'B0002', 'Tamil Newsprint', 0),
 ('TVM', '02', 'B0001', 'Another Company Brand', 0);
INSERT INTO vstores_2024.inv_gsm (unit_code, comp_code, gsm_code, gsm_name) VALUES
 ('TVM', '01', 'GSM0001', '45 GSM'), ('TVM', '01', 'GSM0002', '48.8 GSM');
INSERT INTO vstores_2024.inv_reeltype (unit_code, comp_code, reeltype_code, reeltype_name) VALUES
 ('TVM', '01', 'RT0001', 'Full Reel'), ('TVM', '01', 'RT0002', 'Half Reel');
INSERT INTO vacc_2024.acc_accountheads (ac_comp_code, ac_code, ac_name) VALUES
 ('01', '441200001', 'Kerala Newsprint Mills'), ('01', '441200002', 'Hindustan Paper Traders');
CREATE TABLE IF NOT EXISTS velmora.productmaster (
  product_code VARCHAR(20) NOT NULL PRIMARY KEY, product_name VARCHAR(100) NULL,
  product_priority INT NOT NULL DEFAULT 0) ENGINE=InnoDB;
DELETE FROM velmora.productmaster;
INSERT INTO velmora.productmaster (product_code, product_name, product_priority) VALUES
 ('P01', 'Morning Edition', 1), ('P02', 'Evening Edition', 2), ('P03', 'Weekly', 3)
)"));
    // 20 reels an invoice; invoices alternate between the two units.
    db.execute(QStringLiteral(R"(
INSERT INTO vstores_2024.inv_invoice (unit_code, comp_code, inv_trans_id, inv_invoice_no, inv_date, inv_supp_code, inv_brand_code, inv_finalize)
SELECT IF(seq MOD 2 = 0, 'TVM', 'KTM'), '01', CONCAT('B', LPAD(seq, 6, '0')), CONCAT('N-', seq),
       DATE_ADD('2024-04-01', INTERVAL seq MOD 365 DAY), IF(seq MOD 3 = 0, '441200002', '441200001'),
       IF(seq MOD 5 = 0, 'B0002', 'B0001'), 1
FROM seq_1_to_1000000 WHERE seq <= ?)"),
               {kReels / 20});
    // Odd reels lie at the press, even ones in the godown.
    db.execute(QStringLiteral(R"(
INSERT INTO vstores_2024.inv_invoice_trans (unit_code, comp_code, invtrans_id, invtrans_slno, invtrans_reel_no, invtrans_gsm, invtrans_reel_type, invtrans_weight, invtrans_rate, invtrans_unit_code, invtrans_finalize, invtrans_cons_flag, invtrans_util_flag)
SELECT IF(((seq - 1) DIV 20 + 1) MOD 2 = 0, 'TVM', 'KTM'), '01', CONCAT('B', LPAD((seq - 1) DIV 20 + 1, 6, '0')),
       (seq - 1) MOD 20 + 1, CONCAT('BR', seq), IF(seq MOD 4 < 2, 'GSM0001', 'GSM0002'),
       IF(seq MOD 7 = 0, 'RT0002', 'RT0001'), 1000, 40.5,
       IF(((seq - 1) DIV 20 + 1) MOD 2 = 0, 'TVM', 'KTM'), 1, seq MOD 2, IF(seq MOD 50 = 1, 1, 0)
FROM seq_1_to_1000000 WHERE seq <= ?)"),
               {kReels});
    // One booking for each press reel; every twentieth cancelled.
    db.execute(QStringLiteral(R"(
INSERT INTO vstores_2024.inv_consumption (unit_code, cons_unit_code, comp_code, cons_no, cons_date, cons_pdt_code, cons_reel_no, cons_inv_no, cons_qty, cons_rate, cons_amt, cons_cancel_flag)
SELECT 'TVM', IF(seq MOD 2 = 0, 'TVM', 'KTM'), '01', CONCAT('C', seq), DATE_ADD('2024-04-01', INTERVAL seq MOD 365 DAY),
       CONCAT('P0', seq MOD 3 + 1), CONCAT('BR', 2 * seq - 1), CONCAT('B', LPAD((2 * seq - 2) DIV 20 + 1, 6, '0')),
       300, 40.5, 12150, IF(seq MOD 20 = 0, 1, 0)
FROM seq_1_to_1000000 WHERE seq <= ?)"),
               {kBookings});
    db.execute(QStringLiteral("ANALYZE TABLE vstores_2024.inv_invoice, vstores_2024.inv_invoice_trans, "
                              "vstores_2024.inv_consumption"));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return runBench(app.arguments(), "bench_newsprintreports", [] {
        ScopedScriptedUi quiet; // a message would wait for a click
        openBenchYear(kStores, kAccounts);
        gUnitName = QStringLiteral("Thiruvananthapuram");
        gUserId = QStringLiteral("1");

        say(QStringLiteral("Making %1 reels and %2 bookings ...").arg(kReels).arg(kBookings));
        makeYear(gConnection);
        NewsprintReportStore store(gConnection, kStores, kAccounts, gCompCode);

        for (bool press : {false, true}) {
            StockFilter f;
            f.press = press;
            f.unitCode = QStringLiteral("TVM");
            const LookupQuery q = store.stockQuery(f);
            frmrptNewsprintStock w;
            w.findChild<QComboBox *>(QStringLiteral("CbStockType"))->setCurrentIndex(press ? 1 : 0);
            timeReport(
                gConnection,
                {.name = press ? QStringLiteral("Stock, Press, one unit") : QStringLiteral("Stock, Godown, one unit"),
                 .sql = q.sql,
                 .values = q.values,
                 .show = [&] { w.CmShow_Click(); },
                 .rows = [&] { return w.rowCounter(); },
                 .scan =
                     [] {
                         fullScan(gConnection, kStores.table("inv_invoice_trans"), "invtrans_weight + invtrans_rate");
                     }},
                quiet.ui);
        }

        {
            ConsumptionFilter f;
            f.from = QDate(2024, 4, 1);
            f.to = QDate(2025, 3, 31);
            f.products = {QStringLiteral("P01"), QStringLiteral("P02"), QStringLiteral("P03")};
            const LookupQuery q = store.consumptionQuery(f);
            frmrptConsumption w;
            w.findChild<QDateEdit *>(QStringLiteral("DtFrom"))->setDate(f.from);
            w.findChild<QDateEdit *>(QStringLiteral("Dtto"))->setDate(f.to);
            w.findChild<LookupBox *>(QStringLiteral("TxUnitCode"))->clearChoice();
            timeReport(gConnection,
                       {.name = QStringLiteral("Consumption, a year, every unit"),
                        .sql = q.sql,
                        .values = q.values,
                        .show = [&] { w.CmShow_Click(); },
                        .rows = [&] { return w.rowCounter(); },
                        .scan = [] { fullScan(gConnection, kStores.table("inv_consumption"), "cons_qty + cons_amt"); }},
                       quiet.ui);

            f.from = QDate(2024, 7, 1);
            f.to = QDate(2024, 7, 31);
            f.unitCode = QStringLiteral("TVM");
            const LookupQuery month = store.consumptionQuery(f);
            say(QStringLiteral("Consumption, one month, one unit: statement on the server %1 ms")
                    .arg(serverTime(gConnection, month.sql, month.values), 0, 'f', 0));
            sayPlan(gConnection, month.sql, month.values);
        }
        clearTables(gConnection);
    });
}
