// Speed of the fixed-asset bill list's search: the refill that one keystroke
// in the search box starts, over 10,000 bills, against the raw fetch of the
// same rows through the data-access layer (target: within 1.5x).
//
// Run it against a private test server, never a server in use:
//
//   tools/testdb.sh start /tmp/velmora-bench-db
//   cmake -S . -B build-bench -G Ninja -DVELMORA_BENCH=ON -DVELMORA_TESTS=OFF
//   cmake --build build-bench --target bench_falist
//   build-bench/bench/bench_falist /tmp/velmora-bench-db/mysql.sock
//   tools/testdb.sh stop /tmp/velmora-bench-db
//
// It makes (and at the end drops) the scratch databases velmora_bench_fa and
// velmora_bench_faacc. Each timing is the best of nine runs: the keystroke's
// refill is short, and a busy machine spreads it.

#include "AssetListStore.h"
#include "BenchSupport.h"
#include "Database.h"
#include "Sheet.h"
#include "frmFAInvoice.h"
#include "mdlVelmora.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

const DbName kStores(QStringLiteral("velmora_bench_fa"));
const DbName kAccounts(QStringLiteral("velmora_bench_faacc"));
constexpr int kBills = 10000;

void makeDatabases()
{
    makeScratchDatabase(kStores, [](Database &db) {
        loadYearSchema(db, "stores_year");
        // Three units of company 01 and a few bills of company 02.
        db.execute(QStringLiteral(
                       "INSERT INTO inv_asset (unit_code, comp_code, inv_code, inv_invoice_no, inv_po, inv_po_date, "
                       "inv_supp_code, inv_date, inv_receipt_date, inv_narration, inv_freight, inv_vat, inv_cess, "
                       "inv_total, inv_round_plus, inv_round_minus, inv_grand_total, created_by, created_date, "
                       "created_time) "
                       "SELECT ELT(1 + seq MOD 3, 'TVM', 'CRP', 'KTM'), IF(seq MOD 50 = 0, '02', '01'), "
                       "CONCAT('INVA', LPAD(seq, 6, '0')), CONCAT('SB/', seq * 7), CONCAT('PO-', seq * 3), "
                       "DATE_ADD('2024-04-01', INTERVAL seq MOD 365 DAY), CONCAT('4412000', LPAD(1 + seq MOD 250, "
                       "3, '0')), DATE_ADD('2024-04-01', INTERVAL seq MOD 365 DAY), DATE_ADD('2024-04-03', "
                       "INTERVAL seq MOD 365 DAY), CONCAT('Laptops and printers for desk ', seq), 100, 900, 900, "
                       "10000 + seq MOD 5000, 0.25, 0, 11900.25 + seq MOD 5000, 2, '2024/04/03', '10:00:00' "
                       "FROM seq_1_to_1000000 WHERE seq <= ?"),
                   {kBills});
    });
    makeScratchDatabase(kAccounts, [](Database &db) {
        loadYearSchema(db, "accounts_year");
        db.execute(QStringLiteral("INSERT INTO acc_accountheads (ac_comp_code, ac_code, ac_name, ac_gst) "
                                  "SELECT '01', CONCAT('4412000', LPAD(seq, 3, '0')), "
                                  "CONCAT('Supplier number ', seq, ' Office Systems Ltd'), NULL FROM seq_1_to_250"));
    });
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return runBench(app.arguments(), "bench_falist", [] {
        say(QStringLiteral("Making %1 bills ...").arg(kBills));
        makeDatabases();
        openBenchYear(kStores, kAccounts);

        frmFAInvoice w;
        w.show();
        say(QString());
        // The keystroke that empties the box lists every bill; the one that
        // types "1" keeps most of them; "17" narrows to a few hundred.
        struct Case {
            QString name;
            QString before; // the box's text ahead of the keystroke
            int key;
            QString after;
        };
        const QList<Case> cases{
            {QStringLiteral("Backspace on \"7\" (every bill)"), QStringLiteral("7"), Qt::Key_Backspace, QString()},
            {QStringLiteral("\"1\" typed into the empty box"), QString(), Qt::Key_1, QStringLiteral("1")},
            {QStringLiteral("\"7\" typed after \"1\""), QStringLiteral("1"), Qt::Key_7, QStringLiteral("17")},
        };
        for (const Case &c : cases) {
            const RawFetch fetch = timeRawFetch([&] { return AssetListStore::current().list(c.after); }, 9);
            const double keyMs = best([&] { QTest::keyClick(w.TxInvoiceNo, Qt::Key(c.key)); },
                                      [&] {
                                          w.TxInvoiceNo->setText(c.before);
                                          w.TxInvoiceNo->setCursorPosition(int(c.before.size()));
                                      },
                                      9);
            if (w.TxInvoiceNo->text() != c.after)
                throw DbError(QStringLiteral("the keystroke left \"%1\"").arg(w.TxInvoiceNo->text()));
            int filled = 0;
            while (!w.sheet()->CellText(filled + 2, 1).isEmpty())
                ++filled;
            say(c.name);
            sayFigure(QStringLiteral("  rows"), QStringLiteral("%1 fetched, %2 listed").arg(fetch.rows).arg(filled));
            sayFigure(QStringLiteral("  raw fetch"), msText(fetch.ms));
            sayFigure(QStringLiteral("  keystroke refill"),
                      msAgainst(keyMs, QStringLiteral("refill / raw fetch"), fetch.ms));
        }

        dropDatabases(gConnection, {kStores, kAccounts});
    });
}
