#include "TestSupport.h"
#include "mdlVelmora.h"
#include <QDir>
#include <QFile>
#include <QTest>
#include <QThread>
#include <atomic>
#include <memory>
#include <vector>

QString sourceDir()
{
    return qEnvironmentVariable("VELMORA_SOURCE_DIR", QStringLiteral(".."));
}

QString testTempDir()
{
    QString dir = qEnvironmentVariable("VELMORA_TEST_TMP");
    if (dir.isEmpty())
        dir = QDir::tempPath() + QStringLiteral("/velmora-test");
    QDir().mkpath(dir);
    return dir;
}

void openTestDatabase(Database &db, const QString &database)
{
    // Stations on several threads open connections at once: the socket is
    // written only when a test changed it, never while others read it.
    const QString socket = qEnvironmentVariable("VELMORA_TEST_SOCKET");
    if (Database::endpointOverride() != socket)
        Database::setEndpointOverride(socket);
    ConnectionSpec params;
    params.server = QStringLiteral("127.0.0.1");
    params.user = QStringLiteral("root");
    params.password = QStringLiteral("5831");
    params.database = database;
    db.open(params);
}

void resetFixtures()
{
    QFile f(sourceDir() + QStringLiteral("/sql/test_fixtures.sql"));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read test fixtures %s", qPrintable(f.fileName()));
    Database db(QStringLiteral("fixture-loader"));
    openTestDatabase(db);
    db.runScript(QString::fromUtf8(f.readAll()));
    // Files that later tables add: sql/test_fixtures_*.sql, loaded in name order.
    const QStringList more = QDir(sourceDir() + QStringLiteral("/sql"))
                                 .entryList({QStringLiteral("test_fixtures_*.sql")}, QDir::Files, QDir::Name);
    for (const QString &name : more) {
        QFile g(sourceDir() + QStringLiteral("/sql/") + name);
        if (!g.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(name));
        db.runScript(QString::fromUtf8(g.readAll()));
    }
    db.close();
}

void connectAndReset()
{
    // A fresh session each time: an earlier test may have left the connection
    // on another database, in a transaction or pointed at a missing server.
    openTestDatabase(gConnection);
    resetFixtures();
}

void setClerkContext()
{
    resetWorkingContext();
    gServerIp = QStringLiteral("127.0.0.1");
    gVersion = QStringLiteral("V2");
    gConnected = true;
    gFromDate = QDate(2024, 4, 1);
    gToDate = QDate(2025, 3, 31);
    gInvPeriod = QStringLiteral("2024-2025");
    gInvDbName = DbName(QStringLiteral("vstores_2024"));
    gInvDefault = true;
    gAcDbName = DbName(QStringLiteral("vacc_2024"));
    gPrevAcDbName = DbName(QStringLiteral("vacc_2023"));
    gPrevInvDbName = DbName(QStringLiteral("vstores_2023"));
    gUnitCode = QStringLiteral("TVM");
    gUnitName = QStringLiteral("Thiruvananthapuram");
    gCompCode = QStringLiteral("01");
    gCompName = QStringLiteral("Velmora Publications Ltd");
    gUserId = QStringLiteral("2");
    gUserName = QStringLiteral("clerk");
    gSelectedCode = QStringLiteral("0");
}

QStringList onStations(int count, const std::function<void(Database &db, int station)> &work)
{
    std::vector<QStringList> errors(count);
    std::atomic<int> ready{0};
    std::vector<std::unique_ptr<QThread>> threads;
    for (int i = 0; i < count; ++i) {
        threads.emplace_back(QThread::create([&, i] {
            Database db(QStringLiteral("station-%1").arg(i));
            bool opened = false;
            try {
                openTestDatabase(db);
                opened = true;
            } catch (const DbError &e) {
                errors[i] << e.serverText();
            }
            ++ready;
            while (ready < count)
                QThread::yieldCurrentThread();
            if (!opened)
                return;
            try {
                work(db, i);
            } catch (const DbError &e) {
                errors[i] << e.serverText();
            }
        }));
        threads.back()->start();
    }
    for (auto &t : threads)
        t->wait();
    QStringList all;
    for (const QStringList &e : errors)
        all += e;
    return all;
}

Latin1Tables::Latin1Tables(const QStringList &tables)
{
    Database db(QStringLiteral("latin1-tables"));
    openTestDatabase(db);
    for (const QString &table : tables) {
        const QStringList parts = table.split(u'.');
        const QString collation =
            db.firstValue(QStringLiteral("Select TABLE_COLLATION from information_schema.TABLES where TABLE_SCHEMA=? "
                                         "and TABLE_NAME=?"),
                          {parts.value(0), parts.value(1)});
        if (collation.isEmpty())
            qFatal("no table %s", qPrintable(table));
        db.execute(QStringLiteral("ALTER TABLE %1 CONVERT TO CHARACTER SET latin1").arg(table));
        m_collations.append({table, collation});
    }
}

Latin1Tables::~Latin1Tables()
{
    Database db(QStringLiteral("latin1-tables"));
    openTestDatabase(db);
    for (const auto &[table, collation] : m_collations)
        db.execute(QStringLiteral("ALTER TABLE %1 CONVERT TO CHARACTER SET %2 COLLATE %3")
                       .arg(table, collation.section(u'_', 0, 0), collation));
}

QByteArray printedFields(const char *a, const char *b, const char *c, const char *d, const char *e)
{
    return QByteArray(a).leftJustified(10) + ' ' + QByteArray(b).leftJustified(21) + ' '
        + QByteArray(c).leftJustified(21) + ' ' + QByteArray(d).rightJustified(12) + ' '
        + QByteArray(e).rightJustified(12);
}
