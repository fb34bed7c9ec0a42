#include "Lookup.h"
#include "TestSupport.h"
#include "mdlVelmora.h"
#include <QTableView>
#include <QTest>

// A lookup as a value and the code box that opens it: what the caller gets
// back, what the hand-over values hold afterwards, and what F1 and Del do to
// the box.
class TestLookup : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pickGivesTheChosenRow_data();
    void pickGivesTheChosenRow();
    void failingStatementGivesNothing();
    void boxTakesTheChoice_data();
    void boxTakesTheChoice();
    void delKey_data();
    void delKey();
    void lookupSeesTheContextOfTheKeyPress();
};

namespace {
// Units of the clerk in unit order; the statement binds the user.
Lookup unitLookup()
{
    return Lookup{QStringLiteral("Select unitaccess.unit_code,unit_name from velmora.unitmaster inner join "
                                 "velmora.unitaccess on unitaccess.unit_code=unitmaster.unit_code where "
                                 "unitaccess.user_id=? order by unit_priority"),
                  {gUserId},
                  QStringLiteral("Unit Help"),
                  4000,
                  {{0, QStringLiteral("Unit Code")}, {4000, QStringLiteral("Unit Name")}}};
}

// The clerk's choice in the shown list: a grid row (Enter in the grid), or 0
// for a row below the records.
void chooseRow(int row, bool *shown = nullptr)
{
    frmListView::setTestDriver([row, shown](frmListView &dlg) {
        if (shown)
            *shown = true;
        int target = row;
        if (target == 0)
            while (!dlg.cellText(target + 1, 1).isEmpty())
                ++target;
        dlg.grid()->setCurrentIndex(dlg.grid()->model()->index(row == 0 ? target : row - 1, 1));
        QTest::keyClick(dlg.grid(), Qt::Key_Return);
    });
}

QStringList handOverValues()
{
    QStringList v;
    for (int k = 1; k <= 8; ++k)
        v << gHelpCol(k);
    return v;
}
} // namespace

void TestLookup::init()
{
    connectAndReset();
    setClerkContext();
}

void TestLookup::cleanup()
{
    frmListView::setTestDriver({});
    clearHelpCols();
}

void TestLookup::pickGivesTheChosenRow_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("listShown");
    QTest::newRow("first row") << "2" << 1 << "TVM" << true;
    QTest::newRow("row below the records") << "2" << 0 << "" << true;
    // An earlier caller's leftovers never come back as this lookup's choice.
    QTest::newRow("query without rows") << "999" << 1 << "" << false;
}

void TestLookup::pickGivesTheChosenRow()
{
    QFETCH(QString, user);
    QFETCH(int, row);
    QFETCH(QString, code);
    QFETCH(bool, listShown);
    gUserId = user;
    for (int k = 1; k <= 8; ++k)
        gHelpCol(k) = QStringLiteral("stale %1").arg(k);
    bool shown = false;
    chooseRow(row, &shown);
    ScopedScriptedUi s;
    const std::optional<LookupRow> chosen = unitLookup().pick();
    QVERIFY(chosen);
    QCOMPARE(shown, listShown);
    QCOMPARE(chosen->code(), code);
    QCOMPARE(chosen->columns.size(), 8);
    QCOMPARE(chosen->isEmpty(), code.isEmpty());
    if (!code.isEmpty())
        QVERIFY(!chosen->name().isEmpty());
    // The hand-over values are cleared once read.
    QCOMPARE(handOverValues(), QStringList(8, QString()));
    QCOMPARE(s.ui.shown.size(), 0);
}

void TestLookup::failingStatementGivesNothing()
{
    ScopedScriptedUi s;
    gHelpCol1 = QStringLiteral("stale");
    Lookup broken = unitLookup();
    broken.statement = QStringLiteral("Select no_such_column from velmora.unitmaster");
    QVERIFY(!broken.pick());
    QCOMPARE(s.ui.shown.size(), 1);
    QVERIFY2(s.ui.lastText().contains(QStringLiteral("no_such_column")), qPrintable(s.ui.lastText()));
    QCOMPARE(gHelpCol1, QString());
}

void TestLookup::boxTakesTheChoice_data()
{
    QTest::addColumn<bool>("showsCode");
    QTest::addColumn<bool>("keepOnNothing");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("signal");
    QTest::newRow("shows the name, code in the tag") << false << false << 1 << "TVM"
                                                     << "Thiruvananthapuram"
                                                     << "picked";
    QTest::newRow("shows the code") << true << false << 1 << "TVM"
                                    << "TVM"
                                    << "picked";
    QTest::newRow("nothing chosen empties the box") << false << false << 0 << ""
                                                    << ""
                                                    << "cleared";
    QTest::newRow("nothing chosen keeps the box") << true << true << 0 << "OLD"
                                                  << "old text"
                                                  << "";
}

void TestLookup::boxTakesTheChoice()
{
    QFETCH(bool, showsCode);
    QFETCH(bool, keepOnNothing);
    QFETCH(int, row);
    QFETCH(QString, tag);
    QFETCH(QString, text);
    QFETCH(QString, signal);
    LookupBox box;
    box.setObjectName(QStringLiteral("TxUnitCode"));
    box.setLookup(unitLookup);
    box.setShows(showsCode ? LookupBox::Shows::Code : LookupBox::Shows::Name);
    box.setOnNothing(keepOnNothing ? LookupBox::OnNothing::Keep : LookupBox::OnNothing::Empty);
    box.setChoice(QStringLiteral("OLD"), QStringLiteral("old text"));
    QStringList emitted;
    QString pickedName;
    connect(&box, &LookupBox::picked, &box, [&](const LookupRow &r) {
        emitted << QStringLiteral("picked");
        pickedName = r.name();
    });
    connect(&box, &LookupBox::cleared, &box, [&] { emitted << QStringLiteral("cleared"); });
    chooseRow(row);
    QTest::keyClick(&box, Qt::Key_F1);
    QCOMPARE(box.tag(), tag);
    QCOMPARE(box.property("Tag").toString(), tag);
    QCOMPARE(box.text(), text);
    QCOMPARE(emitted.join(u','), signal);
    if (signal == u"picked")
        QCOMPARE(pickedName, QStringLiteral("Thiruvananthapuram"));
    QCOMPARE(handOverValues(), QStringList(8, QString()));
}

void TestLookup::delKey_data()
{
    QTest::addColumn<bool>("delClears");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("text");
    QTest::newRow("a box whose Del clears") << true << ""
                                            << "";
    QTest::newRow("any other box deletes a character") << false << "TVM"
                                                       << "Thiruvananthapura";
}

void TestLookup::delKey()
{
    QFETCH(bool, delClears);
    QFETCH(QString, tag);
    QFETCH(QString, text);
    LookupBox box;
    box.setDelClears(delClears);
    box.setChoice(QStringLiteral("TVM"), QStringLiteral("Thiruvananthapuram"));
    box.setCursorPosition(int(box.text().size()) - 1);
    QTest::keyClick(&box, Qt::Key_Delete);
    QCOMPARE(box.tag(), tag);
    QCOMPARE(box.text(), text);
}

void TestLookup::lookupSeesTheContextOfTheKeyPress()
{
    // The statement binds the user signed on when F1 is pressed, not when the box was made.
    LookupBox box;
    box.setLookup(unitLookup);
    gUserId = QStringLiteral("999");
    bool shown = false;
    frmListView::setTestDriver([&](frmListView &dlg) {
        shown = true;
        QTest::keyClick(dlg.grid(), Qt::Key_Return);
    });
    QTest::keyClick(&box, Qt::Key_F1);
    QVERIFY(!shown);
    gUserId = QStringLiteral("2");
    QTest::keyClick(&box, Qt::Key_F1);
    QVERIFY(shown);
    QCOMPARE(box.tag(), QStringLiteral("TVM"));
}

QTEST_MAIN(TestLookup)
#include "tst_db_lookup.moc"
