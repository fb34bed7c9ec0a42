#include "TestSupport.h"
#include "frmChangeCompany.h"
#include "frmLogin.h"
#include "frmMain.h"
#include "mdlVelmora.h"
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

// Sign-on on the private server, driven through the real window.
class TestLogin : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void refusals_data();
    void refusals();
    void signsOn_data();
    void signsOn();
    void enterKeysLeadThroughTheWindow();
    void enterOnFocusedButton_data();
    void enterOnFocusedButton();
    void exitEndsProgram();
    void nameALatin1UserTableCannotHold();

private:
    QPointer<frmLogin> m_login;
};

namespace {
QString lockCount(const QString &userId)
{
    return GetFirstValue("Select count(*) from vstores_2024.inv_lockmaster where user_id=?", {userId});
}

void runOnServer(const QString &sql)
{
    if (!sql.isEmpty())
        gConnection.runScript(sql);
}
} // namespace

void TestLogin::init()
{
    connectAndReset();
    setClerkContext();
    // Start-up has run; nobody has signed on yet.
    gUserId.clear();
    gUserName.clear();
    gSelectedCode.clear();
    gUserType = false;
    gCompCode.clear();
    gCompName.clear();
    QFile::remove(testTempDir() + QStringLiteral("/Velmora.ini"));
    useSettingsFolder(testTempDir());
    writeSetting("Login", "AUser", "previous");
    m_login = frmLogin::showLogin();
    QVERIFY(QTest::qWaitForWindowActive(m_login));
}

void TestLogin::cleanup()
{
    delete m_login;
    delete frmChangeCompany::current();
    delete frmMain::instance();
}

void TestLogin::refusals_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("passwordLeft");
    QTest::addColumn<QString>("remembered");

    const QString badName = QStringLiteral("Invalid User Name    ");
    const QString badPassword = QStringLiteral("Invalid Password.   ");
    const QString denied = QStringLiteral("Login Denied!.... Please Contact System Administrator.   ");
    const int info = int(MsgIcon::Information);
    const int error = int(MsgIcon::Critical);

    QTest::newRow("unknown name") << ""
                                  << "nobody"
                                  << "clerk123" << badName << info << "clerk123"
                                  << "previous";
    QTest::newRow("apostrophe in name") << ""
                                        << "o'neil"
                                        << "x" << badName << info << "x"
                                        << "previous";
    QTest::newRow("wrong password") << ""
                                    << "clerk"
                                    << "clerk12" << badPassword << error << "clerk12"
                                    << "previous";
    QTest::newRow("password differs in case") << ""
                                              << "clerk"
                                              << "CLERK123" << badPassword << error << "CLERK123"
                                              << "previous";
    QTest::newRow("stored password ends in a blank")
        << "UPDATE velmora.userdetails SET user_password='clerk123 ' WHERE user_id=2;"
        << "clerk"
        << "clerk123 " << badPassword << error << "clerk123 "
        << "previous";
    QTest::newRow("no stored password, nothing typed") << ""
                                                       << "nopass"
                                                       << "" << badPassword << error << ""
                                                       << "previous";
    QTest::newRow("no stored password, text typed") << ""
                                                    << "nopass"
                                                    << "secret" << badPassword << error << "secret"
                                                    << "previous";
    QTest::newRow("sign-on flag 0") << ""
                                    << "denied"
                                    << "denied" << denied << error << "denied"
                                    << "previous";
    QTest::newRow("only another program's flag") << ""
                                                 << "hruser"
                                                 << "hr" << denied << error << "hr"
                                                 << "previous";
    QTest::newRow("administrator, wrong password empties the box") << ""
                                                                   << "admin"
                                                                   << "Admin" << badPassword << info << ""
                                                                   << "previous";
    QTest::newRow("administrator without the other program's flag, name kept")
        << "UPDATE velmora.userdetails SET user_login_advt=0, user_login_inv=1 WHERE user_id=1;"
        << "admin"
        << "admin" << denied << error << "admin"
        << "admin";
}

void TestLogin::refusals()
{
    QFETCH(QString, sql);
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(QString, passwordLeft);
    QFETCH(QString, remembered);
    runOnServer(sql);

    ScopedScriptedUi s;
    m_login->TxtUserName->setText(name);
    m_login->TxtPassword->setText(password);
    QTest::mouseClick(m_login->CmOk, Qt::LeftButton);

    QCOMPARE(s.ui.texts(), QStringList{message});
    QCOMPARE(int(s.ui.shown.first().icon), icon);
    QCOMPARE(s.ui.shown.first().title, QString("Inventory"));
    QVERIFY(m_login->isVisible());
    QVERIFY(!frmChangeCompany::current());
    QCOMPARE(m_login->TxtPassword->text(), passwordLeft);
    // A refused name or password sends the caret back to the password box;
    // a denied sign-on leaves the focus where it was.
    if (!message.startsWith("Login Denied"))
        QCOMPARE(QApplication::focusWidget(), m_login->TxtPassword);
    if (message.startsWith("Invalid Password"))
        QCOMPARE(m_login->TxtPassword->selectedText(), passwordLeft);
    QCOMPARE(readSetting("Login", "AUser"), remembered);
    // No locks are cleared for a refused user.
    QCOMPARE(lockCount("2"), QString("2"));
    QCOMPARE(lockCount("1"), QString("1"));
}

void TestLogin::signsOn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("userId");
    QTest::addColumn<bool>("userType");
    QTest::addColumn<QString>("selectedCode");
    QTest::addColumn<QString>("locksLeft");

    QTest::newRow("clerk") << "clerk"
                           << "clerk123"
                           << "2" << false << "0"
                           << "0";
    QTest::newRow("blanks around name and password") << "  clerk "
                                                     << " clerk123  "
                                                     << "2" << false << "0"
                                                     << "0";
    QTest::newRow("caption-format user") << "typed"
                                         << "Typed"
                                         << "5" << true << "0"
                                         << "0";
    QTest::newRow("administrator keeps its locks") << "admin"
                                                   << "admin"
                                                   << "1" << false << "1"
                                                   << "1";
}

void TestLogin::signsOn()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, userId);
    QFETCH(bool, userType);
    QFETCH(QString, selectedCode);
    QFETCH(QString, locksLeft);

    ScopedScriptedUi s;
    m_login->TxtUserName->setText(name);
    m_login->TxtPassword->setText(password);
    m_login->CmOk_Click();

    QCOMPARE(s.ui.texts(), QStringList());
    QCOMPARE(gUserId, userId);
    QCOMPARE(gUserName, name);
    QCOMPARE(gUserType, userType);
    QCOMPARE(gSelectedCode, selectedCode);
    QCOMPARE(readSetting("Login", "AUser"), name);
    QCOMPARE(lockCount(userId), locksLeft);
    // Only the signed-on user's locks go.
    QCOMPARE(lockCount("5"), userId == "5" ? QString("0") : QString("1"));
    QVERIFY(!m_login->isVisible());
    QVERIFY(frmChangeCompany::current());
    QVERIFY(frmChangeCompany::current()->isVisible());
    // The company choice has loaded the main window, still hidden.
    QVERIFY(frmMain::instance());
    QVERIFY(!frmMain::instance()->isVisible());
}

void TestLogin::enterKeysLeadThroughTheWindow()
{
    ScopedScriptedUi s;
    m_login->TxtUserName->setFocus();
    QTest::keyClick(m_login->TxtUserName, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(m_login->TxtUserName, "clerk");
    QTest::keyClick(m_login->TxtUserName, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), m_login->TxtPassword);
    QTest::keyClick(m_login->TxtPassword, Qt::Key_Escape); // does nothing
    QVERIFY(m_login->isVisible());
    QTest::keyClicks(m_login->TxtPassword, "clerk123");
    QCOMPARE(m_login->TxtPassword->text(), QString("clerk123"));
    QTest::keyClick(m_login->TxtPassword, Qt::Key_Return);
    QCOMPARE(s.ui.texts(), QStringList());
    QCOMPARE(gUserName, QString("clerk"));
    QVERIFY(frmChangeCompany::current());
}

void TestLogin::enterOnFocusedButton_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Return") << int(Qt::Key_Return);
}

// A clerk who tabs onto OK and presses Enter signs on as with a click; on Exit
// Enter presses the button (its handler, which ends the program, is left out:
// the end must not unwind through the event delivery).
void TestLogin::enterOnFocusedButton()
{
    QFETCH(int, key);
    ScopedScriptedUi s;
    m_login->TxtUserName->setText("clerk");
    m_login->TxtPassword->setText("clerk123");
    QObject::disconnect(m_login->CmExit, &QPushButton::clicked, nullptr, nullptr);
    QSignalSpy exitPressed(m_login->CmExit, &QPushButton::clicked);
    m_login->CmExit->setFocus();
    QTest::keyClick(m_login->CmExit, Qt::Key(key));
    QCOMPARE(exitPressed.count(), 1);
    m_login->CmOk->setFocus();
    QTest::keyClick(m_login->CmOk, Qt::Key(key));
    QCOMPARE(s.ui.texts(), QStringList());
    QCOMPARE(gUserName, QString("clerk"));
    QVERIFY(frmChangeCompany::current());
}

void TestLogin::exitEndsProgram()
{
    ScopedScriptedUi s;
    QVERIFY_THROWS_EXCEPTION(ProgramEnded, m_login->CmExit_Click());
    QCOMPARE(s.ui.shown.size(), 0);
}

void TestLogin::nameALatin1UserTableCannotHold()
{
    // An older installation's user table: a name outside Latin-1 is simply no user's.
    const Latin1Tables latin1({QStringLiteral("velmora.userdetails")});
    openTestDatabase(gConnection);
    ScopedScriptedUi s;
    m_login->TxtUserName->insert(QStringLiteral("\u0d05\u0d28\u0d3f\u0d7d"));
    m_login->TxtPassword->setText(QStringLiteral("x"));
    QTest::mouseClick(m_login->CmOk, Qt::LeftButton);
    QCOMPARE(s.ui.texts(), QStringList{QStringLiteral("Invalid User Name    ")});
    QVERIFY(!frmChangeCompany::current());
    // Names it holds still sign on.
    s.ui.shown.clear();
    m_login->TxtUserName->setText(QStringLiteral("clerk"));
    m_login->TxtPassword->setText(QStringLiteral("clerk123"));
    QTest::mouseClick(m_login->CmOk, Qt::LeftButton);
    QCOMPARE(s.ui.texts(), QStringList{});
    QVERIFY(frmChangeCompany::current());
}

QTEST_MAIN(TestLogin)
#include "tst_db_login.moc"
