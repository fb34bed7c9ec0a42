#include "TestSupport.h"
#include "TextLengths.h"
#include "TextLimit.h"
#include "frmListView.h"
#include "frmUserDetails.h"
#include "mdlVelmora.h"
#include <QAtomicInt>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QThread>
#include <memory>

// The user window on the real server, driven as a clerk drives it. In unit TVM
// the list holds admin, clerk, barred (group 0001 Stores) and typed, nopass
// (0002 Accounts); denied and ghost may sign on nowhere, hruser is of CRP.
class TestUserDetails : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void listShowsUsersOfUnit_data();
    void listShowsUsersOfUnit();
    void opensBrowsingWithAllUnitsAvailable();
    void newUserSaved_data();
    void newUserSaved();
    void enterWalksThroughTheBoxes();
    void newUserRefused_data();
    void newUserRefused();
    void editSavesNameGroupAndUnits();
    void editChecks_data();
    void editChecks();
    void editLoadsUnitsOfEditedRow_data();
    void editLoadsUnitsOfEditedRow();
    void unitListsStayWithEditedUser();
    void editOnEmptyRowDoesNothing();
    void deleteInAssignedList_data();
    void deleteInAssignedList();
    void keyInAssignedListBringsBackStoredLists();
    void allowAndDisallowMoveSelectedUnits();
    void saveErrorKeepsEntry_data();
    void saveErrorKeepsEntry();
    void boxesHoldTheirColumns();
    void groupLookup_data();
    void groupLookup();
    void keysCloseAndCancel();
    void userTakenMeanwhileGetsNextId();

private:
    frmUserDetails *openWindow();
    QTableView *grid() const { return m_w->findChild<QTableView *>("GrUserDetails"); }
    QTableView *list(const char *name) const { return m_w->findChild<QTableView *>(name); }
    QLineEdit *box(const char *name) const { return m_w->findChild<QLineEdit *>(name); }
    QPushButton *cmNew() const { return m_w->findChild<QPushButton *>("CmNew"); }
    QString cell(int row, int column) const { return grid()->model()->index(row, column).data().toString(); }
    int rowOf(const QString &userName) const;
    void clickRow(int row);
    void showPage(int page);
    QStringList names(const char *listName) const;
    void chooseUnit(const char *listName, const QString &unitName, Qt::KeyboardModifiers mod = Qt::NoModifier);
    void chooseGroup(const QString &typed);
    void press(int key) { QTest::keyClick(m_w, Qt::Key(key)); }
    static QStringList access(int userId);
    static QString userField(int userId, const QString &column);
    static QString userCount() { return GetFirstValue("Select count(*) from velmora.userdetails"); }

    std::unique_ptr<ScopedScriptedUi> m_ui;
    QPointer<frmUserDetails> m_w;
    QString m_lookupCaption;
    QStringList m_lookupRows;
    int m_lookupCodeWidth = -1;
};

void TestUserDetails::init()
{
    connectAndReset();
    setClerkContext();
    fixClock(QDateTime(QDate(2024, 6, 3), QTime(9, 30, 15)));
    m_ui = std::make_unique<ScopedScriptedUi>();
    m_lookupCaption.clear();
}

void TestUserDetails::cleanup()
{
    delete m_w.data();
    frmListView::setTestDriver(nullptr);
    m_ui.reset();
    releaseClock();
}

frmUserDetails *TestUserDetails::openWindow()
{
    m_w = new frmUserDetails;
    m_w->show();
    m_w->activateWindow();
    if (!QTest::qWaitForWindowActive(m_w))
        qWarning("window not active");
    return m_w;
}

int TestUserDetails::rowOf(const QString &userName) const
{
    for (int r = 0; r < grid()->model()->rowCount(); ++r)
        if (cell(r, 1) == userName)
            return r;
    return -1;
}

void TestUserDetails::clickRow(int row)
{
    QTableView *g = grid();
    const QModelIndex i = g->model()->index(row, 1);
    g->scrollTo(i);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(i).center());
}

void TestUserDetails::showPage(int page)
{
    auto *tab = m_w->findChild<QTabWidget *>("SSTab");
    QTest::mouseClick(tab->tabBar(), Qt::LeftButton, {}, tab->tabBar()->tabRect(page).center());
    QCOMPARE(tab->currentIndex(), page);
}

QStringList TestUserDetails::names(const char *listName) const
{
    QStringList n;
    QAbstractItemModel *m = list(listName)->model();
    for (int r = 0; r < m->rowCount(); ++r)
        n << m->index(r, 0).data().toString();
    return n;
}

void TestUserDetails::chooseUnit(const char *listName, const QString &unitName, Qt::KeyboardModifiers mod)
{
    QTableView *v = list(listName);
    const int row = names(listName).indexOf(unitName);
    QVERIFY2(row >= 0, qPrintable(unitName));
    const QModelIndex i = v->model()->index(row, 0);
    QTest::mouseClick(v->viewport(), Qt::LeftButton, mod, v->visualRect(i).center());
}

void TestUserDetails::chooseGroup(const QString &typed)
{
    frmListView::setTestDriver([this, typed](frmListView &lv) {
        m_lookupCaption = lv.windowTitle();
        m_lookupRows.clear();
        for (int r = 1; !lv.cellText(r, 1).isEmpty(); ++r)
            m_lookupRows << lv.cellText(r, 1) + " " + lv.cellText(r, 2);
        m_lookupCodeWidth = lv.columnWidth(1);
        auto *search = lv.findChild<QLineEdit *>("txtSearch");
        QTest::keyClicks(search, typed);
        QTest::keyClick(search, Qt::Key_Return);
    });
    QTest::keyClick(box("TxUserGroup"), Qt::Key_F1);
}

QStringList TestUserDetails::access(int userId)
{
    RecordSet rs =
        gConnection.query("Select unit_code from velmora.unitaccess where user_id=? order by unit_code", {userId});
    QStringList units;
    while (rs.next())
        units << rs.text(0);
    return units;
}

QString TestUserDetails::userField(int userId, const QString &column)
{
    RecordSet rs = gConnection.query("Select * from velmora.userdetails where user_id=?", {userId});
    return rs.next() ? rs.text(column) : QStringLiteral("<no user>");
}

void TestUserDetails::listShowsUsersOfUnit_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("extraUsers");
    QTest::addColumn<QStringList>("firstNames");
    QTest::addColumn<QStringList>("firstGroups");
    QTest::addColumn<int>("users");
    QTest::addColumn<int>("rows");
    const QStringList tvm{"admin", "clerk", "barred", "typed", "nopass"};
    const QStringList tvmGroups{"Stores", "Stores", "Stores", "Accounts", "Accounts"};
    QTest::newRow("TVM: sign-on users in group order") << "TVM" << 0 << tvm << tvmGroups << 5 << 29;
    QTest::newRow("CRP") << "CRP" << 0 << QStringList{"hruser"} << QStringList{"Auditors"} << 1 << 29;
    QTest::newRow("KTM has none") << "KTM" << 0 << QStringList{} << QStringList{} << 0 << 29;
    QTest::newRow("29 users fill the first page") << "TVM" << 24 << tvm << tvmGroups << 29 << 29;
    QTest::newRow("the 30th user adds ten rows") << "TVM" << 25 << tvm << tvmGroups << 30 << 39;
}

void TestUserDetails::listShowsUsersOfUnit()
{
    QFETCH(QString, unit);
    QFETCH(int, extraUsers);
    QFETCH(QStringList, firstNames);
    QFETCH(QStringList, firstGroups);
    QFETCH(int, users);
    QFETCH(int, rows);
    for (int i = 0; i < extraUsers; ++i)
        gConnection.execute("Insert into velmora.userdetails (user_id, user_name, user_group_code, unit_code,"
                            " user_login_sys) values (?,?,'0002','TVM',1)",
                            {100 + i, QStringLiteral("extra%1").arg(i)});
    gUnitCode = unit;
    openWindow();
    QCOMPARE(grid()->model()->rowCount(), rows);
    for (int r = 0; r < firstNames.size(); ++r) {
        QCOMPARE(cell(r, 1), firstNames[r]);
        QCOMPARE(cell(r, 2), firstGroups[r]);
    }
    int filled = 0;
    while (filled < rows && !cell(filled, 1).isEmpty())
        ++filled;
    QCOMPARE(filled, users);
    if (unit == "TVM") {
        QCOMPARE(cell(1, 0), QString("0001"));
        QCOMPARE(cell(1, 3), QString("2"));
        QCOMPARE(cell(3, 0), QString("0002"));
        QCOMPARE(cell(3, 3), QString("5"));
    }
    QVERIFY(grid()->isColumnHidden(0));
    QVERIFY(grid()->isColumnHidden(3));
    QCOMPARE(grid()->model()->headerData(1, Qt::Horizontal).toString(), QString("User Name"));
    QCOMPARE(grid()->model()->headerData(2, Qt::Horizontal).toString(), QString("User Group"));
}

void TestUserDetails::opensBrowsingWithAllUnitsAvailable()
{
    openWindow();
    QCOMPARE(m_w->windowTitle(), QString("User Details"));
    QCOMPARE(m_w->findChild<QTabWidget *>("SSTab")->currentIndex(), 0);
    QCOMPARE(cmNew()->text(), QString("New - F2"));
    QVERIFY(!box("TxUserGroup")->isEnabled());
    QVERIFY(!box("TxUserName")->isEnabled());
    QVERIFY(!box("TxPwd")->isEnabled());
    QVERIFY(m_w->findChild<QPushButton *>("CmEdit")->isEnabled());
    QVERIFY(m_w->findChild<QPushButton *>("CmClose")->isEnabled());
    QVERIFY(!m_w->findChild<QPushButton *>("CmCancel")->isEnabled());
    QCOMPARE(names("LvAvailable"),
             QStringList({"Thiruvananthapuram", "Corporate Office", "Kottayam", "Advertisement Cell"}));
    QCOMPARE(names("LvAssigned"), QStringList());
    QCOMPARE(list("LvAvailable")->model()->headerData(0, Qt::Horizontal).toString(), QString("Available Units"));
    QCOMPARE(list("LvAssigned")->model()->headerData(0, Qt::Horizontal).toString(), QString("Assigned Units"));
    QCOMPARE(box("TxPwd")->echoMode(), QLineEdit::Password);

    // A click while browsing changes only the unit lists.
    clickRow(rowOf("clerk"));
    QCOMPARE(names("LvAssigned"), QStringList({"Thiruvananthapuram", "Corporate Office", "Advertisement Cell"}));
    QCOMPARE(names("LvAvailable"), QStringList({"Kottayam"}));
    QCOMPARE(box("TxUserName")->text(), QString());
    QVERIFY(m_ui->ui.shown.isEmpty());
}

void TestUserDetails::newUserSaved_data()
{
    QTest::addColumn<int>("highestId");
    QTest::addColumn<int>("newId");
    QTest::newRow("ids 1 to 8 in use") << 0 << 9;
    QTest::newRow("largest id + 1, lower ids free") << 50 << 51;
}

void TestUserDetails::newUserSaved()
{
    QFETCH(int, highestId);
    QFETCH(int, newId);
    if (highestId)
        gConnection.execute("Insert into velmora.userdetails (user_id, user_name, unit_code) values (?, 'far', 'KTM')",
                            {highestId});
    openWindow();
    press(Qt::Key_F2);
    QCOMPARE(cmNew()->text(), QString("Save - F5"));
    QCOMPARE(QApplication::focusWidget(), box("TxUserGroup"));
    chooseGroup("acc");
    QTest::keyClicks(box("TxUserName"), "  newbie ");
    QTest::keyClicks(box("TxPwd"), " secret ");
    QVERIFY(box("TxPwd")->displayText() != box("TxPwd")->text());
    press(Qt::Key_F5);

    QVERIFY2(m_ui->ui.shown.isEmpty(), qPrintable(m_ui->ui.lastText()));
    QCOMPARE(cmNew()->text(), QString("New - F2"));
    QCOMPARE(userField(newId, "user_name"), QString("newbie"));
    QCOMPARE(userField(newId, "user_group_code"), QString("0002"));
    QCOMPARE(userField(newId, "user_password"), QString("secret"));
    QCOMPARE(userField(newId, "unit_code"), QString("TVM"));
    QCOMPARE(userField(newId, "created_by"), QString("2"));
    QCOMPARE(userField(newId, "created_date"), QString("2024/06/03"));
    QCOMPARE(userField(newId, "created_time"), QString("09:30:15"));
    QCOMPARE(userField(newId, "user_login_inv"), QString("0"));
    QCOMPARE(access(newId), QStringList());
    // It may sign on nowhere yet, so the refilled list does not show it.
    QCOMPARE(rowOf("newbie"), -1);
    QCOMPARE(rowOf("clerk"), 1);
}

void TestUserDetails::enterWalksThroughTheBoxes()
{
    openWindow();
    QTest::mouseClick(cmNew(), Qt::LeftButton);
    chooseGroup("st");
    QTest::keyClick(box("TxUserGroup"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), box("TxUserName"));
    QTest::keyClicks(box("TxUserName"), "   ");
    QTest::keyClick(box("TxUserName"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), box("TxUserName"));
    QTest::keyClicks(box("TxUserName"), "walker");
    QTest::keyClick(box("TxUserName"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), box("TxPwd"));
    QTest::keyClicks(box("TxPwd"), "pw");
    QTest::keyClick(box("TxPwd"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), cmNew());
    QTest::keyClick(cmNew(), Qt::Key_Return);
    QVERIFY2(m_ui->ui.shown.isEmpty(), qPrintable(m_ui->ui.lastText()));
    QCOMPARE(userField(9, "user_name"), QString("walker"));
    QCOMPARE(userField(9, "user_group_code"), QString("0001"));
}

void TestUserDetails::newUserRefused_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    const QString exists = "User Already Exists.  May be in Other Units.   ";
    QTest::newRow("name of this unit") << "acc"
                                       << "clerk" << exists << "TxUserName";
    QTest::newRow("name of another unit") << "acc"
                                          << "hruser" << exists << "TxUserName";
    QTest::newRow("name of a user who may sign on nowhere") << "acc"
                                                            << "ghost" << exists << "TxUserName";
    QTest::newRow("name with blanks around") << "acc"
                                             << "  clerk " << exists << "TxUserName";
    QTest::newRow("name in other letter case") << "acc"
                                               << "CLERK" << exists << "TxUserName";
    QTest::newRow("no name") << "acc"
                             << ""
                             << "Please Enter the User Name.   "
                             << "TxUserName";
    QTest::newRow("blank name") << "acc"
                                << "   "
                                << "Please Enter the User Name.   "
                                << "TxUserName";
    QTest::newRow("no group") << ""
                              << "someone"
                              << "Please Enter the usergroup.   "
                              << "TxUserGroup";
}

void TestUserDetails::newUserRefused()
{
    QFETCH(QString, group);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    openWindow();
    press(Qt::Key_F2);
    if (!group.isEmpty())
        chooseGroup(group);
    QTest::keyClicks(box("TxUserName"), name);
    press(Qt::Key_F5);
    QCOMPARE(m_ui->ui.texts(), QStringList{message});
    QCOMPARE(m_ui->ui.shown.last().icon, MsgIcon::Information);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QCOMPARE(cmNew()->text(), QString("Save - F5"));
    QCOMPARE(box("TxUserName")->text(), name);
    QCOMPARE(userCount(), QString("8"));
}

void TestUserDetails::editSavesNameGroupAndUnits()
{
    openWindow();
    clickRow(rowOf("clerk"));
    press(Qt::Key_F3);
    QCOMPARE(cmNew()->text(), QString("Save - F5"));
    QVERIFY(m_w->editMode());
    QCOMPARE(box("TxUserName")->text(), QString("clerk"));
    QCOMPARE(box("TxUserGroup")->text(), QString("Stores"));
    QTest::keyClick(box("TxUserName"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box("TxUserName"), "clerk2 ");
    chooseGroup("acc");
    QTest::keyClicks(box("TxPwd"), "newpass");
    showPage(1);
    chooseUnit("LvAvailable", "Kottayam");
    QTest::mouseClick(m_w->findChild<QPushButton *>("CmAllow"), Qt::LeftButton);
    press(Qt::Key_F5);

    QVERIFY2(m_ui->ui.shown.isEmpty(), qPrintable(m_ui->ui.lastText()));
    QCOMPARE(cmNew()->text(), QString("New - F2"));
    QVERIFY(!m_w->editMode());
    // The name as typed, the group chosen, the password untouched.
    QCOMPARE(userField(2, "user_name"), QString("clerk2 "));
    QCOMPARE(userField(2, "user_group_code"), QString("0002"));
    QCOMPARE(userField(2, "user_password"), QString("clerk123"));
    QCOMPARE(userField(2, "modified_by"), QString("2"));
    QCOMPARE(userField(2, "modified_date"), QString("2024/06/03"));
    QCOMPARE(userField(2, "modified_time"), QString("09:30:15"));
    QCOMPARE(access(2), QStringList({"ADV", "CRP", "KTM", "TVM"}));
    QCOMPARE(access(1), QStringList({"CRP", "KTM", "TVM"}));

    // The row shows what was stored, its hidden cells too.
    const int row = 1;
    QCOMPARE(cell(row, 0), QString("0002"));
    QCOMPARE(cell(row, 1), QString("clerk2 "));
    QCOMPARE(cell(row, 2), QString("Accounts"));
    QCOMPARE(cell(row, 3), QString("2"));

    // A second edit of the row without a new lookup keeps the new group.
    showPage(0);
    clickRow(row);
    press(Qt::Key_F3);
    QCOMPARE(box("TxUserGroup")->text(), QString("Accounts"));
    press(Qt::Key_F5);
    QVERIFY2(m_ui->ui.shown.isEmpty(), qPrintable(m_ui->ui.lastText()));
    QCOMPARE(userField(2, "user_group_code"), QString("0002"));
    QCOMPARE(access(2), QStringList({"ADV", "CRP", "KTM", "TVM"}));
}

void TestUserDetails::editChecks_data()
{
    QTest::addColumn<QString>("typed"); // replaces the name; "=" keeps it
    QTest::addColumn<QString>("clickedBeforeSave");
    QTest::addColumn<QString>("message"); // empty: saved
    QTest::addColumn<QString>("storedName");
    const QString exists = "User Name Already Exists.   ";
    QTest::newRow("name of another user") << "admin"
                                          << "" << exists << "clerk";
    QTest::newRow("name of another unit's user") << "hruser"
                                                 << "" << exists << "clerk";
    QTest::newRow("another's name in blanks") << " admin "
                                              << "" << exists << "clerk";
    QTest::newRow("no name") << ""
                             << ""
                             << "Please Enter the User Name.   "
                             << "clerk";
    QTest::newRow("unchanged name") << "="
                                    << ""
                                    << ""
                                    << "clerk";
    QTest::newRow("leading blank kept") << " clerk"
                                        << ""
                                        << ""
                                        << " clerk";
    QTest::newRow("clicked row saved unchanged") << "="
                                                 << "barred" << exists << "clerk";
}

void TestUserDetails::editChecks()
{
    QFETCH(QString, typed);
    QFETCH(QString, clickedBeforeSave);
    QFETCH(QString, message);
    QFETCH(QString, storedName);
    openWindow();
    clickRow(rowOf("clerk"));
    press(Qt::Key_F3);
    if (typed != "=") {
        box("TxUserName")->clear();
        QTest::keyClicks(box("TxUserName"), typed);
    }
    if (!clickedBeforeSave.isEmpty()) {
        clickRow(rowOf(clickedBeforeSave));
        QCOMPARE(box("TxUserName")->text(), clickedBeforeSave);
    }
    press(Qt::Key_F5);
    if (message.isEmpty()) {
        QVERIFY2(m_ui->ui.shown.isEmpty(), qPrintable(m_ui->ui.lastText()));
        QCOMPARE(cmNew()->text(), QString("New - F2"));
        QCOMPARE(userField(2, "modified_date"), QString("2024/06/03"));
    } else {
        QCOMPARE(m_ui->ui.texts(), QStringList{message});
        QCOMPARE(m_ui->ui.shown.last().icon, MsgIcon::Information);
        QCOMPARE(cmNew()->text(), QString("Save - F5"));
        QVERIFY(m_w->editMode());
        QCOMPARE(userField(2, "modified_date"), QString());
    }
    QCOMPARE(userField(2, "user_name"), storedName);
    QCOMPARE(userField(3, "user_name"), QString("barred"));
    QCOMPARE(access(2), QStringList({"ADV", "CRP", "TVM"}));
    QCOMPARE(access(3), QStringList({"TVM"}));
}

void TestUserDetails::editLoadsUnitsOfEditedRow_data()
{
    QTest::addColumn<QString>("clicked"); // empty: no click since the window opened
    QTest::addColumn<int>("arrowKey");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("edited");
    QTest::addColumn<int>("userId");
    QTest::addColumn<QStringList>("assigned");
    QTest::addColumn<QStringList>("stored");
    QTest::newRow("row never clicked") << "" << int(Qt::Key_Down) << 2 << "barred" << 3
                                       << QStringList{"Thiruvananthapuram"} << QStringList{"TVM"};
    QTest::newRow("arrow away from the clicked row")
        << "clerk" << int(Qt::Key_Up) << 1 << "admin" << 1
        << QStringList{"Thiruvananthapuram", "Corporate Office", "Kottayam"} << QStringList{"CRP", "KTM", "TVM"};
}

void TestUserDetails::editLoadsUnitsOfEditedRow()
{
    QFETCH(QString, clicked);
    QFETCH(int, arrowKey);
    QFETCH(int, presses);
    QFETCH(QString, edited);
    QFETCH(int, userId);
    QFETCH(QStringList, assigned);
    QFETCH(QStringList, stored);
    openWindow();
    if (!clicked.isEmpty())
        clickRow(rowOf(clicked));
    for (int i = 0; i < presses; ++i)
        QTest::keyClick(grid(), Qt::Key(arrowKey));
    press(Qt::Key_F3);
    QCOMPARE(box("TxUserName")->text(), edited);
    QCOMPARE(names("LvAssigned"), assigned);
    press(Qt::Key_F5);
    QVERIFY2(m_ui->ui.shown.isEmpty(), qPrintable(m_ui->ui.lastText()));
    QCOMPARE(access(userId), stored);
    QCOMPARE(access(2), QStringList({"ADV", "CRP", "TVM"}));
}

void TestUserDetails::unitListsStayWithEditedUser()
{
    openWindow();
    clickRow(rowOf("clerk"));
    press(Qt::Key_F3);
    // The grid's current row moves on, an empty row is clicked, a key is
    // pressed in the assigned list: the lists still belong to clerk.
    QTest::keyClick(grid(), Qt::Key_Down);
    clickRow(20);
    QCOMPARE(box("TxUserName")->text(), QString("clerk"));
    showPage(1);
    QTest::keyClick(list("LvAssigned"), Qt::Key_Down);
    QCOMPARE(names("LvAssigned"), QStringList({"Thiruvananthapuram", "Corporate Office", "Advertisement Cell"}));
    press(Qt::Key_F5);
    QVERIFY2(m_ui->ui.shown.isEmpty(), qPrintable(m_ui->ui.lastText()));
    QCOMPARE(access(2), QStringList({"ADV", "CRP", "TVM"}));
    QCOMPARE(access(3), QStringList({"TVM"}));
}

void TestUserDetails::editOnEmptyRowDoesNothing()
{
    openWindow();
    clickRow(12);
    press(Qt::Key_F3);
    QVERIFY(!m_w->editMode());
    QCOMPARE(cmNew()->text(), QString("New - F2"));
    QVERIFY(!box("TxUserName")->isEnabled());

    // Nor does it turn a new entry into an edit.
    press(Qt::Key_F2);
    QTest::keyClicks(box("TxUserName"), "fresh");
    press(Qt::Key_F3);
    QVERIFY(!m_w->editMode());
    QCOMPARE(box("TxUserName")->text(), QString("fresh"));
    QCOMPARE(cmNew()->text(), QString("Save - F5"));
}

void TestUserDetails::deleteInAssignedList_data()
{
    QTest::addColumn<bool>("editing");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("stored");
    QTest::newRow("editing, unit chosen") << true << "Corporate Office" << QStringList{"ADV", "TVM"};
    QTest::newRow("editing, nothing chosen") << true << "" << QStringList{"ADV", "CRP", "TVM"};
    QTest::newRow("browsing") << false << "Corporate Office" << QStringList{"ADV", "CRP", "TVM"};
}

void TestUserDetails::deleteInAssignedList()
{
    QFETCH(bool, editing);
    QFETCH(QString, chosen);
    QFETCH(QStringList, stored);
    openWindow();
    clickRow(rowOf("clerk"));
    if (editing)
        press(Qt::Key_F3);
    showPage(1);
    if (!chosen.isEmpty())
        chooseUnit("LvAssigned", chosen);
    QTest::keyClick(list("LvAssigned"), Qt::Key_Delete);
    QVERIFY2(m_ui->ui.shown.isEmpty(), qPrintable(m_ui->ui.lastText()));
    QCOMPARE(access(2), stored);
    QCOMPARE(names("LvAssigned").size(), stored.size());
    QCOMPARE(names("LvAssigned").size() + names("LvAvailable").size(), 4);
    // The withdrawal is stored at once; Cancel does not bring it back.
    press(Qt::Key_F8);
    QCOMPARE(access(2), stored);
    QCOMPARE(access(1), QStringList({"CRP", "KTM", "TVM"}));
}

void TestUserDetails::keyInAssignedListBringsBackStoredLists()
{
    openWindow();
    clickRow(rowOf("clerk"));
    press(Qt::Key_F3);
    showPage(1);
    chooseUnit("LvAvailable", "Kottayam");
    QTest::mouseClick(m_w->findChild<QPushButton *>("CmAllow"), Qt::LeftButton);
    QCOMPARE(names("LvAssigned").size(), 4);
    QTest::keyClick(list("LvAssigned"), Qt::Key_Up);
    QCOMPARE(names("LvAssigned"), QStringList({"Thiruvananthapuram", "Corporate Office", "Advertisement Cell"}));
    QCOMPARE(names("LvAvailable"), QStringList({"Kottayam"}));
    QCOMPARE(access(2), QStringList({"ADV", "CRP", "TVM"}));
}

void TestUserDetails::allowAndDisallowMoveSelectedUnits()
{
    openWindow();
    clickRow(rowOf("barred"));
    press(Qt::Key_F3);
    showPage(1);
    QCOMPARE(names("LvAvailable"), QStringList({"Corporate Office", "Kottayam", "Advertisement Cell"}));
    chooseUnit("LvAvailable", "Advertisement Cell");
    chooseUnit("LvAvailable", "Corporate Office", Qt::ControlModifier);
    QTest::mouseClick(m_w->findChild<QPushButton *>("CmAllow"), Qt::LeftButton);
    // Moved in list order, to the end of the assigned list.
    QCOMPARE(names("LvAssigned"), QStringList({"Thiruvananthapuram", "Corporate Office", "Advertisement Cell"}));
    QCOMPARE(names("LvAvailable"), QStringList({"Kottayam"}));
    chooseUnit("LvAssigned", "Thiruvananthapuram");
    QTest::mouseClick(m_w->findChild<QPushButton *>("CmDisallow"), Qt::LeftButton);
    QCOMPARE(names("LvAssigned"), QStringList({"Corporate Office", "Advertisement Cell"}));
    QCOMPARE(names("LvAvailable"), QStringList({"Thiruvananthapuram", "Kottayam"}));
    // Nothing is stored before the save.
    QCOMPARE(access(3), QStringList({"TVM"}));
    press(Qt::Key_F5);
    QVERIFY2(m_ui->ui.shown.isEmpty(), qPrintable(m_ui->ui.lastText()));
    QCOMPARE(access(3), QStringList({"ADV", "CRP"}));
    // Enter on a focused arrow moves as a click does.
    chooseUnit("LvAvailable", "Kottayam");
    auto *allow = m_w->findChild<QPushButton *>("CmAllow");
    allow->setFocus();
    QTest::keyClick(allow, Qt::Key_Return);
    QCOMPARE(names("LvAvailable"), QStringList({"Thiruvananthapuram"}));
}

// The clerk cannot type past what the columns hold.
void TestUserDetails::boxesHoldTheirColumns()
{
    openWindow();
    press(Qt::Key_F2);
    QTest::keyClicks(box("TxUserName"), QString(70, u'u'));
    QTest::keyClicks(box("TxPwd"), QString(70, u'p'));
    QCOMPARE(box("TxUserName")->text().size(), 60);
    QCOMPARE(box("TxPwd")->text().size(), 60);
}

void TestUserDetails::saveErrorKeepsEntry_data()
{
    QTest::addColumn<bool>("edit");
    QTest::newRow("new user") << false;
    QTest::newRow("edit") << true;
}

void TestUserDetails::saveErrorKeepsEntry()
{
    QFETCH(bool, edit);
    const QString tooLong(61, QChar(u'x')); // the column holds 60
    openWindow();
    limitCharacters(box("TxUserName"), 0); // as if the box had no limit of its own
    if (edit) {
        clickRow(rowOf("clerk"));
        press(Qt::Key_F3);
        box("TxUserName")->clear();
        QTest::keyClicks(box("TxUserName"), tooLong);
        showPage(1);
        chooseUnit("LvAvailable", "Kottayam");
        QTest::mouseClick(m_w->findChild<QPushButton *>("CmAllow"), Qt::LeftButton);
    } else {
        press(Qt::Key_F2);
        chooseGroup("st");
        QTest::keyClicks(box("TxUserName"), tooLong);
    }
    press(Qt::Key_F5);
    // Told in the clerk's words, never the server's.
    QCOMPARE(m_ui->ui.texts(), QStringList{kTextTooLong});
    QCOMPARE(m_ui->ui.shown.last().icon, MsgIcon::Information);
    QCOMPARE(cmNew()->text(), QString("Save - F5"));
    QCOMPARE(m_w->editMode(), edit);
    QCOMPARE(box("TxUserName")->text(), tooLong);
    QCOMPARE(userCount(), QString("8"));
    QCOMPARE(userField(2, "user_name"), QString("clerk"));
    // The rebuild of the unit access went back with the failed update.
    QCOMPARE(access(2), QStringList({"ADV", "CRP", "TVM"}));
    QVERIFY(!gConnection.inTransaction());
}

void TestUserDetails::groupLookup_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("groupName");
    QTest::addColumn<QString>("groupCode");
    QTest::newRow("a group of this unit") << "acc"
                                          << "Accounts"
                                          << "0002";
    QTest::newRow("a group of another unit") << "AUD"
                                             << "Auditors"
                                             << "0101";
    QTest::newRow("first row") << ""
                               << "Accounts"
                               << "0002";
}

void TestUserDetails::groupLookup()
{
    QFETCH(QString, typed);
    QFETCH(QString, groupName);
    QFETCH(QString, groupCode);
    openWindow();
    press(Qt::Key_F2);
    QTest::keyClicks(box("TxUserName"), "grouped");
    chooseGroup(typed);
    QCOMPARE(m_lookupCaption, QString("User Groups"));
    // Every unit's groups by name, the code column hidden.
    QCOMPARE(m_lookupRows, QStringList({"0002 Accounts", "0101 Auditors", "0001 Stores"}));
    QCOMPARE(m_lookupCodeWidth, 0);
    QCOMPARE(box("TxUserGroup")->text(), groupName);
    QCOMPARE(gHelpCol1, QString());
    QCOMPARE(gHelpCol2, QString());
    // Typing does not reach the group box: only the lookup fills it.
    QTest::keyClicks(box("TxUserGroup"), "zz");
    QCOMPARE(box("TxUserGroup")->text(), groupName);
    press(Qt::Key_F5);
    QVERIFY2(m_ui->ui.shown.isEmpty(), qPrintable(m_ui->ui.lastText()));
    QCOMPARE(userField(9, "user_group_code"), groupCode);
}

void TestUserDetails::keysCloseAndCancel()
{
    openWindow();
    // Esc does nothing here.
    press(Qt::Key_Escape);
    QVERIFY(m_w && m_w->isVisible());
    // F8 abandons an entry.
    press(Qt::Key_F2);
    chooseGroup("st");
    QTest::keyClicks(box("TxUserName"), "dropped");
    press(Qt::Key_F8);
    QCOMPARE(cmNew()->text(), QString("New - F2"));
    QCOMPARE(box("TxUserName")->text(), QString());
    QCOMPARE(box("TxUserGroup")->text(), QString());
    QVERIFY(!box("TxUserName")->isEnabled());
    // F9 closes even with an entry open, saving nothing.
    press(Qt::Key_F2);
    chooseGroup("st");
    QTest::keyClicks(box("TxUserName"), "dropped");
    press(Qt::Key_F9);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_w.isNull());
    QCOMPARE(userCount(), QString("8"));
    QVERIFY(m_ui->ui.shown.isEmpty());
}

void TestUserDetails::userTakenMeanwhileGetsNextId()
{
    // Another workstation inserts user 9 and has not committed yet when this
    // save looks for the largest id; it commits as soon as this save waits.
    QAtomicInt inserted = 0;
    QAtomicInt sawWait = 0;
    QString otherError;
    // This station's own connection, watched in the server's transaction list:
    // other test programs on the same server wait for locks of their own.
    const QString waiter = gConnection.firstValue(QStringLiteral("Select connection_id()"));
    QThread *other = QThread::create([&] {
        Database db(QStringLiteral("other-station"));
        try {
            openTestDatabase(db);
            db.begin();
            db.execute("Insert into velmora.userdetails (user_id, user_name, unit_code, user_group_code)"
                       " values (9, 'elsewhere', 'KTM', '0001')");
            inserted = 1;
            // The server refreshes its list of transactions at most every 0.1 s.
            for (int i = 0; i < 200 && !sawWait; ++i) {
                QThread::msleep(150);
                if (db.firstValue(QStringLiteral("Select count(*) from information_schema.innodb_trx "
                                                 "where trx_mysql_thread_id=? and trx_state='LOCK WAIT'"),
                                  {waiter})
                    != "0")
                    sawWait = 1;
            }
            db.commit();
        } catch (const DbError &e) {
            otherError = e.serverText();
            inserted = 1;
        }
    });
    openWindow();
    press(Qt::Key_F2);
    chooseGroup("st");
    QTest::keyClicks(box("TxUserName"), "here");
    other->start();
    while (!inserted.loadAcquire())
        QThread::yieldCurrentThread();
    press(Qt::Key_F5);
    other->wait();
    delete other;
    QVERIFY2(otherError.isEmpty(), qPrintable(otherError));
    QVERIFY2(sawWait.loadAcquire(), "the save never waited for the other station's insert");
    QVERIFY2(m_ui->ui.shown.isEmpty(), qPrintable(m_ui->ui.lastText()));
    QCOMPARE(userField(9, "user_name"), QString("elsewhere"));
    QCOMPARE(userField(10, "user_name"), QString("here"));
}

QTEST_MAIN(TestUserDetails)
#include "tst_db_userdetails.moc"
