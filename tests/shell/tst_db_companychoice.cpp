#include "GridTextModel.h"
#include "MainCaption.h"
#include "TestSupport.h"
#include "frmChangeCompany.h"
#include "frmMain.h"
#include "mdlVelmora.h"
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

// The company choice on the private server, driven through the real window.
class TestCompanyChoice : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void listsCompanies_data();
    void listsCompanies();
    void choosing_data();
    void choosing();
    void emptyRowDoesNothing_data();
    void emptyRowDoesNothing();
    void cancelEndsProgram();
    void barredCompanyEndsProgram_data();
    void barredCompanyEndsProgram();
    void closeEndsProgram();
    void escape_data();
    void escape();
    void fromToolbarKeepsMainWindowSettings();
};

namespace {
const QString kBarMessage = QStringLiteral(" my_printf_error(ER_UNKNOWN_ERROR,\n"
                                           "Some error text here, with the '%-.64s' parameter value\n"
                                           "MYF(0), a_parameter);");

void pickRow(frmChangeCompany *c, int row)
{
    c->GrCompany->setCurrentIndex(c->GrCompany->model()->index(row, 1));
}
// A real double-click: the first click presses the row, the second opens it.
void doubleClick(frmChangeCompany *c, int row)
{
    const QPoint at = c->GrCompany->visualRect(c->GrCompany->model()->index(row, 1)).center();
    QTest::mouseClick(c->GrCompany->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(c->GrCompany->viewport(), Qt::LeftButton, {}, at);
}
} // namespace

void TestCompanyChoice::init()
{
    connectAndReset();
    setClerkContext();
    gCompCode.clear();
    gCompName.clear();
    useSettingsFolder(testTempDir());
}

void TestCompanyChoice::cleanup()
{
    delete frmChangeCompany::current();
    delete frmMain::instance();
}

void TestCompanyChoice::listsCompanies_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<int>("rows");
    QTest::newRow("by priority") << QString() << QStringList{"01", "02"} << 7;
    QTest::newRow("priority, not code")
        << "UPDATE vstores_2024.inv_companymaster SET comp_priority=9 WHERE comp_code='01';" << QStringList{"02", "01"}
        << 7;
    QTest::newRow("an eighth company adds a row")
        << "INSERT INTO vstores_2024.inv_companymaster (comp_code, comp_name, comp_priority) VALUES "
           "('03','C3',3),('04','C4',4),('05','C5',5),('06','C6',6),('07','C7',7),('08','C8',8);"
        << QStringList{"01", "02", "03", "04", "05", "06", "07", "08"} << 8;
    QTest::newRow("no company") << "DELETE FROM vstores_2024.inv_companymaster;" << QStringList() << 7;
}

void TestCompanyChoice::listsCompanies()
{
    QFETCH(QString, sql);
    QFETCH(QStringList, codes);
    QFETCH(int, rows);
    if (!sql.isEmpty())
        gConnection.runScript(sql);
    frmChangeCompany *c = frmChangeCompany::showChoice();
    QCOMPARE(c->windowTitle(), QString("Change Company"));
    QCOMPARE(c->CmSwitch->text(), QString("Login"));
    QCOMPARE(c->CmClose->text(), QString("Close"));
    QCOMPARE(c->companies->rowCount(), rows);
    QStringList shown;
    for (int r = 0; r < c->companies->rowCount(); ++r)
        if (!c->companies->text(r, 0).isEmpty())
            shown.append(c->companies->text(r, 0));
    QCOMPARE(shown, codes);
    QVERIFY(c->GrCompany->isColumnHidden(0));
    QVERIFY(!c->GrCompany->isColumnHidden(1));
    QVERIFY(c->GrCompany->isColumnHidden(2));
    // Loading the choice loads the main window, hidden.
    QVERIFY(frmMain::instance());
    QVERIFY(!frmMain::instance()->isVisible());
}

void TestCompanyChoice::choosing_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("compCode");
    QTest::addColumn<QString>("compName");
    QTest::newRow("button, first row") << "button" << 0 << "01"
                                       << "Velmora Publications Ltd";
    QTest::newRow("Enter in the grid") << "enter" << 1 << "02"
                                       << "Velmora Printers Pvt Ltd";
    QTest::newRow("Enter on the focused Login button") << "enter on button" << 1 << "02"
                                                       << "Velmora Printers Pvt Ltd";
    QTest::newRow("double-click") << "double" << 1 << "02"
                                  << "Velmora Printers Pvt Ltd";
}

void TestCompanyChoice::choosing()
{
    QFETCH(QString, how);
    QFETCH(int, row);
    QFETCH(QString, compCode);
    QFETCH(QString, compName);
    // The unit's accounts year differs from the stores year start-up read.
    gConnection.execute("UPDATE velmora.ac_fin_year SET ac_from_date='2024-01-01', ac_to_date='2024-12-31' "
                        "WHERE unit_code='TVM' AND ac_default=1");

    ScopedScriptedUi s;
    s.ui.answers.enqueue(MsgAnswer::Ok);
    frmChangeCompany *c = frmChangeCompany::showChoice();
    QVERIFY(QTest::qWaitForWindowActive(c));
    pickRow(c, row);
    if (how == "button") {
        QTest::mouseClick(c->CmSwitch, Qt::LeftButton);
    } else if (how == "enter") {
        QTest::keyClick(c->GrCompany, Qt::Key_Return);
    } else if (how == "enter on button") {
        c->CmSwitch->setFocus();
        QTest::keyClick(c->CmSwitch, Qt::Key_Return);
    } else {
        doubleClick(c, row);
    }

    QCOMPARE(s.ui.texts(), QStringList{"Do you want to Log On To \n" + compName});
    QCOMPARE(s.ui.shown.first().icon, MsgIcon::Information);
    QCOMPARE(s.ui.shown.first().buttons, MsgButtons::OkCancel);
    QCOMPARE(gCompCode, compCode);
    QCOMPARE(gCompName, compName);
    QCOMPARE(gFromDate, QDate(2024, 1, 1));
    QCOMPARE(gToDate, QDate(2024, 12, 31));
    frmMain *m = frmMain::instance();
    QVERIFY(m);
    QVERIFY(m->isVisible());
    QCOMPARE(m->captionText(), "Quillbase Inventory   [Local]  " + compName + "  Thiruvananthapuram");
    QCOMPARE(m->statusPanel1(),
             "Quillbase Inventory  " + compName
                 + "    Thiruvananthapuram  [User : clerk ]     [Financial Year 01-Jan-2024 - "
                   "31-Dec-2024]");
    QTRY_VERIFY(!frmChangeCompany::current());
}

void TestCompanyChoice::emptyRowDoesNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("button") << "button";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("double-click") << "double";
}

void TestCompanyChoice::emptyRowDoesNothing()
{
    QFETCH(QString, how);
    ScopedScriptedUi s;
    frmChangeCompany *c = frmChangeCompany::showChoice();
    pickRow(c, 2);
    if (how == "button")
        QTest::mouseClick(c->CmSwitch, Qt::LeftButton);
    else if (how == "enter")
        QTest::keyClick(c->GrCompany, Qt::Key_Return);
    else
        doubleClick(c, 2);
    QCOMPARE(s.ui.shown.size(), 0);
    QVERIFY(c->isVisible());
    QCOMPARE(gCompCode, QString());
}

void TestCompanyChoice::cancelEndsProgram()
{
    ScopedScriptedUi s;
    s.ui.answers.enqueue(MsgAnswer::Cancel);
    frmChangeCompany *c = frmChangeCompany::showChoice();
    QVERIFY_THROWS_EXCEPTION(ProgramEnded, c->CmSwitch_Click());
    QCOMPARE(s.ui.shown.size(), 1);
    QCOMPARE(gCompCode, QString());
}

void TestCompanyChoice::barredCompanyEndsProgram_data()
{
    QTest::addColumn<QString>("userId");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("barred");
    QTest::newRow("barred user, barred company") << "3" << 1 << true;
    QTest::newRow("barred user, other company") << "3" << 0 << false;
    QTest::newRow("another user, same company") << "2" << 1 << false;
}

void TestCompanyChoice::barredCompanyEndsProgram()
{
    QFETCH(QString, userId);
    QFETCH(int, row);
    QFETCH(bool, barred);
    gUserId = userId;
    ScopedScriptedUi s;
    s.ui.answers.enqueue(MsgAnswer::Ok);
    frmChangeCompany *c = frmChangeCompany::showChoice();
    pickRow(c, row);
    if (!barred) {
        c->CmSwitch_Click();
        QCOMPARE(s.ui.shown.size(), 1);
        QVERIFY(frmMain::instance()->isVisible());
        return;
    }
    QVERIFY_THROWS_EXCEPTION(ProgramEnded, c->CmSwitch_Click());
    QCOMPARE(s.ui.shown.size(), 2);
    QCOMPARE(s.ui.shown.last().text, kBarMessage);
    QCOMPARE(s.ui.shown.last().icon, MsgIcon::Exclamation);
    QCOMPARE(s.ui.shown.last().buttons, MsgButtons::Ok);
    QVERIFY(!frmMain::instance()->isVisible());
}

void TestCompanyChoice::closeEndsProgram()
{
    ScopedScriptedUi s;
    frmChangeCompany *c = frmChangeCompany::showChoice();
    QVERIFY_THROWS_EXCEPTION(ProgramEnded, c->CmClose_Click());
    QCOMPARE(s.ui.shown.size(), 0);
    // Enter on the focused button presses it (its handler, which ends the
    // program, is left out: the end must not unwind through the event delivery).
    QObject::disconnect(c->CmClose, &QPushButton::clicked, nullptr, nullptr);
    QSignalSpy closePressed(c->CmClose, &QPushButton::clicked);
    c->CmClose->setFocus();
    QTest::keyClick(c->CmClose, Qt::Key_Return);
    QCOMPARE(closePressed.count(), 1);
}

void TestCompanyChoice::escape_data()
{
    QTest::addColumn<bool>("mainShown");
    QTest::addColumn<bool>("onGrid");
    QTest::addColumn<bool>("closes");
    QTest::newRow("at sign-on: ignored, the program would have no window") << false << false << false;
    QTest::newRow("from the toolbar, window has the focus") << true << false << true;
    QTest::newRow("from the toolbar, grid has the focus") << true << true << false;
}

void TestCompanyChoice::escape()
{
    QFETCH(bool, mainShown);
    QFETCH(bool, onGrid);
    QFETCH(bool, closes);
    if (mainShown)
        frmMain::load().show();
    frmChangeCompany *c = frmChangeCompany::showChoice();
    QVERIFY(QTest::qWaitForWindowActive(c));
    if (onGrid) {
        c->GrCompany->setFocus();
        QTest::keyClick(c->GrCompany, Qt::Key_Escape);
    } else {
        c->setFocus();
        QTest::keyClick(c, Qt::Key_Escape);
    }
    QCOMPARE(!c->isVisible(), closes);
}

void TestCompanyChoice::fromToolbarKeepsMainWindowSettings()
{
    gUnitCode = "CRP";
    gUnitName = "Corporate Office";
    gCompCode = "01";
    gCompName = "Velmora Publications Ltd";
    frmMain &m = frmMain::load();
    m.show();
    QVERIFY(!m.fixedAssetMenusEnabled());

    ScopedScriptedUi s;
    s.ui.answers.enqueue(MsgAnswer::Ok);
    m.tblMain_ButtonClick(13);
    frmChangeCompany *c = frmChangeCompany::current();
    QVERIFY(c);
    pickRow(c, 1);
    c->CmSwitch_Click();
    QCOMPARE(gCompCode, QString("02"));
    QCOMPARE(gUnitCode, QString("CRP"));
    QVERIFY(!m.fixedAssetMenusEnabled());
    QVERIFY(m.isVisible());
    QCOMPARE(m.captionText(), QString("Quillbase Inventory   [Local]  Velmora Printers Pvt Ltd  Corporate Office"));
}

QTEST_MAIN(TestCompanyChoice)
#include "tst_db_companychoice.moc"
