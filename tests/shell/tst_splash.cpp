#include "Desktop.h"
#include "TestSupport.h"
#include "frmLogin.h"
#include "frmSplash.h"
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The splash window's count and the sign-on window it opens.
class TestSplash : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensSignOnOnTwentiethTick();
    void signOnOffersRememberedName_data();
    void signOnOffersRememberedName();
};

namespace {
frmLogin *openLogin()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *l = qobject_cast<frmLogin *>(w); l && l->isVisible())
            return l;
    return nullptr;
}
} // namespace

void TestSplash::init()
{
    useSettingsFolder(testTempDir());
}

void TestSplash::cleanup()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<frmLogin *>(w) || qobject_cast<frmSplash *>(w))
            delete w;
}

void TestSplash::opensSignOnOnTwentiethTick()
{
    QPointer<frmSplash> splash = new frmSplash;
    QVERIFY(splash->Timer1->isActive());
    QCOMPARE(splash->Timer1->interval(), 1);
    QCOMPARE(splash->Label1->text(), QString("Quillbase Inventory"));
    // The ticks are driven here, one by one, instead of by the clock.
    splash->Timer1->stop();
    splash->show();
    for (int tick = 1; tick < 20; ++tick) {
        splash->Timer1_Timer();
        QVERIFY2(splash->isVisible(), qPrintable(QStringLiteral("closed after tick %1").arg(tick)));
        QVERIFY2(!openLogin(), qPrintable(QStringLiteral("sign-on open after tick %1").arg(tick)));
    }
    splash->Timer1_Timer();
    QVERIFY(!splash || !splash->isVisible());
    QVERIFY(openLogin());
}

void TestSplash::signOnOffersRememberedName_data()
{
    QTest::addColumn<QString>("remembered");
    QTest::newRow("none yet") << QString();
    QTest::newRow("as typed, blanks kept") << QStringLiteral("  clerk ");
}

void TestSplash::signOnOffersRememberedName()
{
    QFETCH(QString, remembered);
    writeSetting("Login", "AUser", remembered);
    frmLogin *login = frmLogin::showLogin();
    QCOMPARE(login->windowTitle(), QString("Orvane Velmora  (P) Ltd"));
    QCOMPARE(login->TxtUserName->text(), remembered);
    QCOMPARE(login->TxtPassword->echoMode(), QLineEdit::Password);
    QVERIFY(QTest::qWaitForWindowActive(login));
    QCOMPARE(QApplication::focusWidget(), login->TxtPassword);
    // Tab order: password, OK, Exit, name.
    QCOMPARE(login->TxtPassword->nextInFocusChain(), static_cast<QWidget *>(login->CmOk));
    QCOMPARE(login->CmOk->nextInFocusChain(), static_cast<QWidget *>(login->CmExit));
}

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
