#include "BillYears.h"
#include "mdlVelmora.h"
#include <QTest>

// Which years' payment and voucher tables a bill is read from.
class TestBillYears : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { resetWorkingContext(); }
    void years_data();
    void years();
    void yearsForBill_data();
    void yearsForBill();
};

namespace {
// "stores/accounts" per pair, "*" marking the previous year.
QStringList described(const QList<BillYear> &years)
{
    QStringList out;
    for (const BillYear &y : years)
        out << y.stores.str() + u'/' + y.accounts.str() + (y.previous ? QStringLiteral("*") : QString());
    return out;
}

DbName db(const QString &name) { return DbName(name); }
} // namespace

void TestBillYears::init()
{
    resetWorkingContext();
    gInvDbName = db(QStringLiteral("vstores_2024"));
    gAcDbName = db(QStringLiteral("vacc_2024"));
}

void TestBillYears::years_data()
{
    QTest::addColumn<QString>("prevStores");
    QTest::addColumn<QString>("prevAccounts");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("two years") << "vstores_2023"
                               << "vacc_2023" << QStringList{"vstores_2024/vacc_2024", "vstores_2023/vacc_2023*"};
    QTest::newRow("first year") << ""
                                << "" << QStringList{"vstores_2024/vacc_2024"};
    QTest::newRow("no previous stores year") << ""
                                             << "vacc_2023" << QStringList{"vstores_2024/vacc_2024"};
    QTest::newRow("no previous accounts year") << "vstores_2023"
                                               << "" << QStringList{"vstores_2024/vacc_2024"};
    QTest::newRow("previous is the current") << "vstores_2024"
                                             << "vacc_2024" << QStringList{"vstores_2024/vacc_2024"};
    // The same stores tables read twice would count every payment twice.
    QTest::newRow("previous stores is the current") << "vstores_2024"
                                                    << "vacc_2023" << QStringList{"vstores_2024/vacc_2024"};
    QTest::newRow("accounts shared, stores apart")
        << "vstores_2023"
        << "vacc_2024" << QStringList{"vstores_2024/vacc_2024", "vstores_2023/vacc_2024*"};
}

void TestBillYears::years()
{
    QFETCH(QString, prevStores);
    QFETCH(QString, prevAccounts);
    QFETCH(QStringList, expected);
    gPrevInvDbName = db(prevStores);
    gPrevAcDbName = db(prevAccounts);
    QCOMPARE(described(billYears()), expected);
}

void TestBillYears::yearsForBill_data()
{
    QTest::addColumn<QString>("prevAccounts");
    QTest::addColumn<QString>("billStores");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("current-year bill") << "vacc_2023"
                                       << "vstores_2024" << QStringList{"vstores_2024/vacc_2024"};
    QTest::newRow("no database named") << "vacc_2023"
                                       << "" << QStringList{"vstores_2024/vacc_2024"};
    QTest::newRow("previous-year bill") << "vacc_2023"
                                        << "vstores_2023"
                                        << QStringList{"vstores_2024/vacc_2024", "vstores_2023/vacc_2023*"};
    QTest::newRow("first year") << ""
                                << "vstores_2024" << QStringList{"vstores_2024/vacc_2024"};
    // Its own payments still count although their cheques cannot be read.
    QTest::newRow("earlier bill, no previous accounts")
        << ""
        << "vstores_2023" << QStringList{"vstores_2024/vacc_2024", "vstores_2023/*"};
}

void TestBillYears::yearsForBill()
{
    QFETCH(QString, prevAccounts);
    QFETCH(QString, billStores);
    QFETCH(QStringList, expected);
    gPrevInvDbName = db(prevAccounts.isEmpty() ? QString() : QStringLiteral("vstores_2023"));
    gPrevAcDbName = db(prevAccounts);
    QCOMPARE(described(billYearsFor(db(billStores))), expected);
}

QTEST_MAIN(TestBillYears)
#include "tst_billyears.moc"
