// Speed and memory of a long list: the raw fetch of 100,000 rows x 17 columns
// through the data-access layer, the fill of a list sheet from them (the list
// window's own fill), and the .xls export of the filled sheet.
//
// Run it against a private test server, never a server in use:
//
//   tools/testdb.sh start /tmp/velmora-bench-db
//   cmake -S . -B build-bench -G Ninja -DVELMORA_BENCH=ON -DVELMORA_TESTS=OFF
//   cmake --build build-bench --target bench_listfill
//   build-bench/bench/bench_listfill /tmp/velmora-bench-db/mysql.sock
//   tools/testdb.sh stop /tmp/velmora-bench-db
//
// It makes (and at the end drops) the scratch database velmora_bench. Each
// timing is the best of three runs. Targets: fill within 2x the raw fetch and
// under 1 s; export under 1 s; the filled sheet under 200 MB.
//
// An .xls sheet holds at most 65,536 rows, so the 100,000-row sheet cannot be
// written as one: the writer refuses it (shown below), and the export is timed
// on the largest list it holds, 65,535 records under the heading row, with the
// figure scaled to 100,000 rows beside it.

#include "BenchSupport.h"
#include "Database.h"
#include "ListWindow.h"
#include "Sheet.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <malloc.h>

namespace {

const DbName kBenchDb(QStringLiteral("velmora_bench"));
constexpr int kRows = 100000;
constexpr int kXlsRecords = 65535; // rows 2 to 65,536
constexpr int kRuns = 3;

qint64 vmRssKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// Bytes the program holds on the heap now: unlike the resident size it is not
// hidden by memory a previous step freed and the allocator kept.
qint64 heapInUse()
{
    const struct mallinfo2 m = mallinfo2();
    return qint64(m.uordblks) + qint64(m.hblkhd);
}

double mb(qint64 bytes)
{
    return double(bytes) / (1024.0 * 1024.0);
}

// 17 columns like an invoice list's: 8 text, 9 amounts.
QList<ListColumn> benchColumns()
{
    QList<ListColumn> columns;
    const char *text[] = {"sl_no",        "trans_id", "invoice_no", "invoice_date",
                          "receipt_date", "supplier", "gst_no",     "brand"};
    for (const char *f : text) {
        ListColumn c;
        c.heading = QString::fromLatin1(f);
        c.width = 2000;
        c.field = QString::fromLatin1(f);
        columns << c;
    }
    const char *amounts[] = {"amount", "cgst", "sgst", "igst", "total_gst", "tcs", "grand_total", "freight", "weight"};
    for (const char *f : amounts) {
        ListColumn c;
        c.heading = QString::fromLatin1(f);
        c.width = 2000;
        c.field = QString::fromLatin1(f);
        c.kind = ListColumn::Number;
        c.headingAlignRight = true;
        c.numberFormat = QStringLiteral("0.00");
        columns << c;
    }
    return columns;
}

void makeScratchTable(Database &db)
{
    db.execute(QStringLiteral("CREATE TABLE ") + kBenchDb.table("bench_rows") + QStringLiteral(R"( (
        sl_no INT NOT NULL PRIMARY KEY, trans_id VARCHAR(20), invoice_no VARCHAR(30),
        invoice_date VARCHAR(11), receipt_date VARCHAR(11), supplier VARCHAR(60), gst_no VARCHAR(20),
        brand VARCHAR(40), amount DECIMAL(14,2), cgst DECIMAL(14,2), sgst DECIMAL(14,2), igst DECIMAL(14,2),
        total_gst DECIMAL(14,2), tcs DECIMAL(14,2), grand_total DECIMAL(14,2), freight DECIMAL(14,2),
        weight DECIMAL(14,2)) ENGINE=InnoDB)"));
    // The sequence engine makes the rows on the server in one statement.
    db.execute(QStringLiteral("INSERT INTO ") + kBenchDb.table("bench_rows") + QStringLiteral(R"(
        SELECT seq, CONCAT('TVM/', LPAD(seq, 7, '0')), CONCAT('INV-', seq * 7),
               DATE_FORMAT(DATE_ADD('2024-04-01', INTERVAL seq MOD 365 DAY), '%d-%b-%Y'),
               DATE_FORMAT(DATE_ADD('2024-04-03', INTERVAL seq MOD 365 DAY), '%d-%b-%Y'),
               CONCAT('Supplier number ', seq MOD 250, ' Paper Mills Ltd'),
               CONCAT('32AAAC', LPAD(seq MOD 9973, 5, '0'), 'Z1'),
               CONCAT('Brand ', seq MOD 40), (seq * 37) MOD 1000000 / 100, (seq * 3) MOD 10000 / 100,
               (seq * 3) MOD 10000 / 100, 0, (seq * 6) MOD 20000 / 100, seq MOD 500 / 100,
               (seq * 37) MOD 1000000 / 100 + (seq * 6) MOD 20000 / 100, seq MOD 9000 / 100, (seq * 11) MOD 700000 / 100
        FROM seq_1_to_1000000 WHERE seq <= ?)"),
               {kRows});
}

RecordSet fetch(Database &db, int rows)
{
    return db.query(QStringLiteral("SELECT * FROM ") + kBenchDb.table("bench_rows")
                        + QStringLiteral(" ORDER BY sl_no LIMIT ?"),
                    {rows});
}

// What any reader of the list pays: every value of every row as the list reads it.
void rawFetch(Database &db, int rows)
{
    readEveryValue(fetch(db, rows));
}

void fillFrom(Database &db, Sheet &sheet, const QList<ListColumn> &columns, int rows)
{
    RecordSet rs = fetch(db, rows);
    ListWindow::fillSheet(sheet, rs, columns);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return runBench(app.arguments(), "bench_listfill", [] {
        Database db(QStringLiteral("bench"));
        db.open(benchAccount(DbName(QStringLiteral("velmora"))));

        say(QStringLiteral("Making %1 rows x 17 columns in %2 ...").arg(kRows).arg(kBenchDb.table("bench_rows")));
        makeScratchDatabase(kBenchDb, makeScratchTable);
        rawFetch(db, kRows); // warm the server's cache

        const QList<ListColumn> columns = benchColumns();

        // Memory of one filled sheet, measured on its own before the timing runs.
        malloc_trim(0);
        const qint64 heapBefore = heapInUse();
        const qint64 rssBefore = vmRssKb();
        qint64 heapAfter = 0, rssAfter = 0;
        int filled = 0;
        {
            auto sheet = std::make_unique<Sheet>();
            ListWindow::layoutSheet(*sheet, columns);
            {
                RecordSet rs = fetch(db, kRows);
                filled = ListWindow::fillSheet(*sheet, rs, columns);
            }
            malloc_trim(0);
            heapAfter = heapInUse();
            rssAfter = vmRssKb();
        }

        const double fetchMs = best([&] { rawFetch(db, kRows); }, {}, kRuns);
        const double fillMs = best(
            [&] {
                Sheet sheet;
                ListWindow::layoutSheet(sheet, columns);
                fillFrom(db, sheet, columns, kRows);
            },
            {}, kRuns);

        QTemporaryDir dir;
        Sheet full;
        ListWindow::layoutSheet(full, columns);
        fillFrom(db, full, columns, kRows);
        const SaveResult refused = full.SaveWorkbook(dir.filePath(QStringLiteral("full.xls")), 4);

        Sheet largest;
        ListWindow::layoutSheet(largest, columns);
        fillFrom(db, largest, columns, kXlsRecords);
        const QString xls = dir.filePath(QStringLiteral("largest.xls"));
        SaveResult written;
        const double exportMs = best([&] { written = largest.SaveWorkbook(xls, 4); }, {}, kRuns);
        const double fetchXlsMs = best([&] { rawFetch(db, kXlsRecords); }, {}, kRuns);
        if (!written.ok)
            throw DbError(QStringLiteral("export failed: ") + written.error);
        const double exportScaled = exportMs * double(kRows + 1) / double(kXlsRecords + 1);

        say(QString());
        sayFigure(QStringLiteral("rows filled"), QString::number(filled));
        sayFigure(QStringLiteral("raw fetch, 100,000 rows"), msText(fetchMs));
        sayFigure(QStringLiteral("fill of the sheet (incl. fetch)"),
                  msAgainst(fillMs, QStringLiteral("fill / raw fetch"), fetchMs));
        sayFigure(QStringLiteral("filled sheet, heap in use"),
                  QStringLiteral("%1 MB").arg(mb(heapAfter - heapBefore), 0, 'f', 1));
        sayFigure(QStringLiteral("filled sheet, VmRSS growth"),
                  QStringLiteral("%1 MB (%2 -> %3 MB)")
                      .arg(mb((rssAfter - rssBefore) * 1024), 0, 'f', 1)
                      .arg(mb(rssBefore * 1024), 0, 'f', 1)
                      .arg(mb(rssAfter * 1024), 0, 'f', 1));
        sayFigure(QStringLiteral(".xls of the 100,000-row sheet"),
                  refused.ok ? QStringLiteral("written") : QStringLiteral("refused: ") + refused.error);
        sayFigure(QStringLiteral(".xls of 65,535 records + heading"),
                  QStringLiteral("%1 ms, %2 MB   export / raw fetch of those rows = %3")
                      .arg(exportMs, 0, 'f', 1)
                      .arg(mb(QFileInfo(xls).size()), 0, 'f', 1)
                      .arg(exportMs / fetchXlsMs, 0, 'f', 2));
        sayFigure(QStringLiteral("  scaled to 100,000 rows"),
                  msAgainst(exportScaled, QStringLiteral("export / raw fetch"), fetchMs));

        dropDatabases(db, {kBenchDb});
    });
}
