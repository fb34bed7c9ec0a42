#include "SupplierHeads.h"
#include "TestSupport.h"
#include "mdlVelmora.h"
#include <QTest>

// Which account heads count as suppliers, on the fixture heads of the accounts year.
class TestSupplierHeads : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void suppliersOfCompany_data();
    void suppliersOfCompany();
    void qualifiedByAlias();
};

void TestSupplierHeads::initTestCase()
{
    connectAndReset();
}

void TestSupplierHeads::suppliersOfCompany_data()
{
    QTest::addColumn<QString>("company");
    QTest::addColumn<QStringList>("codes");
    // 441100000000000 ends in nine zeros (a group head); 441300001, 110000001
    // are other heads; 441100000 ends in fewer than nine zeros.
    QTest::newRow("company 01") << "01" << QStringList{"441100000", "441100105", "441200001", "441200002"};
    QTest::newRow("company 02") << "02" << QStringList{"441200001", "441200009"};
    QTest::newRow("no such company") << "77" << QStringList{};
}

void TestSupplierHeads::suppliersOfCompany()
{
    QFETCH(QString, company);
    QFETCH(QStringList, codes);
    const SqlCondition c = supplierHeadCondition(company);
    RecordSet rs = gConnection.query(
        "Select ac_code from vacc_2024.acc_accountheads where " + c.sql + " order by ac_code", c.values);
    QStringList got;
    while (rs.next())
        got << rs.text(0);
    QCOMPARE(got, codes);
}

void TestSupplierHeads::qualifiedByAlias()
{
    // Joined beside a table that has no ac_ columns of its own, through an alias.
    const SqlCondition c = supplierHeadCondition("01", "h");
    const QString n =
        GetFirstValue("Select count(*) from vacc_2024.acc_accountheads h inner join vacc_2024.acc_accountheads k "
                      "on k.ac_code=h.ac_code and k.ac_comp_code=h.ac_comp_code and "
                          + c.sql,
                      c.values);
    QCOMPARE(n, QString("4"));
}

QTEST_GUILESS_MAIN(TestSupplierHeads)
#include "tst_db_supplierheads.moc"
