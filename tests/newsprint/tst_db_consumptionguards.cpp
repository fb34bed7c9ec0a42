#include "Database.h"
#include "NewsprintWindows.h"
#include "TestSupport.h"
#include "ConsumptionStore.h"
#include "frmConsumptionMaster.h"
#include "mdlVelmora.h"
#include <QMdiArea> // WindowRegistry.h reads the area inline
#include "WindowRegistry.h"
#include <QLineEdit>
#include <QPointer>
#include <QTest>

// The consumption window with the server away: its look-ups show the
// failure and the window, with everything in it, stays.
class TestConsumptionGuards : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void newWithTheServerAway();

private:
    std::unique_ptr<ScopedScriptedUi> m_scripted;
    QString m_socket;
};

void TestConsumptionGuards::initTestCase()
{
    registerNewsprintWindows();
}

void TestConsumptionGuards::init()
{
    connectAndReset();
    setClerkContext();
    m_scripted = std::make_unique<ScopedScriptedUi>();
    m_socket = Database::endpointOverride();
}

void TestConsumptionGuards::cleanup()
{
    Database::setEndpointOverride(m_socket);
    WindowRegistry::instance().unloadAll();
    m_scripted.reset();
}

void TestConsumptionGuards::newWithTheServerAway()
{
    gSelectedCode.clear();
    QPointer<frmConsumptionMaster> master =
        qobject_cast<frmConsumptionMaster *>(WindowRegistry::instance().open(QStringLiteral("frmConsumptionMaster")));
    QVERIFY(master);
    QVERIFY(QTest::qWaitForWindowActive(master));
    Database admin(QStringLiteral("admin"));
    openTestDatabase(admin);
    admin.execute(QStringLiteral("KILL ") + gConnection.firstValue(QStringLiteral("Select CONNECTION_ID()")));
    QTest::qWait(50);
    Database::setEndpointOverride(m_socket + QStringLiteral(".away"));

    // New reads the next number and clearing reads the unit's name: both fail.
    QTest::keyClick(master, Qt::Key_F2);
    QVERIFY(master);
    QVERIFY(!m_scripted->ui.shown.isEmpty());
    for (const QString &text : m_scripted->ui.texts())
        QVERIFY2(text.contains(u"connect", Qt::CaseInsensitive), qPrintable(text));
    QVERIFY(!m_scripted->ui.endedWith);

    // Once the server answers again, the same connection serves the window.
    Database::setEndpointOverride(m_socket);
    QCOMPARE(GetNextNumber(QStringLiteral("CN_01_TVM")).isEmpty(), false);
    QCOMPARE(GetUnitName(gUnitCode).isEmpty(), false);
}

QTEST_MAIN(TestConsumptionGuards)
#include "tst_db_consumptionguards.moc"
