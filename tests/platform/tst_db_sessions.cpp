#include "Database.h"
#include "TestSupport.h"
#include <QTest>
#include <QThread>
#include <atomic>

// What a session brings with it: strict values, one reconnect after a lost
// connection, and saves retried when the server picked them as a deadlock
// victim or let a lock wait run out.
class TestSessions : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void testServerChecksGroupingAndValues();
    void strictOnANonStrictServer_data();
    void strictOnANonStrictServer();
    void killedConnectionReconnectsOnce_data();
    void killedConnectionReconnectsOnce();
    void killedInsideTransactionRollsBack();
    void deadlockedSaveRunsAgain();
    void otherFailuresAreNotRetried();
    void lockWaitRunsOutAfterFewAttempts();
    void namedLockSerialises();

private:
    Database m_db{QStringLiteral("session")};
    Database m_admin{QStringLiteral("admin")};
    QString m_globalMode;
};

namespace {
QString sessionId(Database &db)
{
    return db.firstValue(QStringLiteral("Select CONNECTION_ID()"));
}
} // namespace

void TestSessions::init()
{
    resetFixtures();
    openTestDatabase(m_admin);
    m_globalMode = m_admin.firstValue(QStringLiteral("Select @@GLOBAL.sql_mode"));
    openTestDatabase(m_db);
}

void TestSessions::cleanup()
{
    m_admin.execute(QStringLiteral("SET GLOBAL sql_mode = ?"), {m_globalMode});
    m_admin.execute(QStringLiteral("SET GLOBAL innodb_lock_wait_timeout = 50"));
    m_db.close();
}

// Every statement of every test runs as a careful production server would
// run it: a column neither grouped nor aggregated is refused.
void TestSessions::testServerChecksGroupingAndValues()
{
    const QString mode = m_db.firstValue(QStringLiteral("Select @@SESSION.sql_mode"));
    QVERIFY2(mode.contains(u"ONLY_FULL_GROUP_BY") && mode.contains(u"STRICT_TRANS_TABLES"), qPrintable(mode));
    try {
        m_db.firstValue(QStringLiteral("Select comp_code, gsm_name from vstores_2024.inv_gsm group by comp_code"));
        QFAIL("a column outside the grouping was taken");
    } catch (const DbError &e) {
        QVERIFY2(e.serverText().contains(u"GROUP BY"), qPrintable(e.serverText()));
    }
}

void TestSessions::strictOnANonStrictServer_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("name longer than its column")
        << "Insert into vstores_2024.inv_gsm (comp_code, gsm_code, gsm_name) values ('01', 'GSM9', ?)"
        << QVariantList{QString(101, u'x')} << "Data too long";
    QTest::newRow("code longer than its column")
        << "Insert into vstores_2024.inv_companymaster (comp_code, comp_name) values (?, 'Long code')"
        << QVariantList{QStringLiteral("ABCDEFGHIJK")} << "Data too long";
    QTest::newRow("text in a number column") << "Insert into velmora.unitaccess (user_id, unit_code) values (?, 'TVM')"
                                             << QVariantList{QStringLiteral("x7")} << "Incorrect integer value";
}

// The server's own default says nothing about strictness: a session opened
// on a lenient server is strict all the same, so nothing is cut silently.
void TestSessions::strictOnANonStrictServer()
{
    QFETCH(QString, sql);
    QFETCH(QVariantList, values);
    QFETCH(QString, refusal);
    m_admin.execute(QStringLiteral("SET GLOBAL sql_mode = ''"));
    Database fresh(QStringLiteral("fresh"));
    openTestDatabase(fresh);
    QVERIFY(fresh.firstValue(QStringLiteral("Select @@SESSION.sql_mode")).contains(u"STRICT_ALL_TABLES"));
    const QString before = fresh.firstValue(QStringLiteral("Select count(*) from vstores_2024.inv_gsm"))
        + fresh.firstValue(QStringLiteral("Select count(*) from vstores_2024.inv_companymaster"))
        + fresh.firstValue(QStringLiteral("Select count(*) from velmora.unitaccess"));
    try {
        fresh.execute(sql, values);
        QFAIL("the server took the value");
    } catch (const DbError &e) {
        QVERIFY2(e.serverText().contains(refusal), qPrintable(e.serverText()));
    }
    QCOMPARE(fresh.firstValue(QStringLiteral("Select count(*) from vstores_2024.inv_gsm"))
                 + fresh.firstValue(QStringLiteral("Select count(*) from vstores_2024.inv_companymaster"))
                 + fresh.firstValue(QStringLiteral("Select count(*) from velmora.unitaccess")),
             before);
}

void TestSessions::killedConnectionReconnectsOnce_data()
{
    QTest::addColumn<bool>("beginFirst");
    QTest::newRow("a statement") << false;
    QTest::newRow("a save's transaction") << true;
}

void TestSessions::killedConnectionReconnectsOnce()
{
    QFETCH(bool, beginFirst);
    m_admin.execute(QStringLiteral("SET GLOBAL sql_mode = ''"));
    openTestDatabase(m_db, QStringLiteral("vstores_2023"));
    const QString before = sessionId(m_db);
    m_admin.execute(QStringLiteral("KILL ") + before);
    QThread::msleep(50);
    if (beginFirst) {
        Transaction t(m_db);
        m_db.execute(QStringLiteral("Update numbersetup set no_value='GSM0100' where no_id='GSM_01_NO'"));
        t.commit();
    }
    // The statement after the loss succeeds, on a new session with the same
    // database and settings.
    QCOMPARE(m_db.firstValue(QStringLiteral("Select no_value from numbersetup where no_id='GSM_01_NO'")),
             beginFirst ? QString("GSM0100") : QString("GSM0001"));
    QVERIFY(sessionId(m_db) != before);
    QCOMPARE(m_db.firstValue(QStringLiteral("Select database()")), QString("vstores_2023"));
    QVERIFY(m_db.firstValue(QStringLiteral("Select @@SESSION.sql_mode")).contains(u"STRICT_ALL_TABLES"));
}

// Half a transaction is never replayed on a new session: what ran before the
// loss is gone, so the save fails and the clerk sees the error.
void TestSessions::killedInsideTransactionRollsBack()
{
    Transaction t(m_db);
    m_db.execute(QStringLiteral("Update vstores_2024.numbersetup set no_value='GSM0100' where no_id='GSM_01_NO'"));
    m_admin.execute(QStringLiteral("KILL ") + sessionId(m_db));
    QThread::msleep(50);
    try {
        m_db.execute(QStringLiteral("Insert into vstores_2024.inv_gsm (comp_code, gsm_code, gsm_name) values "
                                    "('01', 'GSM0003', 'Lost')"));
        QFAIL("a statement ran after the transaction was lost");
    } catch (const DbError &e) {
        QVERIFY2(e.isConnectionLost(), qPrintable(e.serverText()));
    }
    QVERIFY(!m_db.inTransaction());
    QVERIFY_THROWS_EXCEPTION(DbError, t.commit());
    QCOMPARE(m_db.firstValue(QStringLiteral("Select no_value from vstores_2024.numbersetup where no_id='GSM_01_NO'")),
             QString("GSM0003"));
    QCOMPARE(m_db.firstValue(QStringLiteral("Select count(*) from vstores_2024.inv_gsm where gsm_name='Lost'")),
             QString("0"));
}

// Two saves that lock two rows in opposite order: the server cancels one,
// which runs again as a whole and succeeds; both changes are stored once.
void TestSessions::deadlockedSaveRunsAgain()
{
    std::atomic<int> ready{0};
    int attempts[2] = {0, 0};
    QString errors[2];
    const QStringList rows{QStringLiteral("GSM_01_NO"), QStringLiteral("MES_01_NO")};
    auto station = [&](int i) {
        Database db(QStringLiteral("station-%1").arg(i));
        try {
            openTestDatabase(db);
            retryOnLockConflict([&] {
                ++attempts[i];
                Transaction t(db);
                db.execute(QStringLiteral("Update numbersetup set no_value=concat(no_value, ?) where no_id=?"),
                           {QString::number(i), rows[i]});
                if (attempts[i] == 1) {
                    ++ready;
                    while (ready < 2)
                        QThread::yieldCurrentThread();
                }
                db.execute(QStringLiteral("Update numbersetup set no_value=concat(no_value, ?) where no_id=?"),
                           {QString::number(i), rows[1 - i]});
                t.commit();
            });
        } catch (const DbError &e) {
            errors[i] = e.serverText();
        }
    };
    QThread *a = QThread::create(station, 0);
    QThread *b = QThread::create(station, 1);
    a->start();
    b->start();
    a->wait();
    b->wait();
    delete a;
    delete b;
    QVERIFY2(errors[0].isEmpty() && errors[1].isEmpty(), qPrintable(errors[0] + errors[1]));
    QCOMPARE(attempts[0] + attempts[1], 3);
    const QString gsm = m_db.firstValue(QStringLiteral("Select no_value from numbersetup where no_id='GSM_01_NO'"));
    const QString mes = m_db.firstValue(QStringLiteral("Select no_value from numbersetup where no_id='MES_01_NO'"));
    QVERIFY2(gsm == "GSM000301" || gsm == "GSM000310", qPrintable(gsm));
    QCOMPARE(mes, QString("M0003") + gsm.right(2));
}

void TestSessions::otherFailuresAreNotRetried()
{
    int attempts = 0;
    QVERIFY_THROWS_EXCEPTION(DbError, retryOnLockConflict([&] {
                                 ++attempts;
                                 Transaction t(m_db);
                                 m_db.execute(QStringLiteral("Insert into numbersetup (no_id, no_value) values "
                                                             "('GSM_01_NO', 'X1')"));
                                 t.commit();
                             }));
    QCOMPARE(attempts, 1);
}

// A row held for good by another session: the save gives up after a few
// attempts and the clerk sees the server's text.
void TestSessions::lockWaitRunsOutAfterFewAttempts()
{
    m_admin.execute(QStringLiteral("SET GLOBAL innodb_lock_wait_timeout = 1"));
    Database holder(QStringLiteral("holder"));
    openTestDatabase(holder);
    Transaction held(holder);
    holder.execute(QStringLiteral("Update numbersetup set no_value='GSM0009' where no_id='GSM_01_NO'"));
    Database waiter(QStringLiteral("waiter"));
    openTestDatabase(waiter);
    int attempts = 0;
    try {
        retryOnLockConflict([&] {
            ++attempts;
            Transaction t(waiter);
            waiter.execute(QStringLiteral("Update numbersetup set no_value='GSM0010' where no_id='GSM_01_NO'"));
            t.commit();
        });
        QFAIL("the save passed a held row");
    } catch (const DbError &e) {
        QVERIFY2(e.serverText().contains(u"Lock wait timeout"), qPrintable(e.serverText()));
    }
    QVERIFY(attempts > 1);
    QVERIFY(!waiter.inTransaction());
}

void TestSessions::namedLockSerialises()
{
    Database other(QStringLiteral("other"));
    openTestDatabase(other);
    {
        NamedLock mine(m_db, QStringLiteral("velmora.test"));
        QVERIFY_THROWS_EXCEPTION(DbError, NamedLock(other, QStringLiteral("velmora.test"), 0));
    }
    NamedLock theirs(other, QStringLiteral("velmora.test"), 0);
}

QTEST_MAIN(TestSessions)
#include "tst_db_sessions.moc"
