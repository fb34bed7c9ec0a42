// Speed of the stock-transfer list and of a transfer batch on a large godown:
// the list of 400,000 reels filled without a search text against the raw
// fetch of the same rows, and a transfer of 1,000 ticked reels in one commit.
//
// Run it against a private test server, never a server in use: it replaces
// the reels, invoices and account heads of the server's vstores_2024 and
// vacc_2024 and empties them again at the end.
//
//   tools/testdb.sh start /tmp/velmora-bench-db
//   cmake -S . -B build-bench -G Ninja -DVELMORA_BENCH=ON -DVELMORA_TESTS=OFF
//   cmake --build build-bench --target bench_reelmove
//   build-bench/bench/bench_reelmove /tmp/velmora-bench-db/mysql.sock
//   tools/testdb.sh stop /tmp/velmora-bench-db
//
// Each timing is the best of three runs. Targets: fill within 2x the raw
// fetch; the 1,000-reel transfer well under a second.

#include "BenchSupport.h"
#include "ReelTickModel.h"
#include "ReelTransferStore.h"
#include "mdlVelmora.h"

#include <QCoreApplication>

namespace {

constexpr int kReels = 400000;
constexpr int kReelsPerInvoice = 10;
constexpr int kBatch = 1000;
constexpr int kRuns = 3;

void emptyTables()
{
    gConnection.execute(QStringLiteral("Delete from vstores_2024.inv_invoice_trans"));
    gConnection.execute(QStringLiteral("Delete from vstores_2024.inv_invoice"));
    gConnection.execute(QStringLiteral("Delete from vacc_2024.acc_accountheads"));
}

void makeReels()
{
    emptyTables();
    gConnection.execute(QStringLiteral("Insert into vacc_2024.acc_accountheads (ac_comp_code, ac_code, ac_name) "
                                       "values ('01','4412000001','Kerala Paper Mills')"));
    gConnection.execute(
        QStringLiteral("Insert into vstores_2024.inv_invoice (unit_code, comp_code, inv_trans_id, inv_invoice_no, "
                       "inv_date, inv_receipt_date, inv_supp_code, inv_brand_code, inv_finalize) "
                       "Select 'TVM','01',concat('N',lpad(seq,7,'0')),concat('S',seq),'2024-06-01','2024-06-02',"
                       "'4412000001','B0001',1 from seq_1_to_%1")
            .arg(kReels / kReelsPerInvoice));
    gConnection.execute(
        QStringLiteral("Insert into vstores_2024.inv_invoice_trans (unit_code, comp_code, invtrans_id, invtrans_slno, "
                       "invtrans_reel_no, invtrans_gsm, invtrans_reel_type, invtrans_weight, invtrans_rate, "
                       "invtrans_amt, invtrans_unit_code, invtrans_finalize) "
                       "Select 'TVM','01',concat('N',lpad((seq-1) div %2 + 1,7,'0')),(seq-1) mod %2 + 1,"
                       "concat('R',lpad(seq,8,'0')),if(seq mod 2,'GSM0001','GSM0002'),"
                       "if(seq mod 3,'RT0001','RT0002'),800.5,42.5,34021.25,'TVM',1 from seq_1_to_%1")
            .arg(kReels)
            .arg(kReelsPerInvoice));
    gConnection.execute(QStringLiteral("Analyze table vstores_2024.inv_invoice_trans, vstores_2024.inv_invoice"));
}

// The same rows as the list, read as text and thrown away: what the server and
// the data-access layer cost on their own.
RecordSet listRows()
{
    return gConnection.query(QStringLiteral(
        "Select t.invtrans_reel_no, g.gsm_name, r.reeltype_name, t.invtrans_weight, t.invtrans_rate, t.invtrans_amt, "
        "t.invtrans_gsm, t.invtrans_reel_type, u.unit_name, t.invtrans_unit_code, t.invtrans_slno, t.invtrans_id, "
        "t.unit_code from vstores_2024.inv_invoice_trans t "
        "inner join vstores_2024.inv_gsm g on g.gsm_code=t.invtrans_gsm "
        "inner join vstores_2024.inv_reeltype r on r.reeltype_code=t.invtrans_reel_type "
        "inner join velmora.unitmaster u on u.unit_code=t.invtrans_unit_code "
        "where t.comp_code='01' and t.invtrans_unit_code='TVM' and t.invtrans_finalize=1 "
        "and t.invtrans_cons_flag=0 and t.invtrans_util_flag=0 "
        "order by u.unit_priority, t.invtrans_id, t.invtrans_slno"));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return runBench(app.arguments(), "bench_reelmove", [] {
        openBenchYear(DbName(QStringLiteral("vstores_2024")), DbName(QStringLiteral("vacc_2024")));

        say(QStringLiteral("Making %1 godown reels on %2 invoices ...").arg(kReels).arg(kReels / kReelsPerInvoice));
        makeReels();

        const RawFetch raw = timeRawFetch(listRows, kRuns);
        say(QStringLiteral("raw fetch of the list's rows: %1 rows, %2 ms").arg(raw.rows).arg(raw.ms, 0, 'f', 0));

        ReelTickModel model;
        const double fillMs = best([&] { model.reset(ReelTransferStore::stockReels(QString()), 20); }, {}, kRuns);
        say(QStringLiteral("stock-transfer list without text: %1 rows, %2 ms (%3x the raw fetch)")
                .arg(model.reelCount())
                .arg(fillMs, 0, 'f', 0)
                .arg(fillMs / raw.ms, 0, 'f', 2));

        // 1,000 reels spread over the list; each run is undone before the next.
        QList<ReelMove> there;
        for (int i = 0; i < kBatch; ++i) {
            const ReelRow &r = model.reel(i * (model.reelCount() / kBatch));
            there.append({r.transId, r.slNo, r.enteringUnit, QStringLiteral("KTM"), r.reelNo});
        }
        const auto timedBatch = [&](const QString &what, const std::function<int()> &run, const QString &undo) {
            int moved = 0;
            const auto undoMoves = [&] { gConnection.execute(undo); };
            const double ms = best([&] { moved = run(); }, undoMoves, kRuns);
            undoMoves();
            say(QStringLiteral("%1 of %2 ticked reels in one commit: %3 done, %4 ms")
                    .arg(what)
                    .arg(kBatch)
                    .arg(moved)
                    .arg(ms, 0, 'f', 0));
        };
        timedBatch(
            QStringLiteral("transfer to another unit"), [&] { return ReelTransferStore::moveToUnits(there); },
            QStringLiteral("Update vstores_2024.inv_invoice_trans set invtrans_unit_code='TVM'"));
        timedBatch(
            QStringLiteral("issue to the press"), [&] { return ReelTransferStore::issueToPress(there); },
            QStringLiteral("Update vstores_2024.inv_invoice_trans set invtrans_cons_flag=0"));
        emptyTables();
    });
}
