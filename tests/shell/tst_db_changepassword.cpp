#include "ShellWindows.h"
#include "TextLengths.h"
#include "TestSupport.h"
#include "frmChangePassword.h"
#include "frmChangeCompany.h"
#include "frmLogin.h"
#include "frmMain.h"
#include "mdlVelmora.h"
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include "WindowRegistry.h"
#include <QPushButton>
#include <QTest>

// The password change on the private server, through the real window.
class TestChangePassword : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void accept_data();
    void accept();
    void failingUpdateKeepsWindow();
    void newPasswordSignsOn();
    void keys();
    void enterOnFocusedButton();

private:
    frmChangePassword *open();
    frmMain *m_main = nullptr;
};

namespace {
QString stored(const QString &userId)
{
    return GetFirstValue("Select coalesce(user_password, '<null>') from velmora.userdetails where user_id=?", {userId});
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

void TestChangePassword::initTestCase()
{
    registerShellWindows();
}

void TestChangePassword::init()
{
    connectAndReset();
    setClerkContext();
    useSettingsFolder(testTempDir());
    writeSetting("Login", "AUser", "clerk");
    fixClock(QDateTime(QDate(2025, 1, 15), QTime(10, 20, 30)));
    m_main = &frmMain::load();
    m_main->show();
}

void TestChangePassword::cleanup()
{
    releaseClock();
    WindowRegistry::instance().unloadAll();
    delete frmChangeCompany::current();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<frmLogin *>(w))
            delete w;
    delete frmMain::instance();
}

frmChangePassword *TestChangePassword::open()
{
    m_main->menuItem("mnuChangePassword")->trigger();
    return WindowRegistry::instance().find<frmChangePassword>("frmChangePassword");
}

void TestChangePassword::accept_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<QString>("focusAfter"); // empty when the window closes

    const QString done = QStringLiteral("Your password has been changed succssfully.   ");
    const QString mismatch = QStringLiteral("Password not matching.   ");
    const QString invalid = QStringLiteral("Invalid Password.  ");
    QTest::newRow("changed") << ""
                             << "clerk"
                             << "clerk123"
                             << "newpass"
                             << "newpass" << done << "newpass"
                             << "";
    QTest::newRow("blanks around every box are trimmed") << ""
                                                         << "clerk"
                                                         << " clerk123 "
                                                         << " newpass"
                                                         << "newpass  " << done << "newpass"
                                                         << "";
    QTest::newRow("empty new password") << ""
                                        << "clerk"
                                        << "clerk123"
                                        << ""
                                        << "" << done << ""
                                        << "";
    QTest::newRow("apostrophe kept") << ""
                                     << "clerk"
                                     << "clerk123"
                                     << "o'brien"
                                     << "o'brien" << done << "o'brien"
                                     << "";
    QTest::newRow("confirmation differs in case") << ""
                                                  << "clerk"
                                                  << "clerk123"
                                                  << "NewPass"
                                                  << "newpass" << mismatch << "clerk123"
                                                  << "TxConfirmPwd";
    QTest::newRow("wrong current password") << ""
                                            << "clerk"
                                            << "Clerk123"
                                            << "newpass"
                                            << "newpass" << invalid << "clerk123"
                                            << "TxCurPwd";
    QTest::newRow("stored password ends in a blank")
        << "UPDATE velmora.userdetails SET user_password='clerk123 ' WHERE user_id=2;"
        << "clerk"
        << "clerk123 "
        << "newpass"
        << "newpass" << invalid << "clerk123 "
        << "TxCurPwd";
    QTest::newRow("no stored password matches nothing")
        << "UPDATE velmora.userdetails SET user_password=NULL WHERE user_id=2;"
        << "clerk"
        << "anything"
        << "newpass"
        << "newpass" << invalid << "<null>"
        << "TxCurPwd";
    QTest::newRow("name shown belongs to another user") << ""
                                                        << "admin"
                                                        << "admin"
                                                        << "newpass"
                                                        << "newpass" << invalid << "clerk123"
                                                        << "TxCurPwd";
    QTest::newRow("name shown with blanks still changes the user's row") << ""
                                                                         << "  clerk "
                                                                         << "clerk123"
                                                                         << "newpass"
                                                                         << "newpass" << done << "newpass"
                                                                         << "";
}

void TestChangePassword::accept()
{
    QFETCH(QString, sql);
    QFETCH(QString, shownName);
    QFETCH(QString, current);
    QFETCH(QString, newPassword);
    QFETCH(QString, confirm);
    QFETCH(QString, message);
    QFETCH(QString, storedAfter);
    QFETCH(QString, focusAfter);
    if (!sql.isEmpty())
        gConnection.runScript(sql);
    writeSetting("Login", "AUser", shownName);

    frmChangePassword *w = open();
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowActive(m_main));
    QCOMPARE(w->caption(), QString("Change Password"));
    QCOMPARE(w->LbUserName->text(), shownName);
    ScopedScriptedUi s;
    w->TxCurPwd->setText(current);
    w->TxNewPwd->setText(newPassword);
    w->TxConfirmPwd->setText(confirm);
    QTest::mouseClick(w->CmAccept, Qt::LeftButton);

    QCOMPARE(s.ui.texts(), QStringList{message});
    QCOMPARE(s.ui.shown.first().icon, MsgIcon::Information);
    QCOMPARE(stored("2"), storedAfter);
    QCOMPARE(stored("1"), QString("admin"));
    settle();
    if (focusAfter.isEmpty()) {
        QVERIFY(!WindowRegistry::instance().find("frmChangePassword"));
        QCOMPARE(GetFirstValue("Select concat(modified_by, ' ', modified_date, ' ', modified_time) "
                               "from velmora.userdetails where user_id=2"),
                 QString("2 2025/01/15 10:20:30"));
    } else {
        QCOMPARE(WindowRegistry::instance().find("frmChangePassword"), w);
        QCOMPARE(QApplication::focusWidget()->objectName(), focusAfter);
        QCOMPARE(w->TxNewPwd->text(), newPassword);
    }
    // Nothing else in the working context changes.
    QCOMPARE(gUserName, QString("clerk"));
    QCOMPARE(gUserId, QString("2"));
}

void TestChangePassword::failingUpdateKeepsWindow()
{
    frmChangePassword *w = open();
    ScopedScriptedUi s;
    const QString tooLong(61, u'x');
    w->TxCurPwd->setText("clerk123");
    w->TxNewPwd->setText(tooLong);
    w->TxConfirmPwd->setText(tooLong);
    w->CmAccept_Click();
    QCOMPARE(s.ui.texts(), QStringList{kTextTooLong});
    QCOMPARE(s.ui.shown.first().icon, MsgIcon::Information);
    QCOMPARE(stored("2"), QString("clerk123"));
    QVERIFY(!gConnection.inTransaction());
    settle();
    QCOMPARE(WindowRegistry::instance().find("frmChangePassword"), w);
    QCOMPARE(w->TxNewPwd->text(), tooLong);
}

void TestChangePassword::newPasswordSignsOn()
{
    frmChangePassword *w = open();
    ScopedScriptedUi s;
    w->TxCurPwd->setText("clerk123");
    w->TxNewPwd->setText("it's mine");
    w->TxConfirmPwd->setText("it's mine");
    w->CmAccept_Click();
    frmLogin *login = frmLogin::showLogin();
    login->TxtUserName->setText("clerk");
    login->TxtPassword->setText("it's mine");
    login->CmOk_Click();
    QCOMPARE(s.ui.texts(), QStringList{"Your password has been changed succssfully.   "});
    QVERIFY(frmChangeCompany::current());
}

void TestChangePassword::keys()
{
    frmChangePassword *w = open();
    QVERIFY(QTest::qWaitForWindowActive(m_main));
    ScopedScriptedUi s;
    QCOMPARE(w->CmAccept->text(), QString("&Accept - F5"));
    QCOMPARE(w->CmClose->text(), QString("Close - F9"));
    QCOMPARE(w->TxCurPwd->echoMode(), QLineEdit::Password);
    w->TxCurPwd->setFocus();
    QTest::keyClicks(w->TxCurPwd, "clerk123");
    QTest::keyClick(w->TxCurPwd, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w->TxNewPwd);
    QTest::keyClicks(w->TxNewPwd, "abc");
    QTest::keyClick(w->TxNewPwd, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w->TxConfirmPwd);
    QTest::keyClicks(w->TxConfirmPwd, "abc");
    QTest::keyClick(w->TxConfirmPwd, Qt::Key_Return);
    // Enter in the confirmation only reaches Accept; F5 and F9 do nothing.
    QCOMPARE(QApplication::focusWidget(), w->CmAccept);
    QTest::keyClick(w->CmAccept, Qt::Key_F5);
    QTest::keyClick(w->CmAccept, Qt::Key_F9);
    QCOMPARE(s.ui.shown.size(), 0);
    QCOMPARE(stored("2"), QString("clerk123"));
    // Entering a box again selects its text.
    w->TxNewPwd->setFocus();
    QCOMPARE(w->TxNewPwd->selectedText(), QString("abc"));
    QTest::mouseClick(w->CmClose, Qt::LeftButton);
    settle();
    QVERIFY(!WindowRegistry::instance().find("frmChangePassword"));
}

// Enter on the focused Accept changes the password as a click does; on Close it closes.
void TestChangePassword::enterOnFocusedButton()
{
    frmChangePassword *w = open();
    QVERIFY(QTest::qWaitForWindowActive(m_main));
    ScopedScriptedUi s;
    w->TxCurPwd->setFocus();
    QTest::keyClicks(w->TxCurPwd, "clerk123");
    QTest::keyClick(w->TxCurPwd, Qt::Key_Return);
    QTest::keyClicks(w->TxNewPwd, "abc");
    QTest::keyClick(w->TxNewPwd, Qt::Key_Return);
    QTest::keyClicks(w->TxConfirmPwd, "xyz");
    QTest::keyClick(w->TxConfirmPwd, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w->CmAccept);
    QTest::keyClick(w->CmAccept, Qt::Key_Return);
    QCOMPARE(s.ui.texts(), QStringList{"Password not matching.   "});
    QCOMPARE(stored("2"), QString("clerk123"));

    s.ui.clear();
    w->TxConfirmPwd->setText("abc");
    w->CmAccept->setFocus();
    QTest::keyClick(w->CmAccept, Qt::Key_Enter);
    QCOMPARE(s.ui.texts(), QStringList{"Your password has been changed succssfully.   "});
    QCOMPARE(stored("2"), QString("abc"));
    settle();
    QVERIFY(!WindowRegistry::instance().find("frmChangePassword"));

    w = open();
    w->CmClose->setFocus();
    QTest::keyClick(w->CmClose, Qt::Key_Return);
    settle();
    QVERIFY(!WindowRegistry::instance().find("frmChangePassword"));
}

QTEST_MAIN(TestChangePassword)
#include "tst_db_changepassword.moc"
