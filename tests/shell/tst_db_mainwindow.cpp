#include "ChildWindow.h"
#include "ImgIcon32.h"
#include "ShellWindows.h"
#include "TestSupport.h"
#include "frmChangeCompany.h"
#include "frmMain.h"
#include "mdlVelmora.h"
#include <QAction>
#include <QMdiArea>
#include "WindowRegistry.h"
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>

// The main window on the private server: menus, toolbar, its load, the open
// rule, Exit and Update Software.
class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void menus_data();
    void menus();
    void toolbar_data();
    void toolbar();
    void load_data();
    void load();
    void loadStatementFailureKeepsWindow();
    void openRule_data();
    void openRule();
    void companyChoiceCountsAsLoaded();
    void menuItemOpensOneInstance();
    void unregisteredWindowOpensNothing();
    void toolbarButtonsWithoutAction();
    void exitQuestion_data();
    void exitQuestion();
    void updateSoftwareEndsProgram();
    void webPage_data();
    void webPage();
    void reportMenuOpensFreshWindowsThatCount();
    void childWindowsAreCentred();
    void openedWindowTakesKeys_data();
    void openedWindowTakesKeys();
    void closingAWindowReturnsToTheOneWorkedInBefore();

private:
    frmMain &shownMain();
};

namespace {
int g_invoiceLoads = 0;

// Stands in for a list window that other folders provide.
class SomeListWindow : public ChildWindow {
public:
    SomeListWindow()
    {
        ++g_invoiceLoads;
        setCaption(QStringLiteral("Newsprint Invoice List"));
        resize(300, 200);
    }
};

QString openedKinds()
{
    QStringList names;
    for (const char *n : {"frmInvoice", "frmSwitch", "frmFinancialYear", "frmChangePassword"})
        if (WindowRegistry::instance().find(n))
            names.append(n);
    if (frmChangeCompany::current())
        names.append("frmChangeCompany");
    return names.join(u',');
}
} // namespace

void TestMainWindow::initTestCase()
{
    registerShellWindows();
    WindowRegistry::instance().registerWindow("frmInvoice", [] { return new SomeListWindow; });
    WindowRegistry::instance().registerWindow(
        "frmrptConsumption", [] { return new SomeListWindow; }, WindowRegistry::Kind::Many);
}

void TestMainWindow::init()
{
    connectAndReset();
    setClerkContext();
    useSettingsFolder(testTempDir());
    g_invoiceLoads = 0;
}

void TestMainWindow::cleanup()
{
    WindowRegistry::instance().unloadAll();
    delete frmChangeCompany::current();
    delete frmMain::instance();
}

frmMain &TestMainWindow::shownMain()
{
    frmMain &m = frmMain::load();
    m.resize(1000, 700);
    m.show();
    return m;
}

void TestMainWindow::menus_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("parent"); // empty: the menu bar
    QTest::addColumn<QString>("shortcut");
    const struct {
        const char *name, *caption, *parent, *shortcut;
    } rows[] = {
        {"mnuAdvtMasters", "&Masters", "", ""},
        {"mnuNewsprintMaster", "Newsprint", "mnuAdvtMasters", ""},
        {"mnuBrandMaster", "Brand Master", "mnuNewsprintMaster", ""},
        {"mnuReelType", "Reel Type", "mnuNewsprintMaster", ""},
        {"mnuGsmMaster", "GSM Master", "mnuNewsprintMaster", ""},
        {"mnuOtherStoresMaster", "Other Stores", "mnuAdvtMasters", ""},
        {"mnuOtherBrandMaster", "Brand Master", "mnuOtherStoresMaster", ""},
        {"mnuItemMaster", "Item Master", "mnuOtherStoresMaster", ""},
        {"mnuMeasurement", "Measurement", "mnuOtherStoresMaster", ""},
        {"mnuFixedAssets", "Fixed Assets", "mnuAdvtMasters", ""},
        {"mnuFABrandMater", "Brand Master", "mnuFixedAssets", ""},
        {"mnuFAItemMaster", "Item Master", "mnuFixedAssets", ""},
        {"mnuCompanyMasterDash", "-", "mnuAdvtMasters", ""},
        {"mnuCompanyMaster", "Company Master", "mnuAdvtMasters", ""},
        {"mnuTransaction", "&Transaction", "", ""},
        {"mnuNewsprint", "Newsprint", "mnuTransaction", ""},
        {"mnuInvoice", "Invoice", "mnuNewsprint", ""},
        {"mnuStockTransfer", "Newsprint Stock Transfer", "mnuNewsprint", ""},
        {"mnuTransfertoPress", "Newsprint Transfer To Press", "mnuNewsprint", ""},
        {"mnuTrans1Dash", "-", "mnuNewsprint", ""},
        {"mnuConsumption", "Newsprint Consumption", "mnuNewsprint", ""},
        {"mnuOtherStores", "Other Stores", "mnuTransaction", ""},
        {"mnuOtherInvoice", "Invoice", "mnuOtherStores", ""},
        {"mnuFixedAssetsTrans", "Fixed Assets", "mnuTransaction", ""},
        {"mnuFAInvoice", "Invoice", "mnuFixedAssetsTrans", ""},
        {"mnuReports", "Reports", "", ""},
        {"mnuRptNewsprint", "Newsprint", "mnuReports", ""},
        {"mnuNewsPrintStock", "Newsprint Stock", "mnuRptNewsprint", ""},
        {"mnuNewsprintCons", "Newsprint Consumption", "mnuRptNewsprint", ""},
        {"mnuPendingBills", "Pending Bills", "mnuReports", ""},
        {"mnuBillDetails", "Bill Details", "mnuReports", ""},
        {"mnuTools", "Tools", "", ""},
        {"mnuChangeUnit", "Change Unit", "mnuTools", "Ctrl+N"},
        {"mnuChangeFY", "Change Financial Year", "mnuTools", "Ctrl+Y"},
        {"mnuUpdateSoftware", "Update Software", "mnuTools", ""},
        {"mnuChangePassword", "Change Password", "mnuTools", ""},
        {"mnuCUG", "CUG Numbers", "mnuTools", ""},
    };
    for (const auto &r : rows)
        QTest::newRow(r.name) << r.name << r.caption << r.parent << r.shortcut;
}

void TestMainWindow::menus()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, parent);
    QFETCH(QString, shortcut);
    frmMain &m = frmMain::load();
    QAction *a = m.menuItem(name);
    QVERIFY(a);
    if (caption == "-")
        QVERIFY(a->isSeparator());
    else
        QCOMPARE(a->text(), caption);
    if (QMenu *sub = m.menu(name))
        QCOMPARE(sub->objectName(), name);
    else
        QCOMPARE(a->objectName(), name);
    const QList<QAction *> siblings = parent.isEmpty() ? m.menuBar()->actions() : m.menu(parent)->actions();
    QVERIFY(siblings.contains(a));
    QCOMPARE(a->shortcut().toString(), shortcut);
}

void TestMainWindow::toolbar_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("tooltip"); // empty: a separator
    QTest::addColumn<int>("picture");
    const QStringList tips{"Account Heads",
                           "",
                           "General Receipts",
                           "Voucher",
                           "Book Creation",
                           "",
                           "Transfer Journals",
                           "Transfer Cheques",
                           "",
                           "Telephone",
                           "",
                           "Change Financial Year",
                           "Change Company",
                           "Change Unit",
                           "",
                           "Exit"};
    const int pictures[] = {1, 0, 2, 3, 4, 0, 5, 6, 0, 7, 0, 8, 9, 10, 0, 11};
    for (int i = 0; i < 16; ++i)
        QTest::newRow(qPrintable(QString::number(i + 1))) << i + 1 << tips.at(i) << pictures[i];
}

void TestMainWindow::toolbar()
{
    QFETCH(int, index);
    QFETCH(QString, tooltip);
    QFETCH(int, picture);
    frmMain &m = frmMain::load();
    QAction *b = m.toolButton(index);
    QVERIFY(b);
    QCOMPARE(m.findChild<QToolBar *>("tblMain")->actions().indexOf(b), index - 1);
    if (tooltip.isEmpty()) {
        QVERIFY(b->isSeparator());
        return;
    }
    QCOMPARE(b->toolTip(), tooltip);
    QCOMPARE(b->icon().pixmap(32, 32).toImage(), ImgIcon32::picture(picture).toImage());
}

void TestMainWindow::load_data()
{
    QTest::addColumn<QString>("unitCode");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<bool>("fixedAssets");
    QTest::newRow("fixed-asset unit") << "TVM" << QString() << QDate(2024, 4, 1) << QDate(2025, 3, 31) << true;
    QTest::newRow("unit's own accounts year")
        << "CRP"
        << "UPDATE velmora.ac_fin_year SET ac_from_date='2024-07-01', ac_to_date='2025-06-30' "
           "WHERE unit_code='CRP' AND ac_default=1;"
        << QDate(2024, 7, 1) << QDate(2025, 6, 30) << false;
    QTest::newRow("no accounts year: start-up dates stay")
        << "KTM"
        << "DELETE FROM velmora.ac_fin_year WHERE unit_code='KTM';" << QDate(2024, 4, 1) << QDate(2025, 3, 31) << false;
    QTest::newRow("case counts for the fixed-asset unit")
        << "tvm" << QString() << QDate(2024, 4, 1) << QDate(2025, 3, 31) << false;
}

void TestMainWindow::load()
{
    QFETCH(QString, unitCode);
    QFETCH(QString, sql);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(bool, fixedAssets);
    if (!sql.isEmpty())
        gConnection.runScript(sql);
    gUnitCode = unitCode;
    gUnitName = "Some Unit";
    gCompName.clear(); // at sign-on no company is chosen yet
    ScopedScriptedUi s;
    frmMain &m = frmMain::load();
    QCOMPARE(s.ui.shown.size(), 0);
    QVERIFY(!m.isVisible());
    QCOMPARE(gFromDate, from);
    QCOMPARE(gToDate, to);
    const QString year = "     [Financial Year " + dateText(from) + " - " + dateText(to) + "]";
    QCOMPARE(m.captionText(), "Quillbase Inventory   [Local]      Some Unit            [User : clerk ]" + year);
    QCOMPARE(m.statusPanel1(), "Quillbase Inventory      Some Unit  [User : clerk ]" + year);
    QCOMPARE(m.fixedAssetMenusEnabled(), fixedAssets);
    QCOMPARE(m.menu("mnuFixedAssets")->isEnabled(), fixedAssets);
    QCOMPARE(m.menuItem("mnuFixedAssetsTrans")->isEnabled(), fixedAssets);
    QCOMPARE(m.area(), WindowRegistry::instance().area());
}

void TestMainWindow::loadStatementFailureKeepsWindow()
{
    Database side("mainwindow-side");
    openTestDatabase(side);
    side.execute("RENAME TABLE velmora.ac_fin_year TO velmora.ac_fin_year_away");
    ScopedScriptedUi s;
    frmMain &m = frmMain::load();
    side.execute("RENAME TABLE velmora.ac_fin_year_away TO velmora.ac_fin_year");
    QCOMPARE(s.ui.shown.size(), 1);
    QVERIFY(s.ui.lastText().contains("ac_fin_year"));
    QCOMPARE(gFromDate, QDate(2024, 4, 1));
    QVERIFY(m.statusPanel1().endsWith("[Financial Year 01-Apr-2024 - 31-Mar-2025]"));
}

void TestMainWindow::openRule_data()
{
    QTest::addColumn<QString>("trigger"); // a menu item, or "button N"
    QTest::addColumn<bool>("otherOpen");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("opened");

    const char *guardedTriggers[] = {"mnuStockTransfer", "mnuTransfertoPress", "mnuChangeFY",
                                     "button 12",        "button 13",          "button 14"};
    for (const char *t : guardedTriggers)
        QTest::newRow(qPrintable(QString(t) + ", list open")) << t << true << true << "frmInvoice";
    QTest::newRow("Change Unit is not guarded") << "mnuChangeUnit" << true << false << "frmInvoice,frmSwitch";
    QTest::newRow("mnuChangeFY, nothing open") << "mnuChangeFY" << false << false << "frmFinancialYear";
    QTest::newRow("button 12, nothing open") << "button 12" << false << false << "frmFinancialYear";
    QTest::newRow("button 13, nothing open") << "button 13" << false << false << "frmChangeCompany";
    QTest::newRow("button 14, nothing open") << "button 14" << false << false << "frmSwitch";
    QTest::newRow("Change Password, list open")
        << "mnuChangePassword" << true << false << "frmInvoice,frmChangePassword";
}

void TestMainWindow::openRule()
{
    QFETCH(QString, trigger);
    QFETCH(bool, otherOpen);
    QFETCH(bool, refused);
    QFETCH(QString, opened);
    frmMain &m = shownMain();
    if (otherOpen)
        m.menuItem("mnuInvoice")->trigger();
    ScopedScriptedUi s;
    if (trigger.startsWith("button "))
        m.tblMain_ButtonClick(trigger.mid(7).toInt());
    else
        m.menuItem(trigger)->trigger();
    QCOMPARE(s.ui.texts(), refused ? QStringList{"Close All forms and try again!!!!"} : QStringList());
    if (refused)
        QCOMPARE(s.ui.shown.first().icon, MsgIcon::Information);
    QCOMPARE(openedKinds(), opened);
}

void TestMainWindow::companyChoiceCountsAsLoaded()
{
    frmMain &m = shownMain();
    ScopedScriptedUi s;
    m.tblMain_ButtonClick(13);
    QCOMPARE(s.ui.shown.size(), 0);
    frmChangeCompany *first = frmChangeCompany::current();
    QVERIFY(first);
    m.tblMain_ButtonClick(13);
    QCOMPARE(s.ui.texts(), QStringList{"Close All forms and try again!!!!"});
    QCOMPARE(frmChangeCompany::current(), first);
}

void TestMainWindow::menuItemOpensOneInstance()
{
    frmMain &m = shownMain();
    m.menuItem("mnuInvoice")->trigger();
    QWidget *w = WindowRegistry::instance().find("frmInvoice");
    QVERIFY(w);
    m.menuItem("mnuChangePassword")->trigger();
    QCOMPARE(m.area()->activeSubWindow()->widget(), WindowRegistry::instance().find("frmChangePassword"));
    m.menuItem("mnuInvoice")->trigger();
    QCOMPARE(g_invoiceLoads, 1);
    QCOMPARE(WindowRegistry::instance().find("frmInvoice"), w);
    QCOMPARE(m.area()->activeSubWindow()->widget(), w);
}

void TestMainWindow::unregisteredWindowOpensNothing()
{
    frmMain &m = shownMain();
    ScopedScriptedUi s;
    for (const char *item : {"mnuGsmMaster", "mnuStockTransfer", "mnuCUG", "mnuNewsPrintStock"})
        m.menuItem(item)->trigger();
    QCOMPARE(s.ui.shown.size(), 0);
    QCOMPARE(WindowRegistry::instance().loadedCount(), 0);
    QCOMPARE(m.area()->subWindowList().size(), 0);
}

void TestMainWindow::toolbarButtonsWithoutAction()
{
    frmMain &m = shownMain();
    ScopedScriptedUi s;
    for (int i = 1; i <= 11; ++i)
        m.tblMain_ButtonClick(i);
    m.tblMain_ButtonClick(15);
    QCOMPARE(s.ui.shown.size(), 0);
    QCOMPARE(openedKinds(), QString());
}

void TestMainWindow::exitQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("ends");
    QTest::newRow("Yes ends the program") << int(MsgAnswer::Yes) << true;
    QTest::newRow("No keeps everything") << int(MsgAnswer::No) << false;
}

void TestMainWindow::exitQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, ends);
    frmMain &m = shownMain();
    ScopedScriptedUi s;
    s.ui.answers.enqueue(MsgAnswer(answer));
    if (ends)
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, m.tblMain_ButtonClick(16));
    else
        m.tblMain_ButtonClick(16);
    QCOMPARE(s.ui.texts(), QStringList{"Are you sure you want to exit?"});
    QCOMPARE(s.ui.shown.first().title, QString("Velmora Publications Ltd"));
    QCOMPARE(s.ui.shown.first().icon, MsgIcon::Question);
    QCOMPARE(s.ui.shown.first().buttons, MsgButtons::YesNo);
    QVERIFY(m.isVisible());
}

void TestMainWindow::updateSoftwareEndsProgram()
{
    frmMain &m = shownMain();
    ScopedScriptedUi s;
    QVERIFY_THROWS_EXCEPTION(ProgramEnded, m.mnuUpdateSoftware_Click());
    QCOMPARE(s.ui.openedUrls, QStringList{"http://www.velmora.example/update_erp"});
    QCOMPARE(s.ui.shown.size(), 0);
}

void TestMainWindow::webPage_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("url");
    QTest::newRow("local server") << "127.0.0.1"
                                  << "http://10.10.1.5/intranet/";
    QTest::newRow("first intranet server") << "10.10.1.5"
                                           << "http://10.10.1.5/intranet/";
    QTest::newRow("second intranet server") << "10.10.1.6"
                                            << "http://10.10.1.5/intranet/";
    QTest::newRow("any other server") << "192.0.2.44"
                                      << "http://www.velmora.example/";
    QTest::newRow("a local name is not the local address") << "localhost"
                                                           << "http://www.velmora.example/";
}

void TestMainWindow::webPage()
{
    QFETCH(QString, server);
    QFETCH(QString, url);
    frmMain &m = shownMain();
    gServerIp = server;
    ScopedScriptedUi s;
    // The program ends whether or not a browser could be started.
    QVERIFY_THROWS_EXCEPTION(ProgramEnded, m.openWebPage());
    QCOMPARE(s.ui.openedUrls, QStringList{url});
    QCOMPARE(s.ui.endedWith, std::optional<int>(0));
    QCOMPARE(s.ui.shown.size(), 0);
}

void TestMainWindow::reportMenuOpensFreshWindowsThatCount()
{
    frmMain &m = shownMain();
    ScopedScriptedUi s;
    m.menuItem("mnuNewsprintCons")->trigger();
    m.menuItem("mnuNewsprintCons")->trigger();
    const QList<QWidget *> reports = WindowRegistry::instance().instances("frmrptConsumption");
    QCOMPARE(reports.size(), 2);
    QCOMPARE(g_invoiceLoads, 2);
    // Closing one report still leaves a window open for the open rule.
    qobject_cast<QMdiSubWindow *>(reports.first()->parentWidget())->close();
    QTRY_COMPARE(WindowRegistry::instance().loadedCount(), 1);
    m.menuItem("mnuChangeFY")->trigger();
    QCOMPARE(s.ui.texts(), QStringList{"Close All forms and try again!!!!"});
    QCOMPARE(WindowRegistry::instance().find("frmFinancialYear"), nullptr);
}

void TestMainWindow::childWindowsAreCentred()
{
    frmMain &m = shownMain();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    m.menuItem("mnuChangePassword")->trigger();
    auto *sub = qobject_cast<QMdiSubWindow *>(WindowRegistry::instance().find("frmChangePassword")->parentWidget());
    QVERIFY(sub);
    const QSize inner = m.area()->viewport()->size();
    QCOMPARE(sub->pos(), QPoint((inner.width() - sub->width()) / 2, (inner.height() - sub->height()) / 2));
}

void TestMainWindow::openedWindowTakesKeys_data()
{
    QTest::addColumn<QString>("trigger"); // a menu item, or "button N"
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("reopens"); // false: the open rule refuses it beside another window
    QTest::newRow("Change Unit") << "mnuChangeUnit"
                                 << "frmSwitch"
                                 << "GrUnit" << true;
    QTest::newRow("Change Financial Year") << "mnuChangeFY"
                                           << "frmFinancialYear"
                                           << "GrUnit" << false;
    QTest::newRow("Change Password") << "mnuChangePassword"
                                     << "frmChangePassword"
                                     << "TxCurPwd" << true;
    QTest::newRow("button 12") << "button 12"
                               << "frmFinancialYear"
                               << "GrUnit" << false;
    QTest::newRow("button 14") << "button 14"
                               << "frmSwitch"
                               << "GrUnit" << false;
}

// An opened window takes the keys in its first control; brought back to the
// front, in the control the clerk left.
void TestMainWindow::openedWindowTakesKeys()
{
    QFETCH(QString, trigger);
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(bool, reopens);
    frmMain &m = shownMain();
    QVERIFY(QTest::qWaitForWindowActive(&m));
    ScopedScriptedUi s;
    const auto open = [&] {
        if (trigger.startsWith("button "))
            m.tblMain_ButtonClick(trigger.mid(7).toInt());
        else
            m.menuItem(trigger)->trigger();
    };
    open();
    QWidget *w = WindowRegistry::instance().find(window);
    QVERIFY(w);
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), control);
    QVERIFY(w->isAncestorOf(QApplication::focusWidget()));
    if (!reopens)
        return;

    // The clerk moves on to the last button, then works in another window.
    QWidget *left = w->findChildren<QPushButton *>().last();
    left->setFocus();
    m.menuItem("mnuInvoice")->trigger();
    QVERIFY(!w->isAncestorOf(QApplication::focusWidget()));
    open();
    QCOMPARE(QApplication::focusWidget(), left);
    QCOMPARE(s.ui.shown.size(), 0);
}

QTEST_MAIN(TestMainWindow)
void TestMainWindow::closingAWindowReturnsToTheOneWorkedInBefore()
{
    frmMain &m = shownMain();
    QVERIFY(QTest::qWaitForWindowActive(&m));
    auto &registry = WindowRegistry::instance();
    QWidget *list = registry.open("frmInvoice");
    QWidget *first = registry.open("frmrptConsumption");
    QWidget *second = registry.open("frmrptConsumption");
    QVERIFY(list && first && second && first != second);
    const auto sub = [](QWidget *w) { return qobject_cast<QMdiSubWindow *>(w->parentWidget()); };
    // The clerk works in the second report, then opens the list from it and closes the list.
    m.area()->setActiveSubWindow(sub(second));
    m.area()->setActiveSubWindow(sub(list));
    sub(list)->close();
    QCOMPARE(m.area()->activeSubWindow(), sub(second));
}

#include "tst_db_mainwindow.moc"
