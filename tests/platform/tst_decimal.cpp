#include "Decimal.h"
#include <QTest>

class TestDecimal : public QObject {
    Q_OBJECT
private slots:
    void leadingNumber_data();
    void leadingNumber();
    void formatting_data();
    void formatting();
    void arithmetic();
    void strictParse();
};

void TestDecimal::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("value");
    QTest::newRow("empty") << ""
                           << "0";
    QTest::newRow("blanks then number") << "   12.5"
                                        << "12.5";
    QTest::newRow("stops at letter") << "12.5kg"
                                     << "12.5";
    QTest::newRow("second point stops") << "1.2.3"
                                        << "1.2";
    QTest::newRow("negative") << "-0.75"
                              << "-0.75";
    QTest::newRow("plus sign") << "+3"
                               << "3";
    QTest::newRow("not a number") << "abc"
                                  << "0";
    QTest::newRow("lone point") << "."
                                << "0";
    QTest::newRow("point first") << ".5"
                                 << "0.5";
    QTest::newRow("comma stops") << "1,234.00"
                                 << "1";
    QTest::newRow("rounds past sixth decimal") << "0.0000005"
                                               << "0.000001";
    QTest::newRow("big amount") << "98765432101.25"
                                << "98765432101.25";
}

void TestDecimal::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(QString, value);
    QCOMPARE(Decimal::fromText(text).toString(), value);
}

void TestDecimal::formatting_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::newRow("two places") << "12.5" << 2 << "12.50";
    QTest::newRow("half up") << "2.345" << 2 << "2.35";
    QTest::newRow("half away from zero negative") << "-2.345" << 2 << "-2.35";
    QTest::newRow("below half") << "2.3449" << 2 << "2.34";
    QTest::newRow("three places") << "0.0005" << 3 << "0.001";
    QTest::newRow("whole") << "7" << 0 << "7";
    QTest::newRow("whole rounds") << "7.5" << 0 << "8";
    QTest::newRow("zero") << "0" << 2 << "0.00";
    QTest::newRow("tiny negative rounds to zero") << "-0.001" << 2 << "0.00";
}

void TestDecimal::formatting()
{
    QFETCH(QString, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(Decimal::fromText(value).toText(decimals), text);
}

void TestDecimal::arithmetic()
{
    // 0.1 + 0.2 is exactly 0.3 here, unlike in floating point.
    QCOMPARE((Decimal::fromText("0.1") + Decimal::fromText("0.2")).toString(), QString("0.3"));
    QCOMPARE((Decimal::fromText("1234.567") * Decimal::fromText("38.25")).toText(2), QString("47222.19"));
    QCOMPARE((Decimal::fromText("10") / Decimal::fromText("3")).toText(6), QString("3.333333"));
    QCOMPARE((Decimal::fromText("10") / Decimal()).toString(), QString("0"));
    QVERIFY(Decimal::fromText("2.50") == Decimal::fromText("2.5"));
    QVERIFY(Decimal::fromText("-1") < Decimal());
    QCOMPARE(Decimal::fromText("-7.9").truncated(), qint64(-7));
}

void TestDecimal::strictParse()
{
    Decimal d;
    QVERIFY(Decimal::tryParse(" 12.30 ", &d));
    QCOMPARE(d.toText(2), QString("12.30"));
    QVERIFY(!Decimal::tryParse("12.3x", &d));
    QVERIFY(!Decimal::tryParse("", &d));
    QVERIFY(!Decimal::tryParse("-", &d));
}

QTEST_APPLESS_MAIN(TestDecimal)
#include "tst_decimal.moc"
