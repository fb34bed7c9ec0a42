#include "Sheet.h"
#include "XlsWriter.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

// The workbook as an independent reader (xlrd, run by tests/platform/xls_dump.py)
// sees it.
struct ReadBack {
    QString error;
    QJsonObject summary;
    QHash<QPair<int, int>, QJsonArray> cells; // (row, column) from 1

    bool has(int row, int column) const { return cells.contains({row, column}); }
    int type(int row, int column) const { return cells.value({row, column}).at(2).toInt(); }
    QJsonValue value(int row, int column) const { return cells.value({row, column}).at(3); }
    QJsonObject format(int row, int column) const
    {
        const int xf = cells.value({row, column}).at(4).toInt(-1);
        return summary.value("xf").toObject().value(QString::number(xf)).toObject();
    }
    int records(const char *type) const { return summary.value("records").toObject().value(type).toInt(); }
};

// xlrd's cell types.
enum { XlText = 1, XlNumber = 2, XlBlank = 6 };

static QString pythonWithXlrd()
{
    static QString found = [] {
        for (const QString &candidate : {QStringLiteral("/usr/bin/python3"), QStringLiteral("python3")}) {
            QProcess p;
            p.start(candidate, {"-c", "import xlrd"});
            if (p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
                return candidate;
        }
        return QString();
    }();
    return found;
}

static ReadBack readBack(const QString &path)
{
    ReadBack result;
    QProcess p;
    p.start(pythonWithXlrd(), {QFINDTESTDATA("xls_dump.py"), path});
    if (!p.waitForFinished(240000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        result.error = QString::fromUtf8(p.readAllStandardError());
        if (result.error.isEmpty())
            result.error = QStringLiteral("the reader did not finish");
        return result;
    }
    const QList<QByteArray> lines = p.readAllStandardOutput().split('\n');
    result.summary = QJsonDocument::fromJson(lines.value(0)).object();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        const QJsonArray cell = QJsonDocument::fromJson(lines[i]).array();
        result.cells.insert({cell.at(0).toInt() + 1, cell.at(1).toInt() + 1}, cell);
    }
    return result;
}

// Writes the sheet and reads it back; fails the test when either step fails.
#define WRITE_AND_READ(sheet, path, into)                                                                              \
    do {                                                                                                               \
        const SaveResult saved_ = (sheet).SaveWorkbook((path), 4);                                                     \
        QVERIFY2(saved_.ok, qPrintable(saved_.error));                                                                 \
        into = readBack(path);                                                                                         \
        QVERIFY2(into.error.isEmpty(), qPrintable(into.error));                                                        \
        QCOMPARE(into.summary.value("log").toString(), QString());                                                     \
        QCOMPARE(into.summary.value("extsst").toString(), QString());                                                  \
        QCOMPARE(into.summary.value("index").toString(), QString());                                                   \
    } while (false)

// Compact JSON text of a value, so that a failed comparison shows both sides.
static QString json(const QJsonValue &v)
{
    const QByteArray text = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(text.mid(1, text.size() - 2));
}

static QJsonArray rgb(int r, int g, int b)
{
    return QJsonArray{r, g, b};
}

// The pixel width Excel shows for a stored column width (Arial 10, 7-pixel digits).
static int excelPixels(int storedWidth)
{
    return int(std::floor((storedWidth + std::floor(128.0 / 7)) / 256.0 * 7));
}

class TestXlsWriter : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void valuesKeepTheirKind_data();
    void valuesKeepTheirKind();
    void mixedRowReadsBackCellByCell();
    void formatsSurvive_data();
    void formatsSurvive();
    void columnWidthsHiddenColumnsAndRowHeights_data();
    void columnWidthsHiddenColumnsAndRowHeights();
    void displayOptionsReachTheFile_data();
    void displayOptionsReachTheFile();
    void largeSheetSpansDifatAndContinueRecords();
    void sheetAtTheLimitsIsWritten();
    void sheetBeyondTheLimitsIsRefused_data();
    void sheetBeyondTheLimitsIsRefused();
    void leftoverFormatsBelowTheDataAreNotContent();
    void refusedSavesWriteNothing_data();
    void refusedSavesWriteNothing();
    void convertsWithLibreOffice();

private:
    void fillStyledSheet(Sheet &sheet);
    QString path(const QString &name) const { return m_dir->filePath(name); }

    QScopedPointer<QTemporaryDir> m_dir;
    ReadBack m_styled;
};

// The look of a list heading, a report title and an amount column, as the
// windows lay them out.
void TestXlsWriter::fillStyledSheet(Sheet &sheet)
{
    sheet.setColumnCount(5);
    sheet.setCellText(1, 1, "Velmora - Trivandrum");
    sheet.SelectCells(1, 1, 1, 1);
    sheet.SetSelectionFont("Book Antiqua", 14, true, false, false, false, 8388608, false, false);

    const QStringList headings{"Code", "Name", "Amount", "Rate", "Notes"};
    for (int c = 1; c <= 5; ++c)
        sheet.setCellText(2, c, headings[c - 1]);
    sheet.SelectCells(2, 1, 2, 5);
    sheet.SetSelectionBorder(1, 1, 1, 1, 1, 1, 1, 1, 1, -1, -1);
    sheet.SetSelectionFont("ARIAL", 8, true, false, false, false, 0, false, false);
    sheet.SetSelectionPattern(1, 12632256, 12632256);
    sheet.SelectCells(2, 3, 2, 4);
    sheet.SetSelectionAlignment(4, false, 2, 0);

    sheet.setCellText(3, 1, "C001");
    sheet.setCellText(3, 2, "Malabar Traders");
    sheet.setCellNumber(3, 3, Decimal::fromText("1250.5"));
    sheet.setCellNumber(3, 4, Decimal::fromText("12.3456"));
    sheet.setCellText(3, 5, "wrapped notes that run long");
    sheet.SelectCells(3, 1, 3, 5);
    sheet.SetSelectionFont("ARIAL", 8, false, true, true, true, 255, false, false);
    sheet.SelectCells(3, 3, 3, 3);
    sheet.SetSelectionAlignment(4, false, 2, 0);
    sheet.setSelectionNumberFormat("0.00");
    sheet.SelectCells(3, 4, 3, 4);
    sheet.setSelectionNumberFormat("0.000");
    sheet.SelectCells(3, 5, 3, 5);
    sheet.SetSelectionAlignment(3, true, 1, 0);
    // A colour outside the default palette, and an empty cell whose fill shows.
    sheet.SelectCells(4, 2, 4, 3);
    sheet.SetSelectionPattern(1, 49 + 111 * 256 + 147 * 65536, 49 + 111 * 256 + 147 * 65536);
    // A report's heading lines: no outline, thin automatic lines on every side.
    sheet.setCellText(5, 1, "Sl No");
    sheet.setCellText(5, 2, "Particulars");
    sheet.SelectCells(5, 1, 5, 2);
    sheet.SetSelectionBorder(-1, 1, 1, 1, 1, 1, 1, -1, -1, -1, -1);
}

void TestXlsWriter::initTestCase()
{
    QVERIFY2(!pythonWithXlrd().isEmpty(), "the tests read workbooks back with Debian's python3-xlrd");
    QVERIFY(!QFINDTESTDATA("xls_dump.py").isEmpty());
    m_dir.reset(new QTemporaryDir);
    Sheet sheet;
    fillStyledSheet(sheet);
    WRITE_AND_READ(sheet, path("styled.xls"), m_styled);
}

void TestXlsWriter::init()
{
    QVERIFY(m_dir->isValid());
}

void TestXlsWriter::cleanup()
{
    QDir dir(m_dir->path());
    for (const QString &name : dir.entryList(QDir::Files))
        if (name != QLatin1String("styled.xls"))
            dir.remove(name);
}

void TestXlsWriter::valuesKeepTheirKind_data()
{
    QTest::addColumn<bool>("asNumber");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("type");
    QTest::addColumn<QJsonValue>("value");
    QTest::newRow("text") << false << "Company" << int(XlText) << QJsonValue("Company");
    QTest::newRow("text that reads as a number stays text") << false << "0012" << int(XlText) << QJsonValue("0012");
    QTest::newRow("text beyond Latin-1") << false << "Rāmā ₹ 漢字" << int(XlText) << QJsonValue("Rāmā ₹ 漢字");
    QTest::newRow("whole number") << true << "42" << int(XlNumber) << QJsonValue(42.0);
    QTest::newRow("hundredths") << true << "12.34" << int(XlNumber) << QJsonValue(12.34);
    QTest::newRow("negative hundredths") << true << "-7.05" << int(XlNumber) << QJsonValue(-7.05);
    QTest::newRow("six decimals") << true << "0.123456" << int(XlNumber) << QJsonValue(0.123456);
    QTest::newRow("zero") << true << "0" << int(XlNumber) << QJsonValue(0.0);
    QTest::newRow("beyond the 30-bit range") << true << "98765432101.25" << int(XlNumber) << QJsonValue(98765432101.25);
    QTest::newRow("largest 30-bit whole") << true << "536870911" << int(XlNumber) << QJsonValue(536870911.0);
    QTest::newRow("just past 30 bits") << true << "536870912" << int(XlNumber) << QJsonValue(536870912.0);
    QTest::newRow("negative whole") << true << "-536870912" << int(XlNumber) << QJsonValue(-536870912.0);
}

// One cell alone: also the smallest workbook, whose stream lives in the
// compound document's mini stream.
void TestXlsWriter::valuesKeepTheirKind()
{
    QFETCH(bool, asNumber);
    QFETCH(QString, input);
    QFETCH(int, type);
    QFETCH(QJsonValue, value);
    Sheet sheet;
    if (asNumber)
        sheet.setCellNumber(2, 3, Decimal::fromText(input));
    else
        sheet.setCellText(2, 3, input);
    ReadBack book;
    WRITE_AND_READ(sheet, path("value.xls"), book);
    QVERIFY(book.summary.value("stream_size").toInt() < 4096);
    QCOMPARE(book.summary.value("nrows").toInt(), 2);
    QCOMPARE(book.summary.value("ncols").toInt(), 3);
    QCOMPARE(book.cells.size(), 1);
    QCOMPARE(book.type(2, 3), type);
    QCOMPARE(json(book.value(2, 3)), json(value));
}

// Runs of numbers, texts and formatted blanks side by side in rows, the way a
// list fill writes them.
void TestXlsWriter::mixedRowReadsBackCellByCell()
{
    Sheet sheet;
    sheet.setColumnCount(12);
    for (int r = 1; r <= 70; ++r) {
        sheet.setCellText(r, 1, QString::number(r));
        sheet.setCellNumber(r, 2, Decimal::fromInt(r));
        sheet.setCellNumber(r, 3, Decimal::fromUnits(r * 1'000'000 + 50'000)); // hundredths
        sheet.setCellNumber(r, 4, Decimal::fromUnits(r * 1'000'000 + 1));      // needs a double
        sheet.setCellNumber(r, 5, Decimal::fromInt(-r));
        sheet.setCellText(r, 6, r % 3 ? QStringLiteral("repeated") : QStringLiteral("row %1").arg(r));
        if (r % 5 == 0)
            continue; // a row with the rest empty
        sheet.setCellNumber(r, 10, Decimal::fromInt(r * 1000));
    }
    sheet.SelectCells(10, 7, 12, 9);
    sheet.SetSelectionBorder(1, 0, 0, 0, 0, 0, 0, -1, -1, -1, -1);
    sheet.SelectCells(20, 8, 20, 8);
    sheet.SetSelectionPattern(1, 255, 255);

    ReadBack book;
    WRITE_AND_READ(sheet, path("mixed.xls"), book);
    QVERIFY(book.records("00bd") > 0); // MULRK
    QVERIFY(book.records("00be") > 0); // MULBLANK
    QVERIFY(book.records("0201") > 0); // BLANK
    QCOMPARE(book.summary.value("nrows").toInt(), 70);
    QCOMPARE(book.summary.value("ncols").toInt(), 10);
    int expectedCells = 0;
    for (int r = 1; r <= 70; ++r) {
        for (int c = 1; c <= 12; ++c) {
            const QString where = QStringLiteral("row %1, column %2").arg(r).arg(c);
            if (!sheet.rowCells(r).empty() && c <= int(sheet.rowCells(r).size())
                && (sheet.rowCells(r)[c - 1].hasValue() || sheet.formatAt(r, c).showsWhenEmpty())) {
                ++expectedCells;
                QVERIFY2(book.has(r, c), qPrintable(where));
                const SheetCell &cell = sheet.rowCells(r)[c - 1];
                if (cell.kind() == SheetCell::Text) {
                    QCOMPARE(book.type(r, c), int(XlText));
                    QCOMPARE(book.value(r, c).toString(), cell.text());
                } else if (cell.kind() == SheetCell::Number) {
                    QCOMPARE(book.type(r, c), int(XlNumber));
                    QCOMPARE(book.value(r, c).toDouble(), cell.number().toDouble());
                } else {
                    QCOMPARE(book.type(r, c), int(XlBlank));
                }
            }
        }
    }
    QCOMPARE(book.cells.size(), expectedCells);
    // The blanks keep their look.
    const QJsonObject outline = book.format(11, 7).value("borders").toObject();
    QCOMPARE(outline.value("left").toArray().at(0).toInt(), 1);
    QCOMPARE(outline.value("right").toArray().at(0).toInt(), 0);
    QCOMPARE(json(book.format(20, 8).value("fill").toObject().value("fg")), json(rgb(255, 0, 0)));
}

void TestXlsWriter::formatsSurvive_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QJsonValue>("expected");
    auto add = [](const char *name, int row, int column, const char *property, const QJsonValue &expected) {
        QTest::newRow(name) << row << column << QString::fromLatin1(property) << expected;
    };
    add("title font name", 1, 1, "font.name", "Book Antiqua");
    add("title font size in twips", 1, 1, "font.height", 280);
    add("title bold", 1, 1, "font.bold", true);
    add("title dark blue", 1, 1, "font.colour", rgb(0, 0, 128));
    add("heading font", 2, 2, "font.name", "ARIAL");
    add("heading size", 2, 2, "font.height", 160);
    add("heading bold", 2, 2, "font.bold", true);
    add("heading black", 2, 2, "font.colour", rgb(0, 0, 0));
    add("heading solid fill", 2, 2, "fill.pattern", 1);
    add("heading light grey", 2, 2, "fill.fg", rgb(192, 192, 192));
    add("heading left line", 2, 2, "borders.left", QJsonArray{1, rgb(1, 0, 0)});
    add("heading right line", 2, 2, "borders.right", QJsonArray{1, rgb(1, 0, 0)});
    // One row is all edge: the outline's colour wins over the sides' automatic one.
    add("heading top line from the outline", 2, 2, "borders.top", QJsonArray{1, rgb(1, 0, 0)});
    add("heading bottom line from the outline", 2, 2, "borders.bottom", QJsonArray{1, rgb(1, 0, 0)});
    add("report heading lines automatic", 5, 2, "borders.left", QJsonArray{1, QJsonValue()});
    add("report heading top automatic", 5, 2, "borders.top", QJsonArray{1, QJsonValue()});
    add("heading outline on the block's edge", 2, 1, "borders.left", QJsonArray{1, rgb(1, 0, 0)});
    add("amount heading right", 2, 3, "h", 3);
    add("amount heading centred", 2, 3, "v", 1);
    add("heading text general", 2, 1, "h", 0);
    add("heading text bottom", 2, 1, "v", 2);
    add("data row not bold", 3, 1, "font.bold", false);
    add("data row italic", 3, 1, "font.italic", true);
    add("data row underlined", 3, 1, "font.underline", 1);
    add("data row struck out", 3, 1, "font.struck", true);
    add("data row red", 3, 1, "font.colour", rgb(255, 0, 0));
    add("amount two places", 3, 3, "numfmt", "0.00");
    add("rate three places", 3, 4, "numfmt", "0.000");
    add("text general format", 3, 1, "numfmt", "General");
    add("amount right", 3, 3, "h", 3);
    add("notes centred", 3, 5, "h", 2);
    add("notes wrap", 3, 5, "wrap", 1);
    add("notes top", 3, 5, "v", 0);
    add("colour outside the default palette", 4, 2, "fill.fg", rgb(49, 111, 147));
    add("no fill on plain data", 3, 2, "fill.pattern", 0);
}

void TestXlsWriter::formatsSurvive()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, property);
    QFETCH(QJsonValue, expected);
    QVERIFY(m_styled.has(row, column));
    QJsonValue value = m_styled.format(row, column);
    for (const QString &key : property.split('.'))
        value = value.toObject().value(key);
    QCOMPARE(json(value), json(expected));
}

void TestXlsWriter::columnWidthsHiddenColumnsAndRowHeights_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("code column") << 3000 << 200;
    QTest::newRow("name column") << 9000 << 600;
    QTest::newRow("address column") << 5500 << 367;
    QTest::newRow("serial column") << 1200 << 80;
    QTest::newRow("narrow") << 300 << 20;
    QTest::newRow("default width") << Sheet::kDefaultColumnWidth << 64;
}

void TestXlsWriter::columnWidthsHiddenColumnsAndRowHeights()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    Sheet sheet;
    sheet.setColumnCount(4);
    sheet.setColumnWidth(1, twips);
    sheet.setColumnWidth(2, 0);
    sheet.setColumnWidth(3, twips);
    sheet.setCellText(1, 1, "shown");
    sheet.setCellText(1, 2, "hidden key");
    sheet.setRowHeight(1, 500);
    sheet.setRowHeight(3, 300); // a row with a height and no cell
    ReadBack book;
    WRITE_AND_READ(sheet, path("widths.xls"), book);

    const QJsonObject columns = book.summary.value("colinfo").toObject();
    const int stored = columns.value("0").toArray().at(0).toInt();
    QCOMPARE(excelPixels(stored), pixels);
    QCOMPARE(columns.value("0").toArray().at(1).toInt(), 0);
    QCOMPARE(columns.value("1").toArray().at(1).toInt(), 1);
    QCOMPARE(columns.value("2").toArray().at(0).toInt(), stored);
    QVERIFY(!columns.contains("3")); // never set: the sheet's default
    QCOMPARE(book.value(1, 2).toString(), QString("hidden key"));

    const QJsonObject rows = book.summary.value("rowinfo").toObject();
    QCOMPARE(rows.value("0").toArray().at(0).toInt(), 500);
    QCOMPARE(rows.value("2").toArray().at(0).toInt(), 300);
    QVERIFY(!rows.contains("1"));
}

// Long unique texts (some beyond Latin-1, so characters of both widths split
// across records) make a workbook stream of more than 109 FAT sectors' worth,
// so the compound document needs DIFAT sectors, and a shared string table that
// runs over many CONTINUE records.
void TestXlsWriter::displayOptionsReachTheFile_data()
{
    QTest::addColumn<bool>("rowHeadings");
    QTest::addColumn<bool>("columnHeadings");
    QTest::addColumn<bool>("gridLines");
    QTest::addColumn<int>("fileHeadings");
    QTest::newRow("a new sheet") << true << true << true << 1;
    QTest::newRow("a report") << false << false << false << 0;
    QTest::newRow("grid lines only") << false << false << true << 0;
    QTest::newRow("one heading still shows") << true << false << false << 1;
}

void TestXlsWriter::displayOptionsReachTheFile()
{
    QFETCH(bool, rowHeadings);
    QFETCH(bool, columnHeadings);
    QFETCH(bool, gridLines);
    QFETCH(int, fileHeadings);
    Sheet sheet;
    sheet.setCellText(1, 1, "Consumption");
    sheet.setShowRowHeadings(rowHeadings);
    sheet.setShowColumnHeadings(columnHeadings);
    sheet.setShowGridLines(gridLines);
    ReadBack book;
    WRITE_AND_READ(sheet, path("options.xls"), book);
    QCOMPARE(book.summary.value("show_grid_lines").toInt(), gridLines ? 1 : 0);
    QCOMPARE(book.summary.value("show_sheet_headers").toInt(), fileHeadings);
}

void TestXlsWriter::largeSheetSpansDifatAndContinueRecords()
{
    Sheet sheet;
    sheet.setColumnCount(3);
    const int rows = 25000;
    sheet.beginFill();
    for (int r = 1; r <= rows; ++r) {
        QString text = QStringLiteral("%1 ").arg(r, 6, 10, QLatin1Char('0'));
        text += QString(r % 7 == 0 ? QStringLiteral("ಕನ್ನಡ ") : QStringLiteral("abcdefg ")).repeated(40);
        sheet.setCellText(r, 1, text);
        sheet.setCellNumber(r, 2, Decimal::fromUnits(qint64(r) * 1'234'567));
        sheet.setCellText(r, 3, r % 2 ? QStringLiteral("odd") : QStringLiteral("even"));
    }
    sheet.endFill();
    ReadBack book;
    WRITE_AND_READ(sheet, path("large.xls"), book);
    QVERIFY(book.summary.value("difat_sectors").toInt() >= 1);
    QVERIFY(book.summary.value("fat_sectors").toInt() > 109);
    QVERIFY(book.records("003c") > 100);
    QCOMPARE(book.summary.value("nrows").toInt(), rows);
    QCOMPARE(book.cells.size(), rows * 3);
    for (int r = 1; r <= rows; ++r) {
        QCOMPARE(book.type(r, 1), int(XlText));
        QCOMPARE(book.value(r, 1).toString(), sheet.CellText(r, 1));
        QCOMPARE(book.value(r, 2).toDouble(), sheet.CellNumber(r, 2).toDouble());
        QCOMPARE(book.value(r, 3).toString(), sheet.CellText(r, 3));
    }
}

void TestXlsWriter::sheetAtTheLimitsIsWritten()
{
    Sheet sheet;
    sheet.setCellText(1, 1, "first");
    sheet.setCellNumber(XlsWriter::kMaxRows, XlsWriter::kMaxColumns, Decimal::fromInt(7));
    sheet.setRowHeight(XlsWriter::kMaxRows, 400);
    ReadBack book;
    WRITE_AND_READ(sheet, path("limits.xls"), book);
    QCOMPARE(book.summary.value("nrows").toInt(), XlsWriter::kMaxRows);
    QCOMPARE(book.summary.value("ncols").toInt(), XlsWriter::kMaxColumns);
    QCOMPARE(book.value(XlsWriter::kMaxRows, XlsWriter::kMaxColumns).toDouble(), 7.0);
}

void TestXlsWriter::sheetBeyondTheLimitsIsRefused_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("asFill");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("a value below row 65,536") << XlsWriter::kMaxRows + 1 << 1 << false << "65,536";
    QTest::newRow("a value right of column 256") << 1 << XlsWriter::kMaxColumns + 1 << false << "256";
    QTest::newRow("a fill below row 65,536") << XlsWriter::kMaxRows + 5 << 3 << true << "65541";
    QTest::newRow("a long list") << 100001 << 17 << false << "100001";
}

void TestXlsWriter::sheetBeyondTheLimitsIsRefused()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(bool, asFill);
    QFETCH(QString, mentions);
    const QString file = path("existing.xls");
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("earlier export");
    }
    Sheet sheet;
    sheet.setCellText(1, 1, "kept");
    if (asFill) {
        sheet.SelectCells(row, column, row, column);
        sheet.SetSelectionPattern(1, 0, 0);
    } else {
        sheet.setCellText(row, column, "too far");
    }
    const SaveResult result = sheet.SaveWorkbook(file, 4);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(mentions), qPrintable(result.error));
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("earlier export"));
}

// A long list refilled with few rows keeps the fonts of its old rows (clearing
// keeps formats) and its row count; only what shows counts against the limits.
void TestXlsWriter::leftoverFormatsBelowTheDataAreNotContent()
{
    Sheet sheet;
    sheet.setColumnCount(2);
    sheet.beginFill();
    for (int r = 2; r <= 70000; ++r) {
        sheet.setCellText(r, 1, "x");
        sheet.SelectCells(r, 1, r, 2);
        sheet.SetSelectionFont("ARIAL", 8, false, false, false, false, 0, false, false);
    }
    sheet.endFill();
    sheet.ClearCells(2, 1, sheet.RowCount(), sheet.ColumnCount(), 1);
    sheet.setCellText(1, 1, "Code");
    sheet.setCellText(2, 1, "C001");
    ReadBack book;
    WRITE_AND_READ(sheet, path("refilled.xls"), book);
    QCOMPARE(book.summary.value("nrows").toInt(), 2);
    QCOMPARE(book.cells.size(), 2);
}

void TestXlsWriter::refusedSavesWriteNothing_data()
{
    QTest::addColumn<int>("fileType");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("a file type other than 4") << 1 << "type1.xls"
                                              << "type 4";
    QTest::newRow("a folder that does not exist") << 4 << "no such folder/out.xls"
                                                  << "no such folder/out.xls";
}

// A refused or failed write says why and leaves no file.
void TestXlsWriter::refusedSavesWriteNothing()
{
    QFETCH(int, fileType);
    QFETCH(QString, name);
    QFETCH(QString, mentions);
    Sheet sheet;
    sheet.setCellText(1, 1, "x");
    const SaveResult result = sheet.SaveWorkbook(path(name), fileType);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(mentions), qPrintable(result.error));
    QVERIFY(!QFile::exists(path(name)));
}

void TestXlsWriter::convertsWithLibreOffice()
{
    QString office = QStandardPaths::findExecutable("soffice");
    if (office.isEmpty())
        office = QStandardPaths::findExecutable("libreoffice");
    if (office.isEmpty())
        QSKIP("LibreOffice is not installed");
    const QString out = path("converted");
    QProcess p;
    // Comma separated, UTF-8, cells as shown (numbers in their formats).
    p.start(office,
            {"-env:UserInstallation=file://" + path("profile"), "--headless", "--convert-to",
             "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true", "--outdir", out, path("styled.xls")});
    QVERIFY(p.waitForFinished(240000));
    QCOMPARE(p.exitCode(), 0);
    QFile csv(out + "/styled.csv");
    QVERIFY2(csv.open(QIODevice::ReadOnly), qPrintable(QString::fromUtf8(p.readAllStandardError())));
    const QStringList lines = QString::fromUtf8(csv.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0).trimmed(), QString("Velmora - Trivandrum,,,,"));
    QCOMPARE(lines.value(1).trimmed(), QString("Code,Name,Amount,Rate,Notes"));
    // Numbers come out in their number formats.
    QCOMPARE(lines.value(2).trimmed(), QString("C001,Malabar Traders,1250.50,12.346,wrapped notes that run long"));
}

QTEST_GUILESS_MAIN(TestXlsWriter)
#include "tst_xlswriter.moc"
