#include "Decimal.h"
#include <QTest>
#include <functional>

class TestDecimal : public QObject {
    Q_OBJECT
private slots:
    void leadingNumber_data();
    void leadingNumber();
    void formatting_data();
    void formatting();
    void arithmetic();
    void strictParse();
    void overflowRefused_data();
    void overflowRefused();
    void edgeOfRangeStaysExact();
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
    QTest::newRow("digits past sixth decimal dropped") << "0.0000009"
                                                       << "0";
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
    // Rounded once from the typed text, never first at the sixth decimal and again here.
    QTest::newRow("long text below half") << "0.0049999999" << 2 << "0.00";
    QTest::newRow("long text negative below half") << "-2.3449999999" << 2 << "-2.34";
    QTest::newRow("long text at half") << "0.0050000001" << 2 << "0.01";
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
    d = Decimal::fromInt(5);
    QVERIFY(!Decimal::tryParse("9999999999999.999", &d));
    QCOMPARE(d, Decimal::fromInt(5));
}

void TestDecimal::overflowRefused_data()
{
    QTest::addColumn<std::function<Decimal()>>("operation");
    const Decimal max = Decimal::fromUnits(INT64_MAX);
    const Decimal min = Decimal::fromUnits(INT64_MIN);
    QTest::newRow("weight times rate") << std::function<Decimal()>([] {
        return Decimal::fromText("99999999") * Decimal::fromText("99999");
    });
    QTest::newRow("sum") << std::function<Decimal()>([max] { return max + Decimal::fromUnits(1); });
    QTest::newRow("difference") << std::function<Decimal()>([min] { return min - Decimal::fromUnits(1); });
    QTest::newRow("running sum") << std::function<Decimal()>([max] {
        Decimal d = max;
        d += Decimal::fromUnits(1);
        return d;
    });
    QTest::newRow("running difference") << std::function<Decimal()>([min] {
        Decimal d = min;
        d -= Decimal::fromUnits(1);
        return d;
    });
    QTest::newRow("negation") << std::function<Decimal()>([min] { return -min; });
    QTest::newRow("quotient") << std::function<Decimal()>([max] { return max / Decimal::fromText("0.5"); });
    QTest::newRow("whole number") << std::function<Decimal()>([] { return Decimal::fromInt(9'300'000'000'000); });
    QTest::newRow("rounded up past the edge") << std::function<Decimal()>([max] { return max.rounded(2); });
    QTest::newRow("thirteen digits and three decimals") << std::function<Decimal()>([] {
        return Decimal::fromText("9999999999999.999");
    });
    QTest::newRow("negative text") << std::function<Decimal()>([] { return Decimal::fromText("-9999999999999"); });
    QTest::newRow("thirty digits") << std::function<Decimal()>([] {
        return Decimal::fromText("123456789012345678901234567890");
    });
}

void TestDecimal::overflowRefused()
{
    QFETCH(std::function<Decimal()>, operation);
    try {
        const Decimal d = operation();
        QFAIL(qPrintable(u"wrapped to "_qs + d.toString()));
    } catch (const DecimalOverflow &e) {
        QCOMPARE(QString::fromLatin1(e.what()), Decimal::overflowMessage());
    }
    QCOMPARE(Decimal::overflowMessage(), QString("The number is too large.   "));
}

void TestDecimal::edgeOfRangeStaysExact()
{
    const Decimal big = Decimal::fromText("9223372036854.775807");
    QCOMPARE(big.units(), INT64_MAX);
    // Showing the largest number rounds in wider arithmetic instead of refusing.
    QCOMPARE(big.toText(2), QString("9223372036854.78"));
    QCOMPARE(Decimal::fromText("-9223372036854.775808").toText(0), QString("-9223372036855"));
    QCOMPARE((Decimal::fromText("999999") * Decimal::fromText("999999")).toText(2), QString("999998000001.00"));
}

QTEST_APPLESS_MAIN(TestDecimal)
#include "tst_decimal.moc"
