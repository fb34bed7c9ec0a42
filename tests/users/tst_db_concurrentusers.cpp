#include "TestSupport.h"
#include "UserGroupStore.h"
#include "UserStore.h"
#include "mdlVelmora.h"
#include <QSet>
#include <QTest>
#include <atomic>

// Users and user groups saved from several workstations at once, each on its
// own connection.
class TestConcurrentUsers : public QObject {
    Q_OBJECT
private slots:
    void init();
    void newUsersFromEightStations_data();
    void newUsersFromEightStations();
    void renamesToOneUserName();
    void sameGroupFromEightStations();
};

namespace {
constexpr int kStations = 8;

} // namespace

void TestConcurrentUsers::init()
{
    connectAndReset();
    setClerkContext();
}

void TestConcurrentUsers::newUsersFromEightStations_data()
{
    QTest::addColumn<bool>("sameNames");
    QTest::newRow("each station its own users") << false;
    QTest::newRow("every station the same users") << true;
}

// New users take the largest id + 1: saved at once from eight stations, none
// is refused for a deadlock, no id or name is stored twice.
void TestConcurrentUsers::newUsersFromEightStations()
{
    QFETCH(bool, sameNames);
    const int before = gConnection.firstValue("Select count(*) from velmora.userdetails").toInt();
    std::atomic<int> saved{0};
    std::atomic<int> refusedAsTaken{0};
    const QStringList errors = onStations(kStations, [&](Database &db, int station) {
        UserStore store(db);
        for (int n = 0; n < 25; ++n) {
            const QString name =
                sameNames ? QStringLiteral("user %1").arg(n) : QStringLiteral("user %1-%2").arg(station).arg(n);
            if (store.addUser({QStringLiteral("TVM"), name, QStringLiteral("0001"), QStringLiteral("pw")}, 2))
                ++saved;
            else
                ++refusedAsTaken;
        }
    });
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
    const int expected = sameNames ? 25 : kStations * 25;
    QCOMPARE(saved.load(), expected);
    QCOMPARE(refusedAsTaken.load(), kStations * 25 - expected);
    QCOMPARE(gConnection.firstValue("Select count(*) from velmora.userdetails").toInt(), before + expected);
    QCOMPARE(gConnection.firstValue("Select count(distinct user_id) from velmora.userdetails").toInt(),
             before + expected);
}

void TestConcurrentUsers::renamesToOneUserName()
{
    // Eight new users, then each station renames its own to the same name.
    QList<qint64> ids;
    UserStore here(gConnection);
    for (int i = 0; i < kStations; ++i)
        ids << *here.addUser({QStringLiteral("TVM"), QStringLiteral("temp %1").arg(i), QString(), QString()}, 2);
    std::atomic<int> renamed{0};
    const QStringList errors = onStations(kStations, [&](Database &db, int station) {
        UserStore store(db);
        if (store.changeUser({QString::number(ids[station]), QStringLiteral("night editor"), QString(), {}},
                             QStringLiteral("temp %1").arg(station), 2))
            ++renamed;
    });
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
    QCOMPARE(renamed.load(), 1);
    QCOMPARE(gConnection.firstValue("Select count(*) from velmora.userdetails where user_name='night editor'"),
             QString("1"));
}

void TestConcurrentUsers::sameGroupFromEightStations()
{
    std::atomic<int> saved{0};
    const QStringList errors = onStations(kStations, [&](Database &db, int) {
        UserGroupStore store(db);
        for (const QString &name : {QStringLiteral("Press"), QStringLiteral("Despatch"), QStringLiteral("Stores")})
            if (!store.addEntry({QString(), name, {}}, QStringLiteral("GRP_TVM")).duplicate)
                ++saved;
    });
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
    // "Stores" was there before.
    QCOMPARE(saved.load(), 2);
    QCOMPARE(gConnection.firstValue("Select count(*) from velmora.usergroups where unit_code='TVM'"), QString("4"));
    QCOMPARE(GetNextNumber("GRP_TVM"), QString("0005"));
}

QTEST_MAIN(TestConcurrentUsers)
#include "tst_db_concurrentusers.moc"
