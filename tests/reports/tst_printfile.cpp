#include "PrintFile.h"
#include "Sheet.h"

#include <QTest>

// The spooler's page file, byte by byte.
class TestPrintFile : public QObject {
    Q_OBJECT
private slots:
    void emptyBodyIsOnePageOfHeaderAndFooter();
    void pageBreaksAfterFiftyFourBodyLines_data();
    void pageBreaksAfterFiftyFourBodyLines();
    void pageTotalLine_data();
    void pageTotalLine();
    void textFieldPrintsAsItStandsAndIsNotSummed_data();
    void textFieldPrintsAsItStandsAndIsNotSummed();
    void totalLineIsRuledAndBoldAndNotSummed();
    void bodyFields_data();
    void bodyFields();
    void nonAsciiTextIsOneBytePerCharacter();
    void markerColumnEndsTheBody();
    void reportMappingChoosesColumnsAndRows();
    void fileIsReplacedWhole();
};

namespace {

const QByteArray kRule(80, '-');

QList<QByteArray> linesOf(const QByteArray &bytes)
{
    // Every line ends in CR LF, the last one included.
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &l : lines) {
        if (!l.endsWith('\r'))
            return {QByteArrayLiteral("<line without CR>")};
        l.chop(1);
    }
    return lines;
}

PrintDocument document(int bodyRows, const QString &col4 = QStringLiteral("1"),
                       const QString &col5 = QStringLiteral("2"))
{
    PrintDocument d;
    d.titles = {QStringLiteral("01 - Head Office"), QStringLiteral("Head Office"),
                QStringLiteral("Stock As on 09-Dec-2026")};
    d.headings = {QStringLiteral("Sl No"), QStringLiteral("Supplier"), QStringLiteral("Reel No"),
                  QStringLiteral("Weight"), QStringLiteral("Amount")};
    for (int i = 1; i <= bodyRows; ++i)
        d.lines.append({{QString::number(i), QStringLiteral("Supplier"), QStringLiteral("R-%1").arg(i), col4, col5},
                        PrintLine::Body});
    return d;
}

QList<QByteArray> expectedHeader()
{
    return {
        "\\E\\D01 - Head Office                        \\e\\d",
        "\\E\\CHead Office                             \\e\\c",
        "\\D\\C" + QByteArray("Stock As on 09-Dec-2026").leftJustified(136, ' ') + "\\d\\c",
        kRule,
        "\\DSl No      Supplier              Reel No                     Weight       Amount\\d",
        kRule,
    };
}

// Five fields as the page lays them out: 10, 21, 21 left, 12, 12 right.
QByteArray fields(const QByteArray &a, const QByteArray &b, const QByteArray &c, const QByteArray &d,
                  const QByteArray &e)
{
    return a.leftJustified(10) + ' ' + b.leftJustified(21) + ' ' + c.leftJustified(21) + ' ' + d.rightJustified(12)
        + ' ' + e.rightJustified(12);
}

QByteArray signature()
{
    return QByteArray(58, ' ') + "Circulation Manager   ";
}

} // namespace

void TestPrintFile::emptyBodyIsOnePageOfHeaderAndFooter()
{
    QList<QByteArray> expected = expectedHeader();
    expected << kRule << ""
             << ""
             << ""
             << "" << signature();
    for (int i = 0; i < 60; ++i)
        expected << "";
    const QByteArray bytes = printFileBytes(document(0));
    QCOMPARE(linesOf(bytes), expected);
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), 72);
}

void TestPrintFile::pageBreaksAfterFiftyFourBodyLines_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pages");
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("a full page") << 54 << 1;
    QTest::newRow("one past a page") << 55 << 2;
    QTest::newRow("two full pages") << 108 << 2;
    QTest::newRow("one past two pages") << 109 << 3;
}

void TestPrintFile::pageBreaksAfterFiftyFourBodyLines()
{
    QFETCH(int, rows);
    QFETCH(int, pages);
    const QList<QByteArray> lines = linesOf(printFileBytes(document(rows)));
    QCOMPARE(lines.size(), 72 * pages);
    int bodySeen = 0;
    for (int p = 0; p < pages; ++p) {
        const QList<QByteArray> page = lines.mid(72 * p, 72);
        QCOMPARE(page.mid(0, 6), expectedHeader());
        const int onPage = qMin(54, rows - bodySeen);
        for (int i = 0; i < onPage; ++i) {
            const QByteArray &l = page.at(6 + i);
            QCOMPARE(l.size(), 80);
            QCOMPARE(l.left(10).trimmed(), QByteArray::number(bodySeen + i + 1));
        }
        bodySeen += onPage;
        QCOMPARE(page.at(6 + onPage), kRule);
        const bool broken = p < pages - 1;
        // A page ended by a break carries the totals so far; the last carries none.
        const QByteArray expectedTotal = "\\D" + QByteArray("Page Total").leftJustified(10) + QByteArray(45, ' ')
            + QByteArray::number(bodySeen).append(".00").rightJustified(12) + ' '
            + QByteArray::number(2 * bodySeen).append(".00").rightJustified(12) + "\\d";
        QCOMPARE(page.at(7 + onPage), broken ? expectedTotal : QByteArray());
        QCOMPARE(page.at(8 + onPage), broken ? kRule : QByteArray());
        QCOMPARE(page.at(11 + onPage), signature());
        for (int i = 12 + onPage; i < 72; ++i)
            QVERIFY2(page.at(i).isEmpty(), qPrintable(QStringLiteral("page %1 line %2").arg(p + 1).arg(i + 1)));
    }
    QCOMPARE(bodySeen, rows);
}

void TestPrintFile::pageTotalLine_data()
{
    QTest::addColumn<QString>("col4");
    QTest::addColumn<QString>("col5");
    QTest::addColumn<QByteArray>("line");
    const QByteArray lead = "\\D" + QByteArray("Page Total") + QByteArray(45, ' ');
    QTest::newRow("both sums") << "12.5"
                               << "3"
                               << lead + QByteArray("675.00").rightJustified(12) + ' '
            + QByteArray("162.00").rightJustified(12) + "\\d";
    QTest::newRow("fifteen digits a row") << "123456789012345"
                                          << "0.0049999999"
                                          << lead + QByteArray("666666660666") + ' '
            + QByteArray("0.27").rightJustified(12) + "\\d";
    QTest::newRow("second sum zero") << "12.5"
                                     << "0" << QByteArray();
    QTest::newRow("first sum zero") << ""
                                    << "3" << QByteArray();
    QTest::newRow("no number in the column") << "R-102"
                                             << "3" << QByteArray();
    QTest::newRow("leading number counts")
        << "4kg"
        << "1" << lead + QByteArray("216.00").rightJustified(12) + ' ' + QByteArray("54.00").rightJustified(12) + "\\d";
}

void TestPrintFile::pageTotalLine()
{
    QFETCH(QString, col4);
    QFETCH(QString, col5);
    QFETCH(QByteArray, line);
    const QList<QByteArray> lines = linesOf(printFileBytes(document(55, col4, col5)));
    QCOMPARE(lines.size(), 144);
    QCOMPARE(lines.at(60), kRule);
    QCOMPARE(lines.at(61), line);
    QCOMPARE(lines.at(62), line.isEmpty() ? QByteArray() : kRule);
    QCOMPARE(lines.at(65), signature());
}

void TestPrintFile::totalLineIsRuledAndBoldAndNotSummed()
{
    PrintDocument d = document(55);
    d.lines.insert(1,
                   {{QString(), QStringLiteral("Total"), QString(), QStringLiteral("100"), QStringLiteral("200")},
                    PrintLine::Total});
    const QList<QByteArray> lines = linesOf(printFileBytes(d));
    QCOMPARE(lines.at(7), kRule);
    QCOMPARE(lines.at(8), "\\D" + fields("", "Total", "", "100.00", "200.00") + "\\d");
    // The total line takes two lines of the page, so the 52nd body line ends it.
    QCOMPARE(lines.at(59).left(10).trimmed(), QByteArray("52"));
    QCOMPARE(lines.at(60), kRule);
    QCOMPARE(lines.at(61), "\\D" + fields("Page Total", "", "", "52.00", "104.00") + "\\d");
}

void TestPrintFile::bodyFields_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("whole number gets two decimals") << QStringList{"1", "Supplier", "Brand", "1234", "45.678"}
                                                    << fields("1", "Supplier", "Brand", "1234.00", "45.68");
    QTest::newRow("text that is no number stays")
        << QStringList{"2", "A", "B", "R-102", ""} << fields("2", "A", "B", "R-102", "");
    QTest::newRow("long texts are cut")
        << QStringList{"12345678901", "A supplier with a long name", "B", "1", "1234567890.5"}
        << QByteArray("1234567890 A supplier with a lon B                             1.00 1234567890.5");
    QTest::newRow("negative and blanks") << QStringList{"3", "", "", " -7.5 ", "0"}
                                         << fields("3", "", "", "-7.50", "0.00");
    // Numbers of thirteen and more digits print as they read, cut to the field
    // like any text, never wrapped to another number.
    QTest::newRow("thirteen digits") << QStringList{"4", "", "", "1234567890123", "-1234567890123"}
                                     << fields("4", "", "", "123456789012", "-12345678901");
    QTest::newRow("fifteen digits") << QStringList{"5", "", "", "123456789012345", "9999999999999.999"}
                                    << fields("5", "", "", "123456789012", "100000000000");
    QTest::newRow("thirty digits") << QStringList{"6", "", "", "123456789012345678901234567890", "99999999.995"}
                                   << fields("6", "", "", "123456789012", "100000000.00");
    QTest::newRow("rounded once") << QStringList{"7", "", "", "0.0049999999", "-0.0049"}
                                  << fields("7", "", "", "0.00", "0.00");
}

void TestPrintFile::bodyFields()
{
    QFETCH(QStringList, fields);
    QFETCH(QByteArray, line);
    PrintDocument d = document(0);
    d.lines.append({{fields[0], fields[1], fields[2], fields[3], fields[4]}, PrintLine::Body});
    const QList<QByteArray> lines = linesOf(printFileBytes(d));
    QCOMPARE(lines.at(6), line);
    QCOMPARE(lines.at(6).size(), 80);
}

void TestPrintFile::nonAsciiTextIsOneBytePerCharacter()
{
    PrintDocument d = document(0);
    d.titles[0] = QStringLiteral("Caf\u00E9 \u20AC \u65E5\u672C \U0001F600 \u201Cq\u201D");
    d.lines.append({{QStringLiteral("1"), QStringLiteral("M\u00FCller\u2013Gr\u00E4f"), QStringLiteral("a\r\nb\tc"),
                     QString(), QString()},
                    PrintLine::Body});
    const QList<QByteArray> lines = linesOf(printFileBytes(d));
    QCOMPARE(lines.size(), 72);
    QCOMPARE(lines.at(0), QByteArray("\\E\\DCaf\xE9 \x80 ?? ? \x93q\x94") + QByteArray(25, ' ') + "\\e\\d");
    QCOMPARE(lines.at(6),
             fields("1",
                    "M\xFCller\x96Gr\xE4"
                    "f",
                    "a  b c", "", ""));
}

namespace {
// Titles, headings "Sl No", "Name", "Reel", "Qty", "Rate", "Amount", "Unit",
// and the given body rows from row 5 (cells by column from 1).
void fillSheet(Sheet &sheet, const QList<QStringList> &body)
{
    sheet.setColumnCount(7);
    for (int r = 1; r <= 3; ++r)
        sheet.setCellText(r, 1, QStringLiteral("T%1").arg(r));
    const QStringList heads{"Sl No", "Name", "Reel", "Qty", "Rate", "Amount", "Unit"};
    for (int c = 1; c <= 7; ++c)
        sheet.setCellText(4, c, heads[c - 1]);
    for (int i = 0; i < body.size(); ++i)
        for (int c = 1; c <= body[i].size(); ++c)
            sheet.setCellText(5 + i, c, body[i][c - 1]);
    sheet.setRowCount(4 + int(body.size()));
}
} // namespace

void TestPrintFile::markerColumnEndsTheBody()
{
    Sheet sheet;
    fillSheet(sheet,
              {{"1", "a", "x", "1", "2", "m"},
               {"", "Total", "", "1", "2", "gtot"},
               {"", "after the end", "", "5", "5", ""},
               {"3", "never printed", "", "5", "5", "m"}});
    const PrintDocument doc = printDocumentFromSheet(sheet, PrintMapping());
    QCOMPARE(doc.titles[2], QStringLiteral("T3"));
    QCOMPARE(doc.headings[4], QStringLiteral("Rate"));
    const QList<QByteArray> lines = linesOf(printFileBytes(doc));
    QCOMPARE(lines.size(), 72);
    QCOMPARE(lines.mid(6, 4),
             (QList<QByteArray>{fields("1", "a", "x", "1.00", "2.00"), kRule,
                                "\\D" + fields("", "Total", "", "1.00", "2.00") + "\\d", kRule}));
}

void TestPrintFile::reportMappingChoosesColumnsAndRows()
{
    Sheet sheet;
    fillSheet(sheet, {{"", "Brand"}, {"1", "a", "x", "1", "2", "9", "U"}, {}, {"", "Total", "", "", "", "9"}, {}});
    PrintMapping mapping;
    mapping.columns = {1, 3, 7, 5, 6};
    mapping.rowKind = [](const Sheet &s, int row) {
        if (!s.CellText(row, 1).isEmpty())
            return PrintMapping::Body;
        if (s.CellText(row, 2) == u"Total")
            return PrintMapping::Total;
        return s.CellText(row, 2).isEmpty() ? PrintMapping::Skip : PrintMapping::Body;
    };
    mapping.adjust = [](const Sheet &, int, PrintLine &line) {
        if (line.kind == PrintLine::Total)
            line.fields[0] = QStringLiteral("Sum");
    };
    const PrintDocument doc = printDocumentFromSheet(sheet, mapping);
    QCOMPARE(doc.headings, (std::array<QString, 5>{"Sl No", "Reel", "Unit", "Rate", "Amount"}));
    const QList<QByteArray> lines = linesOf(printFileBytes(doc));
    QCOMPARE(lines.mid(6, 5),
             (QList<QByteArray>{fields("", "", "", "", ""), fields("1", "x", "U", "2.00", "9.00"), kRule,
                                "\\D" + fields("Sum", "", "", "", "9.00") + "\\d", kRule}));
}

void TestPrintFile::fileIsReplacedWhole()
{
    const QString dir = QString::fromLocal8Bit(qgetenv("VELMORA_TEST_TMP"));
    QVERIFY(QDir().mkpath(dir));
    const QString path = QDir(dir).filePath(QStringLiteral("tb.prn"));
    QVERIFY(writePrintFile(path, QByteArray(5000, 'x')));
    QVERIFY(writePrintFile(path, "ab\r\n"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("ab\r\n"));
    QVERIFY(!writePrintFile(QDir(dir).filePath(QStringLiteral("no such folder/tb.prn")), "x"));
}

void TestPrintFile::textFieldPrintsAsItStandsAndIsNotSummed_data()
{
    QTest::addColumn<QString>("invoiceNo");
    QTest::addColumn<QByteArray>("printed");
    QTest::newRow("numeric invoice number") << "1234" << QByteArray("1234");
    QTest::newRow("invoice number with letters") << "INV-12" << QByteArray("INV-12");
    QTest::newRow("decimal-looking number") << "12.5" << QByteArray("12.5");
    QTest::newRow("empty") << "" << QByteArray();
}

void TestPrintFile::textFieldPrintsAsItStandsAndIsNotSummed()
{
    QFETCH(QString, invoiceNo);
    QFETCH(QByteArray, printed);
    PrintDocument d = document(55, invoiceNo, QStringLiteral("10"));
    d.lastFields = {PrintField::Text, PrintField::Amount};
    const QList<QByteArray> lines = linesOf(printFileBytes(d));
    QCOMPARE(lines.size(), 144);
    QCOMPARE(lines.at(6), fields("1", "Supplier", "R-1", printed, "10.00"));
    // The page total holds the amount field alone; the text field's place is blank.
    QCOMPARE(lines.at(61),
             "\\D" + QByteArray("Page Total") + QByteArray(45, ' ') + QByteArray(12, ' ') + ' '
                 + QByteArray("540.00").rightJustified(12) + "\\d");
}

QTEST_GUILESS_MAIN(TestPrintFile)
#include "tst_printfile.moc"
