#include "InvoiceEntryWindow.h"
#include "Ui.h"
#include <QApplication>
#include <QLineEdit>
#include <QTest>

// The invoice-entry kit's Enter chain: an action set on a box runs when the
// box is accepted, before the focus moves on, and never when it is refused.

namespace {

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
    void enterAction_data();
    void enterAction();
};

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
    c.enterChain = {{QStringLiteral("TxA"), QStringLiteral("TxB"), InvoiceEnter::Refuse::Never, {}, {}},
                    {QStringLiteral("TxB"), QString(), InvoiceEnter::Refuse::WhenEmpty,
                     QStringLiteral("Please Type B.   "), {}},
                    {QStringLiteral("TxC"), QStringLiteral("TxA"), InvoiceEnter::Refuse::Never, {}, {}}};
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
