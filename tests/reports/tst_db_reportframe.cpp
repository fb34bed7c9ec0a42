#include "PrintFile.h"
#include "ReportWindow.h"
#include "Sheet.h"
#include "SheetView.h"
#include "TestSupport.h"
#include "frmListView.h"
#include "mdlVelmora.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>

// The report frame under a test report: layout, Show, Export, Print, the
// unit box.
class TestReportFrame : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layoutOnLoad();
    void showFillsAndSecondShowStartsClean();
    void exportNeedsRows_data();
    void exportNeedsRows();
    void exportNamesAndWrites_data();
    void exportNamesAndWrites();
    void exportOverwriteQuestion_data();
    void exportOverwriteQuestion();
    void exportOfTooLongASheetIsRefused();
    void printWritesFileAndStartsSpooler_data();
    void printWritesFileAndStartsSpooler();
    void actionsDuringShowDoNothing();
    void functionKeysDoNothing();
    void unitLookup_data();
    void unitLookup();
    void unitBoxKeys();
    void drillDownActsOnDataRowsOfThisFill_data();
    void drillDownActsOnDataRowsOfThisFill();
    void keyColumnsStayOutOfSheetExportAndPrint();
    void totalRowAndEndOfFill_data();
    void totalRowAndEndOfFill();

private:
    class TestReport;
    TestReport *open(bool range = true, ReportConfig::PrintButton print = ReportConfig::Prints);
    std::unique_ptr<ScopedScriptedUi> m_scripted;
    ScriptedUi &ui() { return m_scripted->ui; }
    QPointer<ReportWindow> m_w;
    QString m_programFolder;
    int m_case = 0;
};

// Writes `rows` data rows (serial, name, two amounts, a marker) and a total
// row; a row with a grey box when asked.
class TestReportFrame::TestReport : public ReportWindow {
public:
    using ReportWindow::ReportWindow;
    int rows = 2;
    bool boxedRow = false;
    int fills = 0;
    std::function<void()> duringFill;
    // A unit heading over the rows, a key per row, a total row and the end
    // of fill, all through the frame's helpers.
    bool keyed = false;
    QList<QPair<int, QString>> drilled; // row and key the drill-down read

    void drillDown(int r) override { drilled.append({r, rowKey(r, 7)}); }

    void FillSheet() override
    {
        ++fills;
        clearBody();
        setTitle(QStringLiteral("Test Report As on ") + dateText(DtFrom->date()));
        if (duringFill)
            duringFill();
        Sheet &s = *sheet();
        if (keyed) {
            addGroupHeading(2, QStringLiteral("Unit A"));
            for (int i = 1; i <= rows; ++i) {
                ++row();
                s.setCellText(row(), 1, QString::number(i));
                s.setCellText(row(), 2, QStringLiteral("Item %1").arg(i));
                s.setCellNumber(row(), 5, Decimal::fromInt(i));
                s.setCellText(row(), 6, QStringLiteral("x"));
                setRowKey(row(), 7, QStringLiteral("KEYCODE-%1").arg(i));
            }
            styleBody(5, row(), 4, 5);
            styleGroupHeadings(2, 2, 10);
            const int t = nextTotalRow();
            s.setCellText(t, 2, QStringLiteral("Total"));
            s.setCellNumber(t, 5, Decimal::fromInt(rows * (rows + 1) / 2));
            styleTotalRow(t, 2, 4, 5);
            finishFill(t);
            return;
        }
        for (int i = 1; i <= rows; ++i) {
            ++row();
            s.setCellText(row(), 1, QString::number(i));
            s.setCellText(row(), 2, QStringLiteral("Item %1").arg(i));
            s.setCellNumber(row(), 4, Decimal::fromInt(i));
            s.setCellNumber(row(), 5, Decimal::fromInt(10 * i));
            s.setCellText(row(), 6, QStringLiteral("x"));
            if (boxedRow && i == 1) {
                s.SelectCells(row(), 1, row(), 6);
                s.SetSelectionPattern(1, 255, 255);
                s.SetSelectionBorder(1, 1, 1, 1, 1, 1, 0, -1, -1, -1, -1);
            }
        }
    }
};

void TestReportFrame::init()
{
    connectAndReset();
    setClerkContext();
    fixClock(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
    m_scripted = std::make_unique<ScopedScriptedUi>();
    m_programFolder = testTempDir() + QStringLiteral("/program%1").arg(++m_case);
    QDir(m_programFolder).removeRecursively();
    QDir().mkpath(m_programFolder);
    setProgramFolder(m_programFolder);
}

void TestReportFrame::cleanup()
{
    delete m_w.data();
    frmListView::setTestDriver({});
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    m_scripted.reset();
    setProgramFolder(QString());
    releaseClock();
}

TestReportFrame::TestReport *TestReportFrame::open(bool range, ReportConfig::PrintButton print)
{
    ReportConfig c;
    c.windowName = QStringLiteral("frmrptTest");
    c.caption = QStringLiteral("Test Report");
    c.dateRange = range;
    c.exportDateIsTo = range;
    c.print = print;
    c.placeholderTitle = QStringLiteral("Test Placeholder");
    c.columns = {{"Sl No", 1200}, {"Name", 3000}, {"Code", 2000}, {"Qty", 2560}, {"Amount", 2560}, {"Mark", 0}};
    c.firstNumericColumn = 4;
    c.lastNumericColumn = 5;
    c.numericFormat = true;
    c.keyColumns = {{"Key", 0}};
    auto *w = new TestReport(c);
    m_w = w;
    w->show();
    QApplication::setActiveWindow(w);
    return w;
}

void TestReportFrame::layoutOnLoad()
{
    TestReport *w = open();
    Sheet &s = *w->sheet();
    QCOMPARE(w->objectName(), QStringLiteral("frmrptTest"));
    QCOMPARE(w->sheetView()->objectName(), QStringLiteral("FBInvoice"));
    QCOMPARE(w->rowCounter(), 4);
    QCOMPARE(s.ColumnCount(), 6);
    QCOMPARE(s.CellText(1, 1), QStringLiteral("01 - Thiruvananthapuram"));
    QCOMPARE(s.CellText(2, 1), QStringLiteral("Thiruvananthapuram"));
    QCOMPARE(s.CellText(3, 1), QStringLiteral("Test Placeholder"));
    QCOMPARE(s.formatAt(1, 1).fontName, QStringLiteral("Book Antiqua"));
    QCOMPARE(s.formatAt(1, 1).fontSize, 14);
    QCOMPARE(s.formatAt(3, 1).fontColor, 8388608);
    QCOMPARE(s.RowHeight(1), 500);
    QCOMPARE(s.HeadingRowCount(), 4);
    QCOMPARE(s.CellText(4, 1), QStringLiteral("Sl No"));
    const CellFormat &h = s.formatAt(4, 5);
    QVERIFY(h.bold);
    QCOMPARE(h.pattern, quint8(1));
    QCOMPARE(h.patternForeground, 12632256);
    QCOMPARE(h.borderStyle, (std::array<quint8, 4>{1, 1, 1, 1}));
    QCOMPARE(h.horizontal, quint8(CellFormat::AlignRight));
    QCOMPARE(s.formatAt(s.RowCount(), 4).numberFormat, QStringLiteral("0.00"));
    QCOMPARE(s.ColumnWidth(4), 1050);
    QCOMPARE(s.ColumnWidth(6), 0);
    QVERIFY(!s.ShowGridLines());
    QCOMPARE(w->findChild<QLineEdit *>("TxUnitCode")->text(), QStringLiteral("Thiruvananthapuram"));
    QCOMPARE(w->findChild<LookupBox *>("TxUnitCode")->tag(), QStringLiteral("TVM"));
    QCOMPARE(w->findChild<QDateEdit *>("DtFrom")->date(), QDate(2026, 12, 9));
    QCOMPARE(w->findChild<QPushButton *>("CmExport")->text(), QStringLiteral("Export- F11"));
    QCOMPARE(w->findChild<QPushButton *>("CmClose")->text(), QStringLiteral("Close- F9"));
}

void TestReportFrame::showFillsAndSecondShowStartsClean()
{
    TestReport *w = open();
    w->boxedRow = true;
    w->rows = 3;
    QTest::mouseClick(w->findChild<QPushButton *>("CmShow"), Qt::LeftButton);
    Sheet &s = *w->sheet();
    QCOMPARE(w->rowCounter(), 7);
    QCOMPARE(s.CellText(3, 1), QStringLiteral("Test Report As on 09-Dec-2026"));
    QCOMPARE(s.CellText(5, 4), QStringLiteral("1.00"));
    QCOMPARE(s.formatAt(5, 2).pattern, quint8(1));
    QCOMPARE(s.ActiveRow(), s.RowCount());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    // The second Show writes other rows: no box or tint of the first stays.
    w->boxedRow = false;
    w->rows = 1;
    QTest::mouseClick(w->findChild<QPushButton *>("CmShow"), Qt::LeftButton);
    QCOMPARE(w->rowCounter(), 5);
    QCOMPARE(s.formatAt(5, 2).pattern, quint8(0));
    QVERIFY(!s.formatAt(5, 2).showsWhenEmpty());
    QCOMPARE(s.CellText(6, 1), QString());
    QCOMPARE(s.formatAt(4, 2).pattern, quint8(1));
}

void TestReportFrame::exportNeedsRows_data()
{
    QTest::addColumn<int>("shows");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("refused");
    QTest::newRow("straight after opening") << 0 << 2 << true;
    QTest::newRow("a show that found nothing") << 1 << 0 << true;
    QTest::newRow("a show with rows") << 1 << 2 << false;
}

void TestReportFrame::exportNeedsRows()
{
    QFETCH(int, shows);
    QFETCH(int, rows);
    QFETCH(bool, refused);
    TestReport *w = open();
    w->rows = rows;
    for (int i = 0; i < shows; ++i)
        w->CmShow_Click();
    // Printing does not make an empty sheet exportable.
    w->CmPrint_Click();
    ui().clear();
    QTest::mouseClick(w->findChild<QPushButton *>("CmExport"), Qt::LeftButton);
    if (refused) {
        QCOMPARE(ui().texts(), QStringList{"No details found.   "});
        QCOMPARE(ui().shown.first().icon, MsgIcon::Information);
        QVERIFY(ui().saveRequests.isEmpty());
    } else {
        QVERIFY(ui().shown.isEmpty());
        QCOMPARE(ui().saveRequests.size(), 1);
    }
}

void TestReportFrame::exportNamesAndWrites_data()
{
    QTest::addColumn<bool>("range");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("range: the To date") << true << "Test Report TVM 09-Dec-2026";
    QTest::newRow("single date") << false << "Test Report TVM 01-Jan-2026";
}

void TestReportFrame::exportNamesAndWrites()
{
    QFETCH(bool, range);
    QFETCH(QString, proposed);
    TestReport *w = open(range);
    w->findChild<QDateEdit *>("DtFrom")->setDate(QDate(2026, 1, 1));
    // The current unit names the file, not the unit chosen in the box.
    w->findChild<LookupBox *>("TxUnitCode")->setChoice("KTM", "Kottayam");
    w->CmShow_Click();
    const QString path = m_programFolder + "/chosen name";
    ui().saveAnswers.enqueue(path);
    w->CmExport_Click();
    QCOMPARE(ui().saveRequests.size(), 1);
    const SaveRequest &r = ui().saveRequests.first();
    QCOMPARE(r.proposedName, proposed);
    QCOMPARE(r.initialFolder, m_programFolder + "/Excel Files");
    QVERIFY(QFileInfo(r.initialFolder).isDir());
    QVERIFY(r.defaultSuffix.isEmpty());
    QVERIFY(ui().shown.isEmpty());
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.read(8), QByteArray::fromHex("D0CF11E0A1B11AE1"));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestReportFrame::exportOverwriteQuestion_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("written");
    QTest::newRow("new file: no question") << false << -1 << true;
    QTest::newRow("existing, Yes") << true << int(MsgAnswer::Yes) << true;
    QTest::newRow("existing, No") << true << int(MsgAnswer::No) << false;
}

void TestReportFrame::exportOverwriteQuestion()
{
    QFETCH(bool, exists);
    QFETCH(int, answer);
    QFETCH(bool, written);
    TestReport *w = open();
    w->CmShow_Click();
    const QString path = m_programFolder + "/old.xls";
    if (exists) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old contents");
    }
    ui().saveAnswers.enqueue(path);
    if (answer >= 0)
        ui().answers.enqueue(MsgAnswer(answer));
    w->CmExport_Click();
    if (exists) {
        QCOMPARE(ui().texts(), QStringList{"Are you sure you want to overwrite"});
        QCOMPARE(ui().shown.first().buttons, MsgButtons::YesNo);
        QCOMPARE(ui().shown.first().icon, MsgIcon::Information);
    } else {
        QVERIFY(ui().shown.isEmpty());
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll() == "old contents", !written);
    // Cancel in the dialog: nothing at all.
    ui().clear();
    ui().saveAnswers.enqueue(std::nullopt);
    w->CmExport_Click();
    QVERIFY(ui().shown.isEmpty());
}

void TestReportFrame::exportOfTooLongASheetIsRefused()
{
    TestReport *w = open();
    w->rows = 70000;
    w->CmShow_Click();
    QCOMPARE(w->rowCounter(), 70004);
    const QString path = m_programFolder + "/long.xls";
    ui().saveAnswers.enqueue(path);
    w->CmExport_Click();
    QCOMPARE(ui().shown.size(), 1);
    QVERIFY2(ui().lastText().contains("65"), qPrintable(ui().lastText()));
    QVERIFY(!QFile::exists(path));
}

void TestReportFrame::printWritesFileAndStartsSpooler_data()
{
    QTest::addColumn<bool>("spoolerThere");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("spooler starts") << true << true << QStringList{};
    QTest::newRow("spooler missing") << false << false << QStringList{"File Cannot be Printed.   "};
    QTest::newRow("spooler fails to start") << true << false << QStringList{"File Cannot be Printed.   "};
}

void TestReportFrame::printWritesFileAndStartsSpooler()
{
    QFETCH(bool, spoolerThere);
    QFETCH(bool, starts);
    QFETCH(QStringList, messages);
    const QString spooler = m_programFolder + "/didevadeduv";
    if (spoolerThere) {
        QFile f(spooler);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n");
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    }
    ui().startSucceeds = starts;
    TestReport *w = open();
    w->rows = 3;
    w->CmShow_Click();
    QTest::mouseClick(w->findChild<QPushButton *>("CmPrint"), Qt::LeftButton);
    QCOMPARE(ui().texts(), messages);
    // The file is written whatever became of the spooler.
    const QString prn = m_programFolder + "/tb.prn";
    QFile f(prn);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    PrintDocument expected;
    expected.titles = {"01 - Thiruvananthapuram", "Thiruvananthapuram", "Test Report As on 09-Dec-2026"};
    expected.headings = {"Sl No", "Name", "Code", "Qty", "Amount"};
    for (int i = 1; i <= 3; ++i)
        expected.lines.append({{QString::number(i), QStringLiteral("Item %1").arg(i), QString(),
                                QStringLiteral("%1.00").arg(i), QStringLiteral("%1.00").arg(10 * i)},
                               PrintLine::Body});
    QCOMPARE(bytes, printFileBytes(expected));
    QVERIFY(bytes.contains("3          Item 3                                              3.00        30.00\r\n"));
    if (spoolerThere) {
        QCOMPARE(ui().started.size(), 1);
        QCOMPARE(ui().started.first().program, spooler);
        QCOMPARE(ui().started.first().arguments, QStringList{prn});
    } else {
        QVERIFY(ui().started.isEmpty());
    }
    QCOMPARE(w->rowCounter(), 7);
}

void TestReportFrame::actionsDuringShowDoNothing()
{
    TestReport *w = open();
    QFile(m_programFolder + "/tb.prn").remove();
    w->duringFill = [&] {
        QGuiApplication::processEvents();
        w->CmShow_Click();
        w->CmPrint_Click();
        w->CmExport_Click();
    };
    w->CmShow_Click();
    QCOMPARE(w->fills, 1);
    QVERIFY(ui().shown.isEmpty());
    QVERIFY(ui().saveRequests.isEmpty());
    QVERIFY(!QFile::exists(m_programFolder + "/tb.prn"));
}

void TestReportFrame::functionKeysDoNothing()
{
    TestReport *w = open();
    LookupBox *unit = w->findChild<LookupBox *>("TxUnitCode");
    unit->setFocus();
    for (Qt::Key k : {Qt::Key_F5, Qt::Key_F7, Qt::Key_F9, Qt::Key_F11})
        QTest::keyClick(unit, k);
    QCOMPARE(w->fills, 0);
    QVERIFY(w->isVisible());
    QVERIFY(ui().shown.isEmpty());
    QVERIFY(ui().started.isEmpty());
}

void TestReportFrame::unitLookup_data()
{
    QTest::addColumn<bool>("byCirculation");
    QTest::addColumn<QString>("userId");
    QTest::addColumn<QStringList>("offered");
    QTest::newRow("accounts flag") << false << "2" << QStringList{"Thiruvananthapuram", "Corporate Office"};
    QTest::newRow("circulation flag") << true << "2" << QStringList{"Thiruvananthapuram", "Advertisement Cell"};
    QTest::newRow("a user with no unit") << false << "4" << QStringList{};
}

void TestReportFrame::unitLookup()
{
    QFETCH(bool, byCirculation);
    QFETCH(QString, userId);
    QFETCH(QStringList, offered);
    ReportConfig c;
    c.windowName = QStringLiteral("frmrptTest");
    c.caption = QStringLiteral("Test Report");
    c.unitLookupByCirculation = byCirculation;
    c.columns = {{"Sl No", 1200}};
    auto *w = new TestReport(c);
    m_w = w;
    w->show();
    gUserId = userId;
    gHelpCol1 = "stale";
    gHelpCol2 = "stale";
    QStringList seen;
    QString caption;
    frmListView::setTestDriver([&](frmListView &dlg) {
        caption = dlg.windowTitle();
        for (int r = 1; !dlg.cellText(r, 1).isEmpty(); ++r)
            seen << dlg.cellText(r, 2);
        QCOMPARE(dlg.columnWidth(1), 0);
        // The last row offered is chosen.
        QTest::keyClicks(dlg.searchBox(), seen.last().left(3));
        QTest::keyClick(dlg.searchBox(), Qt::Key_Return);
    });
    LookupBox *unit = w->findChild<LookupBox *>("TxUnitCode");
    unit->setFocus();
    QTest::keyClick(unit, Qt::Key_F1);
    QCOMPARE(seen, offered);
    if (offered.isEmpty()) {
        QCOMPARE(unit->text(), QString());
        QCOMPARE(unit->tag(), QString());
    } else {
        QCOMPARE(caption, QStringLiteral("Unit Help"));
        QCOMPARE(unit->text(), offered.last());
        QCOMPARE(unit->tag(), byCirculation ? QStringLiteral("ADV") : QStringLiteral("CRP"));
    }
    QCOMPARE(gHelpCol1, QString());
    QCOMPARE(gHelpCol2, QString());
}

void TestReportFrame::unitBoxKeys()
{
    TestReport *w = open();
    QVERIFY(QTest::qWaitForWindowActive(w));
    LookupBox *unit = w->findChild<LookupBox *>("TxUnitCode");
    unit->setFocus();
    QCOMPARE(unit->selectedText(), unit->text());
    QTest::keyClick(unit, Qt::Key_Delete);
    QCOMPARE(unit->text(), QString());
    QCOMPARE(unit->tag(), QString());
}

void TestReportFrame::drillDownActsOnDataRowsOfThisFill_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("key"); // empty: nothing happens
    QTest::newRow("title row") << 1 << QString();
    QTest::newRow("heading row") << 4 << QString();
    QTest::newRow("unit heading") << 5 << QString();
    QTest::newRow("first data row") << 6 << QStringLiteral("KEYCODE-1");
    QTest::newRow("last data row") << 7 << QStringLiteral("KEYCODE-2");
    QTest::newRow("empty row") << 8 << QString();
    QTest::newRow("total row") << 9 << QString();
    QTest::newRow("data row of the earlier, longer fill") << 10 << QString();
    QTest::newRow("below everything") << 30 << QString();
}

void TestReportFrame::drillDownActsOnDataRowsOfThisFill()
{
    QFETCH(int, row);
    QFETCH(QString, key);
    TestReport *w = open();
    w->keyed = true;
    w->rows = 5;
    w->CmShow_Click();
    w->rows = 2;
    w->CmShow_Click();
    w->sheet()->doubleClickCell(row, 2);
    if (key.isEmpty()) {
        QCOMPARE(w->drilled.size(), 0);
    } else {
        QCOMPARE(w->drilled.size(), 1);
        QCOMPARE(w->drilled.first().first, row);
        QCOMPARE(w->drilled.first().second, key);
    }
    // A Show after the layout only: no row of the sheet is a data row.
    w->drilled.clear();
    w->keyed = false;
    w->rows = 0;
    w->CmShow_Click();
    w->sheet()->doubleClickCell(6, 1);
    QCOMPARE(w->drilled.size(), 0);
}

void TestReportFrame::keyColumnsStayOutOfSheetExportAndPrint()
{
    TestReport *w = open();
    w->keyed = true;
    w->rows = 3;
    bool clickedDuringShow = false;
    w->duringFill = [&] {
        if (!clickedDuringShow) {
            clickedDuringShow = true;
            w->sheet()->doubleClickCell(6, 1);
        }
    };
    w->CmShow_Click();
    QVERIFY(clickedDuringShow);
    QCOMPARE(w->drilled.size(), 0); // a double-click while the Show runs does nothing
    Sheet &s = *w->sheet();
    QCOMPARE(w->rowKey(6, 7), QStringLiteral("KEYCODE-1"));
    for (int r = 1; r <= s.RowCount(); ++r)
        for (int c = 1; c <= 10; ++c)
            QVERIFY2(!s.CellText(r, c).startsWith("KEYCODE"), qPrintable(QStringLiteral("%1,%2").arg(r).arg(c)));

    const QString path = m_programFolder + "/keys.xls";
    ui().saveAnswers.enqueue(path);
    w->CmExport_Click();
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray xls = f.readAll();
    QVERIFY(xls.contains("Item 3")); // strings are stored 8-bit when they can be
    QVERIFY(!xls.contains("KEYCODE"));

    QFile spooler(m_programFolder + "/didevadeduv");
    QVERIFY(spooler.open(QIODevice::WriteOnly));
    spooler.setPermissions(spooler.permissions() | QFileDevice::ExeOwner);
    spooler.close();
    w->CmPrint_Click();
    QFile prn(m_programFolder + "/tb.prn");
    QVERIFY(prn.open(QIODevice::ReadOnly));
    QVERIFY(!prn.readAll().contains("KEYCODE"));
}

void TestReportFrame::totalRowAndEndOfFill_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("totalRow");
    QTest::addColumn<int>("topRow");
    // The unit heading takes row 5, so the data rows start at 6.
    QTest::newRow("no data row") << 0 << 7 << 4;
    QTest::newRow("total row 10") << 3 << 10 << 4;
    QTest::newRow("total row 11 scrolls") << 4 << 11 << 2;
    QTest::newRow("long list") << 40 << 47 << 38;
}

void TestReportFrame::totalRowAndEndOfFill()
{
    QFETCH(int, rows);
    QFETCH(int, totalRow);
    QFETCH(int, topRow);
    TestReport *w = open();
    w->keyed = true;
    w->rows = rows;
    w->CmShow_Click();
    const Sheet &s = *w->sheet();
    QCOMPARE(w->rowCounter(), totalRow);
    QCOMPARE(s.CellText(totalRow, 2), QStringLiteral("Total"));
    QCOMPARE(s.CellText(totalRow - 1, 2), QString());
    QCOMPARE(s.RowCount(), totalRow + 5);
    QCOMPARE(s.TopVisibleRow(), topRow);
    const CellFormat &label = s.formatAt(totalRow, 2);
    QCOMPARE(label.fontName, QStringLiteral("ARIAL"));
    QCOMPARE(label.fontSize, 10);
    QVERIFY(label.bold);
    QCOMPARE(label.fontColor, 128);
    QCOMPARE(label.horizontal, quint8(CellFormat::AlignLeft));
    const CellFormat &amount = s.formatAt(totalRow, 5);
    QCOMPARE(amount.fontColor, 128);
    QCOMPARE(amount.horizontal, quint8(CellFormat::AlignRight));
    QCOMPARE(amount.numberFormat, QStringLiteral("0.00"));
    const CellFormat &unit = s.formatAt(5, 2);
    QVERIFY(unit.bold);
    QCOMPARE(unit.fontSize, 10);
    QCOMPARE(unit.fontColor, 128);
    if (rows > 0) {
        const CellFormat &body = s.formatAt(6, 2);
        QCOMPARE(body.fontName, QStringLiteral("ARIAL"));
        QCOMPARE(body.fontSize, 8);
        QVERIFY(!body.bold);
        QCOMPARE(body.horizontal, quint8(CellFormat::AlignLeft));
        QCOMPARE(s.CellText(6, 5), QStringLiteral("1.00"));
    }
}

QTEST_MAIN(TestReportFrame)
#include "tst_db_reportframe.moc"
