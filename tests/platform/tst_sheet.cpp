#include "Sheet.h"

#include <QSignalSpy>
#include <QTest>

// The sheet operations as list, report and export windows drive them.
class TestSheet : public QObject {
    Q_OBJECT
private slots:
    void charUnitWidths_data();
    void charUnitWidths();
    void init();
    void cleanup();

    void cellValues_data();
    void cellValues();
    void sizeFollowsPuts_data();
    void sizeFollowsPuts();
    void rowCountPutDropsRowsBelow();
    void clearCellsEmptiesValuesAndKeepsFormats();
    void clearCellsOfAnotherKindChangesNothing();
    void clearCellsTakesLinesAndFillsAway();
    void selectionFormatsActOnTheBlock_data();
    void selectionFormatsActOnTheBlock();
    void bordersOfSidesAndOutline_data();
    void bordersOfSidesAndOutline();
    void fontsKeepTheOtherSettings();
    void formatsAreShared();
    void columnWidthsAndRowHeights();
    void fillSendsOneReset();
    void singlePutsSignalViews();
    void activeCellTopRowAndDoubleClick();
    void modelShowsTheSheet();
    void displayOptionsSignalOnlyChanges();

private:
    Sheet *m_sheet = nullptr;
};

void TestSheet::charUnitWidths_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("twips");
    QTest::newRow("hidden") << 0 << 0;
    QTest::newRow("one digit") << 256 << 105;
    QTest::newRow("ten digits") << 2560 << 1050;
    QTest::newRow("rounds") << 1000 << 410;
}

void TestSheet::charUnitWidths()
{
    QFETCH(int, units);
    QFETCH(int, twips);
    QCOMPARE(Sheet::twipsFromCharUnits(units), twips);
}

void TestSheet::init()
{
    m_sheet = new Sheet;
}

void TestSheet::cleanup()
{
    delete m_sheet;
    m_sheet = nullptr;
}

void TestSheet::cellValues_data()
{
    QTest::addColumn<QString>("kind"); // text, number (exact), double
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("numberFormat");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("number");
    QTest::newRow("text") << "text"
                          << "Company"
                          << ""
                          << "Company"
                          << "0";
    QTest::newRow("text that reads as a number") << "text"
                                                 << "12.50"
                                                 << ""
                                                 << "12.50"
                                                 << "12.5";
    QTest::newRow("text with a number first") << "text"
                                              << "12kg"
                                              << ""
                                              << "12kg"
                                              << "0";
    QTest::newRow("text ignores the number format") << "text"
                                                    << "7"
                                                    << "0.00"
                                                    << "7"
                                                    << "7";
    QTest::newRow("empty text") << "text"
                                << ""
                                << ""
                                << ""
                                << "0";
    QTest::newRow("number in General") << "number"
                                       << "12.5"
                                       << ""
                                       << "12.5"
                                       << "12.5";
    QTest::newRow("number in 0.00") << "number"
                                    << "12.5"
                                    << "0.00"
                                    << "12.50"
                                    << "12.5";
    QTest::newRow("number rounded for show only") << "number"
                                                  << "2.3456"
                                                  << "0.000"
                                                  << "2.346"
                                                  << "2.3456";
    QTest::newRow("number in 0") << "number"
                                 << "7.5"
                                 << "0"
                                 << "8"
                                 << "7.5";
    QTest::newRow("negative in 0.00") << "number"
                                      << "-0.005"
                                      << "0.00"
                                      << "-0.01"
                                      << "-0.005";
    QTest::newRow("other formats show General") << "number"
                                                << "1234.5"
                                                << "#,##0.00"
                                                << "1234.5"
                                                << "1234.5";
    QTest::newRow("double kept to the millionth") << "double"
                                                  << "0.30000000000000004"
                                                  << ""
                                                  << "0.3"
                                                  << "0.3";
    QTest::newRow("double amount") << "double"
                                   << "1234.567"
                                   << "0.00"
                                   << "1234.57"
                                   << "1234.567";
}

void TestSheet::cellValues()
{
    QFETCH(QString, kind);
    QFETCH(QString, input);
    QFETCH(QString, numberFormat);
    QFETCH(QString, text);
    QFETCH(QString, number);
    m_sheet->SelectCells(3, 2, 3, 2);
    m_sheet->setSelectionNumberFormat(numberFormat);
    if (kind == "text")
        m_sheet->setCellText(3, 2, input);
    else if (kind == "number")
        m_sheet->setCellNumber(3, 2, Decimal::fromText(input));
    else
        m_sheet->setCellNumber(3, 2, input.toDouble());
    QCOMPARE(m_sheet->CellText(3, 2), text);
    QCOMPARE(m_sheet->CellNumber(3, 2).toString(), number);
    // The neighbours stay empty.
    QCOMPARE(m_sheet->CellText(3, 1), QString());
    QCOMPARE(m_sheet->CellText(2, 2), QString());
}

void TestSheet::sizeFollowsPuts_data()
{
    QTest::addColumn<QString>("put");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<int>("columnCount");
    const int rows = Sheet::kDefaultRowCount;
    QTest::newRow("text below the last row") << "text" << rows + 5 << 2 << rows + 5 << 4;
    QTest::newRow("number below the last row") << "number" << rows + 1 << 1 << rows + 1 << 4;
    QTest::newRow("font below the last row") << "font" << rows + 3 << 1 << rows + 3 << 4;
    QTest::newRow("height below the last row") << "height" << rows + 2 << 1 << rows + 2 << 4;
    QTest::newRow("clearing below the last row") << "clear" << rows + 9 << 1 << rows << 4;
    QTest::newRow("text inside") << "text" << 2 << 2 << rows << 4;
    QTest::newRow("text right of the last column") << "text" << 2 << 6 << rows << 4;
}

// RowCount grows with what is put below it; ColumnCount only changes by a put
// of its own, and cells to its right still hold their values (hidden keys).
void TestSheet::sizeFollowsPuts()
{
    QFETCH(QString, put);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, rowCount);
    QFETCH(int, columnCount);
    m_sheet->setColumnCount(4);
    if (put == "text") {
        m_sheet->setCellText(row, column, "key");
        QCOMPARE(m_sheet->CellText(row, column), QString("key"));
    } else if (put == "number") {
        m_sheet->setCellNumber(row, column, Decimal::fromInt(5));
    } else if (put == "font") {
        m_sheet->SelectCells(row, column, row, column);
        m_sheet->SetSelectionFont("ARIAL", 8, false, false, false, false, 0, false, false);
    } else if (put == "height") {
        m_sheet->setRowHeight(row, 400);
    } else {
        m_sheet->ClearCells(1, 1, row, column, 1);
    }
    QCOMPARE(m_sheet->RowCount(), rowCount);
    QCOMPARE(m_sheet->ColumnCount(), columnCount);
    QCOMPARE(m_sheet->rowCount(), rowCount);
    QCOMPARE(m_sheet->columnCount(), columnCount);
}

void TestSheet::rowCountPutDropsRowsBelow()
{
    for (int r = 1; r <= 10; ++r)
        m_sheet->setCellText(r, 1, QString::number(r));
    m_sheet->setRowHeight(8, 400);
    m_sheet->SelectCells(7, 1, 7, 1);
    m_sheet->SetSelectionPattern(1, 255, 255);
    m_sheet->setRowCount(5);
    QCOMPARE(m_sheet->RowCount(), 5);
    QCOMPARE(m_sheet->CellText(5, 1), QString("5"));
    m_sheet->setRowCount(10);
    QCOMPARE(m_sheet->CellText(6, 1), QString());
    QCOMPARE(m_sheet->CellText(10, 1), QString());
    QCOMPARE(m_sheet->RowHeight(8), Sheet::kDefaultRowHeight);
    QCOMPARE(m_sheet->formatAt(7, 1).pattern, quint8(0));
}

// A refill clears rows 2..RowCount: the values go, the layout's formats stay,
// and columns right of ColumnCount (hidden keys) are not touched.
void TestSheet::clearCellsEmptiesValuesAndKeepsFormats()
{
    m_sheet->setColumnCount(4);
    for (int r = 1; r <= 30; ++r) {
        m_sheet->setCellText(r, 1, QString::number(r));
        m_sheet->setCellNumber(r, 4, Decimal::fromInt(r));
        m_sheet->setCellText(r, 5, "key");
    }
    m_sheet->SelectCells(1, 4, m_sheet->RowCount(), 4);
    m_sheet->SetSelectionAlignment(4, false, 2, 0);
    m_sheet->setSelectionNumberFormat("0.00");
    m_sheet->ClearCells(2, 1, m_sheet->RowCount(), m_sheet->ColumnCount(), 1);
    QCOMPARE(m_sheet->RowCount(), 30);
    QCOMPARE(m_sheet->CellText(1, 1), QString("1"));
    QCOMPARE(m_sheet->CellText(1, 4), QString("1.00"));
    for (int r = 2; r <= 30; ++r) {
        QCOMPARE(m_sheet->CellText(r, 1), QString());
        QCOMPARE(m_sheet->CellText(r, 4), QString());
        QCOMPARE(m_sheet->CellText(r, 5), QString("key"));
        QCOMPARE(m_sheet->formatAt(r, 4).horizontal, quint8(CellFormat::AlignRight));
    }
    m_sheet->setCellNumber(12, 4, Decimal::fromText("3.5"));
    QCOMPARE(m_sheet->CellText(12, 4), QString("3.50"));
}

void TestSheet::clearCellsOfAnotherKindChangesNothing()
{
    m_sheet->setCellText(2, 2, "stays");
    m_sheet->ClearCells(1, 1, 5, 5, 2);
    QCOMPARE(m_sheet->CellText(2, 2), QString("stays"));
}

void TestSheet::selectionFormatsActOnTheBlock_data()
{
    QTest::addColumn<QString>("operation");
    // Corners as given, in any order; the block is rows 2-4, columns 2-3.
    QTest::addColumn<QList<int>>("corners");
    const QList<int> forward{2, 2, 4, 3};
    const QList<int> backward{4, 3, 2, 2};
    for (const char *op : {"font", "pattern", "alignment", "number format"}) {
        QTest::addRow("%s, corners in order", op) << QString(op) << forward;
        QTest::addRow("%s, corners reversed", op) << QString(op) << backward;
    }
}

void TestSheet::selectionFormatsActOnTheBlock()
{
    QFETCH(QString, operation);
    QFETCH(QList<int>, corners);
    m_sheet->SelectCells(corners[0], corners[1], corners[2], corners[3]);
    CellFormat expected;
    if (operation == "font") {
        m_sheet->SetSelectionFont("Book Antiqua", 14, true, true, true, true, 8388608, true, true);
        expected.fontName = "Book Antiqua";
        expected.fontSize = 14;
        expected.bold = expected.italic = expected.underline = expected.strikeout = true;
        expected.fontColor = 8388608;
    } else if (operation == "pattern") {
        m_sheet->SetSelectionPattern(1, 12632256, 12632256);
        expected.pattern = 1;
        expected.patternForeground = expected.patternBackground = 12632256;
    } else if (operation == "alignment") {
        m_sheet->SetSelectionAlignment(4, true, 2, 0);
        expected.horizontal = CellFormat::AlignRight;
        expected.vertical = CellFormat::AlignMiddle;
        expected.wrap = true;
    } else {
        m_sheet->setSelectionNumberFormat("0.00");
        expected.numberFormat = "0.00";
    }
    for (int r = 1; r <= 5; ++r) {
        for (int c = 1; c <= 4; ++c) {
            const bool inside = r >= 2 && r <= 4 && c >= 2 && c <= 3;
            QVERIFY2(m_sheet->formatAt(r, c) == (inside ? expected : CellFormat()),
                     qPrintable(QStringLiteral("cell %1, %2").arg(r).arg(c)));
        }
    }
}

void TestSheet::bordersOfSidesAndOutline_data()
{
    QTest::addColumn<QList<int>>("styles"); // outline, left, right, top, bottom
    QTest::addColumn<QList<int>>("colors"); // outline, left, right, top, bottom
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QList<int>>("sides");      // left, right, top, bottom styles
    QTest::addColumn<QList<int>>("sideColors"); // left, right, top, bottom colours
    // The block is rows 2-3, columns 2-4.
    const QList<int> listHeading{1, 1, 1, 1, 1};
    const QList<int> listColors{1, 1, 1, -1, -1};
    QTest::newRow("list heading, corner")
        << listHeading << listColors << 2 << 2 << QList<int>{1, 1, 1, 1} << QList<int>{1, 1, 1, -1};
    QTest::newRow("list heading, bottom edge")
        << listHeading << listColors << 3 << 3 << QList<int>{1, 1, 1, 1} << QList<int>{1, 1, -1, 1};
    const QList<int> reportHeading{-1, 1, 1, 1, 1};
    const QList<int> reportColors{1, -1, -1, -1, -1};
    QTest::newRow("report heading, corner")
        << reportHeading << reportColors << 2 << 2 << QList<int>{1, 1, 1, 1} << QList<int>{-1, -1, -1, -1};
    const QList<int> outlineOnly{1, 0, 0, 0, 0};
    const QList<int> red{255, -1, -1, -1, -1};
    QTest::newRow("outline, top left corner")
        << outlineOnly << red << 2 << 2 << QList<int>{1, 0, 1, 0} << QList<int>{255, -1, 255, -1};
    QTest::newRow("outline, top edge") << outlineOnly << red << 2 << 3 << QList<int>{0, 0, 1, 0}
                                       << QList<int>{-1, -1, 255, -1};
    QTest::newRow("outline, bottom right corner")
        << outlineOnly << red << 3 << 4 << QList<int>{0, 1, 0, 1} << QList<int>{-1, 255, -1, 255};
    QTest::newRow("outline, outside the block")
        << outlineOnly << red << 1 << 2 << QList<int>{0, 0, 0, 0} << QList<int>{-1, -1, -1, -1};
    // A negative style leaves the line that was there: the medium lines put
    // first stay.
    QTest::newRow("negative styles keep lines") << QList<int>{-1, -1, -1, -1, -1} << red << 3 << 3
                                                << QList<int>{2, 2, 2, 2} << QList<int>{65280, 65280, 65280, 65280};
}

void TestSheet::bordersOfSidesAndOutline()
{
    QFETCH(QList<int>, styles);
    QFETCH(QList<int>, colors);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QList<int>, sides);
    QFETCH(QList<int>, sideColors);
    m_sheet->SelectCells(3, 3, 3, 3);
    m_sheet->SetSelectionBorder(-1, 2, 2, 2, 2, 0, -1, 65280, 65280, 65280, 65280);
    m_sheet->SelectCells(2, 2, 3, 4);
    m_sheet->SetSelectionBorder(styles[0], styles[1], styles[2], styles[3], styles[4], 1, colors[0], colors[1],
                                colors[2], colors[3], colors[4]);
    const CellFormat &f = m_sheet->formatAt(row, column);
    const QList<int> gotSides{f.borderStyle[CellFormat::Left], f.borderStyle[CellFormat::Right],
                              f.borderStyle[CellFormat::Top], f.borderStyle[CellFormat::Bottom]};
    const QList<int> gotColors{f.borderColor[CellFormat::Left], f.borderColor[CellFormat::Right],
                               f.borderColor[CellFormat::Top], f.borderColor[CellFormat::Bottom]};
    QCOMPARE(gotSides, sides);
    QCOMPARE(gotColors, sideColors);
}

// A font put leaves fills, lines and alignment of the cells as they were.
void TestSheet::fontsKeepTheOtherSettings()
{
    m_sheet->SelectCells(1, 1, 1, 3);
    m_sheet->SetSelectionBorder(1, 1, 1, 1, 1, 1, 1, 1, 1, -1, -1);
    m_sheet->SetSelectionPattern(1, 12632256, 12632256);
    m_sheet->SelectCells(1, 2, 1, 3);
    m_sheet->SetSelectionAlignment(4, false, 2, 0);
    m_sheet->SelectCells(1, 1, 1, 3);
    m_sheet->SetSelectionFont("ARIAL", 8, true, false, false, false, 0, false, false);
    const CellFormat &f = m_sheet->formatAt(1, 3);
    QCOMPARE(f.fontName, QString("ARIAL"));
    QVERIFY(f.bold);
    QCOMPARE(f.pattern, quint8(1));
    QCOMPARE(f.borderStyle[CellFormat::Right], quint8(1));
    QCOMPARE(f.horizontal, quint8(CellFormat::AlignRight));
    QCOMPARE(m_sheet->formatAt(1, 1).horizontal, quint8(CellFormat::General));
}

// Formats are interned: a long list formatted row by row uses a handful.
void TestSheet::formatsAreShared()
{
    m_sheet->setColumnCount(17);
    m_sheet->beginFill();
    for (int r = 2; r <= 2001; ++r) {
        for (int c = 1; c <= 17; ++c)
            m_sheet->setCellText(r, c, "x");
        m_sheet->SelectCells(r, 1, r, 17);
        m_sheet->SetSelectionFont("ARIAL", 8, false, false, false, false, 0, false, false);
        m_sheet->setSelectionNumberFormat("0.00");
    }
    m_sheet->endFill();
    // Default, the font alone, the font with the number format.
    QCOMPARE(m_sheet->formats().size(), std::size_t(3));
    QCOMPARE(m_sheet->formatIndexAt(2, 1), m_sheet->formatIndexAt(2001, 17));
}

void TestSheet::columnWidthsAndRowHeights()
{
    QSignalSpy widths(m_sheet, &Sheet::columnWidthChanged);
    QSignalSpy heights(m_sheet, &Sheet::rowHeightChanged);
    m_sheet->setColumnWidth(3, 5500);
    m_sheet->setColumnWidth(12, 0); // beyond ColumnCount: a hidden key column
    m_sheet->setRowHeight(1, 500);
    QCOMPARE(m_sheet->ColumnWidth(3), 5500);
    QCOMPARE(m_sheet->ColumnWidth(12), 0);
    QCOMPARE(m_sheet->ColumnWidth(2), Sheet::kDefaultColumnWidth);
    QVERIFY(!m_sheet->hasColumnWidth(2));
    QCOMPARE(m_sheet->RowHeight(1), 500);
    QCOMPARE(m_sheet->RowHeight(2), Sheet::kDefaultRowHeight);
    QCOMPARE(widths.size(), 2);
    QCOMPARE(widths.at(0).at(0).toInt(), 3);
    QCOMPARE(heights.size(), 1);
}

void TestSheet::fillSendsOneReset()
{
    QSignalSpy resets(m_sheet, &Sheet::modelReset);
    QSignalSpy changes(m_sheet, &Sheet::dataChanged);
    QSignalSpy inserts(m_sheet, &Sheet::rowsInserted);
    QSignalSpy widths(m_sheet, &Sheet::columnWidthChanged);
    m_sheet->beginFill();
    m_sheet->beginFill(); // nested fills still reset once
    for (int r = 1; r <= 100; ++r) {
        m_sheet->setCellText(r, 1, "row");
        m_sheet->SelectCells(r, 1, r, 3);
        m_sheet->SetSelectionFont("ARIAL", 8, false, false, false, false, 0, false, false);
    }
    m_sheet->setColumnWidth(1, 2000);
    m_sheet->endFill();
    QCOMPARE(resets.size(), 0);
    m_sheet->endFill();
    QCOMPARE(resets.size(), 1);
    QCOMPARE(changes.size(), 0);
    QCOMPARE(inserts.size(), 0);
    QCOMPARE(widths.size(), 0);
    QCOMPARE(m_sheet->rowCount(), 100);
}

void TestSheet::singlePutsSignalViews()
{
    QSignalSpy changes(m_sheet, &Sheet::dataChanged);
    QSignalSpy inserts(m_sheet, &Sheet::rowsInserted);
    QSignalSpy removes(m_sheet, &Sheet::rowsRemoved);
    m_sheet->setCellText(2, 3, "a");
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).toModelIndex(), m_sheet->index(1, 2));
    m_sheet->setCellText(Sheet::kDefaultRowCount + 3, 1, "b");
    QCOMPARE(inserts.size(), 1);
    QCOMPARE(inserts.at(0).at(1).toInt(), Sheet::kDefaultRowCount);
    QCOMPARE(inserts.at(0).at(2).toInt(), Sheet::kDefaultRowCount + 2);
    m_sheet->setRowCount(4);
    QCOMPARE(removes.size(), 1);
    // A cell right of ColumnCount is not in the model: no signal for it.
    changes.clear();
    m_sheet->setCellText(1, Sheet::kDefaultColumnCount + 1, "key");
    QCOMPARE(changes.size(), 0);
}

void TestSheet::activeCellTopRowAndDoubleClick()
{
    QSignalSpy active(m_sheet, &Sheet::activeCellChanged);
    QSignalSpy top(m_sheet, &Sheet::topVisibleRowChanged);
    QSignalSpy doubleClicks(m_sheet, &Sheet::RowDoubleClick);
    QCOMPARE(m_sheet->ActiveRow(), 1);
    m_sheet->SetActiveCell(14, 8);
    QCOMPARE(m_sheet->ActiveRow(), 14);
    QCOMPARE(m_sheet->ActiveColumn(), 8);
    QCOMPARE(active.size(), 1);
    m_sheet->SetActiveCell(14, 8);
    QCOMPARE(active.size(), 1);
    m_sheet->setTopVisibleRow(4);
    QCOMPARE(m_sheet->TopVisibleRow(), 4);
    QCOMPARE(top.size(), 1);
    m_sheet->doubleClickCell(7, 2);
    QCOMPARE(m_sheet->ActiveRow(), 7);
    QCOMPARE(doubleClicks.size(), 1);
    QCOMPARE(doubleClicks.at(0).at(0).toInt(), 7);
    QCOMPARE(doubleClicks.at(0).at(1).toInt(), 2);
    m_sheet->setHeadingRowCount(4);
    QCOMPARE(m_sheet->HeadingRowCount(), 4);
}

void TestSheet::modelShowsTheSheet()
{
    m_sheet->setColumnCount(28);
    m_sheet->setCellNumber(2, 1, Decimal::fromText("5"));
    m_sheet->setCellText(2, 2, "text");
    m_sheet->SelectCells(2, 1, 2, 1);
    m_sheet->setSelectionNumberFormat("0.00");
    QCOMPARE(m_sheet->data(m_sheet->index(1, 0)).toString(), QString("5.00"));
    QCOMPARE(m_sheet->data(m_sheet->index(1, 1)).toString(), QString("text"));
    QCOMPARE(m_sheet->data(m_sheet->index(1, 0), Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignRight | Qt::AlignBottom);
    QCOMPARE(m_sheet->data(m_sheet->index(1, 1), Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignLeft | Qt::AlignBottom);
    QCOMPARE(m_sheet->headerData(0, Qt::Horizontal).toString(), QString("A"));
    QCOMPARE(m_sheet->headerData(25, Qt::Horizontal).toString(), QString("Z"));
    QCOMPARE(m_sheet->headerData(27, Qt::Horizontal).toString(), QString("AB"));
    QCOMPARE(m_sheet->headerData(4, Qt::Vertical).toInt(), 5);
    QVERIFY(!(m_sheet->flags(m_sheet->index(0, 0)) & Qt::ItemIsEditable));
}

void TestSheet::displayOptionsSignalOnlyChanges()
{
    Sheet sheet;
    QVERIFY(sheet.ShowRowHeadings() && sheet.ShowColumnHeadings() && sheet.ShowGridLines());
    QSignalSpy changed(&sheet, &Sheet::displayOptionsChanged);
    sheet.setShowRowHeadings(false);
    sheet.setShowColumnHeadings(false);
    sheet.setShowGridLines(false);
    QCOMPARE(changed.count(), 3);
    sheet.setShowGridLines(false);
    QCOMPARE(changed.count(), 3);
    QVERIFY(!sheet.ShowRowHeadings() && !sheet.ShowColumnHeadings() && !sheet.ShowGridLines());
}

// A second fill must not show the first fill's boxes and tints on rows that
// now hold other data; what the layout set for the columns stays.
void TestSheet::clearCellsTakesLinesAndFillsAway()
{
    m_sheet->SelectCells(4, 1, 8, 3);
    m_sheet->SetSelectionAlignment(4, false, 2, 0);
    m_sheet->setSelectionNumberFormat("0.00");
    m_sheet->SetSelectionFont("ARIAL", 8, true, false, false, false, 128, false, false);
    m_sheet->SelectCells(6, 1, 6, 3);
    m_sheet->SetSelectionBorder(1, 1, 1, 1, 1, 1, 0, -1, -1, -1, -1);
    m_sheet->SetSelectionPattern(1, 12632256, 12632256);
    m_sheet->setCellNumber(6, 2, Decimal::fromInt(5));
    m_sheet->ClearCells(5, 1, 8, 3, 1);
    for (int c = 1; c <= 3; ++c) {
        const CellFormat &f = m_sheet->formatAt(6, c);
        QCOMPARE(f.pattern, quint8(0));
        QCOMPARE(f.borderStyle, (std::array<quint8, 4>{}));
        QVERIFY(!f.showsWhenEmpty());
        QCOMPARE(f.fontName, QString("ARIAL"));
        QVERIFY(f.bold);
        QCOMPARE(f.fontColor, 128);
        QCOMPARE(f.horizontal, quint8(CellFormat::AlignRight));
        QCOMPARE(f.numberFormat, QString("0.00"));
    }
    QCOMPARE(m_sheet->CellText(6, 2), QString());
    // Rows outside the block keep everything.
    m_sheet->SelectCells(4, 1, 4, 1);
    m_sheet->SetSelectionPattern(1, 255, 255);
    m_sheet->ClearCells(5, 1, 8, 3, 1);
    QCOMPARE(m_sheet->formatAt(4, 1).pattern, quint8(1));
    m_sheet->setColumnWidthChars(2, 2560);
    QCOMPARE(m_sheet->ColumnWidth(2), 1050);
}

QTEST_GUILESS_MAIN(TestSheet)
#include "tst_sheet.moc"
