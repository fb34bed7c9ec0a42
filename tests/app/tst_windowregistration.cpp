#include "CompanyWindows.h"
#include "CugWindows.h"
#include "MastersWindows.h"
#include "NewsprintWindows.h"
#include "PurchasesWindows.h"
#include "ReportsWindows.h"
#include "ShellWindows.h"
#include "UserWindows.h"
#include "WindowRegistry.h"
#include "frmMain.h"
#include "mdlVelmora.h"
#include <QAction>
#include <QTest>

// Every window the main window's menus and toolbar open is registered by the
// libraries that exist, or is still to come. The list below shrinks as the
// stock, purchase, report and phone-list windows arrive; a window that gets
// registered must leave it.
class TestWindowRegistration : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyOpenedWindowIsRegisteredOrToCome_data();
    void everyOpenedWindowIsRegisteredOrToCome();
    void windowsToComeAreStillOpenedByTheMenu();
    void fixedAssetInvoiceMenuOpensTheBillList();
};

namespace {
// The same registration as the program's start, for the libraries linked here.
void registerLinkedWindows()
{
    registerShellWindows();
    registerUserWindows();
    registerMastersWindows();
    registerCompanyWindows();
    registerNewsprintWindows();
    registerPurchasesWindows();
    registerReportsWindows();
    registerCugWindows();
}

const QStringList kStillToCome = {
};
} // namespace

void TestWindowRegistration::initTestCase()
{
    // The main window's load reads the accounts year; without a server it
    // keeps the start-up dates, which is all this test needs.
    static ScopedScriptedUi quiet;
    registerLinkedWindows();
    // The unit that keeps the fixed-asset menus.
    gUnitCode = kFixedAssetUnit;
    frmMain::load();
}

void TestWindowRegistration::cleanupTestCase()
{
    delete frmMain::instance();
}

void TestWindowRegistration::everyOpenedWindowIsRegisteredOrToCome_data()
{
    QTest::addColumn<QString>("window");
    const QStringList names = frmMain::instance()->openedWindowNames();
    QVERIFY(!names.isEmpty());
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void TestWindowRegistration::everyOpenedWindowIsRegisteredOrToCome()
{
    QFETCH(QString, window);
    const bool registered = WindowRegistry::instance().isRegistered(window);
    const bool toCome = kStillToCome.contains(window);
    QVERIFY2(registered || toCome, qPrintable(window + " is opened by the main window but nobody registers it"));
    QVERIFY2(!(registered && toCome),
             qPrintable(window + " is registered now: take it off the list of windows to come"));
}

void TestWindowRegistration::windowsToComeAreStillOpenedByTheMenu()
{
    // A name on the list that no menu opens is a typing mistake in the list.
    const QStringList opened = frmMain::instance()->openedWindowNames();
    for (const QString &name : kStillToCome)
        QVERIFY2(opened.contains(name), qPrintable(name));
}

void TestWindowRegistration::fixedAssetInvoiceMenuOpensTheBillList()
{
    QAction *item = frmMain::instance()->menuItem(QStringLiteral("mnuFAInvoice"));
    QVERIFY(item && item->isEnabled());
    item->trigger();
    QWidget *list = WindowRegistry::instance().find(QStringLiteral("frmFAInvoice"));
    QVERIFY(list);
    QCOMPARE(list->windowTitle(), QStringLiteral("Invoice List - Fixed Assets"));
    WindowRegistry::instance().unloadAll();
}

QTEST_MAIN(TestWindowRegistration)
#include "tst_windowregistration.moc"
