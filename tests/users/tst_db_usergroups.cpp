#include "GridTextModel.h"
#include "TextLimit.h"
#include "TestSupport.h"
#include "UserWindows.h"
#include "WindowRegistry.h"
#include "frmUserDetails.h"
#include "frmUserGroups.h"
#include "mdlVelmora.h"
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <memory>

// The user groups window on the real server. Fixture groups: TVM 0001 Stores,
// 0002 Accounts; CRP 0101 Auditors. Series GRP_TVM stands at 0003.
class TestUserGroups : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensWithGroupsOfEveryUnit();
    void newGroup_data();
    void newGroup();
    void newGroupRefused_data();
    void newGroupRefused();
    void codeTakenMeanwhileIsNotReused();
    void rename_data();
    void rename();
    void counterOfTheWorkingYear_data();
    void counterOfTheWorkingYear();
    void missingCounterEndsProgram();
    void registeredByName_data();
    void registeredByName();

private:
    CodeNameMasterWindow *openWindow();
    QLineEdit *box(const char *name) const { return m_w->findChild<QLineEdit *>(name); }
    QPushButton *cmNew() const { return m_w->findChild<QPushButton *>("CmNew"); }
    QTableView *grid() const { return m_w->findChild<QTableView *>("GrUser"); }
    QStringList gridNames() const;
    int rowOf(const QString &name) const;
    void press(int key) { QTest::keyClick(m_w, Qt::Key(key)); }
    static QString group(const QString &code, const QString &column);
    static QString counter(const char *db = "vstores_2024")
    {
        return GetFirstValue(QStringLiteral("Select no_value from %1.numbersetup where no_id='GRP_TVM'").arg(db));
    }

    std::unique_ptr<ScopedScriptedUi> m_ui;
    QPointer<CodeNameMasterWindow> m_w;
};

void TestUserGroups::init()
{
    connectAndReset();
    setClerkContext();
    fixClock(QDateTime(QDate(2024, 6, 3), QTime(11, 5, 0)));
    m_ui = std::make_unique<ScopedScriptedUi>();
}

void TestUserGroups::cleanup()
{
    delete m_w.data();
    m_ui.reset();
    releaseClock();
}

CodeNameMasterWindow *TestUserGroups::openWindow()
{
    m_w = newUserGroupsWindow();
    m_w->show();
    m_w->activateWindow();
    if (!QTest::qWaitForWindowActive(m_w))
        qWarning("window not active");
    return m_w;
}

QStringList TestUserGroups::gridNames() const
{
    QStringList names;
    for (int r = 0; r < m_w->gridModel()->rowCount(); ++r)
        if (!m_w->gridModel()->text(r, 1).isEmpty())
            names << m_w->gridModel()->text(r, 2);
    return names;
}

int TestUserGroups::rowOf(const QString &name) const
{
    for (int r = 0; r < m_w->gridModel()->rowCount(); ++r)
        if (m_w->gridModel()->text(r, 2) == name && !m_w->gridModel()->text(r, 1).isEmpty())
            return r;
    return -1;
}

QString TestUserGroups::group(const QString &code, const QString &column)
{
    RecordSet rs = gConnection.query("Select * from velmora.usergroups where user_group_code=?", {code});
    return rs.next() ? rs.text(column) : QStringLiteral("<no group>");
}

void TestUserGroups::opensWithGroupsOfEveryUnit()
{
    openWindow();
    QCOMPARE(m_w->windowTitle(), QString("User Groups"));
    QCOMPARE(m_w->findChild<QLabel *>("Label3")->text(), QString("User Groups"));
    QCOMPARE(m_w->objectName(), QString("frmUserGroups"));
    QStringList names = gridNames();
    names.sort();
    QCOMPARE(names, QStringList({"Accounts", "Auditors", "Stores"}));
    QCOMPARE(m_w->gridModel()->rowCount(), 29);
    // Only the name shows.
    QVERIFY(grid()->isColumnHidden(0));
    QVERIFY(grid()->isColumnHidden(1));
    QVERIFY(!grid()->isColumnHidden(2));
    QCOMPARE(m_w->gridModel()->headerData(2, Qt::Horizontal).toString(), QString("User Group"));
    QCOMPARE(cmNew()->text(), QString("New - F2"));
    QVERIFY(!box("TxName")->isEnabled());
}

void TestUserGroups::newGroup_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("series");
    QTest::addColumn<QString>("next");
    QTest::newRow("TVM") << "TVM"
                         << "Editors"
                         << "Editors"
                         << "0003"
                         << "GRP_TVM"
                         << "0004";
    QTest::newRow("name held only by another unit") << "TVM"
                                                    << "Auditors"
                                                    << "Auditors"
                                                    << "0003"
                                                    << "GRP_TVM"
                                                    << "0004";
    QTest::newRow("CRP") << "CRP"
                         << "Stores"
                         << "Stores"
                         << "0102"
                         << "GRP_CRP"
                         << "0103";
    QTest::newRow("blanks trimmed") << "TVM"
                                    << "  Editors "
                                    << "Editors"
                                    << "0003"
                                    << "GRP_TVM"
                                    << "0004";
    QTest::newRow("apostrophe") << "TVM"
                                << "Editor's desk"
                                << "Editor's desk"
                                << "0003"
                                << "GRP_TVM"
                                << "0004";
}

void TestUserGroups::newGroup()
{
    QFETCH(QString, unit);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, code);
    QFETCH(QString, series);
    QFETCH(QString, next);
    gUnitCode = unit;
    openWindow();
    press(Qt::Key_F2);
    QCOMPARE(box("TxCode")->text(), code);
    QCOMPARE(QApplication::focusWidget(), box("TxName"));
    QTest::keyClicks(box("TxName"), typed);
    QTest::keyClick(box("TxName"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), cmNew());
    QTest::keyClick(cmNew(), Qt::Key_Return);

    QVERIFY2(m_ui->ui.shown.isEmpty(), qPrintable(m_ui->ui.lastText()));
    QCOMPARE(cmNew()->text(), QString("New - F2"));
    QCOMPARE(group(code, "unit_code"), unit);
    QCOMPARE(group(code, "user_group_name"), stored);
    QCOMPARE(group(code, "created_by"), QString("2"));
    QCOMPARE(group(code, "created_date"), QString("2024/06/03"));
    QCOMPARE(group(code, "created_time"), QString("11:05:00"));
    QCOMPARE(GetFirstValue("Select no_value from vstores_2024.numbersetup where no_id=?", {series}), next);
    QVERIFY(gridNames().contains(stored));
    QCOMPARE(GetFirstValue("Select count(*) from velmora.usergroups"), QString("4"));
}

void TestUserGroups::newGroupRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    const QString exists = "The Same user group already exists for this unit.   ";
    QTest::newRow("no name") << ""
                             << "Please enter the group name.   ";
    QTest::newRow("name of blanks") << "  "
                                    << "Please enter the group name.   ";
    QTest::newRow("name of this unit") << "Stores" << exists;
    QTest::newRow("other letter case") << "STORES" << exists;
    QTest::newRow("blanks around") << "  Stores " << exists;
}

void TestUserGroups::newGroupRefused()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    openWindow();
    press(Qt::Key_F2);
    QTest::keyClicks(box("TxName"), typed);
    press(Qt::Key_F5);
    QCOMPARE(m_ui->ui.texts(), QStringList{message});
    QCOMPARE(m_ui->ui.shown.last().icon, MsgIcon::Information);
    QCOMPARE(QApplication::focusWidget(), box("TxName"));
    QCOMPARE(cmNew()->text(), QString("Save - F5"));
    QCOMPARE(box("TxName")->text(), typed);
    QCOMPARE(GetFirstValue("Select count(*) from velmora.usergroups"), QString("3"));
    QCOMPARE(counter(), QString("0003"));
}

void TestUserGroups::codeTakenMeanwhileIsNotReused()
{
    openWindow();
    press(Qt::Key_F2);
    QCOMPARE(box("TxCode")->text(), QString("0003"));
    Database other(QStringLiteral("other-station"));
    openTestDatabase(other);
    other.execute(
        "Insert into velmora.usergroups (unit_code, user_group_code, user_group_name) values ('TVM','0003','Press')");
    other.execute("Update vstores_2024.numbersetup set no_value='0004' where no_id='GRP_TVM'");
    QTest::keyClicks(box("TxName"), "Editors");
    press(Qt::Key_F5);
    QVERIFY2(m_ui->ui.shown.isEmpty(), qPrintable(m_ui->ui.lastText()));
    QCOMPARE(box("TxCode")->text(), QString("0004"));
    QCOMPARE(group("0003", "user_group_name"), QString("Press"));
    QCOMPARE(group("0004", "user_group_name"), QString("Editors"));
    QCOMPARE(counter(), QString("0005"));
}

void TestUserGroups::rename_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty: saved
    QTest::addColumn<QString>("stored");
    const QString exists = "User Group already exists for this unit.   ";
    QTest::newRow("new name") << "Accounts"
                              << "0002"
                              << "Finance"
                              << ""
                              << "Finance";
    QTest::newRow("same name") << "Accounts"
                               << "0002"
                               << "Accounts"
                               << ""
                               << "Accounts";
    QTest::newRow("stored as typed") << "Accounts"
                                     << "0002"
                                     << " Finance "
                                     << ""
                                     << " Finance ";
    QTest::newRow("name of another unit") << "Accounts"
                                          << "0002"
                                          << "Auditors"
                                          << ""
                                          << "Auditors";
    QTest::newRow("name of this unit") << "Accounts"
                                       << "0002"
                                       << "Stores" << exists << "Accounts";
    QTest::newRow("same name in blanks") << "Accounts"
                                         << "0002"
                                         << " stores " << exists << "Accounts";
    QTest::newRow("no name") << "Accounts"
                             << "0002"
                             << ""
                             << "Please enter the group name.   "
                             << "Accounts";
    QTest::newRow("name of blanks") << "Accounts"
                                    << "0002"
                                    << "  "
                                    << "Please enter the group name.   "
                                    << "Accounts";
    QTest::newRow("group of another unit") << "Auditors"
                                           << "0101"
                                           << "Examiners"
                                           << "Nothing was changed: the record was not found.   "
                                           << "Auditors";
}

void TestUserGroups::rename()
{
    QFETCH(QString, chosen);
    QFETCH(QString, code);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    openWindow();
    const QModelIndex i = grid()->model()->index(rowOf(chosen), 2);
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(i).center());
    press(Qt::Key_F3);
    QCOMPARE(box("TxCode")->text(), code);
    QCOMPARE(box("TxName")->text(), chosen);
    box("TxName")->clear();
    QTest::keyClicks(box("TxName"), typed);
    press(Qt::Key_F5);
    QCOMPARE(group(code, "user_group_name"), stored);
    if (message.isEmpty()) {
        QVERIFY2(m_ui->ui.shown.isEmpty(), qPrintable(m_ui->ui.lastText()));
        QCOMPARE(cmNew()->text(), QString("New - F2"));
        QCOMPARE(group(code, "modified_by"), QString("2"));
        QCOMPARE(group(code, "modified_date"), QString("2024/06/03"));
        QCOMPARE(group(code, "modified_time"), QString("11:05:00"));
        QVERIFY(gridNames().contains(stored));
    } else {
        QCOMPARE(m_ui->ui.texts(), QStringList{message});
        QCOMPARE(cmNew()->text(), QString("Save - F5"));
        QCOMPARE(group(code, "modified_date"), QString());
    }
    QCOMPARE(group(code, "unit_code"), code == "0101" ? QString("CRP") : QString("TVM"));
    QCOMPARE(counter(), QString("0003"));
}

void TestUserGroups::counterOfTheWorkingYear_data()
{
    QTest::addColumn<QString>("yearCounter");
    QTest::addColumn<QString>("error"); // found in the server's text; empty: saved
    QTest::addColumn<QString>("yearCounterAfter");
    QTest::addColumn<QString>("savedCode");
    QTest::newRow("free code") << "0007"
                               << ""
                               << "0008"
                               << "0007";
    // That year's counter lags behind codes in use: the save steps over them.
    QTest::newRow("code in use") << "0001"
                                 << ""
                                 << "0004"
                                 << "0003";
    // A name longer than the column: refused in the clerk's words; nothing moves.
    QTest::newRow("too long") << "0007"
                              << "longer than the database can store"
                              << "0007"
                              << "";
}

void TestUserGroups::counterOfTheWorkingYear()
{
    QFETCH(QString, yearCounter);
    QFETCH(QString, error);
    QFETCH(QString, yearCounterAfter);
    QFETCH(QString, savedCode);
    gConnection.execute("Update vstores_2023.numbersetup set no_value=? where no_id='GRP_TVM'", {yearCounter});
    gInvDbName = DbName(QStringLiteral("vstores_2023"));
    openWindow();
    press(Qt::Key_F2);
    QCOMPARE(box("TxCode")->text(), yearCounter);
    const QString name = error.isEmpty() ? QStringLiteral("Editors") : QString(61, u'E');
    limitCharacters(box("TxName"), 0); // as if the box had no limit of its own
    QTest::keyClicks(box("TxName"), name);
    press(Qt::Key_F5);
    if (error.isEmpty()) {
        QVERIFY2(m_ui->ui.shown.isEmpty(), qPrintable(m_ui->ui.lastText()));
        QCOMPARE(group(savedCode, "user_group_name"), QString("Editors"));
    } else {
        QCOMPARE(m_ui->ui.shown.size(), 1);
        QVERIFY2(m_ui->ui.lastText().contains(error, Qt::CaseInsensitive), qPrintable(m_ui->ui.lastText()));
        QCOMPARE(m_ui->ui.shown.last().icon, MsgIcon::Information);
        QCOMPARE(cmNew()->text(), QString("Save - F5"));
        QCOMPARE(box("TxName")->text(), name);
        QCOMPARE(GetFirstValue("Select count(*) from velmora.usergroups"), QString("3"));
    }
    QCOMPARE(counter("vstores_2023"), yearCounterAfter);
    QCOMPARE(counter("vstores_2024"), QString("0003"));
}

void TestUserGroups::missingCounterEndsProgram()
{
    gConnection.execute("Delete from vstores_2024.numbersetup where no_id='GRP_TVM'");
    openWindow();
    QVERIFY_THROWS_EXCEPTION(ProgramEnded, m_w->CmNew_Click());
    QCOMPARE(m_ui->ui.lastText(), QString("Error in Number Setup!!!.   \nContact System Administrator.   "));
    QCOMPARE(GetFirstValue("Select count(*) from velmora.usergroups"), QString("3"));
}

void TestUserGroups::registeredByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("user groups") << "frmUserGroups"
                                 << "User Groups";
    QTest::newRow("user details") << "frmUserDetails"
                                  << "User Details";
}

void TestUserGroups::registeredByName()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    registerUserWindows();
    QMdiArea area;
    area.resize(1000, 800);
    WindowRegistry::instance().setArea(&area);
    QWidget *w = WindowRegistry::instance().open(name);
    QVERIFY(w);
    QCOMPARE(w->objectName(), name);
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(WindowRegistry::instance().open(name), w);
    if (name == "frmUserDetails")
        QVERIFY(qobject_cast<frmUserDetails *>(w));
    else
        QVERIFY(qobject_cast<CodeNameMasterWindow *>(w));
    WindowRegistry::instance().unloadAll();
    WindowRegistry::instance().setArea(nullptr);
}

QTEST_MAIN(TestUserGroups)
#include "tst_db_usergroups.moc"
