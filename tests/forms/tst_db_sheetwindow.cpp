#include "Sheet.h"
#include "SheetView.h"
#include "SheetWindow.h"
#include "SheetTestSupport.h"
#include "TestSupport.h"
#include "mdlVelmora.h"
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

// The sheet window frame as a report uses it: title rows above the headings,
// rows filled from any first row with a running serial number, and the export
// with and without ".xls" appended.
class TestSheetWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fillFromAnyRowWithSerial_data();
    void fillFromAnyRowWithSerial();
    void exportNames_data();
    void exportNames();
    void nothingToExport();
    void exportStartsWhereAsked();
    void busyGuard();
    void exportFallsBackWhenProgramFolderIsClosed();
    void controlsBelowSheet();

private:
    SheetWindow *open(bool controlsBelowSheet = false);
    QStringList column(int c, int fromRow) const;

    std::unique_ptr<ScopedScriptedUi> m_scripted;
    ScriptedUi &ui() { return m_scripted->ui; }
    std::unique_ptr<SheetWindow> m_w;
    QString m_programFolder;
    int m_caseNumber = 0;
};

namespace {
QList<SheetColumn> reportColumns()
{
    SheetColumn serial;
    serial.heading = QStringLiteral("Sl No");
    serial.width = 600;
    serial.serial = true;
    SheetColumn name;
    name.heading = QStringLiteral("Name");
    name.width = 2000;
    name.field = QStringLiteral("name");
    SheetColumn amount;
    amount.heading = QStringLiteral("Amount");
    amount.width = 1200;
    amount.field = QStringLiteral("amount");
    amount.kind = SheetColumn::Number;
    amount.numberFormat = QStringLiteral("0.00");
    return {serial, name, amount};
}

bool isXlsFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.read(8) == QByteArray::fromHex("D0CF11E0A1B11AE1");
}
} // namespace

void TestSheetWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestSheetWindow::init()
{
    connectAndReset();
    setClerkContext();
    m_scripted = std::make_unique<ScopedScriptedUi>();
    m_programFolder = testTempDir() + QStringLiteral("/program%1").arg(++m_caseNumber);
    QDir(m_programFolder).removeRecursively();
    QDir().mkpath(m_programFolder);
    setProgramFolder(m_programFolder);
}

void TestSheetWindow::cleanup()
{
    m_w.reset();
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    m_scripted.reset();
    setProgramFolder(QString());
}

SheetWindow *TestSheetWindow::open(bool controlsBelowSheet)
{
    SheetWindowConfig frame;
    frame.windowName = QStringLiteral("frmrptTest");
    frame.caption = QStringLiteral("Test Report");
    frame.sheetName = QStringLiteral("FBInvoice");
    frame.controlsBelowSheet = controlsBelowSheet;
    m_w = std::make_unique<SheetWindow>(frame);
    return m_w.get();
}

QStringList TestSheetWindow::column(int c, int fromRow) const
{
    return sheetColumnTexts(*m_w->sheet(), c, fromRow);
}

void TestSheetWindow::fillFromAnyRowWithSerial_data()
{
    QTest::addColumn<int>("firstRow");
    QTest::newRow("list: records from row 2") << 2;
    QTest::newRow("report: records from row 5 under title rows") << 5;
}

void TestSheetWindow::fillFromAnyRowWithSerial()
{
    QFETCH(int, firstRow);
    open();
    Sheet &sheet = *m_w->sheet();
    const int headingRow = firstRow - 1;
    SheetWindow::layoutSheet(sheet, reportColumns(), headingRow);
    if (headingRow > 1)
        sheet.setCellText(1, 1, QStringLiteral("01 - Thiruvananthapuram"));

    RecordSet three = gConnection.query(QStringLiteral(
        "Select 'Alpha' name, '12.5' amount union all Select 'Beta', NULL union all Select 'Gamma', '-7'"));
    QCOMPARE(SheetWindow::fillSheet(sheet, three, reportColumns(), firstRow), 3);
    QCOMPARE(column(1, firstRow), (QStringList{"1", "2", "3"}));
    QCOMPARE(column(2, firstRow), (QStringList{"Alpha", "Beta", "Gamma"}));
    // A number cell shows in its format; a text cell would show "12.5".
    QCOMPARE(sheet.CellText(firstRow, 3), QStringLiteral("12.50"));
    QCOMPARE(sheet.CellText(firstRow + 2, 3), QStringLiteral("-7.00"));

    // A shorter second fill leaves nothing of the first below it, and nothing above it changes.
    RecordSet one = gConnection.query(QStringLiteral("Select 'Delta' name, '1' amount"));
    QCOMPARE(SheetWindow::fillSheet(sheet, one, reportColumns(), firstRow), 1);
    QCOMPARE(column(1, firstRow), QStringList{"1"});
    QCOMPARE(column(2, firstRow), QStringList{"Delta"});
    QCOMPARE(sheet.CellText(headingRow, 1), QStringLiteral("Sl No"));
    if (headingRow > 1)
        QCOMPARE(sheet.CellText(1, 1), QStringLiteral("01 - Thiruvananthapuram"));
}

void TestSheetWindow::exportNames_data()
{
    QTest::addColumn<bool>("appendXls");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("list: name typed bare gets .xls") << true << "Chosen"
                                                     << "Chosen.xls";
    QTest::newRow("list: name with extension kept") << true << "Chosen.xls"
                                                    << "Chosen.xls";
    QTest::newRow("report: exactly the confirmed name") << false << "Consumption TVM 09-Dec-2026"
                                                        << "Consumption TVM 09-Dec-2026";
}

void TestSheetWindow::exportNames()
{
    QFETCH(bool, appendXls);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    open();
    m_w->sheet()->setCellText(1, 1, QStringLiteral("x"));
    const QString folder = m_programFolder + QStringLiteral("/Excel Files");
    ui().saveAnswers.enqueue(folder + u'/' + typed);
    SheetExport request;
    request.proposedName = QStringLiteral("Consumption TVM 09-Dec-2026");
    request.appendXls = appendXls;
    QVERIFY(m_w->exportSheet(request));
    QCOMPARE(ui().saveRequests.size(), 1);
    QCOMPARE(ui().saveRequests.first().proposedName, request.proposedName);
    QCOMPARE(QDir(ui().saveRequests.first().initialFolder).absolutePath(), QDir(folder).absolutePath());
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{written});
    QVERIFY(isXlsFile(folder + u'/' + written));
    QCOMPARE(ui().shown.size(), 0);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestSheetWindow::nothingToExport()
{
    open();
    SheetExport request;
    request.proposedName = QStringLiteral("Newsprint Stock TVM");
    request.hasContent = false;
    QVERIFY(!m_w->exportSheet(request));
    QCOMPARE(ui().texts(), QStringList{"No details found.   "});
    QCOMPARE(ui().shown.first().icon, MsgIcon::Information);
    QCOMPARE(ui().saveRequests.size(), 0);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestSheetWindow::exportStartsWhereAsked()
{
    open();
    m_w->sheet()->setCellText(1, 1, QStringLiteral("x"));
    const QString folder = m_programFolder + QStringLiteral("-elsewhere");
    QDir(folder).removeRecursively();
    QVERIFY(QDir().mkpath(folder));
    ui().saveAnswers.enqueue(folder + QStringLiteral("/CUG List"));
    SheetExport request;
    request.proposedName = QStringLiteral("CUG List");
    request.initialFolder = folder;
    request.filter = QStringLiteral("Excel Files (*.xls)");
    QVERIFY2(m_w->exportSheet(request), qPrintable(ui().texts().join(u'/')));
    QCOMPARE(ui().saveRequests.first().initialFolder, folder);
    QCOMPARE(ui().saveRequests.first().filter, request.filter);
    // The program's own export folder is not made for an export that starts elsewhere.
    QVERIFY(!QFileInfo::exists(m_programFolder + QStringLiteral("/Excel Files")));
    QVERIFY(isXlsFile(folder + QStringLiteral("/CUG List.xls")));
}

void TestSheetWindow::busyGuard()
{
    open();
    int outer = 0;
    int inner = 0;
    bool hourglassInside = false;
    QVERIFY(SheetWindow::runGuarded([&] {
        ++outer;
        const QCursor *c = QGuiApplication::overrideCursor();
        hourglassInside = c && c->shape() == Qt::WaitCursor;
        // A second action, or an export, while the first one runs does nothing.
        QVERIFY(!SheetWindow::runGuarded([&] { ++inner; }));
        SheetExport request;
        request.proposedName = QStringLiteral("x");
        QVERIFY(!m_w->exportSheet(request));
    }));
    QCOMPARE(outer, 1);
    QCOMPARE(inner, 0);
    QVERIFY(hourglassInside);
    QCOMPARE(ui().saveRequests.size(), 0);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    // Once it is done, the next action runs.
    QVERIFY(SheetWindow::runGuarded([&] { ++inner; }));
    QCOMPARE(inner, 1);
}

void TestSheetWindow::exportFallsBackWhenProgramFolderIsClosed()
{
    // A folder where nobody, not even root, can make a subfolder.
    setProgramFolder(QStringLiteral("/proc"));
    const QString folder = SheetWindow::exportFolder();
    QVERIFY2(!folder.startsWith(QStringLiteral("/proc")), qPrintable(folder));
    QVERIFY(folder.endsWith(QStringLiteral("/Excel Files")));
    open();
    m_w->sheet()->setCellText(1, 1, QStringLiteral("x"));
    ui().saveAnswers.enqueue(folder + QStringLiteral("/fallback.xls"));
    SheetExport request;
    request.proposedName = QStringLiteral("x");
    QVERIFY(m_w->exportSheet(request));
    QCOMPARE(QDir(ui().saveRequests.first().initialFolder).absolutePath(), QDir(folder).absolutePath());
    QVERIFY(isXlsFile(folder + QStringLiteral("/fallback.xls")));
    QFile::remove(folder + QStringLiteral("/fallback.xls"));
}

void TestSheetWindow::controlsBelowSheet()
{
    for (bool below : {false, true}) {
        open(below);
        m_w->filterBar()->addWidget(new QLabel(QStringLiteral("From"), m_w.get()));
        QPushButton *show = m_w->addButton(QStringLiteral("CmShow"), QStringLiteral("Show - F5"));
        m_w->resize(600, 400);
        m_w->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_w.get()));
        const int sheetTop = m_w->sheetView()->geometry().top();
        const int filterTop = m_w->findChild<QLabel *>(QString(), Qt::FindDirectChildrenOnly)->geometry().top();
        QVERIFY2((filterTop > sheetTop) == below, below ? "filters under the sheet" : "filters above the sheet");
        QVERIFY(show->mapTo(m_w.get(), QPoint()).y() > sheetTop);
        QVERIFY(show->autoDefault());
        QCOMPARE(m_w->sheetView()->objectName(), QStringLiteral("FBInvoice"));
    }
}

QTEST_MAIN(TestSheetWindow)
#include "tst_db_sheetwindow.moc"
