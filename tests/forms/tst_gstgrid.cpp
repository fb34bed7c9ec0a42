#include "Decimal.h"
#include "GstGrid.h"
#include <QTest>

// The other-stores GST arithmetic as worked cases: each line's taxes and
// amount, the gross, the tax totals and the grand total, exactly as shown.

class TestGstGrid : public QObject {
    Q_OBJECT
private slots:
    void totals_data();
    void totals();
    void grandTotalFromTypedTaxes_data();
    void grandTotalFromTypedTaxes();
    void figuresBeyondRangeAreRefused();
};

namespace {
// "Qty|Rate|CGST %|SGST %|IGST %" per line.
QList<GstGrid::LineCells> lines(const QStringList &rows)
{
    QList<GstGrid::LineCells> out;
    for (const QString &r : rows) {
        const QStringList c = r.split(u'|');
        out.append({c.value(0), c.value(1), c.value(2), c.value(3), c.value(4)});
    }
    return out;
}

// "CGST|SGST|IGST|Amount" per line; "-" for a line that does not count.
QStringList shown(const GstGrid::Totals &t)
{
    QStringList out;
    for (const GstGrid::LineTotals &l : t.lines)
        out.append(l.counted ? QStringList{l.cgst, l.sgst, l.igst, l.amount}.join(u'|') : QStringLiteral("-"));
    return out;
}
} // namespace

void TestGstGrid::totals_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("tcs");
    QTest::addColumn<QString>("plus");
    QTest::addColumn<QString>("minus");
    QTest::addColumn<QStringList>("lineTexts");
    QTest::addColumn<QString>("boxes"); // gross|CGST|SGST|IGST|grand total

    // clang-format off
    QTest::newRow("CGST and SGST at 9%")
        << QStringList{"2|105|9|9|0"} << "0.00" << "0.00" << "0.00"
        << QStringList{"18.90|18.90|0.00|247.80"} << "210.00|18.90|18.90|0.00|247.80";
    QTest::newRow("CGST 2.49975 shows 2.50, the amount 102.49")
        << QStringList{"3|33.33|2.5||"} << "0.00" << "0.00" << "0.00"
        << QStringList{"2.50|0.00|0.00|102.49"} << "99.99|2.50|0.00|0.00|102.49";
    QTest::newRow("IGST line beside a CGST/SGST line, TCS and round-offs")
        << QStringList{"2|105|9|9|0", "10|20|0|0|18"} << "1.50" << "0.20" << "0.05"
        << QStringList{"18.90|18.90|0.00|247.80", "0.00|0.00|36.00|236.00"}
        << "410.00|18.90|18.90|36.00|485.45";
    QTest::newRow("a zero-rated line counts for nothing and keeps its cells")
        << QStringList{"4|25|0|0|0", "1|100|0|0|18"} << "0.00" << "0.00" << "0.00"
        << QStringList{"-", "0.00|0.00|18.00|118.00"} << "100.00|0.00|0.00|18.00|118.00";
    QTest::newRow("no counted row: the tax boxes show 0")
        << QStringList{"4|25|0|0|0", "0|10|9|9|0"} << "2.00" << "0.00" << "0.00"
        << QStringList{"-", "-"} << "0.00|0|0|0|2.00";
    QTest::newRow("a half paisa rounds away from zero once")
        << QStringList{"1|0.25|2|0|0"} << "0.00" << "0.00" << "0.00"
        << QStringList{"0.01|0.00|0.00|0.26"} << "0.25|0.01|0.00|0.00|0.26";
    QTest::newRow("just below a half paisa rounds down")
        << QStringList{"0.99|0.49|1|0|0"} << "0.00" << "0.00" << "0.00"
        << QStringList{"0.00|0.00|0.00|0.49"} << "0.49|0.00|0.00|0.00|0.49";
    QTest::newRow("a gross of 0.4851 rounds to 0.49 once, per line")
        << QStringList{"0.99|0.49|1|0|0", "0.99|0.49|1|0|0"} << "0.00" << "0.00" << "0.00"
        << QStringList{"0.00|0.00|0.00|0.49", "0.00|0.00|0.00|0.49"} << "0.98|0.00|0.00|0.00|0.98";
    QTest::newRow("0.0049995 is not rounded twice into a paisa")
        << QStringList{"3.03|0.03|0|5.5|0"} << "0.00" << "0.00" << "0.00"
        << QStringList{"0.00|0.00|0.00|0.09"} << "0.09|0.00|0.00|0.00|0.09";
    QTest::newRow("large amounts stay exact")
        << QStringList{"999999|99999.99|14|14|0"} << "0.00" << "0.00" << "0.00"
        << QStringList{"13999984600.00|13999984600.00|0.00|127999859200.01"}
        << "99999890000.01|13999984600.00|13999984600.00|0.00|127999859200.01";
    // clang-format on
}

void TestGstGrid::totals()
{
    QFETCH(QStringList, rows);
    QFETCH(QString, tcs);
    QFETCH(QString, plus);
    QFETCH(QString, minus);
    QFETCH(QStringList, lineTexts);
    QFETCH(QString, boxes);
    const GstGrid::Totals t = GstGrid::calculateTotals(lines(rows), {tcs, plus, minus});
    QCOMPARE(shown(t), lineTexts);
    QCOMPARE(QStringList({t.total, t.cgst, t.sgst, t.igst, t.grandTotal}).join(u'|'), boxes);
}

void TestGstGrid::grandTotalFromTypedTaxes_data()
{
    QTest::addColumn<QStringList>("boxes"); // gross|TCS|CGST|SGST|IGST|Round +|Round -
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("grand");
    QTest::newRow("typed CGST, no TCS") << QStringList{"210.00", "0.00", "5.00", "18.90", "0", "0.00", "0.00"}
                                        << "210.00" << "233.90";
    // The same sum as the line totals make: the TCS is part of it.
    QTest::newRow("typed CGST with TCS") << QStringList{"210.00", "2.10", "5.00", "18.90", "0", "0.00", "0.00"}
                                         << "210.00" << "236.00";
    QTest::newRow("gross typed unformatted") << QStringList{"99.999", "0", "1", "1", "1", "0.10", "0.05"} << "100.00"
                                             << "103.05";
    QTest::newRow("text that is no number reads 0") << QStringList{"10", "", "abc", "", "2.5", "", ""} << "10.00"
                                                    << "12.50";
}

void TestGstGrid::grandTotalFromTypedTaxes()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, total);
    QFETCH(QString, grand);
    const GstGrid::GrandTotal g = GstGrid::calculateGrandTotal(
        {boxes.at(0), boxes.at(1), boxes.at(2), boxes.at(3), boxes.at(4), boxes.at(5), boxes.at(6)});
    QCOMPARE(g.total, total);
    QCOMPARE(g.grandTotal, grand);
}

void TestGstGrid::figuresBeyondRangeAreRefused()
{
    // Twelve digits of quantity, rate and percentage: the tax is far beyond what an amount can hold.
    QVERIFY_THROWS_EXCEPTION(DecimalOverflow,
                             GstGrid::calculateTotals(lines({"999999999999|999999999999|999999999999|0|0"}), {}));
    QVERIFY_THROWS_EXCEPTION(DecimalOverflow, GstGrid::calculateTotals(lines({"999999999|999999999|9|0|0"}), {}));
    // A typed box beyond range is refused the same way.
    QVERIFY_THROWS_EXCEPTION(DecimalOverflow,
                             GstGrid::calculateGrandTotal({"1", "0", "99999999999999999999", "0", "0", "0", "0"}));
}

QTEST_MAIN(TestGstGrid)
#include "tst_gstgrid.moc"
