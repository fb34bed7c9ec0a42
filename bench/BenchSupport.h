#pragma once
#include "Database.h"
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <optional>

class ScriptedUi;

// What the database benchmarks share: the private server and its account,
// scratch databases made from the schema scripts, the working year, timing,
// the raw-fetch baseline and the lines of figures they print.

void say(const QString &line);

// One line of a column of figures: the label, padded so that the values
// line up, then the value.
void sayFigure(const QString &label, const QString &value);

// "12.3 ms".
QString msText(double ms);

// "12.3 ms   fill / raw fetch = 1.05": a time and its ratio to a baseline.
QString msAgainst(double ms, const QString &ratio, double baselineMs);

// Best of `runs` runs, in milliseconds; `before` runs untimed ahead of each.
double best(const std::function<void()> &run, const std::function<void()> &before = {}, int runs = 5);

// Statements the server received while `run` ran; the asking itself is not counted.
qint64 roundTrips(Database &db, const std::function<void()> &run);

// What any reader of a list pays: every value of every row as text. Returns the rows read.
qint64 readEveryValue(RecordSet rs);

struct RawFetch {
    qint64 rows = 0;
    double ms = 0;
};

// The full read of what `query` returns, once untimed to warm the server's
// cache, then the best of `runs`.
RawFetch timeRawFetch(const std::function<RecordSet()> &query, int runs = 5);
RawFetch timeRawFetch(Database &db, const QString &sql, const QVariantList &values, int runs = 5);

// The figures of a list window's fill against the raw fetch of its rows:
// the whole list (`window` names it in the fill's line), then the list under
// a filter (`filter` says which).
void sayListFigures(const QString &window, const RawFetch &fetch, int listed, double fillMs);
void sayFilteredListFigures(const QString &filter, const RawFetch &fetch, const QString &window, double fillMs);

// Its rows counted on the server and none sent, best of three runs.
double serverTime(Database &db, const QString &sql, const QVariantList &values);

// A full scan of `table` past its primary key, summing `sum` over its rows:
// what reading every row costs the server.
void fullScan(Database &db, const QString &table, const char *sum);

// Prints the server's plan, one indented line a table.
void sayPlan(Database &db, const QString &sql, const QVariantList &values);

// One report window to time against its baselines.
struct ReportRun {
    QString name;
    QString sql; // the window's statement, as its store makes it
    QVariantList values;
    std::function<void()> show; // the window's Show
    std::function<int()> rows;  // the rows on its sheet after a Show
    std::function<void()> scan; // a full scan of what the statement reads
    QString scanned = QStringLiteral("the main table");
    bool countTrips = false;
};

// Times the window's Show against the raw fetch of its statement's rows, the
// statement on the server alone and the full scan, each the best of three;
// then prints the messages the windows have shown so far, one line of
// figures and the statement's plan.
void timeReport(Database &db, const ReportRun &r, const ScriptedUi &shown);

struct SaveTimes {
    double saveMs = 0;
    double rawMs = 0;
};

// `saveNew` gets the run's number (for a fresh invoice number) and says
// whether the store saved; `clear` empties the tables ahead of each run.
// Throws DbError when a save is refused.
SaveTimes timeSaveAgainstRaw(const std::function<bool(int run)> &saveNew, const std::function<void()> &rawInsert,
                             const std::function<void()> &clear);

// `what` names the size of the record, e.g. "200 lines".
void saySaveFigures(const QString &what, const SaveTimes &t);

// One plain "Insert into <table>(<columns>) Values(?,...)" with a placeholder a value.
void insertRow(Database &db, const QString &table, const QString &columns, const QVariantList &values);

// Points the data layer at the private server whose socket is the first
// argument; false, after the usage line, when there is none. `moreArguments`
// names any optional arguments that follow in the usage line.
bool useBenchServer(const QStringList &args, const char *program, const QString &moreArguments = {});

// Runs a benchmark's `body` against the private server named on the command
// line. Returns 2 after the usage line when there is none, 1 after a
// "failed:" line when the body throws DbError, else 0.
int runBench(const QStringList &args, const char *program, const std::function<void()> &body);

ConnectionSpec benchAccount(const DbName &database);

// The text of a file. Throws DbError.
QString textFile(const QString &path);

// Makes the tables of a year's database of one kind ("stores_year",
// "accounts_year") through `db`: every script of sql/ for that kind, in name
// order, as the test server loads them.
void loadYearSchema(Database &db, const char *kind);

// Drops `database` if it is there and makes it again empty; `build` then
// fills it through a connection of its own whose default database it is.
void makeScratchDatabase(const DbName &database, const std::function<void(Database &)> &build);

void dropDatabases(Database &db, const QList<DbName> &databases);

// The working context the windows and stores read: gConnection open on
// `stores`, the year's databases (and the previous year's, where given),
// company 01, unit TVM.
void openBenchYear(const DbName &stores, const DbName &accounts, const DbName &prevStores = DbName(),
                   const DbName &prevAccounts = DbName());
