#include "Database.h"
#include <QTest>

// A transaction that meets another workstation's lock is run again; any
// other failure reaches the caller at once.
class TestLockRetry : public QObject {
    Q_OBJECT
private slots:
    void retries_data();
    void retries();
};

namespace {
const QString kDeadlock = QStringLiteral("Deadlock found when trying to get lock; try restarting transaction");
const QString kLockWait = QStringLiteral("Lock wait timeout exceeded; try restarting transaction");
const QString kOther = QStringLiteral("Duplicate entry 'N0000001' for key 'PRIMARY'");
} // namespace

void TestLockRetry::retries_data()
{
    QTest::addColumn<QStringList>("failures"); // what the attempts throw, in order; then they succeed
    QTest::addColumn<int>("runs");
    QTest::addColumn<QString>("thrown"); // empty: the result came back
    QTest::addColumn<int>("budgetSeconds");
    QTest::newRow("no failure") << QStringList{} << 1 << "" << 30;
    QTest::newRow("one deadlock, then done") << QStringList{kDeadlock} << 2 << "" << 30;
    QTest::newRow("two lock waits, then done") << QStringList{kLockWait, kLockWait} << 3 << "" << 30;
    QTest::newRow("five conflicts, then done")
        << QStringList{kDeadlock, kLockWait, kDeadlock, kLockWait, kDeadlock} << 6 << "" << 30;
    QTest::newRow("a sixth conflict is thrown")
        << QStringList{kDeadlock, kLockWait, kDeadlock, kLockWait, kDeadlock, kLockWait} << 6 << kLockWait << 30;
    QTest::newRow("another failure is thrown at once") << QStringList{kOther} << 1 << kOther << 30;
    QTest::newRow("another failure after a conflict") << QStringList{kDeadlock, kOther} << 2 << kOther << 30;
    // A conflict when the next attempt's lock wait would end past the budget
    // goes to the clerk at once.
    QTest::newRow("no budget left for another attempt") << QStringList{kDeadlock} << 1 << kDeadlock << 4;
}

void TestLockRetry::retries()
{
    QFETCH(QStringList, failures);
    QFETCH(int, runs);
    QFETCH(QString, thrown);
    QFETCH(int, budgetSeconds);
    int ran = 0;
    QString caught;
    int result = 0;
    try {
        result = retryOnLockConflict([&] {
            ++ran;
            if (ran <= failures.size())
                throw DbError(failures.at(ran - 1));
            return 42;
        }, std::chrono::seconds(budgetSeconds));
    } catch (const DbError &e) {
        caught = e.serverText();
    }
    QCOMPARE(ran, runs);
    QCOMPARE(caught, thrown);
    QCOMPARE(result, thrown.isEmpty() ? 42 : 0);
}

QTEST_GUILESS_MAIN(TestLockRetry)
#include "tst_lockretry.moc"
