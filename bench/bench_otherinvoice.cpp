// Speed of the other-stores invoice paths:
//  - saving a new invoice of 200 lines through the store, against the same
//    header and lines inserted raw, one statement per row, in one transaction
//    (target: at most 0.5x);
//  - filling the other-stores invoice list from 20,000 invoices, with and
//    without the item filter, against the raw fetch of the same rows (target:
//    within 1.5x).
//
// Run it against a private test server, never a server in use:
//
//   tools/testdb.sh start /tmp/velmora-bench-db
//   cmake -S . -B build-bench -G Ninja -DVELMORA_BENCH=ON -DVELMORA_TESTS=OFF
//   cmake --build build-bench --target bench_otherinvoice
//   build-bench/bench/bench_otherinvoice /tmp/velmora-bench-db/mysql.sock
//   tools/testdb.sh stop /tmp/velmora-bench-db
//
// It makes (and at the end drops) the scratch databases velmora_bench_oinv and
// velmora_bench_oacc. Each timing is the best of five runs.

#include "BenchSupport.h"
#include "Database.h"
#include "OtherInvoiceStore.h"
#include "Sheet.h"
#include "Lookup.h"
#include "frmOtherStoresInvoice.h"
#include "mdlVelmora.h"

#include <QApplication>
#include <QDateEdit>

namespace {

const DbName kStores(QStringLiteral("velmora_bench_oinv"));
const DbName kAccounts(QStringLiteral("velmora_bench_oacc"));
constexpr int kLines = 200;
constexpr int kListInvoices = 20000;
constexpr int kLinesPerInvoice = 8;
constexpr int kItems = 400;

void makeDatabases()
{
    makeScratchDatabase(kStores, [](Database &db) {
        loadYearSchema(db, "stores_year");
        db.execute(QStringLiteral("INSERT INTO numbersetup (no_id, no_value) VALUES ('INVP_01_TVM', 'P0000001')"));
        db.execute(QStringLiteral("INSERT INTO inv_itemmaster (comp_code, item_code, item_name, item_type) "
                                  "SELECT '01', CONCAT('', seq), CONCAT('STORES ITEM ', seq), 1 "
                                  "FROM seq_1_to_1000 WHERE seq <= ?"),
                   {kItems});
    });
    makeScratchDatabase(kAccounts, [](Database &db) {
        loadYearSchema(db, "accounts_year");
        db.execute(QStringLiteral("INSERT INTO acc_accountheads (ac_comp_code, ac_code, ac_name, ac_gst) "
                                  "SELECT '01', CONCAT('4412000', LPAD(seq, 3, '0')), "
                                  "CONCAT('Supplier number ', seq, ' Stores Ltd'), "
                                  "CONCAT('32AAAC', LPAD(seq, 5, '0'), 'Z1') FROM seq_1_to_250"));
    });
}

OtherInvoice benchInvoice(const QString &number)
{
    OtherInvoice inv;
    inv.invoiceNo = number;
    inv.invoiceDate = QDate(2024, 5, 10);
    inv.receiptDate = QDate(2024, 5, 12);
    inv.suppCode = QStringLiteral("4412000001");
    inv.gstNo = QStringLiteral("32AAAC00001Z1");
    inv.freight = Decimal::fromText("150");
    for (int i = 1; i <= kLines; ++i) {
        OtherInvoiceLine l;
        l.itemCode = QString::number(i);
        l.qty = Decimal::fromInt(i);
        l.rate = Decimal::fromText("33.33");
        l.cgstPer = Decimal::fromInt(9);
        l.sgstPer = Decimal::fromInt(9);
        l.cgstAmt = (l.qty * l.rate * l.cgstPer / Decimal::fromInt(100)).rounded(2);
        l.sgstAmt = l.cgstAmt;
        l.amount = (l.qty * l.rate).rounded(2) + l.cgstAmt + l.sgstAmt;
        inv.lines << l;
        inv.grossTotal += (l.qty * l.rate).rounded(2);
        inv.cgst += l.cgstAmt;
        inv.sgst += l.sgstAmt;
    }
    inv.netTotal = inv.grossTotal + inv.cgst + inv.sgst;
    return inv;
}

QVariant dec(const Decimal &d)
{
    return QVariant::fromValue(d);
}

// The same header and lines as the store writes, one plain insert per row.
void rawInsert(Database &db, const OtherInvoice &inv, const QString &code)
{
    Transaction tx(db);
    insertRow(db, kStores.table("inv_invoice_gen"),
              QStringLiteral("unit_code, comp_code, inv_trans_id, inv_invoice_no, inv_date, inv_receipt_date, "
                             "inv_supp_code, inv_gst_no, inv_tcs, inv_freight, inv_narration, inv_round_plus, "
                             "inv_round_minus, inv_gross_total, inv_cgst_amt, inv_sgst_amt, inv_igst_amt, "
                             "inv_net_total, created_by, created_date, created_time"),
              {QStringLiteral("TVM"),
               QStringLiteral("01"),
               code,
               inv.invoiceNo,
               inv.invoiceDate,
               inv.receiptDate,
               inv.suppCode,
               inv.gstNo,
               dec(inv.tcs),
               dec(inv.freight),
               QStringLiteral(""),
               dec(inv.roundPlus),
               dec(inv.roundMinus),
               dec(inv.grossTotal),
               dec(inv.cgst),
               dec(inv.sgst),
               dec(inv.igst),
               dec(inv.netTotal),
               2,
               QStringLiteral("2024/05/10"),
               QStringLiteral("10:00:00")});
    int sl = 0;
    for (const OtherInvoiceLine &l : inv.lines)
        insertRow(db, kStores.table("inv_invoice_trans_gen"),
                  QStringLiteral("unit_code, comp_code, invtrans_id, invtrans_item_code, invtrans_qty, "
                                 "invtrans_rate, invtrans_cgst_per, invtrans_cgst_amt, invtrans_sgst_per, "
                                 "invtrans_sgst_amt, invtrans_igst_per, invtrans_igst_amt, invtrans_amount, "
                                 "invtrans_slno"),
                  {QStringLiteral("TVM"), QStringLiteral("01"), code, l.itemCode, dec(l.qty), dec(l.rate),
                   dec(l.cgstPer), dec(l.cgstAmt), dec(l.sgstPer), dec(l.sgstAmt), dec(l.igstPer), dec(l.igstAmt),
                   dec(l.amount), ++sl});
    tx.commit();
}

void clearInvoices(Database &db)
{
    db.execute(QStringLiteral("Delete from ") + kStores.table("inv_invoice_gen"));
    db.execute(QStringLiteral("Delete from ") + kStores.table("inv_invoice_trans_gen"));
}

void makeList(Database &db)
{
    clearInvoices(db);
    db.execute(QStringLiteral("Insert into ") + kStores.table("inv_invoice_gen")
                   + QStringLiteral("(unit_code, comp_code, inv_trans_id, inv_invoice_no, inv_date, inv_receipt_date, "
                                    "inv_supp_code, inv_gst_no, inv_tcs, inv_freight, inv_gross_total, inv_cgst_amt, "
                                    "inv_sgst_amt, inv_igst_amt, inv_net_total) "
                                    "SELECT 'TVM', '01', CONCAT('P', LPAD(seq, 7, '0')), CONCAT('KOS/', seq * 7), "
                                    "DATE_ADD('2024-04-01', INTERVAL seq MOD 365 DAY), "
                                    "DATE_ADD('2024-04-03', INTERVAL seq MOD 365 DAY), "
                                    "CONCAT('4412000', LPAD(1 + seq MOD 250, 3, '0')), '32AAAC00001Z1', 0, 50, "
                                    "seq MOD 90000 / 100, (seq * 3) MOD 10000 / 100, (seq * 3) MOD 10000 / 100, "
                                    "IF(seq MOD 5 = 0, NULL, 0), seq MOD 90000 / 100 + (seq * 6) MOD 20000 / 100 "
                                    "FROM seq_1_to_1000000 WHERE seq <= ?"),
               {kListInvoices});
    // Each invoice holds lines of eight items spread over the item master.
    db.execute(QStringLiteral("Insert into ") + kStores.table("inv_invoice_trans_gen")
                   + QStringLiteral("(unit_code, comp_code, invtrans_id, invtrans_slno, invtrans_item_code, "
                                    "invtrans_qty, invtrans_rate, invtrans_cgst_per, invtrans_cgst_amt, "
                                    "invtrans_sgst_per, invtrans_sgst_amt, invtrans_amount) "
                                    "SELECT 'TVM', '01', CONCAT('P', LPAD(1 + (seq - 1) DIV ?, 7, '0')), "
                                    "1 + (seq - 1) MOD ?, CONCAT('', 1 + (seq * 37) MOD ?), 2, 105, 9, 18.90, 9, "
                                    "18.90, 247.80 FROM seq_1_to_1000000 WHERE seq <= ?"),
               {kLinesPerInvoice, kLinesPerInvoice, kItems, kListInvoices * kLinesPerInvoice});
    db.execute(QStringLiteral("Analyze table ") + kStores.table("inv_invoice_gen") + QStringLiteral(", ")
               + kStores.table("inv_invoice_trans_gen"));
}

RawFetch timeListFetch(const QDate &from, const QDate &to, const QString &itemCode)
{
    return timeRawFetch([&] { return OtherInvoiceStore::current().list(from, to, itemCode); });
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return runBench(app.arguments(), "bench_otherinvoice", [] {
        makeDatabases();
        openBenchYear(kStores, kAccounts);
        gUserId = QStringLiteral("2");
        Database &db = gConnection;

        const OtherInvoice raw = benchInvoice(QStringLiteral("RAW"));
        const SaveTimes save = timeSaveAgainstRaw(
            [](int run) {
                OtherInvoice inv = benchInvoice(QStringLiteral("SAVE-%1").arg(run));
                return OtherInvoiceStore::current().saveNew(inv) == OtherInvoiceStore::Saved::Saved;
            },
            [&] { rawInsert(db, raw, QStringLiteral("R0000001")); }, [&] { clearInvoices(db); });

        say(QStringLiteral("Making %1 invoices with %2 lines ...")
                .arg(kListInvoices)
                .arg(kListInvoices * kLinesPerInvoice));
        makeList(db);
        const QDate from(2024, 4, 1), to(2025, 3, 31);
        const RawFetch fetch = timeListFetch(from, to, QString());

        frmOtherStoresInvoice w;
        w.DtFrom->setDate(from);
        w.DtTo->setDate(to);
        const double fillMs = best([&] { w.FillList(); });
        const int filled = w.sheet()->RowCount() - 1;

        const QString item = QStringLiteral("12");
        const RawFetch itemFetch = timeListFetch(from, to, item);
        // A window of its own, as the clerk opens the list and chooses the item first.
        frmOtherStoresInvoice byItem;
        byItem.DtFrom->setDate(from);
        byItem.DtTo->setDate(to);
        byItem.TxItem->setChoice(item, QStringLiteral("STORES ITEM 12"));
        const double itemFillMs = best([&] { byItem.FillList(); });
        // The same after the whole year was listed: the sheet keeps its rows and clears them.
        w.TxItem->setChoice(item, QStringLiteral("STORES ITEM 12"));
        const double itemRefillMs = best([&] { w.FillList(); });

        say(QString());
        saySaveFigures(QStringLiteral("%1 lines").arg(kLines), save);
        sayListFigures(QStringLiteral("list"), fetch, filled, fillMs);
        sayFilteredListFigures(QStringLiteral("item \"%1\"").arg(item), itemFetch, QStringLiteral("list"), itemFillMs);
        sayFigure(QStringLiteral("  list refill after the whole year"),
                  msAgainst(itemRefillMs, QStringLiteral("refill / raw fetch"), itemFetch.ms));

        dropDatabases(db, {kStores, kAccounts});
    });
}
