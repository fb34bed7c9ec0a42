#include "Startup.h"
#include "TestSupport.h"
#include "frmSplash.h"
#include "mdlVelmora.h"
#include <QApplication>
#include <QFile>
#include <QTest>

// The start-up road on the private server: connection, version check,
// financial years, starting unit and the failures that end the program.
class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsOnDefaultYear();
    void accountFollowsServerSetting_data();
    void accountFollowsServerSetting();
    void failuresEndProgram_data();
    void failuresEndProgram();
    void versionCheck_data();
    void versionCheck();
    void previousYears_data();
    void previousYears();
    void startingUnit_data();
    void startingUnit();

private:
    void runOnServer(const QString &sql);
    QString m_undo;
};

namespace {
int splashCount()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<frmSplash *>(w) && w->isVisible())
            ++n;
    return n;
}
} // namespace

void TestStartup::runOnServer(const QString &sql)
{
    Database side(QStringLiteral("startup-side"));
    openTestDatabase(side);
    side.runScript(sql);
    side.close();
}

void TestStartup::init()
{
    connectAndReset();
    resetWorkingContext();
    QFile::remove(testTempDir() + QStringLiteral("/Velmora.ini"));
    useSettingsFolder(testTempDir());
    writeSetting("ServerIp", "ServerIP", "127.0.0.1");
}

void TestStartup::cleanup()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<frmSplash *>(w))
            delete w;
    if (!m_undo.isEmpty()) {
        runOnServer(m_undo);
        m_undo.clear();
    }
    // Start-up leaves the connection wherever it got; the next test opens its own.
    gConnection.close();
}

void TestStartup::startsOnDefaultYear()
{
    ScopedScriptedUi s;
    Main();
    QCOMPARE(s.ui.shown.size(), 0);
    QCOMPARE(gVersion, QString("V2"));
    QVERIFY(gConnected);
    QCOMPARE(gServerIp, QString("127.0.0.1"));
    QCOMPARE(gFromDate, QDate(2024, 4, 1));
    QCOMPARE(gToDate, QDate(2025, 3, 31));
    QCOMPARE(gInvPeriod, QString("2024-2025"));
    QCOMPARE(gInvDbName.str(), QString("vstores_2024"));
    QVERIFY(gInvDefault);
    QCOMPARE(gAcDbName.str(), QString("vacc_2024"));
    QCOMPARE(gPrevAcDbName.str(), QString("vacc_2023"));
    QCOMPARE(gPrevInvDbName.str(), QString("vstores_2023"));
    QCOMPARE(gUnitCode, QString("TVM"));
    QCOMPARE(gUnitName, QString("Thiruvananthapuram"));
    // The connection stays on the default year's stores database.
    QCOMPARE(gConnection.currentDatabase(), QString("vstores_2024"));
    QCOMPARE(gConnection.firstValue("Select database()"), QString("vstores_2024"));
    QCOMPARE(splashCount(), 1);
}

void TestStartup::accountFollowsServerSetting_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("account");
    QTest::newRow("local address") << "127.0.0.1"
                                   << "root";
    QTest::newRow("another server") << "10.20.30.40"
                                    << "quillbase";
    QTest::newRow("localhost counts as another") << "localhost"
                                                 << "quillbase";
}

void TestStartup::accountFollowsServerSetting()
{
    QFETCH(QString, server);
    QFETCH(QString, account);
    writeSetting("ServerIp", "ServerIP", server);
    ScopedScriptedUi s;
    Main(); // the tests route every connection to their own server
    QCOMPARE(s.ui.texts(), QStringList());
    QCOMPARE(gServerIp, server);
    QCOMPARE(gConnection.firstValue("Select current_user()").section(u'@', 0, 0), account);
}

void TestStartup::failuresEndProgram_data()
{
    QTest::addColumn<QString>("breakSql");
    QTest::addColumn<QString>("undoSql");
    QTest::addColumn<bool>("serverGone");
    QTest::addColumn<QString>("message");

    const QString connectFailed = QStringLiteral("Connecting to the server failed.. Please Try again.. ");
    const QString invalid = QStringLiteral("Invalid Configuration.    ");
    QTest::newRow("server unreachable") << QString() << QString() << true << connectFailed;
    QTest::newRow("year table missing") << "RENAME TABLE velmora.inv_fin_year TO velmora.inv_fin_year_away;"
                                        << "RENAME TABLE velmora.inv_fin_year_away TO velmora.inv_fin_year;" << false
                                        << invalid;
    QTest::newRow("version table missing")
        << "RENAME TABLE velmora.versionmaster TO velmora.versionmaster_away;"
        << "RENAME TABLE velmora.versionmaster_away TO velmora.versionmaster;" << false << invalid;
    QTest::newRow("no default stores year")
        << "UPDATE velmora.inv_fin_year SET inv_default=0;" << QString() << false << invalid;
    QTest::newRow("stores database missing")
        << "UPDATE velmora.inv_fin_year SET inv_db_name='vstores_2099' WHERE inv_default=1;" << QString() << false
        << invalid;
    QTest::newRow("unsafe database name")
        << "UPDATE velmora.inv_fin_year SET inv_db_name='vstores_2024; drop' WHERE inv_default=1;" << QString() << false
        << invalid;
    QTest::newRow("no unit at all") << "DELETE FROM velmora.unitmaster;" << QString() << false << invalid;
    QTest::newRow("no unit the lists offer")
        << "UPDATE velmora.unitmaster SET unit_app_acc=1;" << QString() << false << invalid;
}

void TestStartup::failuresEndProgram()
{
    QFETCH(QString, breakSql);
    QFETCH(QString, undoSql);
    QFETCH(bool, serverGone);
    QFETCH(QString, message);
    if (!breakSql.isEmpty())
        runOnServer(breakSql);
    m_undo = undoSql;
    if (serverGone)
        Database::setEndpointOverride(testTempDir() + QStringLiteral("/no-server-here.sock"));

    ScopedScriptedUi s;
    QVERIFY_THROWS_EXCEPTION(ProgramEnded, Main());
    QCOMPARE(s.ui.texts(), QStringList{message});
    QCOMPARE(s.ui.shown.first().icon, MsgIcon::Information);
    QCOMPARE(s.ui.shown.first().title, QString("Inventory"));
    QCOMPARE(gConnected, !serverGone);
    QCOMPARE(splashCount(), 0);
}

void TestStartup::versionCheck_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<bool>("notice");
    QTest::newRow("equal version") << QString() << false;
    QTest::newRow("no row for the program") << "DELETE FROM velmora.versionmaster WHERE pack_code='inv';" << false;
    QTest::newRow("newer version") << "UPDATE velmora.versionmaster SET version_code='V3' WHERE pack_code='inv';"
                                   << true;
    QTest::newRow("case counts") << "UPDATE velmora.versionmaster SET version_code='v2' WHERE pack_code='inv';" << true;
    QTest::newRow("blank counts") << "UPDATE velmora.versionmaster SET version_code='V2 ' WHERE pack_code='inv';"
                                  << true;
}

void TestStartup::versionCheck()
{
    QFETCH(QString, sql);
    QFETCH(bool, notice);
    if (!sql.isEmpty())
        runOnServer(sql);
    ScopedScriptedUi s;
    if (!notice) {
        Main();
        QCOMPARE(s.ui.texts(), QStringList());
        QCOMPARE(splashCount(), 1);
        return;
    }
    QVERIFY_THROWS_EXCEPTION(ProgramEnded, Main());
    QCOMPARE(s.ui.texts(),
             QStringList{"Inventory Software Updated \nYou are running Version [V2].\n"
                         "Latest Update is available at 'www.velmora.example'."});
    QCOMPARE(s.ui.shown.first().icon, MsgIcon::Information);
    QCOMPARE(s.ui.openedUrls, QStringList{"http://www.velmora.example/"});
    QCOMPARE(splashCount(), 0);
    // Ended before the years were read.
    QVERIFY(gInvDbName.isEmpty());
}

void TestStartup::previousYears_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("prevAc");
    QTest::addColumn<QString>("prevInv");
    QTest::newRow("years before the defaults") << QString() << "vacc_2023"
                                               << "vstores_2023";
    QTest::newRow("no earlier stores year") << "DELETE FROM velmora.inv_fin_year WHERE inv_default=0;"
                                            << "vacc_2023"
                                            << "";
    QTest::newRow("earlier accounts year ends a day early")
        << "UPDATE velmora.ac_fin_year SET ac_to_date='2024-03-30' WHERE ac_default=0;"
        << ""
        << "vstores_2023";
    // The stores year starts later than the accounts year: each looks for
    // the day before its own first day.
    QTest::newRow("stores year from 01-May")
        << "UPDATE velmora.inv_fin_year SET inv_from_date='2024-05-01' WHERE inv_default=1;"
           "UPDATE velmora.inv_fin_year SET inv_to_date='2024-04-30', inv_db_name='vstores_2023' WHERE inv_default=0;"
        << "vacc_2023"
        << "vstores_2023";
    QTest::newRow("stores year from 01-May, none ends 30-Apr")
        << "UPDATE velmora.inv_fin_year SET inv_from_date='2024-05-01' WHERE inv_default=1;"
        << "vacc_2023"
        << "";
}

void TestStartup::previousYears()
{
    QFETCH(QString, sql);
    QFETCH(QString, prevAc);
    QFETCH(QString, prevInv);
    if (!sql.isEmpty())
        runOnServer(sql);
    ScopedScriptedUi s;
    Main();
    QCOMPARE(s.ui.texts(), QStringList());
    QCOMPARE(gPrevAcDbName.str(), prevAc);
    QCOMPARE(gPrevInvDbName.str(), prevInv);
}

void TestStartup::startingUnit_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("unitCode");
    QTest::addColumn<QString>("unitName");
    QTest::newRow("no setting: first by priority") << QString() << QString() << "TVM"
                                                   << "Thiruvananthapuram";
    QTest::newRow("setting names a unit") << "CRP" << QString() << "CRP"
                                          << "Corporate Office";
    QTest::newRow("setting names no unit") << "ZZZ" << QString() << "TVM"
                                           << "Thiruvananthapuram";
    QTest::newRow("priority decides") << QString()
                                      << "UPDATE velmora.unitmaster SET unit_priority=0 WHERE unit_code='KTM';"
                                      << "KTM"
                                      << "Kottayam";
    QTest::newRow("units the lists never offer are passed over")
        << QString() << "UPDATE velmora.unitmaster SET unit_priority=0 WHERE unit_code='ADV';"
        << "TVM"
        << "Thiruvananthapuram";
}

void TestStartup::startingUnit()
{
    QFETCH(QString, setting);
    QFETCH(QString, sql);
    QFETCH(QString, unitCode);
    QFETCH(QString, unitName);
    if (!setting.isEmpty())
        writeSetting(kUnitSection, kUnitKey, setting);
    if (!sql.isEmpty())
        runOnServer(sql);
    ScopedScriptedUi s;
    Main();
    QCOMPARE(s.ui.texts(), QStringList());
    QCOMPARE(gUnitCode, unitCode);
    QCOMPARE(gUnitName, unitName);
}

QTEST_MAIN(TestStartup)
#include "tst_db_startup.moc"
