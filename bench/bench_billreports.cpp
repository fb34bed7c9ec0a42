// Speed of the bill reports over two years: the bill details over 5,000
// fixed-asset bills with 7,500 payments, and the pending invoices of one
// supplier among 20,000 newsprint invoices a year. For each: the window's
// Show and the round trips it takes, the raw fetch of the same rows through
// the data-access layer, and the statement's own time on the server against
// a full scan of its main table, with the server's plan. The summaries
// (bills by supplier, pending bills) are timed too.
//
// Run it against a private test server, never a server in use:
//
//   tools/testdb.sh start /tmp/velmora-bench-db
//   cmake -S . -B build-bench -G Ninja -DVELMORA_BENCH=ON -DVELMORA_TESTS=OFF
//   cmake --build build-bench --target bench_billreports
//   QT_QPA_PLATFORM=offscreen build-bench/bench/bench_billreports /tmp/velmora-bench-db/mysql.sock
//   tools/testdb.sh stop /tmp/velmora-bench-db
//
// It fills the bill tables of vstores_2023 and vstores_2024 (company 01) and
// the vouchers and heads of vacc_2023 and vacc_2024, and empties them at the
// end. The session runs under ONLY_FULL_GROUP_BY and strict mode. Each timing
// is the best of three runs. Target: Show within 1.5x the raw fetch, one
// round trip per Show.

#include "BenchSupport.h"
#include "BillReportStore.h"
#include "Sheet.h"
#include "ReportWindow.h"
#include "Ui.h"
#include "frmrptFABills.h"
#include "frmrptFAPendingBills.h"
#include "frmrptFixedAssetBillDetails.h"
#include "frmrptFixedAssetInvoice.h"
#include "mdlVelmora.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>

namespace {

constexpr int kRuns = 3;
constexpr int kBillsPerYear = 2500;
constexpr int kNewsprintPerYear = 20000;
const DbName kStores(QStringLiteral("vstores_2024"));
const DbName kAccounts(QStringLiteral("vacc_2024"));
const DbName kPrevStores(QStringLiteral("vstores_2023"));
const DbName kPrevAccounts(QStringLiteral("vacc_2023"));
const QString kScanned = QStringLiteral("the main tables"); // of both years

void clearTables(Database &db)
{
    for (const DbName &s : {kStores, kPrevStores})
        for (const char *t : {"inv_asset", "inv_asset_adjustbill", "inv_invoice"})
            db.execute(QStringLiteral("DELETE FROM ") + s.table(t));
    for (const DbName &a : {kAccounts, kPrevAccounts})
        for (const char *t : {"acc_voucher", "acc_accountheads"})
            db.execute(QStringLiteral("DELETE FROM ") + a.table(t));
}

void makeYears(Database &db)
{
    clearTables(db);
    for (const DbName &a : {kAccounts, kPrevAccounts}) {
        // Ten suppliers of company 01, and the same codes as heads of company 02.
        for (const char *comp : {"01", "02"})
            db.execute(QStringLiteral("INSERT INTO %1 (ac_comp_code, ac_code, ac_name) SELECT ?, "
                                      "CONCAT('4412000', LPAD(seq, 2, '0')), CONCAT('Supplier ', seq, ' ', ?) "
                                      "FROM seq_1_to_10")
                           .arg(a.table("acc_accountheads")),
                       {QLatin1String(comp), QLatin1String(comp)});
    }
    const struct {
        DbName stores;
        DbName accounts;
        int year;
    } years[] = {{kPrevStores, kPrevAccounts, 2023}, {kStores, kAccounts, 2024}};
    for (const auto &y : years) {
        db.execute(QStringLiteral(R"(
INSERT INTO %1 (unit_code, comp_code, inv_code, inv_invoice_no, inv_supp_code, inv_date, inv_grand_total, inv_chq_rec)
SELECT 'TVM', '01', CONCAT('A', ?, LPAD(seq, 5, '0')), CONCAT('FA-', seq), CONCAT('4412000', LPAD(seq MOD 10 + 1, 2, '0')),
       DATE_ADD(?, INTERVAL seq MOD 365 DAY), 1000 + seq MOD 997, IF(seq MOD 4 = 0, 1, 0)
FROM seq_1_to_100000 WHERE seq <= ?)")
                       .arg(y.stores.table("inv_asset")),
                   {y.year, QStringLiteral("%1-04-01").arg(y.year), kBillsPerYear});
        // A payment for every bill of the year, in the year's own tables.
        db.execute(QStringLiteral("INSERT INTO %1 (inv_no, voucher_no, adjust_amount, adjust_cancel_flag) "
                                  "SELECT CONCAT('A', ?, LPAD(seq, 5, '0')), CONCAT('V', ?, '-', seq), 500, "
                                  "IF(seq MOD 20 = 0, 1, 0) FROM seq_1_to_100000 WHERE seq <= ?")
                       .arg(y.stores.table("inv_asset_adjustbill")),
                   {y.year, y.year, kBillsPerYear});
        db.execute(QStringLiteral("INSERT INTO %1 (voucher_no, voucher_chq_no, voucher_amount) "
                                  "SELECT CONCAT('V', ?, '-', seq), CONCAT('CHQ', ?, seq), 500 "
                                  "FROM seq_1_to_100000 WHERE seq <= ?")
                       .arg(y.accounts.table("acc_voucher")),
                   {y.year, y.year, 2 * kBillsPerYear});
        db.execute(QStringLiteral(R"(
INSERT INTO %1 (unit_code, comp_code, inv_trans_id, inv_invoice_no, inv_date, inv_supp_code, inv_grand_total)
SELECT IF(seq MOD 2 = 0, 'TVM', 'KTM'), '01', CONCAT('N', LPAD(seq, 7, '0')), CONCAT('NP-', seq),
       DATE_ADD(?, INTERVAL seq MOD 365 DAY), CONCAT('4412000', LPAD(seq MOD 4 + 1, 2, '0')), 25000 + seq MOD 1000
FROM seq_1_to_100000 WHERE seq <= ?)")
                       .arg(y.stores.table("inv_invoice")),
                   {QStringLiteral("%1-04-01").arg(y.year), kNewsprintPerYear});
    }
    // A second payment for every other bill, in the current year's tables:
    // the even bills of the previous year, the odd ones of the current year.
    db.execute(QStringLiteral("INSERT INTO %1 (inv_no, voucher_no, adjust_amount) "
                              "SELECT CONCAT('A', IF(seq MOD 2 = 0, 2023, 2024), LPAD(seq, 5, '0')), "
                              "CONCAT('V2024-', ? + seq), 250 FROM seq_1_to_100000 WHERE seq <= ?")
                   .arg(kStores.table("inv_asset_adjustbill")),
               {kBillsPerYear, kBillsPerYear});
    for (const DbName &s : {kStores, kPrevStores})
        db.execute(QStringLiteral("ANALYZE TABLE %1, %2, %3")
                       .arg(s.table("inv_asset"), s.table("inv_asset_adjustbill"), s.table("inv_invoice")));
}

qint64 count(Database &db, const QString &sql)
{
    return db.firstValue(sql).toLongLong();
}

// A full scan of `table` in both years.
void scanBoth(const char *table, const char *amount)
{
    for (const DbName &s : {kStores, kPrevStores})
        fullScan(gConnection, s.table(table), amount);
}

// A summary window's Show and the round trips it takes.
void timeSummary(const QString &name, ReportWindow &w)
{
    const double showMs = best([&] { w.CmShow_Click(); }, {}, kRuns);
    const qint64 trips = roundTrips(gConnection, [&] { w.CmShow_Click(); });
    say(QStringLiteral("%1: Show %2 ms in %3 round trip(s), %4 sheet rows")
            .arg(name)
            .arg(showMs, 0, 'f', 0)
            .arg(trips)
            .arg(w.rowCounter()));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return runBench(app.arguments(), "bench_billreports", [] {
        ScopedScriptedUi quiet; // a message would wait for a click
        openBenchYear(kStores, kAccounts, kPrevStores, kPrevAccounts);
        gConnection.execute(QStringLiteral("SET SESSION sql_mode = CONCAT(@@sql_mode, ',ONLY_FULL_GROUP_BY')"));
        gUnitName = QStringLiteral("Thiruvananthapuram");
        gUserId = QStringLiteral("1");

        say(QStringLiteral("Making %1 fixed-asset bills and %2 newsprint invoices a year ...")
                .arg(kBillsPerYear)
                .arg(kNewsprintPerYear));
        makeYears(gConnection);
        say(QStringLiteral("Payments: %1")
                .arg(count(gConnection,
                           QStringLiteral("SELECT (SELECT COUNT(*) FROM vstores_2023.inv_asset_adjustbill)"
                                          " + (SELECT COUNT(*) FROM vstores_2024.inv_asset_adjustbill)"))));
        BillReportStore store = BillReportStore::current();
        const QDate from(2023, 4, 1), to(2025, 3, 31);

        {
            BillFilter f;
            f.from = from;
            f.to = to;
            f.unitCode = QStringLiteral("TVM");
            const LookupQuery q = store.billDetailsQuery(f);
            frmrptFixedAssetBillDetails w;
            w.findChild<QDateEdit *>(QStringLiteral("DtFrom"))->setDate(from);
            w.findChild<QDateEdit *>(QStringLiteral("Dtto"))->setDate(to);
            timeReport(gConnection,
                       {.name = QStringLiteral("Bill details, two years, every supplier"),
                        .sql = q.sql,
                        .values = q.values,
                        .show = [&] { w.CmShow_Click(); },
                        .rows = [&] { return w.rowCounter(); },
                        .scan = [] { scanBoth("inv_asset", "inv_grand_total"); },
                        .scanned = kScanned,
                        .countTrips = true},
                       quiet.ui);
        }
        {
            const LookupQuery q =
                store.pendingInvoicesQuery(BillKind::Newsprint, QStringLiteral("TVM"), QStringLiteral("441200001"));
            frmrptFixedAssetInvoice w;
            timeReport(gConnection,
                       {.name = QStringLiteral("Pending invoices, newsprint, one supplier and unit"),
                        .sql = q.sql,
                        .values = q.values,
                        .show =
                            [&] {
                                w.SetValues(QStringLiteral("TVM"), QStringLiteral("Thiruvananthapuram"),
                                            QStringLiteral("441200001"), QStringLiteral("Supplier 1"),
                                            QStringLiteral("0"));
                            },
                        .rows = [&] { return w.rowCounter(); },
                        .scan = [] { scanBoth("inv_invoice", "inv_grand_total"); },
                        .scanned = kScanned,
                        .countTrips = true},
                       quiet.ui);
        }
        {
            frmrptFABills w;
            w.findChild<QDateEdit *>(QStringLiteral("DtFrom"))->setDate(from);
            w.findChild<QDateEdit *>(QStringLiteral("Dtto"))->setDate(to);
            timeSummary(QStringLiteral("Bills by supplier, two years"), w);
        }
        {
            frmrptFAPendingBills w;
            w.findChild<QComboBox *>(QStringLiteral("CbType"))->setCurrentIndex(0);
            timeSummary(QStringLiteral("Pending bills, newsprint, two years"), w);
            const LookupQuery q = store.pendingBillsQuery(BillKind::Newsprint, QStringLiteral("TVM"), std::nullopt);
            sayPlan(gConnection, q.sql, q.values);
        }
        say(quiet.ui.texts().join(u'\n'));
        clearTables(gConnection);
    });
}
