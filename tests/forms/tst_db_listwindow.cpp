#include "EntryWindow.h"
#include "ListWindow.h"
#include "Sheet.h"
#include "SheetView.h"
#include "TestSupport.h"
#include "WindowRegistry.h"
#include "mdlVelmora.h"
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

// The spreadsheet list window on real queries, with a stand-in entry window
// that records what the list asks of it.
class TestListWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void layout();
    void fillsOnlyOnF5();
    void fillReplacesRows();
    void fillWritesCellsByKind();
    void failingFillKeepsSheet_data();
    void failingFillKeepsSheet();
    void longListHasNoLimit();
    void newOpensEntry_data();
    void newOpensEntry();
    void doubleClickHandsOver_data();
    void doubleClickHandsOver();
    void doubleClickWithEntryOpen();
    void doubleClickHandsOverDatabase_data();
    void doubleClickHandsOverDatabase();
    void newRefusalIcon_data();
    void newRefusalIcon();
    void keys_data();
    void keys();
    void exportWritesFile();
    void exportAsksBeforeOverwrite_data();
    void exportAsksBeforeOverwrite();
    void exportCancelIsSilent();
    void exportWhileBusyDoesNothing_data();
    void exportWhileBusyDoesNothing();
    void exportFailures_data();
    void exportFailures();

private:
    ListWindow *open(int keyColumn = 1);
    void doubleClick(int row, int column);
    QStringList column(int c) const;

    std::unique_ptr<ScopedScriptedUi> m_scripted;
    ScriptedUi &ui() { return m_scripted->ui; }
    QPointer<ListWindow> m_w;
    QString m_sql;
    QString m_refusal;
    MsgIcon m_refusalIcon = MsgIcon::Information;
    std::optional<QString> m_listedDb;
    QString m_programFolder;
    int m_caseNumber = 0;
};

namespace {
// Three records, not in code order in the text; the query orders them.
const char *kThree = "Select * from (Select 'C02' code, 'Beta' name, '12.5' amount, NULL nothing "
                     "union all Select 'C01', 'Alpha', NULL, NULL "
                     "union all Select 'C03', 'Gamma', '-7', 'x') t order by code";
const char *kOne = "Select 'D01' code, 'Delta' name, '1' amount, NULL nothing";

// What the stand-in entry window was asked, in order: "load:<gSelectedCode>", "new", "cancel".
QStringList g_entryLog;

class StandInEntry : public ChildWindow, public EntryWindow {
public:
    StandInEntry() { g_entryLog << QStringLiteral("load:") + gSelectedCode; }
    void CmNew_Click() override { g_entryLog << QStringLiteral("new"); }
    void CmCancel_Click() override { g_entryLog << QStringLiteral("cancel"); }
};

bool isXlsFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return f.read(8) == QByteArray::fromHex("D0CF11E0A1B11AE1");
}
} // namespace

void TestListWindow::initTestCase()
{
    WindowRegistry::instance().registerWindow(QStringLiteral("frmStandIn"), [] { return new StandInEntry; });
}

void TestListWindow::init()
{
    connectAndReset();
    setClerkContext();
    m_scripted = std::make_unique<ScopedScriptedUi>();
    g_entryLog.clear();
    m_sql = QString::fromLatin1(kThree);
    m_refusal.clear();
    m_refusalIcon = MsgIcon::Information;
    m_listedDb.reset();
    m_programFolder = testTempDir() + QStringLiteral("/program%1").arg(++m_caseNumber);
    QDir(m_programFolder).removeRecursively();
    QDir().mkpath(m_programFolder);
    setProgramFolder(m_programFolder);
}

void TestListWindow::cleanup()
{
    delete m_w.data();
    WindowRegistry::instance().unloadAll();
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    m_scripted.reset();
    setProgramFolder(QString());
}

ListWindow *TestListWindow::open(int keyColumn)
{
    ListWindowConfig c;
    c.windowName = QStringLiteral("frmTestList");
    c.caption = QStringLiteral("Test Details List");
    auto column = [](const char *heading, int width, const char *field) {
        ListColumn lc;
        lc.heading = QString::fromLatin1(heading);
        lc.width = width;
        lc.field = QString::fromLatin1(field);
        return lc;
    };
    ListColumn amount = column("Amount", 1500, "amount");
    amount.kind = ListColumn::Number;
    amount.headingAlignRight = true;
    amount.alignRight = true;
    amount.numberFormat = QStringLiteral("0.00");
    ListColumn counted = column("No", 600, "");
    counted.value = [](const RecordSet &, int n) { return QString::number(n); };
    // Fields match whatever their case.
    c.columns = {column("Code", 1000, "code"), column("Name", 3000, "NAME"), amount, column("Hidden", 0, "nothing"),
                 counted};
    c.keyColumn = keyColumn;
    c.entryWindow = QStringLiteral("frmStandIn");
    c.query = [this] { return gConnection.query(m_sql); };
    c.newRefusal = [this] { return m_refusal; };
    c.newRefusalIcon = m_refusalIcon;
    if (m_listedDb)
        c.listedDatabase = [db = *m_listedDb] { return DbName(db); };
    m_w = new ListWindow(c);
    m_w->show();
    m_w->activateWindow();
    if (!QTest::qWaitForWindowActive(m_w))
        qWarning("list window not active");
    m_w->sheetView()->setFocus();
    return m_w;
}

QStringList TestListWindow::column(int c) const
{
    QStringList texts;
    for (int r = 2; r <= m_w->sheet()->RowCount(); ++r)
        texts << m_w->sheet()->CellText(r, c);
    while (!texts.isEmpty() && texts.last().isEmpty())
        texts.removeLast();
    return texts;
}

void TestListWindow::doubleClick(int row, int column)
{
    SheetView *view = m_w->sheetView();
    const QModelIndex index = m_w->sheet()->index(row - 1, column - 1);
    view->scrollTo(index);
    // A double-click is a click followed by a double-click event.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

void TestListWindow::layout()
{
    open();
    Sheet *s = m_w->sheet();
    QCOMPARE(m_w->caption(), QStringLiteral("Test Details List"));
    QCOMPARE(m_w->findChild<QLabel *>(QStringLiteral("LbTitle"))->text(), QStringLiteral("Test Details List"));
    QCOMPARE(s->ColumnCount(), 5);
    const QList<int> widths{1000, 3000, 1500, 0, 600};
    const QStringList headings{"Code", "Name", "Amount", "Hidden", "No"};
    for (int c = 1; c <= 5; ++c) {
        QCOMPARE(s->ColumnWidth(c), widths.at(c - 1));
        QCOMPARE(s->CellText(1, c), headings.at(c - 1));
        const CellFormat &f = s->formatAt(1, c);
        QCOMPARE(f.fontName, QStringLiteral("ARIAL"));
        QCOMPARE(f.fontSize, 8);
        QVERIFY(f.bold);
        QCOMPARE(int(f.pattern), 1);
        QCOMPARE(f.patternForeground, 12632256);
        QCOMPARE(f.patternBackground, 12632256);
        for (int side = 0; side < 4; ++side)
            QCOMPARE(int(f.borderStyle[side]), 1);
        QCOMPARE(int(f.horizontal), c == 3 ? int(CellFormat::AlignRight) : int(CellFormat::General));
    }
    QVERIFY(m_w->sheetView()->isColumnHidden(3));
    QStringList buttons;
    for (QPushButton *b : m_w->findChildren<QPushButton *>())
        buttons << b->objectName() + u'=' + b->text();
    buttons.sort();
    QCOMPARE(buttons,
             QStringList({"CmClose=Close - F9", "CmExport=Export - F11", "CmNew=New - F2", "CmView=View - F3",
                          "Command2=Delete - F6"}));
}

void TestListWindow::fillsOnlyOnF5()
{
    open();
    QCOMPARE(column(1), QStringList());
    QTest::keyClick(m_w->sheetView(), Qt::Key_F5);
    QCOMPARE(column(1), QStringList({"C01", "C02", "C03"}));
    QCOMPARE(column(2), QStringList({"Alpha", "Beta", "Gamma"}));
    QCOMPARE(ui().shown.size(), 0);
}

void TestListWindow::fillReplacesRows()
{
    open();
    m_w->FillList();
    m_sql = QString::fromLatin1(kOne);
    m_w->FillList();
    for (int c : {1, 2, 3, 4, 5})
        QCOMPARE(column(c).size(), c == 4 ? 0 : 1);
    QCOMPARE(column(1), QStringList({"D01"}));
    m_sql = QStringLiteral("Select 'E01' code, 'E' name, NULL amount, NULL nothing from dual where 1=0");
    m_w->FillList();
    QCOMPARE(column(1), QStringList());
    QCOMPARE(m_w->sheet()->CellText(1, 1), QStringLiteral("Code")); // headings stay
}

void TestListWindow::fillWritesCellsByKind()
{
    open();
    m_w->FillList();
    Sheet *s = m_w->sheet();
    // Amounts are numbers in "0.00"; NULL gives an empty cell; the counted column counts records.
    QCOMPARE(column(3), QStringList({"", "12.50", "-7.00"}));
    QCOMPARE(s->rowCells(3).at(2).kind(), SheetCell::Number);
    QCOMPARE(s->CellNumber(3, 3), Decimal::fromText(QStringLiteral("12.5")));
    QVERIFY(!s->rowCells(2).at(2).hasValue());
    QCOMPARE(column(4), QStringList({"", "", "x"}));
    QCOMPARE(column(5), QStringList({"1", "2", "3"}));
    for (int r = 2; r <= 4; ++r) {
        for (int c = 1; c <= 5; ++c) {
            const CellFormat &f = s->formatAt(r, c);
            QCOMPARE(f.fontName, QStringLiteral("ARIAL"));
            QCOMPARE(f.fontSize, 8);
            QVERIFY(!f.bold);
            QCOMPARE(int(f.pattern), 0);
            QCOMPARE(f.numberFormat, c == 3 ? QStringLiteral("0.00") : QString());
            QCOMPARE(int(f.horizontal), c == 3 ? int(CellFormat::AlignRight) : int(CellFormat::General));
        }
    }
}

void TestListWindow::failingFillKeepsSheet_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("message");
    QTest::newRow("statement fails") << "Select * from vstores_2024.no_such_table"
                                     << "Table 'vstores_2024.no_such_table' doesn't exist";
    QTest::newRow("column missing") << "Select 'Z01' code, 'Zeta' name"
                                    << "Item cannot be found in the collection: amount";
}

void TestListWindow::failingFillKeepsSheet()
{
    QFETCH(QString, sql);
    QFETCH(QString, message);
    open();
    m_w->FillList();
    m_sql = sql;
    QTest::keyClick(m_w->sheetView(), Qt::Key_F5);
    QCOMPARE(ui().texts(), QStringList{message});
    QCOMPARE(ui().shown.first().icon, MsgIcon::Information);
    QVERIFY(m_w->isVisible());
    QCOMPARE(column(1), QStringList({"C01", "C02", "C03"}));
}

void TestListWindow::longListHasNoLimit()
{
    // Past what a 16-bit row counter could number (32,767 rows): every record gets its row.
    open();
    m_sql = QStringLiteral("Select concat('K', seq) code, seq name, seq amount, NULL nothing from seq_1_to_40000");
    m_w->FillList();
    Sheet *s = m_w->sheet();
    QCOMPARE(ui().shown.size(), 0);
    QCOMPARE(s->RowCount(), 40001);
    for (int record : {1, 32766, 32767, 32768, 40000}) {
        QCOMPARE(s->CellText(record + 1, 1), QStringLiteral("K%1").arg(record));
        QCOMPARE(s->CellText(record + 1, 5), QString::number(record));
    }
}

void TestListWindow::newOpensEntry_data()
{
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QStringList>("entryLog");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("allowed") << QString() << QStringList{"load:0", "new"} << QStringList();
    QTest::newRow("refused") << "No new record now.   " << QStringList() << QStringList{"No new record now.   "};
}

void TestListWindow::newOpensEntry()
{
    QFETCH(QString, refusal);
    QFETCH(QStringList, entryLog);
    QFETCH(QStringList, messages);
    open();
    m_refusal = refusal;
    QTest::mouseClick(m_w->findChild<QPushButton *>(QStringLiteral("CmNew")), Qt::LeftButton);
    QCOMPARE(g_entryLog, entryLog);
    QCOMPARE(ui().texts(), messages);
    QCOMPARE(WindowRegistry::instance().find(QStringLiteral("frmStandIn")) != nullptr, refusal.isEmpty());
}

void TestListWindow::doubleClickHandsOver_data()
{
    QTest::addColumn<int>("keyColumn");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("clickedColumn");
    QTest::addColumn<QStringList>("entryLog");
    QTest::newRow("record, key column 1") << 1 << 3 << 2 << QStringList{"load:C02", "cancel"};
    QTest::newRow("record, key column 2") << 2 << 4 << 1 << QStringList{"load:Gamma", "cancel"};
    QTest::newRow("heading row") << 1 << 1 << 1 << QStringList{"load:Code", "cancel"};
    QTest::newRow("empty row below") << 1 << 6 << 1 << QStringList();
}

void TestListWindow::doubleClickHandsOver()
{
    QFETCH(int, keyColumn);
    QFETCH(int, row);
    QFETCH(int, clickedColumn);
    QFETCH(QStringList, entryLog);
    open(keyColumn);
    m_w->FillList();
    doubleClick(row, clickedColumn);
    QCOMPARE(g_entryLog, entryLog);
    if (entryLog.isEmpty())
        QCOMPARE(gSelectedCode, QStringLiteral("0"));
    else
        QCOMPARE(gSelectedCode, entryLog.first().mid(5));
}

void TestListWindow::doubleClickWithEntryOpen()
{
    // An entry window already open comes forward as it is: it does not load the clicked record.
    open();
    m_w->FillList();
    doubleClick(2, 1);
    doubleClick(4, 1);
    QCOMPARE(g_entryLog, QStringList({"load:C01", "cancel", "cancel"}));
    QCOMPARE(gSelectedCode, QStringLiteral("C03"));
}

void TestListWindow::doubleClickHandsOverDatabase_data()
{
    QTest::addColumn<bool>("handsOver");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("database");
    QTest::newRow("list names its database") << true << 3 << "C02"
                                             << "vstores_2023";
    QTest::newRow("list names none") << false << 3 << "C02"
                                     << "vstores_2022";
    QTest::newRow("empty row hands over nothing") << true << 6 << "0"
                                                  << "vstores_2022";
}

void TestListWindow::doubleClickHandsOverDatabase()
{
    QFETCH(bool, handsOver);
    QFETCH(int, row);
    QFETCH(QString, code);
    QFETCH(QString, database);
    // Whatever an earlier opener left behind.
    gSelectedDbName = DbName(QStringLiteral("vstores_2022"));
    if (handsOver)
        m_listedDb = QStringLiteral("vstores_2023");
    open();
    m_w->FillList();
    doubleClick(row, 1);
    QCOMPARE(gSelectedCode, code);
    QCOMPARE(gSelectedDbName.str(), database);
}

void TestListWindow::newRefusalIcon_data()
{
    QTest::addColumn<MsgIcon>("icon");
    QTest::newRow("information") << MsgIcon::Information;
    QTest::newRow("critical") << MsgIcon::Critical;
}

void TestListWindow::newRefusalIcon()
{
    QFETCH(MsgIcon, icon);
    m_refusalIcon = icon;
    m_refusal = QStringLiteral("Not this year.   ");
    open();
    QTest::keyClick(m_w->sheetView(), Qt::Key_F2);
    QCOMPARE(ui().texts(), QStringList{m_refusal});
    QCOMPARE(ui().shown.first().icon, icon);
    QCOMPARE(g_entryLog, QStringList());
}

void TestListWindow::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("fills");
    QTest::addColumn<QStringList>("entryLog");
    QTest::newRow("F2 New") << int(Qt::Key_F2) << false << false << QStringList{"load:0", "new"};
    QTest::newRow("F5 fill") << int(Qt::Key_F5) << false << true << QStringList();
    QTest::newRow("F9 close") << int(Qt::Key_F9) << true << false << QStringList();
    QTest::newRow("Esc close") << int(Qt::Key_Escape) << true << false << QStringList();
    QTest::newRow("F3 nothing") << int(Qt::Key_F3) << false << false << QStringList();
    QTest::newRow("F6 nothing") << int(Qt::Key_F6) << false << false << QStringList();
    QTest::newRow("F11 nothing") << int(Qt::Key_F11) << false << false << QStringList();
}

void TestListWindow::keys()
{
    QFETCH(int, key);
    QFETCH(bool, closes);
    QFETCH(bool, fills);
    QFETCH(QStringList, entryLog);
    open();
    // Keys act from whichever control has the focus.
    QPushButton *exportButton = m_w->findChild<QPushButton *>(QStringLiteral("CmExport"));
    exportButton->setFocus();
    QTest::keyClick(exportButton, Qt::Key(key));
    if (closes)
        QTRY_VERIFY(m_w.isNull()); // deleted once the event loop runs
    else
        QCOMPARE(column(1).size(), fills ? 3 : 0);
    QCOMPARE(g_entryLog, entryLog);
    QCOMPARE(ui().saveRequests.size(), 0);
    QCOMPARE(ui().shown.size(), 0);
}

void TestListWindow::exportWritesFile()
{
    open();
    m_w->FillList();
    const QString folder = m_programFolder + QStringLiteral("/Excel Files");
    QVERIFY(!QDir(folder).exists());
    ui().saveAnswers.enqueue(folder + QStringLiteral("/Chosen Name")); // typed without extension
    QTest::mouseClick(m_w->findChild<QPushButton *>(QStringLiteral("CmExport")), Qt::LeftButton);
    QCOMPARE(ui().saveRequests.size(), 1);
    const SaveRequest &r = ui().saveRequests.first();
    QCOMPARE(QDir(r.initialFolder).absolutePath(), QDir(folder).absolutePath());
    QCOMPARE(r.filter, QStringLiteral("Excel Files (*.xls)"));
    QCOMPARE(r.proposedName, QStringLiteral("Test Details List TVM"));
    QCOMPARE(r.defaultSuffix, QStringLiteral("xls"));
    QVERIFY(QDir(folder).exists());
    QVERIFY(isXlsFile(folder + QStringLiteral("/Chosen Name.xls")));
    QCOMPARE(ui().shown.size(), 0);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestListWindow::exportAsksBeforeOverwrite_data()
{
    QTest::addColumn<MsgAnswer>("answer");
    QTest::addColumn<bool>("written");
    QTest::newRow("Yes overwrites") << MsgAnswer::Yes << true;
    QTest::newRow("No keeps the file") << MsgAnswer::No << false;
}

void TestListWindow::exportAsksBeforeOverwrite()
{
    QFETCH(MsgAnswer, answer);
    QFETCH(bool, written);
    open();
    m_w->FillList();
    const QString path = m_programFolder + QStringLiteral("/old.xls");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old contents");
    old.close();
    ui().saveAnswers.enqueue(path);
    ui().answers.enqueue(answer);
    m_w->CmExport_Click();
    QCOMPARE(ui().shown.size(), 1);
    const ShownMessage &m = ui().shown.first();
    QCOMPARE(m.text, QStringLiteral("Are you sure you want to overwrite"));
    QCOMPARE(m.buttons, MsgButtons::YesNo);
    QCOMPARE(m.icon, MsgIcon::Information);
    QCOMPARE(m.title, QStringLiteral("Inventory"));
    QCOMPARE(isXlsFile(path), written);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestListWindow::exportCancelIsSilent()
{
    open();
    m_w->FillList();
    ui().saveAnswers.enqueue(std::nullopt);
    m_w->CmExport_Click();
    QCOMPARE(ui().saveRequests.size(), 1);
    QCOMPARE(ui().shown.size(), 0);
    QCOMPARE(QDir(m_programFolder + QStringLiteral("/Excel Files")).entryList(QDir::Files), QStringList());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestListWindow::exportWhileBusyDoesNothing_data()
{
    QTest::addColumn<bool>("otherExportRunning"); // else: the hourglass of other work shows
    QTest::newRow("hourglass shown") << false;
    QTest::newRow("an export under way") << true;
}

void TestListWindow::exportWhileBusyDoesNothing()
{
    QFETCH(bool, otherExportRunning);
    open();
    m_w->FillList();
    const QString path = m_programFolder + QStringLiteral("/busy.xls");
    if (!otherExportRunning) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        ui().saveAnswers.enqueue(path);
        m_w->CmExport_Click();
        QCOMPARE(ui().saveRequests.size(), 0);
        QVERIFY(!QFile::exists(path));
        QVERIFY(QGuiApplication::overrideCursor()); // not taken away from the other work
        QGuiApplication::restoreOverrideCursor();
        return;
    }
    // Export pressed again while the first export's save dialog is up.
    struct PressAgainUi : ScriptedUi {
        ListWindow *list = nullptr;
        std::optional<QString> saveFile(const SaveRequest &r) override
        {
            if (saveRequests.isEmpty()) {
                saveRequests.append(r);
                list->CmExport_Click();
                return saveAnswers.dequeue();
            }
            return ScriptedUi::saveFile(r);
        }
    } again;
    again.list = m_w;
    again.saveAnswers.enqueue(path);
    again.saveAnswers.enqueue(m_programFolder + QStringLiteral("/second.xls"));
    setUi(&again);
    m_w->CmExport_Click();
    setUi(&ui());
    QCOMPARE(again.saveRequests.size(), 1);
    QVERIFY(isXlsFile(path));
    QVERIFY(!QFile::exists(m_programFolder + QStringLiteral("/second.xls")));
    // Once done, Export works again.
    ui().saveAnswers.enqueue(m_programFolder + QStringLiteral("/third.xls"));
    m_w->CmExport_Click();
    QVERIFY(isXlsFile(m_programFolder + QStringLiteral("/third.xls")));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestListWindow::exportFailures_data()
{
    QTest::addColumn<QString>("case_");
    QTest::addColumn<QString>("messageStart");
    QTest::newRow("folder cannot be made") << "folder"
                                           << "Cannot create the folder ";
    QTest::newRow("file cannot be written") << "file"
                                            << "Cannot write ";
    QTest::newRow("more rows than an .xls sheet holds") << "rows"
                                                        << "The sheet has content down to row 70001";
}

void TestListWindow::exportFailures()
{
    QFETCH(QString, case_);
    QFETCH(QString, messageStart);
    open();
    if (case_ == u"rows")
        m_sql = QStringLiteral("Select seq code, seq name, seq amount, NULL nothing from seq_1_to_70000");
    m_w->FillList();
    QString target = m_programFolder + QStringLiteral("/Excel Files/list.xls");
    if (case_ == u"folder") {
        // A file where the program's folder should be.
        QFile blocker(m_programFolder + QStringLiteral("/not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        setProgramFolder(blocker.fileName());
    } else if (case_ == u"file") {
        target = m_programFolder + QStringLiteral("/missing/list.xls");
    }
    ui().saveAnswers.enqueue(target);
    m_w->CmExport_Click();
    QCOMPARE(ui().shown.size(), 1);
    QVERIFY2(ui().lastText().startsWith(messageStart), qPrintable(ui().lastText()));
    QCOMPARE(ui().shown.first().icon, MsgIcon::Information);
    QVERIFY(!QFile::exists(target));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

QTEST_MAIN(TestListWindow)
#include "tst_db_listwindow.moc"
