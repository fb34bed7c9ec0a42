// Speed of the fixed-asset bill store:
//  - saving a new bill of 200 lines through the store, against the same header
//    and lines inserted raw, one statement per row, in one transaction
//    (target: at most 0.5x);
//  - loading a bill of the previous year, with its payments read from both
//    years, counted in round trips to the server (target: at most 3).
//
// Run it against a private test server, never a server in use:
//
//   tools/testdb.sh start /tmp/velmora-bench-db
//   cmake -S . -B build-bench -G Ninja -DVELMORA_BENCH=ON -DVELMORA_TESTS=OFF
//   cmake --build build-bench --target bench_fainvoice
//   build-bench/bench/bench_fainvoice /tmp/velmora-bench-db/mysql.sock
//   tools/testdb.sh stop /tmp/velmora-bench-db
//
// It makes (and at the end drops) the scratch databases velmora_bench_fa,
// velmora_bench_fa_prev, velmora_bench_faacc and velmora_bench_faacc_prev.
// Each timing is the best of five runs.

#include "BenchSupport.h"
#include "Database.h"
#include "FAInvoiceStore.h"
#include "mdlVelmora.h"

#include <QCoreApplication>

namespace {

const DbName kStores(QStringLiteral("velmora_bench_fa"));
const DbName kPrevStores(QStringLiteral("velmora_bench_fa_prev"));
const DbName kAccounts(QStringLiteral("velmora_bench_faacc"));
const DbName kPrevAccounts(QStringLiteral("velmora_bench_faacc_prev"));
constexpr int kLines = 200;

void makeDatabases()
{
    for (const DbName &d : {kStores, kPrevStores})
        makeScratchDatabase(d, [](Database &db) {
            loadYearSchema(db, "stores_year");
            db.runScript(
                QStringLiteral("INSERT INTO numbersetup (no_id, no_value) VALUES ('INVA_01_TVM', 'A0000001');\n"
                               "INSERT INTO inv_itemmaster (comp_code, item_code, item_name) VALUES "
                               "('01', 'I0001', 'DESKTOP COMPUTER');\n"
                               "INSERT INTO inv_brandmaster (comp_code, brand_code, brand_name, brand_group) "
                               "VALUES ('01', 'B0001', 'Lontrix', 1);\n"));
        });
    for (const DbName &d : {kAccounts, kPrevAccounts})
        makeScratchDatabase(d, [](Database &db) {
            loadYearSchema(db, "accounts_year");
            db.execute(QStringLiteral("INSERT INTO acc_accountheads (ac_comp_code, ac_code, ac_name) VALUES "
                                      "('01', '441200001', 'Techno Office Systems')"));
        });
}

FABill benchBill(const QString &number)
{
    FABill b;
    b.invoiceNo = number;
    b.po = QStringLiteral("PO/FA/1");
    b.poDate = b.invoiceDate = b.receiptDate = QDate(2024, 5, 10);
    b.suppCode = QStringLiteral("441200001");
    b.narration = QStringLiteral("Computers for the news desk");
    for (int i = 1; i <= kLines; ++i) {
        FABillLine l;
        l.itemCode = QStringLiteral("I0001");
        l.itemName = QStringLiteral("DESKTOP COMPUTER");
        l.brandCode = QStringLiteral("B0001");
        l.narration = QStringLiteral("TOWER %1").arg(i);
        if (i % 2)
            l.warranty = QDate(2025, 5, 10);
        l.qty = Decimal::fromInt(2);
        l.rate = Decimal::fromText(QStringLiteral("48500.50"));
        l.amount = (l.qty * l.rate).rounded(2);
        b.lines << l;
        b.total += l.amount;
    }
    b.grandTotal = b.total;
    return b;
}

// The same header and lines as the store writes, one plain insert per row.
void rawInsert(Database &db, const FABill &b, const QString &code)
{
    const auto dec = [](const Decimal &d) { return QVariant::fromValue(d); };
    Transaction tx(db);
    insertRow(db, kStores.table("inv_asset"),
              QStringLiteral("unit_code, comp_code, inv_code, inv_invoice_no, inv_po, inv_po_date, "
                             "inv_supp_code, inv_date, inv_receipt_date, inv_narration, inv_freight, "
                             "inv_vat, inv_cess, inv_total, inv_round_plus, inv_round_minus, "
                             "inv_grand_total, created_by, created_date, created_time"),
              {QStringLiteral("TVM"),
               QStringLiteral("01"),
               code,
               b.invoiceNo,
               b.po,
               b.poDate,
               b.suppCode,
               b.invoiceDate,
               b.receiptDate,
               b.narration,
               dec(b.freight),
               dec(b.vat),
               dec(b.cess),
               dec(b.total),
               dec(b.roundPlus),
               dec(b.roundMinus),
               dec(b.grandTotal),
               2,
               QStringLiteral("2024/05/10"),
               QStringLiteral("10:00:00")});
    int sl = 0;
    for (const FABillLine &l : b.lines)
        insertRow(db, kStores.table("inv_asset_trans"),
                  QStringLiteral("unit_code, invtrans_unit_code, comp_code, invtrans_id, invtrans_item_code, "
                                 "invtrans_brand_code, invtrans_narration, invtrans_war_date, invtrans_qty, "
                                 "invtrans_rate, invtrans_amount, invtrans_slno"),
                  {QStringLiteral("TVM"), QStringLiteral("TVM"), QStringLiteral("01"), code, l.itemCode, l.brandCode,
                   l.narration, l.warranty.isValid() ? sqlDate(l.warranty) : QStringLiteral(""), dec(l.qty),
                   dec(l.rate), dec(l.amount), ++sl});
    tx.commit();
}

void clearBills(Database &db)
{
    db.execute(QStringLiteral("Delete from ") + kStores.table("inv_asset"));
    db.execute(QStringLiteral("Delete from ") + kStores.table("inv_asset_trans"));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return runBench(app.arguments(), "bench_fainvoice", [] {
        makeDatabases();
        openBenchYear(kStores, kAccounts, kPrevStores, kPrevAccounts);
        gUserId = QStringLiteral("2");
        Database &db = gConnection;

        const FABill raw = benchBill(QStringLiteral("RAW"));
        const SaveTimes save = timeSaveAgainstRaw(
            [](int run) {
                FABill bill = benchBill(QStringLiteral("SAVE-%1").arg(run));
                return FAInvoiceStore::current().saveNew(bill) == FAInvoiceStore::Saved::Saved;
            },
            [&] { rawInsert(db, raw, QStringLiteral("R0000001")); }, [&] { clearBills(db); });

        // A bill of the previous year with its 200 lines, paid in both years.
        db.execute(QStringLiteral("Insert into ") + kPrevStores.table("inv_asset") + QStringLiteral(" Select * from ")
                   + kStores.table("inv_asset"));
        db.execute(QStringLiteral("Insert into ") + kPrevStores.table("inv_asset_trans")
                   + QStringLiteral(" Select * from ") + kStores.table("inv_asset_trans"));
        for (const DbName &d : {kStores, kPrevStores})
            db.execute(QStringLiteral("Insert into ") + d.table("inv_asset_adjustbill")
                       + QStringLiteral(" (inv_no, voucher_no, adjust_amount) values ('R0000001', 'PV1', 1000)"));
        const QList<DbName> years{kStores, kPrevStores};
        std::optional<FABill> loaded;
        const auto load = [&] {
            loaded = FAInvoiceStore::current().loadRecord(QStringLiteral("R0000001"), kPrevStores, years);
        };
        const qint64 trips = roundTrips(db, load);
        if (!loaded || loaded->lines.size() != kLines)
            throw DbError(QStringLiteral("the previous year's bill did not load"));
        const double loadMs = best(load);

        say(QString());
        saySaveFigures(QStringLiteral("%1 lines").arg(kLines), save);
        sayFigure(QStringLiteral("LoadRecord, previous-year bill"),
                  QStringLiteral("%1, %2 round trips, adjusted %3")
                      .arg(msText(loadMs))
                      .arg(trips)
                      .arg(loaded->adjusted.toText(2)));

        dropDatabases(db, {kStores, kPrevStores, kAccounts, kPrevAccounts});
    });
}
