#include "BenchSupport.h"
#include "Ui.h"
#include "mdlVelmora.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>

namespace {

// Where the values of a column of figures start.
constexpr int kFigureColumn = 34;

} // namespace

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

void sayFigure(const QString &label, const QString &value)
{
    say(label.leftJustified(kFigureColumn - 1) + u' ' + value);
}

QString msText(double ms)
{
    return QStringLiteral("%1 ms").arg(ms, 0, 'f', 1);
}

QString msAgainst(double ms, const QString &ratio, double baselineMs)
{
    return QStringLiteral("%1   %2 = %3").arg(msText(ms), ratio).arg(ms / baselineMs, 0, 'f', 2);
}

double best(const std::function<void()> &run, const std::function<void()> &before, int runs)
{
    double fastest = 1e300;
    for (int i = 0; i < runs; ++i) {
        if (before)
            before();
        QElapsedTimer t;
        t.start();
        run();
        fastest = std::min(fastest, double(t.nsecsElapsed()) / 1e6);
    }
    return fastest;
}

qint64 roundTrips(Database &db, const std::function<void()> &run)
{
    auto questions = [&] {
        RecordSet rs = db.query(QStringLiteral("SHOW SESSION STATUS LIKE 'Questions'"));
        rs.next();
        return rs.text(1).toLongLong();
    };
    const qint64 first = questions();
    const qint64 idle = questions() - first; // what asking itself costs
    const qint64 before = questions();
    run();
    return questions() - before - idle;
}

qint64 readEveryValue(RecordSet rs)
{
    const int columns = rs.columnCount();
    qint64 rows = 0;
    while (rs.next()) {
        ++rows;
        for (int c = 0; c < columns; ++c)
            rs.text(c);
    }
    return rows;
}

RawFetch timeRawFetch(const std::function<RecordSet()> &query, int runs)
{
    RawFetch f;
    f.rows = readEveryValue(query()); // warm the server's cache
    f.ms = best([&] { f.rows = readEveryValue(query()); }, {}, runs);
    return f;
}

RawFetch timeRawFetch(Database &db, const QString &sql, const QVariantList &values, int runs)
{
    return timeRawFetch([&] { return db.query(sql, values); }, runs);
}

void sayListFigures(const QString &window, const RawFetch &fetch, int listed, double fillMs)
{
    sayFigure(QStringLiteral("list rows"), QStringLiteral("%1 fetched, %2 on the sheet").arg(fetch.rows).arg(listed));
    sayFigure(QStringLiteral("raw fetch of the list"), msText(fetch.ms));
    sayFigure(window + QStringLiteral(" fill (incl. fetch)"),
              msAgainst(fillMs, QStringLiteral("fill / raw fetch"), fetch.ms));
}

void sayFilteredListFigures(const QString &filter, const RawFetch &fetch, const QString &window, double fillMs)
{
    sayFigure(filter + QStringLiteral(": rows"), QString::number(fetch.rows));
    sayFigure(QStringLiteral("  raw fetch"), msText(fetch.ms));
    sayFigure(QStringLiteral("  ") + window + QStringLiteral(" fill"),
              msAgainst(fillMs, QStringLiteral("fill / raw fetch"), fetch.ms));
}

double serverTime(Database &db, const QString &sql, const QVariantList &values)
{
    return best([&] { db.firstValue(QStringLiteral("SELECT COUNT(*) FROM (") + sql + QStringLiteral(") x"), values); },
                {}, 3);
}

void fullScan(Database &db, const QString &table, const char *sum)
{
    db.firstValue(QStringLiteral("SELECT SUM(%1) FROM %2 IGNORE INDEX (PRIMARY)").arg(QLatin1String(sum), table));
}

void sayPlan(Database &db, const QString &sql, const QVariantList &values)
{
    RecordSet rs = db.query(QStringLiteral("EXPLAIN ") + sql, values);
    while (rs.next())
        say(QStringLiteral("    %1 %2: key %3, rows %4, %5")
                .arg(rs.text(QStringLiteral("table")), rs.text(QStringLiteral("type")),
                     rs.text(QStringLiteral("key")).isEmpty() ? QStringLiteral("-") : rs.text(QStringLiteral("key")),
                     rs.text(QStringLiteral("rows")), rs.text(QStringLiteral("Extra"))));
}

void timeReport(Database &db, const ReportRun &r, const ScriptedUi &shown)
{
    constexpr int runs = 3;
    const RawFetch fetch = timeRawFetch(db, r.sql, r.values, runs);
    const double showMs = best(r.show, {}, runs);
    QString show = QStringLiteral("Show %1 ms").arg(showMs, 0, 'f', 0);
    if (r.countTrips)
        show += QStringLiteral(" in %1 round trip(s)").arg(roundTrips(db, r.show));
    const double scanMs = best(r.scan, {}, runs);
    const double statementMs = serverTime(db, r.sql, r.values);
    say(shown.texts().join(u'\n'));
    say(QStringLiteral("%1: %2 sheet rows; %3, raw fetch %4 ms (%5x); statement on the server %6 ms, "
                       "full scan of %7 %8 ms")
            .arg(r.name)
            .arg(r.rows())
            .arg(show)
            .arg(fetch.ms, 0, 'f', 0)
            .arg(showMs / fetch.ms, 0, 'f', 2)
            .arg(statementMs, 0, 'f', 0)
            .arg(r.scanned)
            .arg(scanMs, 0, 'f', 0));
    sayPlan(db, r.sql, r.values);
}

SaveTimes timeSaveAgainstRaw(const std::function<bool(int run)> &saveNew, const std::function<void()> &rawInsert,
                             const std::function<void()> &clear)
{
    SaveTimes t;
    int run = 0;
    t.saveMs = best(
        [&] {
            if (!saveNew(run))
                throw DbError(QStringLiteral("save refused"));
        },
        [&] {
            clear();
            ++run;
        });
    t.rawMs = best(rawInsert, clear);
    return t;
}

void saySaveFigures(const QString &what, const SaveTimes &t)
{
    sayFigure(QStringLiteral("SaveNew, ") + what, msText(t.saveMs));
    sayFigure(QStringLiteral("raw inserts, one per row"),
              msText(t.rawMs) + QStringLiteral("   SaveNew / raw = %1").arg(t.saveMs / t.rawMs, 0, 'f', 2));
}

void insertRow(Database &db, const QString &table, const QString &columns, const QVariantList &values)
{
    QStringList marks(values.size(), QStringLiteral("?"));
    db.execute(QStringLiteral("Insert into %1(%2) Values(%3)").arg(table, columns, marks.join(u',')), values);
}

bool useBenchServer(const QStringList &args, const char *program, const QString &moreArguments)
{
    if (args.size() < 2) {
        QString usage = QStringLiteral("usage: %1 <private server socket>").arg(QString::fromLatin1(program));
        if (!moreArguments.isEmpty())
            usage += u' ' + moreArguments;
        say(usage);
        return false;
    }
    Database::setEndpointOverride(args.at(1));
    return true;
}

int runBench(const QStringList &args, const char *program, const std::function<void()> &body)
{
    if (!useBenchServer(args, program))
        return 2;
    try {
        body();
    } catch (const DbError &e) {
        say(QStringLiteral("failed: ") + e.serverText());
        return 1;
    }
    return 0;
}

ConnectionSpec benchAccount(const DbName &database)
{
    ConnectionSpec a;
    a.server = QStringLiteral("127.0.0.1");
    a.user = QStringLiteral("root");
    a.password = QStringLiteral("5831"); // the private test server's account (tools/dbserver.sh)
    a.database = database.str();
    return a;
}

QString textFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("cannot read ") + path);
    return QString::fromUtf8(f.readAll());
}

void loadYearSchema(Database &db, const char *kind)
{
    const QDir sql(QStringLiteral(VELMORA_SOURCE_DIR "/sql"));
    const QStringList names =
        sql.entryList({QString::fromLatin1(kind) + QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    if (names.isEmpty())
        throw DbError(QStringLiteral("no %1 scripts in %2").arg(QString::fromLatin1(kind), sql.path()));
    for (const QString &name : names)
        db.runScript(textFile(sql.filePath(name)));
}

void makeScratchDatabase(const DbName &database, const std::function<void(Database &)> &build)
{
    {
        Database setup(QStringLiteral("bench-setup"));
        setup.open(benchAccount(DbName(QStringLiteral("velmora"))));
        setup.execute(QStringLiteral("DROP DATABASE IF EXISTS ") + database.str());
        setup.execute(QStringLiteral("CREATE DATABASE ") + database.str());
    }
    Database db(QStringLiteral("bench-build"));
    db.open(benchAccount(database));
    build(db);
}

void dropDatabases(Database &db, const QList<DbName> &databases)
{
    for (const DbName &d : databases)
        db.execute(QStringLiteral("DROP DATABASE ") + d.str());
}

void openBenchYear(const DbName &stores, const DbName &accounts, const DbName &prevStores, const DbName &prevAccounts)
{
    gConnection.open(benchAccount(stores));
    gInvDbName = stores;
    gAcDbName = accounts;
    gPrevInvDbName = prevStores;
    gPrevAcDbName = prevAccounts;
    gCompCode = QStringLiteral("01");
    gUnitCode = QStringLiteral("TVM");
}
