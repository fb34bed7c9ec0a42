#include "ReelGrid.h"
#include "TestSupport.h"
#include "mdlVelmora.h"
#include <QLineEdit>
#include <QTableView>
#include <QTest>

// The GSM and reel-type lookups of the reel grid on the stores year's masters.
class TestReelGridLookups : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void lists_data();
    void lists();
};

void TestReelGridLookups::init()
{
    connectAndReset();
    setClerkContext();
}

void TestReelGridLookups::cleanup()
{
    frmListView::setTestDriver({});
}

void TestReelGridLookups::lists_data()
{
    QTest::addColumn<bool>("gsm");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("names"); // as listed; none: the list does not open
    QTest::addColumn<QString>("chosen");    // "code|name" of the first row, empty for nothing

    QTest::newRow("every GSM grade by name") << true << "" << QStringList{"45 GSM", "48.8 GSM"} << "GSM0001|45 GSM";
    QTest::newRow("GSM names containing the text") << true << "8.8" << QStringList{"48.8 GSM"} << "GSM0002|48.8 GSM";
    QTest::newRow("no GSM grade matches") << true << "52" << QStringList{} << "";
    QTest::newRow("an apostrophe is only a character") << true << "45' or '1'='1" << QStringList{} << "";
    QTest::newRow("every reel type") << false << "" << QStringList{"Full Reel", "Half Reel"} << "RT0001|Full Reel";
    QTest::newRow("reel types ignoring case") << false << "HALF" << QStringList{"Half Reel"} << "RT0002|Half Reel";
}

void TestReelGridLookups::lists()
{
    QFETCH(bool, gsm);
    QFETCH(QString, text);
    QFETCH(QStringList, names);
    QFETCH(QString, chosen);

    QStringList listed;
    bool opened = false;
    frmListView::setTestDriver([&](frmListView &dlg) {
        opened = true;
        QCOMPARE(dlg.windowTitle(), QString("Type"));
        // The code is handed over but not shown.
        QCOMPARE(dlg.columnWidth(1), 0);
        for (int r = 1; !dlg.cellText(r, 2).isEmpty(); ++r)
            listed.append(dlg.cellText(r, 2));
        QTest::keyClick(dlg.searchBox(), Qt::Key_Return);
    });
    gHelpCol1 = "left over";
    const std::optional<ItemGridChoice> choice = gridLookup(gsm ? ReelGrid::gsmLookup : ReelGrid::reelTypeLookup)(text);

    QCOMPARE(opened, !names.isEmpty());
    QCOMPARE(listed, names);
    QCOMPARE(choice ? choice->code + u'|' + choice->name : QString(), chosen);
    // The hand-over values are cleared after use.
    QCOMPARE(gHelpCol1, QString());
    QCOMPARE(gHelpCol2, QString());
}

QTEST_MAIN(TestReelGridLookups)
#include "tst_db_reelgridlookups.moc"
