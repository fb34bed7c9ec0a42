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

#include "Database.h"
#include "FAInvoiceStore.h"
#include "mdlVelmora.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

const DbName kStores(QStringLiteral("velmora_bench_fa"));
const DbName kPrevStores(QStringLiteral("velmora_bench_fa_prev"));
const DbName kAccounts(QStringLiteral("velmora_bench_faacc"));
const DbName kPrevAccounts(QStringLiteral("velmora_bench_faacc_prev"));
constexpr int kLines = 200;

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

double best(const std::function<void()> &run, const std::function<void()> &before = {})
{
    double fastest = 1e300;
    for (int i = 0; i < 5; ++i) {
        if (before)
            before();
        QElapsedTimer t;
        t.start();
        run();
        fastest = std::min(fastest, double(t.nsecsElapsed()) / 1e6);
    }
    return fastest;
}

QString script(const char *name)
{
    QFile f(QStringLiteral(VELMORA_SOURCE_DIR "/sql/") + QString::fromLatin1(name));
    if (!f.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("cannot read ") + f.fileName());
    return QString::fromUtf8(f.readAll());
}

ConnectionSpec account(const DbName &database)
{
    ConnectionSpec a;
    a.server = QStringLiteral("127.0.0.1");
    a.user = QStringLiteral("root");
    a.password = QStringLiteral("5831"); // the private test server's account (tools/dbserver.sh)
    a.database = database.str();
    return a;
}

void makeDatabases()
{
    Database db(QStringLiteral("bench-setup"));
    db.open(account(DbName(QStringLiteral("velmora"))));
    for (const DbName &d : {kStores, kPrevStores, kAccounts, kPrevAccounts}) {
        db.execute(QStringLiteral("DROP DATABASE IF EXISTS ") + d.str());
        db.execute(QStringLiteral("CREATE DATABASE ") + d.str());
    }
    for (const DbName &d : {kStores, kPrevStores}) {
        db.execute(QStringLiteral("USE ") + d.str());
        db.runScript(script("stores_year.sql"));
        db.runScript(QStringLiteral("INSERT INTO numbersetup (no_id, no_value) VALUES ('INVA_01_TVM', 'A0000001');\n"
                                    "INSERT INTO inv_itemmaster (comp_code, item_code, item_name) VALUES "
                                    "('01', 'I0001', 'DESKTOP COMPUTER');\n"
                                    "INSERT INTO inv_brandmaster (comp_code, brand_code, brand_name, brand_group) "
                                    "VALUES ('01', 'B0001', 'Lenovo', 1);\n"));
    }
    for (const DbName &d : {kAccounts, kPrevAccounts}) {
        db.execute(QStringLiteral("USE ") + d.str());
        db.runScript(script("accounts_year.sql"));
        db.execute(QStringLiteral("INSERT INTO acc_accountheads (ac_comp_code, ac_code, ac_name) VALUES "
                                  "('01', '441200001', 'Techno Office Systems')"));
    }
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
    db.execute(QStringLiteral("Insert into ") + kStores.table("inv_asset")
                   + QStringLiteral("(unit_code, comp_code, inv_code, inv_invoice_no, inv_po, inv_po_date, "
                                    "inv_supp_code, inv_date, inv_receipt_date, inv_narration, inv_freight, "
                                    "inv_vat, inv_cess, inv_total, inv_round_plus, inv_round_minus, "
                                    "inv_grand_total, created_by, created_date, created_time) "
                                    "Values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
               {QStringLiteral("TVM"), QStringLiteral("01"), code, b.invoiceNo, b.po, b.poDate, b.suppCode,
                b.invoiceDate, b.receiptDate, b.narration, dec(b.freight), dec(b.vat), dec(b.cess), dec(b.total),
                dec(b.roundPlus), dec(b.roundMinus), dec(b.grandTotal), 2, QStringLiteral("2024/05/10"),
                QStringLiteral("10:00:00")});
    int sl = 0;
    for (const FABillLine &l : b.lines)
        db.execute(QStringLiteral("Insert into ") + kStores.table("inv_asset_trans")
                       + QStringLiteral("(unit_code, invtrans_unit_code, comp_code, invtrans_id, invtrans_item_code, "
                                        "invtrans_brand_code, invtrans_narration, invtrans_war_date, invtrans_qty, "
                                        "invtrans_rate, invtrans_amount, invtrans_slno) "
                                        "Values(?,?,?,?,?,?,?,?,?,?,?,?)"),
                   {QStringLiteral("TVM"), QStringLiteral("TVM"), QStringLiteral("01"), code, l.itemCode,
                    l.brandCode, l.narration, l.warranty.isValid() ? sqlDate(l.warranty) : QStringLiteral(""),
                    dec(l.qty), dec(l.rate), dec(l.amount), ++sl});
    tx.commit();
}

void clearBills(Database &db)
{
    db.execute(QStringLiteral("Delete from ") + kStores.table("inv_asset"));
    db.execute(QStringLiteral("Delete from ") + kStores.table("inv_asset_trans"));
}

// Statements this session has sent to the server so far.
qint64 questions(Database &db)
{
    RecordSet rs = db.query(QStringLiteral("SHOW SESSION STATUS LIKE 'Questions'"));
    rs.next();
    return rs.text(1).toLongLong();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        say(QStringLiteral("usage: bench_fainvoice <private server socket>"));
        return 2;
    }
    Database::setEndpointOverride(args.at(1));
    try {
        makeDatabases();
        gConnection.open(account(kStores));
        gInvDbName = kStores;
        gAcDbName = kAccounts;
        gPrevInvDbName = kPrevStores;
        gPrevAcDbName = kPrevAccounts;
        gCompCode = QStringLiteral("01");
        gUnitCode = QStringLiteral("TVM");
        gUserId = QStringLiteral("2");
        Database &db = gConnection;

        int run = 0;
        const double saveMs = best(
            [&] {
                FABill bill = benchBill(QStringLiteral("SAVE-%1").arg(run));
                if (FAInvoiceStore::current().saveNew(bill) != FAInvoiceStore::Saved::Saved)
                    throw DbError(QStringLiteral("save refused"));
            },
            [&] {
                clearBills(db);
                ++run;
            });
        const FABill raw = benchBill(QStringLiteral("RAW"));
        const double rawMs = best([&] { rawInsert(db, raw, QStringLiteral("R0000001")); }, [&] { clearBills(db); });

        // A bill of the previous year with its 200 lines, paid in both years.
        db.execute(QStringLiteral("Insert into ") + kPrevStores.table("inv_asset")
                   + QStringLiteral(" Select * from ") + kStores.table("inv_asset"));
        db.execute(QStringLiteral("Insert into ") + kPrevStores.table("inv_asset_trans")
                   + QStringLiteral(" Select * from ") + kStores.table("inv_asset_trans"));
        for (const DbName &d : {kStores, kPrevStores})
            db.execute(QStringLiteral("Insert into ") + d.table("inv_asset_adjustbill")
                       + QStringLiteral(" (inv_no, voucher_no, adjust_amount) values ('R0000001', 'PV1', 1000)"));
        const QList<DbName> years{kStores, kPrevStores};
        std::optional<FABill> loaded;
        const qint64 before = questions(db);
        loaded = FAInvoiceStore::current().loadRecord(QStringLiteral("R0000001"), kPrevStores, years);
        // The count's own statement is one of them.
        const qint64 trips = questions(db) - before - 1;
        if (!loaded || loaded->lines.size() != kLines)
            throw DbError(QStringLiteral("the previous year's bill did not load"));
        const double loadMs =
            best([&] { loaded = FAInvoiceStore::current().loadRecord(QStringLiteral("R0000001"), kPrevStores, years); });

        say(QString());
        say(QStringLiteral("SaveNew, %1 lines                 %2 ms").arg(kLines).arg(saveMs, 0, 'f', 1));
        say(QStringLiteral("raw inserts, one per row          %1 ms   SaveNew / raw = %2")
                .arg(rawMs, 0, 'f', 1)
                .arg(saveMs / rawMs, 0, 'f', 2));
        say(QStringLiteral("LoadRecord, previous-year bill    %1 ms, %2 round trips, adjusted %3")
                .arg(loadMs, 0, 'f', 1)
                .arg(trips)
                .arg(loaded->adjusted.toText(2)));

        for (const DbName &d : {kStores, kPrevStores, kAccounts, kPrevAccounts})
            db.execute(QStringLiteral("DROP DATABASE ") + d.str());
    } catch (const DbError &e) {
        say(QStringLiteral("failed: ") + e.serverText());
        return 1;
    }
    return 0;
}
