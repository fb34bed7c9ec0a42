// Eight workstations saving masters into one code series at once: 8
// connections x 200 new GSM grades each, through the master store (series row
// lock, name check inside the save, retry on deadlock). Reports saves per
// second, saves refused with an error, names stored twice and codes stored
// twice or skipped. Targets: 0 refused, 0 duplicates.
//
// Half of each station's names are shared with the other stations, so the name
// check is exercised under contention as well as the counter.
//
// Run it against a private test server, never a server in use:
//
//   tools/testdb.sh start /tmp/velmora-bench-db
//   cmake -S . -B build-bench -G Ninja -DVELMORA_BENCH=ON -DVELMORA_TESTS=OFF
//   cmake --build build-bench --target bench_concurrentsaves
//   build-bench/bench/bench_concurrentsaves /tmp/velmora-bench-db/mysql.sock
//   tools/testdb.sh stop /tmp/velmora-bench-db
//
// It makes (and at the end drops) the scratch database velmora_bench_saves.

#include "BenchSupport.h"
#include "CodeNameTableStore.h"
#include "Database.h"
#include "mdlVelmora.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <atomic>
#include <memory>
#include <vector>

namespace {

const DbName kBenchDb(QStringLiteral("velmora_bench_saves"));
constexpr int kStations = 8;
constexpr int kSavesPerStation = 200;

// `schemaFile` empty: the stores year's own scripts.
void makeStationsDatabase(const QString &schemaFile)
{
    makeScratchDatabase(kBenchDb, [&](Database &db) {
        if (schemaFile.isEmpty())
            loadYearSchema(db, "stores_year");
        else
            db.runScript(textFile(schemaFile));
        db.execute(QStringLiteral("Insert into numbersetup (no_id, no_value) values ('GSM_01_NO', 'GSM00001')"));
    });
}

struct Tally {
    int saved = 0;
    int duplicates = 0; // refused by the name check, as intended
    QStringList errors;
};

bool runPhase(Database &admin, bool shared)
{

    std::vector<Tally> tallies(kStations);
    std::atomic<int> ready{0};
    std::atomic<bool> go{false};
    std::vector<std::unique_ptr<QThread>> threads;
    for (int i = 0; i < kStations; ++i) {
        threads.emplace_back(QThread::create([&, i] {
            Database db(QStringLiteral("station-%1").arg(i));
            Tally &t = tallies[i];
            try {
                db.open(benchAccount(kBenchDb));
            } catch (const DbError &e) {
                t.errors << e.serverText();
                ++ready;
                return;
            }
            CodeNameTableStore store(
                CodeNameTable{"inv_gsm", QStringLiteral("gsm_code"), QStringLiteral("gsm_name"), QString(), {}}, db);
            ++ready;
            while (!go)
                QThread::yieldCurrentThread();
            for (int n = 0; n < kSavesPerStation; ++n) {
                // Shared: every odd save tries a name that every station tries.
                const QString name = !shared || n % 2 == 0 ? QStringLiteral("S%1 grade %2").arg(i).arg(n)
                                                           : QStringLiteral("shared grade %1").arg(n);
                try {
                    const CodeNameSaveResult r = store.addEntry({QString(), name, {}}, QStringLiteral("GSM_01_NO"));
                    if (r.duplicate)
                        ++t.duplicates;
                    else
                        ++t.saved;
                } catch (const DbError &e) {
                    t.errors << e.serverText();
                }
            }
        }));
        threads.back()->start();
    }
    while (ready < kStations)
        QThread::yieldCurrentThread();
    QElapsedTimer clock;
    clock.start();
    go = true;
    for (auto &t : threads)
        t->wait();
    const double seconds = clock.nsecsElapsed() / 1e9;

    Tally sum;
    for (const Tally &t : tallies) {
        sum.saved += t.saved;
        sum.duplicates += t.duplicates;
        sum.errors += t.errors;
    }
    const int attempts = kStations * kSavesPerStation;
    const int expectedRows =
        shared ? kStations * (kSavesPerStation / 2) + kSavesPerStation / 2 : kStations * kSavesPerStation;
    int rows = 0, names = 0, codes = 0;
    QString next;
    try {
        rows = admin.firstValue(QStringLiteral("Select count(*) from ") + kBenchDb.table("inv_gsm")).toInt();
        names = admin.firstValue(QStringLiteral("Select count(distinct gsm_name) from ") + kBenchDb.table("inv_gsm"))
                    .toInt();
        codes = admin.firstValue(QStringLiteral("Select count(distinct gsm_code) from ") + kBenchDb.table("inv_gsm"))
                    .toInt();
        next = admin.firstValue(QStringLiteral("Select no_value from ") + kBenchDb.table("numbersetup")
                                + QStringLiteral(" where no_id='GSM_01_NO'"));
        if (shared)
            dropDatabases(admin, {kBenchDb});
    } catch (const DbError &e) {
        say(QStringLiteral("read-back failed: ") + e.serverText());
        return false;
    }

    say(shared ? QStringLiteral("Half the names shared by every station:") : QStringLiteral("Every name distinct:"));
    say(QStringLiteral("%1 stations x %2 saves in one series: %3 s")
            .arg(kStations)
            .arg(kSavesPerStation)
            .arg(seconds, 0, 'f', 2));
    say(QStringLiteral("  save attempts per second : %1").arg(attempts / seconds, 0, 'f', 0));
    say(QStringLiteral("  rows stored per second   : %1").arg(sum.saved / seconds, 0, 'f', 0));
    say(QStringLiteral("  stored                   : %1 (expected %2)").arg(sum.saved).arg(expectedRows));
    say(QStringLiteral("  refused by the name check: %1 (expected %2)")
            .arg(sum.duplicates)
            .arg(attempts - expectedRows));
    say(QStringLiteral("  refused with an error    : %1").arg(sum.errors.size()));
    for (const QString &e : sum.errors.mid(0, 5))
        say(QStringLiteral("    ") + e);
    say(QStringLiteral("  names stored twice       : %1").arg(rows - names));
    say(QStringLiteral("  codes stored twice       : %1").arg(rows - codes));
    say(QStringLiteral("  counter after            : %1 (GSM%2 expected: no gap)")
            .arg(next)
            .arg(rows + 1, 5, 10, QChar(u'0')));
    return sum.errors.isEmpty() && rows == names && rows == codes && sum.saved == expectedRows;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (!useBenchServer(args, "bench_concurrentsaves", QStringLiteral("[schema file]")))
        return 2;
    const QString schema = args.value(2);
    Database admin(QStringLiteral("bench-admin"));
    try {
        admin.open(benchAccount(DbName(QStringLiteral("velmora"))));
        makeStationsDatabase(schema);
    } catch (const DbError &e) {
        say(QStringLiteral("set-up failed: ") + e.serverText());
        return 1;
    }

    // The working context every station shares; read-only while they run.
    gInvDbName = kBenchDb;
    gCompCode = QStringLiteral("01");
    gUnitCode = QStringLiteral("TVM");
    gUserId = QStringLiteral("2");

    bool allWell = true;
    for (const bool shared : {false, true}) {
        if (shared) {
            try {
                makeStationsDatabase(schema);
            } catch (const DbError &e) {
                say(QStringLiteral("set-up failed: ") + e.serverText());
                return 1;
            }
        }
        allWell = runPhase(admin, shared) && allWell;
    }
    return allWell ? 0 : 1;
}
