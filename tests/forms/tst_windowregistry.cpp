#include "ChildWindow.h"
#include "WindowRegistry.h"
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTest>

// The registry of child windows: one instance of an ordinary window, a fresh
// window of a report on every open, and the count of loaded windows that the
// main window's open rule reads.
class TestWindowRegistry : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void opensByKind_data();
    void opensByKind();
    void countsEveryInstance();
    void unknownNameOpensNothing();
    void toldWhenOpenedAgain();

private:
    QMdiArea m_area;
};

namespace {
int g_created = 0;

class Plain : public ChildWindow {
public:
    Plain()
    {
        ++g_created;
        setCaption(QStringLiteral("Window %1").arg(g_created));
        resize(200, 100);
    }
};
// Counts how often it was opened again by name.
class Reopenable : public ChildWindow {
    Q_OBJECT
public:
    int reopened = 0;
public slots:
    void reopenedByName() { ++reopened; }
};
} // namespace

void TestWindowRegistry::initTestCase()
{
    WindowRegistry &r = WindowRegistry::instance();
    r.registerWindow(QStringLiteral("frmOnce"), [] { return new Plain; });
    r.registerWindow(
        QStringLiteral("frmrptMany"), [] { return new Plain; }, WindowRegistry::Kind::Many);
    r.registerWindow(QStringLiteral("frmReopenable"), [] { return new Reopenable; });
    r.setArea(&m_area);
    m_area.resize(800, 600);
    m_area.show();
}

void TestWindowRegistry::cleanup()
{
    WindowRegistry::instance().unloadAll();
    g_created = 0;
}

void TestWindowRegistry::opensByKind_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("fresh");
    QTest::newRow("ordinary window: brought to the front") << "frmOnce" << false;
    QTest::newRow("report: a new independent window") << "frmrptMany" << true;
}

void TestWindowRegistry::opensByKind()
{
    QFETCH(QString, name);
    QFETCH(bool, fresh);
    WindowRegistry &r = WindowRegistry::instance();
    QWidget *first = r.open(name);
    QVERIFY(first);
    QWidget *second = r.open(name);
    QCOMPARE(second != first, fresh);
    QCOMPARE(g_created, fresh ? 2 : 1);
    QCOMPARE(r.instances(name).size(), fresh ? 2 : 1);
    QCOMPARE(r.find(name), second);
    QCOMPARE(m_area.activeSubWindow(), second->parentWidget());
    QCOMPARE(second->objectName(), name);
    QVERIFY(first->isVisible());
    QCOMPARE(r.kind(name), fresh ? WindowRegistry::Kind::Many : WindowRegistry::Kind::Single);
}

void TestWindowRegistry::countsEveryInstance()
{
    WindowRegistry &r = WindowRegistry::instance();
    QCOMPARE(r.loadedCount(), 0);
    r.open(QStringLiteral("frmOnce"));
    QPointer<QWidget> report1 = r.open(QStringLiteral("frmrptMany"));
    r.open(QStringLiteral("frmrptMany"));
    QCOMPARE(r.loadedCount(), 3);
    // Closing one report leaves the other counted.
    qobject_cast<QMdiSubWindow *>(report1->parentWidget())->close();
    QTRY_VERIFY(report1.isNull());
    QCOMPARE(r.loadedCount(), 2);
    QCOMPARE(r.instances(QStringLiteral("frmrptMany")).size(), 1);
    r.unloadAll();
    QCOMPARE(r.loadedCount(), 0);
    QCOMPARE(r.find(QStringLiteral("frmrptMany")), nullptr);
}

void TestWindowRegistry::unknownNameOpensNothing()
{
    QCOMPARE(WindowRegistry::instance().open(QStringLiteral("frmNobody")), nullptr);
    QCOMPARE(WindowRegistry::instance().loadedCount(), 0);
}

void TestWindowRegistry::toldWhenOpenedAgain()
{
    WindowRegistry &r = WindowRegistry::instance();
    auto *w = static_cast<Reopenable *>(r.load(QStringLiteral("frmReopenable")));
    r.open(QStringLiteral("frmReopenable"));
    QCOMPARE(w->reopened, 1);
    r.open(QStringLiteral("frmReopenable"));
    QCOMPARE(w->reopened, 2);
    r.unloadAll();
    // A fresh window is not told: it takes what it needs as it loads.
    w = static_cast<Reopenable *>(r.open(QStringLiteral("frmReopenable")));
    QCOMPARE(w->reopened, 0);
}

QTEST_MAIN(TestWindowRegistry)
#include "tst_windowregistry.moc"
