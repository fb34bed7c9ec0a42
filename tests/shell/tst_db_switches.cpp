#include "GridTextModel.h"
#include "PickGrid.h"
#include "ShellWindows.h"
#include "TestSupport.h"
#include "frmFinancialYear.h"
#include "frmMain.h"
#include "frmSwitch.h"
#include "mdlVelmora.h"
#include <QAction>
#include <QMdiArea>
#include "WindowRegistry.h"
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QApplication>

// The unit and financial-year switches on the private server, opened from the
// main window as the clerk opens them.
class TestSwitches : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void unitList_data();
    void unitList();
    void unitSwitch_data();
    void unitSwitch();
    void unitCancelChangesNothing();
    void fixedAssetMenusStayDisabled();
    void unitEmptyRowAndEscape();
    void listUnreadableLeavesNoWindow_data();
    void listUnreadableLeavesNoWindow();

    void yearList_data();
    void yearList();
    void yearSwitch_data();
    void yearSwitch();
    void yearCancelChangesNothing();
    void yearWithoutDatabaseOrUnitRefused_data();
    void yearWithoutDatabaseOrUnitRefused();
    void reopenedYearListMarksDefault();
    void yearEscapeCloses();
    void enterAtOnce_data();
    void enterAtOnce();

private:
    frmSwitch *openUnits();
    frmFinancialYear *openYears();
    frmMain *m_main = nullptr;
};

namespace {
// Lets closed windows go, as the event loop would.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList column(const GridTextModel *model, int col)
{
    QStringList texts;
    for (int r = 0; r < model->rowCount(); ++r)
        if (!model->text(r, 0).isEmpty())
            texts.append(model->text(r, col));
    return texts;
}

struct ContextSnapshot {
    QString unitCode, unitName, compCode, period, invDb, acDb, prevAcDb, prevInvDb, selectedDb;
    QDate from, to;
    bool invDefault;
    static ContextSnapshot take()
    {
        return {gUnitCode,
                gUnitName,
                gCompCode,
                gInvPeriod,
                gInvDbName.str(),
                gAcDbName.str(),
                gPrevAcDbName.str(),
                gPrevInvDbName.str(),
                gSelectedDbName.str(),
                gFromDate,
                gToDate,
                gInvDefault};
    }
    bool operator==(const ContextSnapshot &) const = default;
};
} // namespace

void TestSwitches::initTestCase()
{
    registerShellWindows();
}

void TestSwitches::init()
{
    connectAndReset();
    setClerkContext();
    useSettingsFolder(testTempDir());
    m_main = &frmMain::load();
    m_main->resize(1000, 700);
    m_main->show();
}

void TestSwitches::cleanup()
{
    WindowRegistry::instance().unloadAll();
    delete frmMain::instance();
    m_main = nullptr;
}

frmSwitch *TestSwitches::openUnits()
{
    m_main->menuItem("mnuChangeUnit")->trigger();
    return WindowRegistry::instance().find<frmSwitch>("frmSwitch");
}

frmFinancialYear *TestSwitches::openYears()
{
    m_main->menuItem("mnuChangeFY")->trigger();
    return WindowRegistry::instance().find<frmFinancialYear>("frmFinancialYear");
}

void TestSwitches::unitList_data()
{
    QTest::addColumn<QString>("userId");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<int>("rows");
    QTest::newRow("clerk: units the lists offer, by priority") << "2" << QString() << QStringList{"TVM", "CRP"} << 9;
    QTest::newRow("administrator") << "1" << QString() << QStringList{"TVM", "CRP", "KTM"} << 9;
    QTest::newRow("priority, not code") << "1"
                                        << "UPDATE velmora.unitmaster SET unit_priority=9 WHERE unit_code='TVM';"
                                        << QStringList{"CRP", "KTM", "TVM"} << 9;
    QTest::newRow("no unit") << "4" << QString() << QStringList() << 9;
    QStringList ten{"TVM", "CRP"};
    QString sql;
    for (int i = 1; i <= 10; ++i) {
        const QString code = QStringLiteral("U%1").arg(i, 2, 10, QChar(u'0'));
        ten.append(code);
        sql += QStringLiteral("INSERT INTO velmora.unitmaster (unit_code, unit_name, unit_priority) VALUES ('%1','Unit "
                              "%1',%2);\nINSERT INTO velmora.unitaccess (user_id, unit_code) VALUES (2,'%1');\n")
                   .arg(code)
                   .arg(10 + i);
    }
    QTest::newRow("twelve units grow the grid") << "2" << sql << ten << 12;
}

void TestSwitches::unitList()
{
    QFETCH(QString, userId);
    QFETCH(QString, sql);
    QFETCH(QStringList, codes);
    QFETCH(int, rows);
    if (!sql.isEmpty())
        gConnection.runScript(sql);
    gUserId = userId;
    frmSwitch *w = openUnits();
    QVERIFY(w);
    QCOMPARE(w->caption(), QString("Change Unit"));
    QCOMPARE(w->CmSwitch->text(), QString("Switch"));
    QCOMPARE(w->units->rowCount(), rows);
    QCOMPARE(column(w->units, 0), codes);
    QVERIFY(w->GrUnit->isColumnHidden(0));
    QVERIFY(!w->GrUnit->isColumnHidden(1));
    QVERIFY(w->GrUnit->isColumnHidden(2));
    QCOMPARE(currentPickRow(w->GrUnit), 0);
}

void TestSwitches::unitSwitch_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("userType");
    QTest::addColumn<QString>("unitCode");
    QTest::addColumn<QString>("unitName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("fixedAssets");
    QTest::newRow("to another unit") << 1 << false << "CRP"
                                     << "Corporate Office"
                                     << "Quillbase Inventory    Velmora Publications Ltd    Corporate Office " << false;
    QTest::newRow("the current unit again")
        << 0 << false << "TVM"
        << "Thiruvananthapuram"
        << "Quillbase Inventory    Velmora Publications Ltd    Thiruvananthapuram " << true;
    QTest::newRow("caption-format user")
        << 1 << true << "CRP"
        << "Corporate Office"
        << "Quillbase Inventory    Velmora Publications Ltd    Corporate Office * [Current User : clerk ] * " << false;
}

void TestSwitches::unitSwitch()
{
    QFETCH(int, row);
    QFETCH(bool, userType);
    QFETCH(QString, unitCode);
    QFETCH(QString, unitName);
    QFETCH(QString, caption);
    QFETCH(bool, fixedAssets);
    gUserType = userType;
    ContextSnapshot expected = ContextSnapshot::take();
    expected.unitCode = unitCode;
    expected.unitName = unitName;

    frmSwitch *w = openUnits();
    ScopedScriptedUi s;
    s.ui.answers.enqueue(MsgAnswer::Ok);
    w->GrUnit->setFocus();
    for (int i = 0; i < row; ++i)
        QTest::keyClick(w->GrUnit, Qt::Key_Down);
    QTest::keyClick(w->GrUnit, Qt::Key_Return);

    QCOMPARE(s.ui.texts(), QStringList{"Do you want to change the unit... "});
    QCOMPARE(s.ui.shown.first().buttons, MsgButtons::OkCancel);
    QCOMPARE(s.ui.shown.first().icon, MsgIcon::Information);
    QVERIFY(ContextSnapshot::take() == expected);
    QCOMPARE(m_main->captionText(), caption);
    QCOMPARE(m_main->statusPanel1(),
             "Quillbase Inventory  Velmora Publications Ltd    " + unitName
                 + "  [User : clerk ]     [Financial Year 01-Apr-2024 - 31-Mar-2025]");
    QCOMPARE(m_main->fixedAssetMenusEnabled(), fixedAssets);
    settle();
    QVERIFY(!WindowRegistry::instance().find("frmSwitch"));
    // Later statements take the new unit.
    QCOMPARE(GetNextNumber("INV_" + gCompCode + "_" + gUnitCode), unitCode == "TVM" ? QString("N0000001") : QString("RN0000001"));
}

void TestSwitches::unitCancelChangesNothing()
{
    const ContextSnapshot before = ContextSnapshot::take();
    const QString caption = m_main->captionText();
    frmSwitch *w = openUnits();
    ScopedScriptedUi s;
    s.ui.answers.enqueue(MsgAnswer::Cancel);
    w->GrUnit->setCurrentIndex(w->units->index(1, 1));
    QTest::mouseClick(w->CmSwitch, Qt::LeftButton);
    QCOMPARE(s.ui.shown.size(), 1);
    QVERIFY(ContextSnapshot::take() == before);
    QCOMPARE(m_main->captionText(), caption);
    QVERIFY(m_main->fixedAssetMenusEnabled());
    settle();
    QCOMPARE(WindowRegistry::instance().find("frmSwitch"), w);
    QVERIFY(w->isVisible());
}

void TestSwitches::fixedAssetMenusStayDisabled()
{
    ScopedScriptedUi s;
    const QStringList route{"CRP", "TVM"};
    for (const QString &code : route) {
        frmSwitch *w = openUnits();
        const int row = column(w->units, 0).indexOf(code);
        w->GrUnit->setCurrentIndex(w->units->index(row, 1));
        s.ui.answers.enqueue(MsgAnswer::Ok);
        w->CmSwitch_Click();
        settle();
        QCOMPARE(gUnitCode, code);
    }
    QVERIFY(!m_main->fixedAssetMenusEnabled());
}

void TestSwitches::unitEmptyRowAndEscape()
{
    gUserId = "4";
    frmSwitch *w = openUnits();
    ScopedScriptedUi s;
    w->GrUnit->setFocus();
    QTest::keyClick(w->GrUnit, Qt::Key_Return);
    w->CmSwitch_Click();
    QCOMPARE(s.ui.shown.size(), 0);
    QCOMPARE(gUnitCode, QString("TVM"));
    // Esc acts whichever control has the focus.
    QTest::keyClick(w->GrUnit, Qt::Key_Escape);
    settle();
    QVERIFY(!WindowRegistry::instance().find("frmSwitch"));
}

void TestSwitches::listUnreadableLeavesNoWindow_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("key"); // with Ctrl
    QTest::addColumn<int>("listColumn");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("Change Unit") << "frmSwitch" << int(Qt::Key_N) << 0 << QStringList{"TVM", "CRP"};
    QTest::newRow("Change Financial Year") << "frmFinancialYear" << int(Qt::Key_Y) << 1
                                           << QStringList{"2023-2024", "2024-2025"};
}

// The server is away when the key reads the switch's list: the clerk hears why
// and no empty window stays behind to shut the other guarded windows out. Once
// the server answers again, the key lists as before.
void TestSwitches::listUnreadableLeavesNoWindow()
{
    QFETCH(QString, window);
    QFETCH(int, key);
    QFETCH(int, listColumn);
    QFETCH(QStringList, listed);
    const QString socket = Database::endpointOverride();
    Database admin(QStringLiteral("admin"));
    openTestDatabase(admin);
    admin.execute(QStringLiteral("KILL ") + gConnection.firstValue(QStringLiteral("Select CONNECTION_ID()")));
    QTest::qWait(50);
    Database::setEndpointOverride(socket + QStringLiteral(".away"));
    ScopedScriptedUi s;
    QTest::keySequence(m_main, QKeySequence(Qt::CTRL | Qt::Key(key)));
    settle();
    Database::setEndpointOverride(socket);
    QCOMPARE(s.ui.shown.size(), 1);
    QVERIFY2(s.ui.lastText().contains(u"connect", Qt::CaseInsensitive), qPrintable(s.ui.lastText()));
    QVERIFY(!WindowRegistry::instance().find(window));
    QCOMPARE(WindowRegistry::instance().loadedCount(), 0);

    // A guarded window opens at once, without "Close All forms".
    frmFinancialYear *years = openYears();
    QVERIFY(years);
    QCOMPARE(s.ui.shown.size(), 1);
    years->unload();
    settle();
    QTest::keySequence(m_main, QKeySequence(Qt::CTRL | Qt::Key(key)));
    auto *w = WindowRegistry::instance().find<SwitchWindow>(window);
    QVERIFY(w);
    QCOMPARE(column(static_cast<const GridTextModel *>(w->GrUnit->model()), listColumn), listed);
    QCOMPARE(s.ui.shown.size(), 1);
}

void TestSwitches::yearList_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QStringList>("periods");
    QTest::addColumn<QStringList>("defaults"); // hidden column 4 of the filled rows
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<int>>("marked");
    QTest::newRow("by first day, default current")
        << QString() << QStringList{"2023-2024", "2024-2025"} << QStringList{"0", "1"} << 12 << 1 << QList<int>{1};
    QTest::newRow("no default year: first row")
        << "UPDATE velmora.inv_fin_year SET inv_default=0;" << QStringList{"2023-2024", "2024-2025"}
        << QStringList{"0", "0"} << 12 << 0 << QList<int>{};
    QTest::newRow("only a value of 1 marks the default year")
        << "UPDATE velmora.inv_fin_year SET inv_default=2 WHERE inv_default=1;"
           "UPDATE velmora.inv_fin_year SET inv_default=1 WHERE inv_from_date='2023-04-01';"
        << QStringList{"2023-2024", "2024-2025"} << QStringList{"1", "2"} << 12 << 0 << QList<int>{0};
    QStringList many{"2023-2024", "2024-2025"};
    QStringList manyDefaults{"0", "1"};
    QString sql;
    for (int y = 2010; y <= 2020; ++y) {
        many.insert(y - 2010, QStringLiteral("%1-%2").arg(y).arg(y + 1));
        manyDefaults.prepend("0");
        sql += QStringLiteral("INSERT INTO velmora.inv_fin_year (unit_code, inv_from_date, inv_to_date, inv_period, "
                              "inv_default, inv_db_name, ac_db_name) VALUES ('TVM','%1-04-01','%2-03-31','%1-%2',0,"
                              "'vstores_%1','vacc_%1');\n")
                   .arg(y)
                   .arg(y + 1);
    }
    QTest::newRow("thirteen years grow the grid") << sql << many << manyDefaults << 13 << 12 << QList<int>{12};
}

void TestSwitches::yearList()
{
    QFETCH(QString, sql);
    QFETCH(QStringList, periods);
    QFETCH(QStringList, defaults);
    QFETCH(int, rows);
    QFETCH(int, current);
    QFETCH(QList<int>, marked);
    if (!sql.isEmpty())
        gConnection.runScript(sql);
    frmFinancialYear *w = openYears();
    QVERIFY(w);
    QCOMPARE(w->caption(), QString(" Financial Year"));
    QCOMPARE(w->years->rowCount(), rows);
    QCOMPARE(column(w->years, 1), periods);
    QCOMPARE(column(w->years, 4), defaults);
    for (int c : {0, 2, 3, 4})
        QVERIFY(w->GrUnit->isColumnHidden(c));
    QVERIFY(!w->GrUnit->isColumnHidden(1));
    QCOMPARE(currentPickRow(w->GrUnit), current);
    QCOMPARE(w->GrUnit->currentIndex().column(), 1);
    for (int r = 0; r < w->years->rowCount(); ++r)
        QCOMPARE(w->years->isMarked(r), w->years->text(r, 4) == "1");
    QList<int> markedRows;
    for (int r = 0; r < w->years->rowCount(); ++r)
        if (w->years->isMarked(r))
            markedRows.append(r);
    QCOMPARE(markedRows, marked);
}

void TestSwitches::yearSwitch_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("period");
    QTest::addColumn<QString>("invDb");
    QTest::addColumn<bool>("invDefault");
    QTest::addColumn<QString>("acDb");
    QTest::addColumn<QString>("nextGsm");
    QTest::newRow("to the earlier year") << 0 << QString() << QDate(2023, 4, 1) << QDate(2024, 3, 31) << "2023-2024"
                                         << "vstores_2023" << false << "vacc_2023"
                                         << "GSM0001";
    QTest::newRow("default year: accounts database of the stores year row")
        << 1 << "UPDATE velmora.inv_fin_year SET ac_db_name='vacc_2023' WHERE inv_default=1;" << QDate(2024, 4, 1)
        << QDate(2025, 3, 31) << "2024-2025"
        << "vstores_2024" << true << "vacc_2023"
        << "GSM0003";
}

void TestSwitches::yearSwitch()
{
    QFETCH(int, row);
    QFETCH(QString, sql);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, period);
    QFETCH(QString, invDb);
    QFETCH(bool, invDefault);
    QFETCH(QString, acDb);
    QFETCH(QString, nextGsm);
    if (!sql.isEmpty())
        gConnection.runScript(sql);
    // A year in use other than the default, so every value has to change.
    gInvDefault = !invDefault;
    gSelectedDbName = DbName();
    ContextSnapshot expected = ContextSnapshot::take();
    expected.from = from;
    expected.to = to;
    expected.period = period;
    expected.invDb = invDb;
    expected.invDefault = invDefault;
    expected.acDb = acDb;
    expected.selectedDb = invDb;

    frmFinancialYear *w = openYears();
    ScopedScriptedUi s;
    s.ui.answers.enqueue(MsgAnswer::Ok);
    w->GrUnit->setCurrentIndex(w->years->index(row, 1));
    QTest::keyClick(w->GrUnit, Qt::Key_Return);

    QCOMPARE(s.ui.texts(), QStringList{"Do you want to change the Financial Year to \n             " + period});
    QCOMPARE(s.ui.shown.first().buttons, MsgButtons::OkCancel);
    QVERIFY(ContextSnapshot::take() == expected);
    const QString year = "     [Financial Year " + dateText(from) + " - " + dateText(to) + "]";
    QCOMPARE(m_main->captionText(),
             "Quillbase Inventory    Velmora Publications Ltd    Thiruvananthapuram"
             "            [User : clerk ]"
                 + year);
    QCOMPARE(m_main->statusPanel1(),
             "Quillbase Inventory  Velmora Publications Ltd    Thiruvananthapuram  [User : clerk ]" + year);
    settle();
    QVERIFY(!WindowRegistry::instance().find("frmFinancialYear"));
    // Statements that name the stores database work in the chosen year; the
    // connection itself stays where start-up put it.
    QCOMPARE(GetNextNumber("GSM_01_NO"), nextGsm);
    QCOMPARE(gConnection.firstValue("Select database()"), QString("vstores_2024"));
}

void TestSwitches::yearWithoutDatabaseOrUnitRefused_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("message");
    QTest::newRow("stores database missing")
        << "UPDATE velmora.inv_fin_year SET inv_db_name='vstores_1999' WHERE inv_from_date='2023-04-01';" << true
        << "The financial year 2023-2024 has no stores database \"vstores_1999\" on the server.   \n"
           "The financial year is not changed.   ";
    QTest::newRow("stores database name not a name")
        << "UPDATE velmora.inv_fin_year SET inv_db_name='vstores 2023' WHERE inv_from_date='2023-04-01';" << true
        << "The financial year 2023-2024 has no stores database \"vstores 2023\" on the server.   \n"
           "The financial year is not changed.   ";
    QTest::newRow("empty unit") << "UPDATE velmora.inv_fin_year SET unit_code='' WHERE inv_from_date='2023-04-01';"
                                << false
                                << "The financial year 2023-2024 has no unit in the year list.   \n"
                                   "The financial year is not changed.   ";
    QTest::newRow("no unit") << "UPDATE velmora.inv_fin_year SET unit_code=NULL WHERE inv_from_date='2023-04-01';"
                             << false
                             << "The financial year 2023-2024 has no unit in the year list.   \n"
                                "The financial year is not changed.   ";
}

void TestSwitches::yearWithoutDatabaseOrUnitRefused()
{
    QFETCH(QString, sql);
    QFETCH(bool, asked);
    QFETCH(QString, message);
    gConnection.runScript(sql);
    const ContextSnapshot before = ContextSnapshot::take();
    const QString caption = m_main->captionText();
    frmFinancialYear *w = openYears();
    ScopedScriptedUi s;
    s.ui.answers.enqueue(MsgAnswer::Ok);
    w->GrUnit->setCurrentIndex(w->years->index(0, 1));
    QTest::keyClick(w->GrUnit, Qt::Key_Return);
    QCOMPARE(s.ui.shown.size(), asked ? 2 : 1);
    QCOMPARE(s.ui.lastText(), message);
    QCOMPARE(s.ui.shown.last().icon, MsgIcon::Information);
    QVERIFY(ContextSnapshot::take() == before);
    QCOMPARE(m_main->captionText(), caption);
    settle();
    QCOMPARE(WindowRegistry::instance().find("frmFinancialYear"), w);
    QCOMPARE(GetNextNumber("GSM_01_NO"), QString("GSM0003"));
}

void TestSwitches::yearCancelChangesNothing()
{
    const ContextSnapshot before = ContextSnapshot::take();
    frmFinancialYear *w = openYears();
    ScopedScriptedUi s;
    s.ui.answers.enqueue(MsgAnswer::Cancel);
    w->GrUnit->setCurrentIndex(w->years->index(0, 1));
    w->CmSwitch_Click();
    QCOMPARE(s.ui.shown.size(), 1);
    QVERIFY(ContextSnapshot::take() == before);
    settle();
    QCOMPARE(WindowRegistry::instance().find("frmFinancialYear"), w);
}

void TestSwitches::reopenedYearListMarksDefault()
{
    ScopedScriptedUi s;
    frmFinancialYear *w = openYears();
    w->GrUnit->setCurrentIndex(w->years->index(0, 1));
    s.ui.answers.enqueue(MsgAnswer::Ok);
    w->CmSwitch_Click();
    settle();
    QCOMPARE(gInvDbName.str(), QString("vstores_2023"));
    w = openYears();
    QCOMPARE(currentPickRow(w->GrUnit), 1);
    QVERIFY(w->years->isMarked(1));
    QVERIFY(!w->years->isMarked(0));
    // Enter at once offers the default year.
    s.ui.answers.enqueue(MsgAnswer::Cancel);
    QTest::keyClick(w->GrUnit, Qt::Key_Return);
    QVERIFY(s.ui.lastText().endsWith("2024-2025"));
}

void TestSwitches::yearEscapeCloses()
{
    frmFinancialYear *w = openYears();
    QTest::keyClick(w->CmSwitch, Qt::Key_Escape);
    settle();
    QVERIFY(!WindowRegistry::instance().find("frmFinancialYear"));
}

void TestSwitches::enterAtOnce_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("unitAfter");
    QTest::addColumn<QString>("invDbAfter");
    QTest::addColumn<bool>("onButton"); // Tab to Switch first
    for (const bool onButton : {false, true}) {
        const char *where = onButton ? ", Enter on Switch" : "";
        QTest::addRow("Change Unit offers the first unit, not the current one%s", where)
            << "mnuChangeUnit"
            << "Do you want to change the unit... "
            << "TVM"
            << "vstores_2023" << onButton;
        QTest::addRow("Change Financial Year offers the default year, not the one in use%s", where)
            << "mnuChangeFY"
            << "Do you want to change the Financial Year to \n             2024-2025"
            << "CRP"
            << "vstores_2024" << onButton;
    }
}

// The clerk opens the window and presses Enter without touching the mouse.
void TestSwitches::enterAtOnce()
{
    QFETCH(QString, item);
    QFETCH(QString, question);
    QFETCH(QString, unitAfter);
    QFETCH(QString, invDbAfter);
    QFETCH(bool, onButton);
    gUnitCode = "CRP";
    gUnitName = "Corporate Office";
    gInvDbName = DbName("vstores_2023");
    QVERIFY(QTest::qWaitForWindowActive(m_main));
    m_main->menuItem(item)->trigger();
    auto *w = qobject_cast<SwitchWindow *>(
        WindowRegistry::instance().find(item == "mnuChangeUnit" ? "frmSwitch" : "frmFinancialYear"));
    QVERIFY(w);
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QCOMPARE(focus, static_cast<QWidget *>(w->GrUnit));

    if (onButton) {
        QTest::keyClick(focus, Qt::Key_Tab);
        focus = QApplication::focusWidget();
        QCOMPARE(focus, static_cast<QWidget *>(w->CmSwitch));
    }

    ScopedScriptedUi s;
    s.ui.answers.enqueue(MsgAnswer::Ok);
    QTest::keyClick(focus, Qt::Key_Return);
    QCOMPARE(s.ui.texts(), QStringList{question});
    QCOMPARE(gUnitCode, unitAfter);
    QCOMPARE(gInvDbName.str(), invDbAfter);
}

QTEST_MAIN(TestSwitches)
#include "tst_db_switches.moc"
