#include "SheetView.h"

#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

class TestSheetView : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void columnWidthsInPixels_data();
    void columnWidthsInPixels();
    void rowHeightsInPixels();
    void sizesSurviveAFill();
    void doubleClickRaisesRowDoubleClick();
    void activeCellFollowsBothWays();
    void topVisibleRowScrolls();
    void paintsFillsAndLines();
    void displayOptions_data();
    void displayOptions();
    void paintsTextInItsFontColour();
    void textRunsOnIntoEmptyCells_data();
    void textRunsOnIntoEmptyCells();

private:
    QImage shot();
    int darkRedPixels(const QImage &image, const QRect &r) const;
    QRect cellRect(int row, int column) const;

    SheetView *m_view = nullptr;
    Sheet *m_sheet = nullptr;
};

void TestSheetView::init()
{
    m_view = new SheetView;
    m_sheet = m_view->sheet();
    m_view->resize(640, 400);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void TestSheetView::cleanup()
{
    delete m_view;
    m_view = nullptr;
    m_sheet = nullptr;
}

QImage TestSheetView::shot()
{
    return m_view->viewport()->grab().toImage();
}

QRect TestSheetView::cellRect(int row, int column) const
{
    return m_view->visualRect(m_sheet->index(row - 1, column - 1));
}

void TestSheetView::columnWidthsInPixels_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("code") << 3000 << 200;
    QTest::newRow("address") << 5500 << 367;
    QTest::newRow("serial") << 1200 << 80;
    QTest::newRow("one pixel") << 15 << 1;
    QTest::newRow("below half a pixel hides") << 7 << 0;
    QTest::newRow("zero hides") << 0 << 0;
}

void TestSheetView::columnWidthsInPixels()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    m_sheet->setColumnCount(3);
    m_sheet->setColumnWidth(2, twips);
    m_sheet->setCellText(1, 2, "kept");
    QCOMPARE(m_view->isColumnHidden(1), pixels == 0);
    if (pixels > 0)
        QCOMPARE(m_view->columnWidth(1), pixels);
    QCOMPARE(m_view->columnWidth(0), 64); // the default column
    QCOMPARE(m_sheet->CellText(1, 2), QString("kept"));
    // A hidden column shows again when it gets a width.
    m_sheet->setColumnWidth(2, 1500);
    QVERIFY(!m_view->isColumnHidden(1));
    QCOMPARE(m_view->columnWidth(1), 100);
}

void TestSheetView::rowHeightsInPixels()
{
    m_sheet->setRowHeight(1, 500);
    m_sheet->setRowHeight(3, 0);
    QCOMPARE(m_view->rowHeight(0), 33);
    QCOMPARE(m_view->rowHeight(1), 17); // the default row
    QVERIFY(m_view->isRowHidden(2));
}

// A bulk fill resets the model; the view keeps the widths, heights and hidden
// columns it was given.
void TestSheetView::sizesSurviveAFill()
{
    m_sheet->setColumnCount(4);
    m_sheet->setColumnWidth(1, 3000);
    m_sheet->setColumnWidth(3, 0);
    m_sheet->beginFill();
    m_sheet->setRowHeight(2, 600);
    m_sheet->setColumnWidth(4, 2250);
    for (int r = 1; r <= 500; ++r)
        m_sheet->setCellText(r, 1, QString::number(r));
    m_sheet->endFill();
    QCOMPARE(m_view->model()->rowCount(), 500);
    QCOMPARE(m_view->columnWidth(0), 200);
    QVERIFY(m_view->isColumnHidden(2));
    QCOMPARE(m_view->columnWidth(3), 150);
    QCOMPARE(m_view->rowHeight(1), 40);
}

void TestSheetView::doubleClickRaisesRowDoubleClick()
{
    m_sheet->setColumnCount(3);
    m_sheet->setCellText(3, 1, "C002");
    QSignalSpy viewSpy(m_view, &SheetView::RowDoubleClick);
    QSignalSpy sheetSpy(m_sheet, &Sheet::RowDoubleClick);
    // A double-click is a click followed by a double-click event.
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, cellRect(3, 2).center());
    QTest::mouseDClick(m_view->viewport(), Qt::LeftButton, {}, cellRect(3, 2).center());
    QCOMPARE(viewSpy.size(), 1);
    QCOMPARE(viewSpy.at(0).at(0).toInt(), 3);
    QCOMPARE(viewSpy.at(0).at(1).toInt(), 2);
    QCOMPARE(sheetSpy.size(), 1);
    QCOMPARE(m_sheet->ActiveRow(), 3);
}

void TestSheetView::activeCellFollowsBothWays()
{
    m_sheet->SetActiveCell(5, 3);
    QCOMPARE(m_view->currentIndex(), m_sheet->index(4, 2));
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, cellRect(2, 4).center());
    QCOMPARE(m_sheet->ActiveRow(), 2);
    QCOMPARE(m_sheet->ActiveColumn(), 4);
}

void TestSheetView::topVisibleRowScrolls()
{
    m_sheet->setRowCount(200);
    m_sheet->setTopVisibleRow(40);
    QCOMPARE(m_view->rowAt(0), 39);
    m_view->verticalScrollBar()->setValue(10);
    QCOMPARE(m_sheet->TopVisibleRow(), 11);
    // Set before the rows exist (a fill scrolls as it goes): applied once they do.
    m_sheet->setRowCount(5);
    m_sheet->setTopVisibleRow(150);
    m_sheet->beginFill();
    for (int r = 1; r <= 300; ++r)
        m_sheet->setCellText(r, 1, "x");
    m_sheet->endFill();
    QCOMPARE(m_view->rowAt(0), 149);
}

// The heading look of a list: grey fill, thin black lines on every side. A
// cell's line is drawn on the pixels it shares with its neighbour, also when
// only the neighbour has the line.
void TestSheetView::paintsFillsAndLines()
{
    m_sheet->setColumnCount(4);
    m_sheet->SelectCells(2, 2, 2, 3);
    m_sheet->SetSelectionPattern(1, 12632256, 12632256);
    m_sheet->SetSelectionBorder(1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0);
    m_sheet->SelectCells(4, 2, 4, 2);
    m_sheet->SetSelectionBorder(-1, 1, 0, 0, 0, 0, -1, 255, -1, -1, -1); // red left line only
    const QImage image = shot();
    const QRect heading = cellRect(2, 2);
    QCOMPARE(QColor(image.pixel(heading.center())), QColor(192, 192, 192));
    QCOMPARE(QColor(image.pixel(heading.right(), heading.center().y())), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(heading.center().x(), heading.bottom())), QColor(Qt::black));
    // The line above row 2 lies on row 1's bottom pixels.
    const QRect above = cellRect(1, 2);
    QCOMPARE(QColor(image.pixel(above.center().x(), above.bottom())), QColor(Qt::black));
    // Row 4, column 2 has a red left line: drawn on column 1's right pixels.
    const QRect left = cellRect(4, 1);
    QCOMPARE(QColor(image.pixel(left.right(), left.center().y())), QColor(Qt::red));
    // A plain cell: white inside, a light grid line at its edge.
    const QRect plain = cellRect(6, 3);
    QCOMPARE(QColor(image.pixel(plain.center())), QColor(Qt::white));
    const QColor grid(image.pixel(plain.right(), plain.center().y()));
    QVERIFY2(grid != QColor(Qt::white) && grid != QColor(Qt::black), qPrintable(grid.name()));
}

void TestSheetView::displayOptions_data()
{
    QTest::addColumn<bool>("rowHeadings");
    QTest::addColumn<bool>("columnHeadings");
    QTest::addColumn<bool>("gridLines");
    QTest::newRow("a new sheet shows all") << true << true << true;
    QTest::newRow("a report layout shows none") << false << false << false;
    QTest::newRow("grid lines only") << false << false << true;
    QTest::newRow("headings only") << true << true << false;
}

// Row numbers, column letters and grid lines come and go with the sheet's
// display options; borders are drawn either way.
void TestSheetView::displayOptions()
{
    QFETCH(bool, rowHeadings);
    QFETCH(bool, columnHeadings);
    QFETCH(bool, gridLines);
    m_sheet->setColumnCount(4);
    m_sheet->SelectCells(2, 2, 2, 2);
    m_sheet->SetSelectionBorder(1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0);
    m_sheet->setShowRowHeadings(rowHeadings);
    m_sheet->setShowColumnHeadings(columnHeadings);
    m_sheet->setShowGridLines(gridLines);
    QCoreApplication::processEvents();

    QCOMPARE(m_view->verticalHeader()->isVisible(), rowHeadings);
    QCOMPARE(m_view->horizontalHeader()->isVisible(), columnHeadings);
    const QImage image = shot();
    const QRect plain = cellRect(5, 3);
    const QColor edge(image.pixel(plain.right(), plain.center().y()));
    QCOMPARE(edge == QColor(Qt::white), !gridLines);
    const QRect bordered = cellRect(2, 2);
    QCOMPARE(QColor(image.pixel(bordered.right(), bordered.center().y())), QColor(Qt::black));
}

int TestSheetView::darkRedPixels(const QImage &image, const QRect &r) const
{
    int count = 0;
    for (int y = r.top(); y < r.bottom(); ++y)
        for (int x = r.left(); x < r.right(); ++x) {
            const QColor c(image.pixel(x, y));
            if (c.red() > 60 && c.green() < 40 && c.blue() < 40)
                ++count;
        }
    return count;
}

void TestSheetView::paintsTextInItsFontColour()
{
    m_sheet->setCellText(2, 2, "MMMMMMMM");
    m_sheet->SelectCells(2, 2, 2, 2);
    m_sheet->SetSelectionFont("Arial", 10, true, false, false, false, 128, false, false); // dark red
    const int count = darkRedPixels(shot(), cellRect(2, 2));
    QVERIFY2(count > 10, qPrintable(QString::number(count)));
}

void TestSheetView::textRunsOnIntoEmptyCells_data()
{
    QTest::addColumn<QString>("neighbour");
    QTest::addColumn<int>("horizontal");
    QTest::addColumn<bool>("runsOn");
    QTest::newRow("empty neighbour") << "" << 1 << true;
    QTest::newRow("left-aligned text") << "" << 2 << true;
    QTest::newRow("neighbour holds a value") << "x" << 1 << false;
    QTest::newRow("right-aligned text stays in its cell") << "" << 4 << false;
}

// A report's title rows hold their text in column 1 only; it shows across the
// empty cells to its right, as in a spreadsheet.
void TestSheetView::textRunsOnIntoEmptyCells()
{
    QFETCH(QString, neighbour);
    QFETCH(int, horizontal);
    QFETCH(bool, runsOn);
    m_sheet->setColumnWidth(1, 600);
    m_sheet->setCellText(2, 1, "WWWWWWWWWWWWWWWWWWWWWWWW");
    m_sheet->setCellText(2, 2, neighbour);
    m_sheet->SelectCells(2, 1, 2, 1);
    m_sheet->SetSelectionFont("Arial", 12, true, false, false, false, 128, false, false);
    m_sheet->SetSelectionAlignment(horizontal, false, 3, 0);
    const QImage image = shot();
    const QRect next = cellRect(2, 2);
    QCOMPARE(darkRedPixels(image, next.adjusted(6, 0, 0, 0)) > 10, runsOn);
}

QTEST_MAIN(TestSheetView)
#include "tst_sheetview.moc"
