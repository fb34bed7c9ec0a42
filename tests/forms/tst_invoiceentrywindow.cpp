#include "InvoiceEntryWindow.h"
#include "Ui.h"
#include "mdlVelmora.h"
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The invoice-entry kit's further pieces through a small window of its own:
// the command bar's further buttons and labels, a limit checked while a box
// is typed into or loaded, and the identity of the shown record with the
// opening by code and stores database; an action run by Enter in a box.

namespace {

InvoiceWindowConfig probeConfig()
{
    InvoiceWindowConfig c;
    c.caption = QStringLiteral("Probe");
    InvoiceBox serial;
    serial.name = QStringLiteral("LbSerialNo");
    serial.kind = InvoiceBox::Kind::Label;
    serial.input = false;
    InvoiceBox number;
    number.name = QStringLiteral("TxInvoiceNo");
    InvoiceBox limited;
    limited.name = QStringLiteral("TxRound");
    limited.kind = InvoiceBox::Kind::Amount;
    limited.footer = true;
    limited.totalsOnChange = true;
    limited.limit = Decimal::fromInt(10);
    limited.limitMessage = QStringLiteral("Up to 10 only");
    InvoiceBox other;
    other.name = QStringLiteral("TxOther");
    other.footer = true;
    other.column = 1;
    c.boxes << serial << number << limited << other;
    ItemGridColumn key;
    key.heading = QStringLiteral("Key");
    key.width = 1000;
    c.grid.columns = {ItemGridColumn{}, key};
    c.grid.initialRows = 5;
    c.finalizeRule = ButtonRule::Untouched;
    c.barItems = {{QStringLiteral("CmExtra"), QStringLiteral("Extra"), false, ButtonRule::Untouched},
                  {QStringLiteral("CmViewOnly"), QStringLiteral("View Only"), false, ButtonRule::ViewOnly},
                  {QStringLiteral("LbState"), QString(), true, ButtonRule::Untouched}};
    return c;
}

class ProbeInvoiceWindow : public InvoiceEntryWindow {
public:
    int totals = 0;
    QStringList loads; // "code@database" per load

    // A window that reads only the current year leaves loadRecordFrom alone.
    explicit ProbeInvoiceWindow(bool readsOtherYears = true)
        : InvoiceEntryWindow(probeConfig()), m_otherYears(readsOtherYears)
    {
        formLoad();
    }

    using InvoiceEntryWindow::loading;
    using InvoiceEntryWindow::setShownRecord;
    void enterNew() { CmNew_Click(); }

protected:
    QString nextTransactionId() override { return QStringLiteral("P0001"); }
    void LoadRecord(const QString &transId) override { load(transId, gInvDbName); }
    void loadRecordFrom(const QString &code, const DbName &storesDb) override
    {
        if (m_otherYears)
            load(code, storesDb);
        else
            InvoiceEntryWindow::loadRecordFrom(code, storesDb);
    }
    void load(const QString &code, const DbName &storesDb)
    {
        loads << code + u'@' + storesDb.str();
        // A load fills a limited box as the bill holds it.
        box(QStringLiteral("TxRound"))->setText(QStringLiteral("12.00"));
        setShownRecord(ShownRecord{code, storesDb, gAcDbName, gUnitCode, gCompCode});
    }
    void CalculateTotals() override { ++totals; }
    std::optional<bool> storedFinalized() override { return false; }
    bool finalizeStored() override { return true; }
    bool SaveNew() override { return true; }
    bool SaveEdit() override { return true; }

private:
    bool m_otherYears = true;
};

QStringList texts(const ScopedScriptedUi &s)
{
    QStringList out;
    for (const ShownMessage &m : s.ui.shown)
        out << QString::fromLatin1(m.icon == MsgIcon::Critical ? "C:" : "?:") + m.text;
    return out;
}

class EntryUnderTest : public InvoiceEntryWindow {
public:
    explicit EntryUnderTest(InvoiceWindowConfig c) : InvoiceEntryWindow(std::move(c)) { formLoad(); }
    using InvoiceEntryWindow::setEnterAction;

protected:
    QString nextTransactionId() override { return QStringLiteral("T0000001"); }
    void LoadRecord(const QString &) override {}
    void CalculateTotals() override {}
    std::optional<bool> storedFinalized() override { return std::nullopt; }
    bool finalizeStored() override { return false; }
    bool SaveNew() override { return false; }
    bool SaveEdit() override { return false; }
};

InvoiceBox textBox(const char *name, int row)
{
    InvoiceBox b;
    b.name = QString::fromLatin1(name);
    b.row = row;
    return b;
}

} // namespace

class TestInvoiceEntryWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void barItemsFollowTheirRules();
    void limitWhileTyping_data();
    void limitWhileTyping();
    void limitRunsDuringALoadWithoutTakingTheFocus();
    void showRecordHandsOverTheDatabase_data();
    void showRecordHandsOverTheDatabase();
    void showRecordKeepsAnEntryUnderWay();
    void openingTakesTheHandedOverDatabase();
    void newForgetsTheShownRecord();
    void enterAction_data();
    void enterAction();
};

void TestInvoiceEntryWindow::init()
{
    resetWorkingContext();
    gInvDbName = DbName(QStringLiteral("vstores_2024"));
    gAcDbName = DbName(QStringLiteral("vacc_2024"));
    gUnitCode = QStringLiteral("TVM");
    gCompCode = QStringLiteral("01");
}

void TestInvoiceEntryWindow::barItemsFollowTheirRules()
{
    ScopedScriptedUi scripted;
    ProbeInvoiceWindow w;
    QPushButton *extra = w.barButton(QStringLiteral("CmExtra"));
    QPushButton *viewOnly = w.barButton(QStringLiteral("CmViewOnly"));
    QLabel *state = w.barLabel(QStringLiteral("LbState"));
    QVERIFY(extra && viewOnly && state);
    QCOMPARE(extra->objectName(), QString("CmExtra"));
    QCOMPARE(extra->text(), QString("Extra"));
    QCOMPARE(state->objectName(), QString("LbState"));
    QVERIFY(state->text().isEmpty());
    QVERIFY(!w.barButton(QStringLiteral("LbState")));
    QVERIFY(!w.barLabel(QStringLiteral("CmExtra")));
    // Both lie in the command bar beside the kit's own buttons.
    QCOMPARE(extra->parentWidget(), w.newButton()->parentWidget());
    QCOMPARE(state->parentWidget(), w.newButton()->parentWidget());

    extra->setEnabled(false);
    QVERIFY(viewOnly->isEnabled());
    w.enterNew();
    QVERIFY(w.isEntering());
    QVERIFY(!extra->isEnabled()); // untouched: the window's own choice stays
    QVERIFY(!viewOnly->isEnabled());
    extra->setEnabled(true);
    w.CmCancel_Click();
    QVERIFY(extra->isEnabled());
    QVERIFY(viewOnly->isEnabled());
}

void TestInvoiceEntryWindow::limitWhileTyping_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("totalsRun");

    QTest::newRow("below") << "9.99" << QStringList{} << true;
    QTest::newRow("exactly the limit") << "10" << QStringList{} << true;
    QTest::newRow("just above") << "10.01" << QStringList{"C:Up to 10 only"} << false;
    QTest::newRow("text after the number") << "11 rupees" << QStringList{"C:Up to 10 only"} << false;
    QTest::newRow("no number") << "abc" << QStringList{} << true;
}

void TestInvoiceEntryWindow::limitWhileTyping()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, shown);
    QFETCH(bool, totalsRun);
    ScopedScriptedUi scripted;
    ProbeInvoiceWindow w;
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.enterNew();
    QLineEdit *round = w.box(QStringLiteral("TxRound"));
    QLineEdit *other = w.box(QStringLiteral("TxOther"));
    other->setFocus();
    w.totals = 0;
    round->setText(typed);
    QCOMPARE(texts(scripted), shown);
    QCOMPARE(round->text(), typed); // the text stays
    QCOMPARE(w.totals > 0, totalsRun);
    // A refusal brings the focus back to the box while the clerk can type there.
    QCOMPARE(round->hasFocus(), !shown.isEmpty());
}

void TestInvoiceEntryWindow::limitRunsDuringALoadWithoutTakingTheFocus()
{
    ScopedScriptedUi scripted;
    ProbeInvoiceWindow w;
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.showRecord(QStringLiteral("A0000001"), QString());
    QCOMPARE(texts(scripted), QStringList{"C:Up to 10 only"});
    QVERIFY(!w.box(QStringLiteral("TxRound"))->hasFocus());
    QVERIFY(!w.loading());
}

void TestInvoiceEntryWindow::showRecordHandsOverTheDatabase_data()
{
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("loaded");
    QTest::newRow("empty: the current year") << "" << "A1@vstores_2024";
    QTest::newRow("the current year by name") << "vstores_2024" << "A1@vstores_2024";
    QTest::newRow("another year") << "vstores_2023" << "A1@vstores_2023";
}

void TestInvoiceEntryWindow::showRecordHandsOverTheDatabase()
{
    QFETCH(QString, database);
    QFETCH(QString, loaded);
    ScopedScriptedUi scripted;
    ProbeInvoiceWindow w;
    QVERIFY(QMetaObject::invokeMethod(&w, "showRecord", Q_ARG(QString, QStringLiteral("A1")),
                                      Q_ARG(QString, database)));
    QCOMPARE(w.loads, QStringList{loaded});
    QVERIFY(w.shownRecord());
    QCOMPARE(w.shownRecord()->code, QString("A1"));
    QCOMPARE(w.shownRecord()->stores.str(), loaded.section(u'@', 1));
    QVERIFY(!w.isEntering());
}

void TestInvoiceEntryWindow::showRecordKeepsAnEntryUnderWay()
{
    ScopedScriptedUi scripted;
    ProbeInvoiceWindow w;
    w.enterNew();
    w.box(QStringLiteral("TxInvoiceNo"))->setText(QStringLiteral("typed"));
    w.showRecord(QStringLiteral("A1"), QString());
    QVERIFY(w.loads.isEmpty());
    QVERIFY(w.isEntering());
    QCOMPARE(w.box(QStringLiteral("TxInvoiceNo"))->text(), QString("typed"));
    // A database name that is not one is refused, not loaded.
    w.CmCancel_Click();
    w.showRecord(QStringLiteral("A1"), QStringLiteral("no such; db"));
    QVERIFY(w.loads.isEmpty());
}

void TestInvoiceEntryWindow::openingTakesTheHandedOverDatabase()
{
    ScopedScriptedUi scripted;
    gSelectedCode = QStringLiteral("A7");
    gSelectedDbName = DbName(QStringLiteral("vstores_2023"));
    ProbeInvoiceWindow w;
    QCOMPARE(w.loads, QStringList{"A7@vstores_2023"});
    gSelectedCode = QStringLiteral("A8");
    gSelectedDbName = DbName();
    ProbeInvoiceWindow current;
    QCOMPARE(current.loads, QStringList{"A8@vstores_2024"});
    // A current-year window still loads its record when another window's
    // hand-over left a database behind.
    gSelectedCode = QStringLiteral("A9");
    gSelectedDbName = DbName(QStringLiteral("vstores_2023"));
    ProbeInvoiceWindow currentOnly(false);
    QCOMPARE(currentOnly.loads, QStringList{"A9@vstores_2024"});
}

void TestInvoiceEntryWindow::newForgetsTheShownRecord()
{
    ScopedScriptedUi scripted;
    ProbeInvoiceWindow w;
    w.showRecord(QStringLiteral("A1"), QString());
    QVERIFY(w.shownRecord());
    w.enterNew();
    QVERIFY(!w.shownRecord());
    QCOMPARE(w.label(QStringLiteral("LbSerialNo"))->text(), QString("P0001"));
}

void TestInvoiceEntryWindow::enterAction_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("log"); // what ran, with the focus at that moment
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("the action runs on the box, then the focus moves")
        << "TxA" << "5" << QStringList{"A:5@TxA"} << "TxB" << QStringList{};
    QTest::newRow("a refused box runs nothing")
        << "TxB" << "" << QStringList{} << "TxB" << QStringList{"Please Type B.   "};
    QTest::newRow("an accepted box with an action and no next box stays")
        << "TxB" << "1" << QStringList{"B:1@TxB"} << "TxB" << QStringList{};
    QTest::newRow("a box without an action just moves on") << "TxC" << "x" << QStringList{} << "TxA" << QStringList{};
}

void TestInvoiceEntryWindow::enterAction()
{
    QFETCH(QString, from);
    QFETCH(QString, typed);
    QFETCH(QStringList, log);
    QFETCH(QString, focus);
    QFETCH(QStringList, shown);
    ScopedScriptedUi scripted;
    InvoiceWindowConfig c;
    c.caption = QStringLiteral("Test Invoice");
    c.boxes = {textBox("TxA", 0), textBox("TxB", 1), textBox("TxC", 2)};
    c.enterChain = {{QStringLiteral("TxA"), QStringLiteral("TxB"), InvoiceEnter::Refuse::Never, {}},
                    {QStringLiteral("TxB"), QString(), InvoiceEnter::Refuse::WhenEmpty,
                     QStringLiteral("Please Type B.   ")},
                    {QStringLiteral("TxC"), QStringLiteral("TxA"), InvoiceEnter::Refuse::Never, {}}};
    c.grid.columns.resize(2);
    EntryUnderTest w(c);
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.CmNew_Click();
    QStringList ran;
    for (const char *name : {"TxA", "TxB"}) {
        const QString n = QString::fromLatin1(name);
        w.setEnterAction(n, [&ran, &w, n] {
            ran << n.mid(2) + u':' + w.box(n)->text() + u'@' + QApplication::focusWidget()->objectName();
        });
    }
    QLineEdit *box = w.box(from);
    box->setFocus();
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(ran, log);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QCOMPARE(scripted.ui.texts(), shown);
}

QTEST_MAIN(TestInvoiceEntryWindow)
#include "tst_invoiceentrywindow.moc"
