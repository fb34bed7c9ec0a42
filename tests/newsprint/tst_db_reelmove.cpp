#include "ReelTickModel.h"
#include "ReelTickWindow.h"
#include "ReelTransferStore.h"
#include "NewsprintWindows.h"
#include "TestSupport.h"
#include "frmListView.h"
#include "mdlVelmora.h"
#include <QMdiArea> // WindowRegistry.h reads the area inline
#include "WindowRegistry.h"
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <memory>

// The two reel-movement windows, issue to the press and transfer between
// units, driven as a clerk would on the real database.
class TestReelMove : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pressListFill_data();
    void pressListFill();
    void stockListFill_data();
    void stockListFill();
    void gridShowsReel();
    void ticks_data();
    void ticks();
    void selectAllOutlivesTheWindow();
    void stockTypingEmptiesList();
    void issueToPress_data();
    void issueToPress();
    void transferBetweenUnits();
    void transferRefusals_data();
    void transferRefusals();
    void busyTransferDoesNothing_data();
    void busyTransferDoesNothing();
    void destinationLookup_data();
    void destinationLookup();
    void delClearsDestination();
    void changedElsewhereIsNotMoved_data();
    void changedElsewhereIsNotMoved();
    void failedBatchMovesNothing_data();
    void failedBatchMovesNothing();
    void openedByName();
    void opensInTheMainArea_data();
    void opensInTheMainArea();
    void focusOrder_data();
    void focusOrder();
    void keysAndClicks_data();
    void keysAndClicks();
    void selectOnEntry_data();
    void selectOnEntry();
    void tickedReelRenumberedByAnEditIsLeftAlone();
    void storeRefusesADestinationTheWindowNeverOffers_data();
    void storeRefusesADestinationTheWindowNeverOffers();

private:
    ReelTickWindow *open(ReelTickWindow::Kind kind);
    QLineEdit *box(const char *name) const { return m_w->findChild<QLineEdit *>(QString::fromLatin1(name)); }
    QPushButton *button(const char *name) const { return m_w->findChild<QPushButton *>(QString::fromLatin1(name)); }
    QStringList listed() const;
    void clickRow(int row);
    void toggleRow(int row);
    void tickReels(const QStringList &reels);
    // Brings the select-all toggle to "not all selected" without leaving ticks behind.
    void startUnticked();
    void pickDestination(const QString &unitName);

    std::unique_ptr<ScopedScriptedUi> m_scripted;
    ScriptedUi &ui() { return m_scripted->ui; }
    QPointer<ReelTickWindow> m_w;
};

namespace {

void run(const QString &sql)
{
    gConnection.execute(sql);
}

void invoice(const QString &transId, const QString &unit, const QString &comp, const QString &brand)
{
    gConnection.execute(
        QStringLiteral("Insert into vstores_2024.inv_invoice (unit_code, comp_code, inv_trans_id, inv_invoice_no, "
                       "inv_date, inv_receipt_date, inv_supp_code, inv_brand_code, inv_finalize) "
                       "values (?,?,?,?,'2024-06-01','2024-06-02','4412000001',?,1)"),
        {unit, comp, transId, QString(QStringLiteral("S-") + transId), brand});
}

struct Marks {
    int finalize = 1;
    int cons = 0;
    int util = 0;
};

// A reel of the invoice (transId, entered by `unit`), lying in `lies`.
void reel(const QString &transId, int slNo, const QString &reelNo, const QString &unit, const QString &lies,
          const QString &comp = QStringLiteral("01"), Marks m = {})
{
    gConnection.execute(
        QStringLiteral("Insert into vstores_2024.inv_invoice_trans (unit_code, comp_code, invtrans_id, invtrans_slno, "
                       "invtrans_reel_no, invtrans_gsm, invtrans_reel_type, invtrans_weight, invtrans_rate, "
                       "invtrans_amt, invtrans_unit_code, invtrans_finalize, invtrans_cons_flag, invtrans_util_flag) "
                       "values (?,?,?,?,?,'GSM0001','RT0001',?,42.5,?,?,?,?,?)"),
        {unit, comp, transId, slNo, reelNo, QString::number(800 + slNo) + QStringLiteral(".5"),
         QString::number((800 + slNo) * 42.5 + 21.25, 'f', 2), lies, m.finalize, m.cons, m.util});
}

// finalize/cons/util/lies-in/entered-by of a reel, by its number.
QString state(const QString &reelNo)
{
    return GetFirstValue(QStringLiteral("Select group_concat(concat_ws('/', invtrans_finalize, invtrans_cons_flag, "
                                        "invtrans_util_flag, invtrans_unit_code, unit_code)) "
                                        "from vstores_2024.inv_invoice_trans where invtrans_reel_no=?"),
                         {reelNo});
}

QString allStates()
{
    return GetFirstValue(QStringLiteral(
        "Select group_concat(concat_ws('/', invtrans_reel_no, invtrans_finalize, invtrans_cons_flag, "
        "invtrans_util_flag, invtrans_unit_code, unit_code, invtrans_weight) order by invtrans_reel_no separator ' ') "
        "from vstores_2024.inv_invoice_trans"));
}

const QString kGodownTvm = QStringLiteral("1/0/0/TVM/TVM");

// The reels of the tests. The transaction id N0000045 exists in two entering
// units; K45-2 was moved from KTM to TVM and shares its id and line with R45-2.
void wipeReels()
{
    run(QStringLiteral("Delete from vstores_2024.inv_invoice_trans"));
    run(QStringLiteral("Delete from vstores_2024.inv_invoice"));
    run(QStringLiteral("Delete from vacc_2024.acc_accountheads"));
}

void seedReels()
{
    wipeReels();
    run(QStringLiteral("Insert into vacc_2024.acc_accountheads (ac_comp_code, ac_code, ac_name, ac_gst) values "
                       "('01','4412000001','Kerala Paper Mills','32AAACK1234A1Z5'),"
                       "('02','4412000001','Kerala Paper Mills','32AAACK1234A1Z5')"));
    // The GSM code kept by a second company as well: the reel is still listed once.
    run(QStringLiteral(
        "Insert into vstores_2024.inv_gsm (unit_code, comp_code, gsm_code, gsm_name, created_by, "
        "created_date, created_time) values ('TVM','02','GSM0001','45 GSM (02)',1,'2024/04/02','09:00:00')"));

    invoice(QStringLiteral("N0000045"), QStringLiteral("TVM"), QStringLiteral("01"), QStringLiteral("B0001"));
    invoice(QStringLiteral("N0000045"), QStringLiteral("KTM"), QStringLiteral("01"), QStringLiteral("B0001"));
    invoice(QStringLiteral("N0000046"), QStringLiteral("TVM"), QStringLiteral("01"), QStringLiteral("B0001"));
    invoice(QStringLiteral("N0000047"), QStringLiteral("TVM"), QStringLiteral("02"), QStringLiteral("B0001"));
    invoice(QStringLiteral("N0000048"), QStringLiteral("TVM"), QStringLiteral("01"), QStringLiteral("B0099"));

    const QString tvm = QStringLiteral("TVM"), ktm = QStringLiteral("KTM");
    reel(QStringLiteral("N0000045"), 1, QStringLiteral("R45-1"), tvm, tvm);
    reel(QStringLiteral("N0000045"), 2, QStringLiteral("R45-2"), tvm, tvm);
    reel(QStringLiteral("N0000045"), 3, QStringLiteral("R45-3"), tvm, tvm);
    reel(QStringLiteral("N0000045"), 1, QStringLiteral("K45-1"), ktm, ktm);
    reel(QStringLiteral("N0000045"), 2, QStringLiteral("K45-2"), ktm, tvm);
    reel(QStringLiteral("N0000046"), 1, QStringLiteral("R46-1"), tvm, tvm);
    reel(QStringLiteral("N0000046"), 2, QStringLiteral("R46-2"), tvm, tvm, QStringLiteral("01"), {0, 0, 0});
    reel(QStringLiteral("N0000046"), 3, QStringLiteral("R46-3"), tvm, tvm, QStringLiteral("01"), {1, 1, 0});
    reel(QStringLiteral("N0000046"), 4, QStringLiteral("R46-4"), tvm, tvm, QStringLiteral("01"), {1, 1, 1});
    reel(QStringLiteral("N0000046"), 5, QStringLiteral("R46-5"), tvm, ktm);
    reel(QStringLiteral("N0000047"), 1, QStringLiteral("R47-1"), tvm, tvm, QStringLiteral("02"));
    reel(QStringLiteral("N0000048"), 1, QStringLiteral("R48-1"), tvm, tvm);
}

const QString kYes = QStringLiteral("Yes");

} // namespace

void TestReelMove::init()
{
    connectAndReset();
    setClerkContext();
    seedReels();
    m_scripted = std::make_unique<ScopedScriptedUi>();
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

void TestReelMove::cleanup()
{
    frmListView::setTestDriver({});
    delete m_w.data();
    m_scripted.reset();
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    // The tables go back to the shared fixtures.
    openTestDatabase(gConnection);
    wipeReels();
    connectAndReset();
}

ReelTickWindow *TestReelMove::open(ReelTickWindow::Kind kind)
{
    // As the menu opens it: the registry gives the new window the focus, which it hands to its first control.
    registerNewsprintWindows();
    m_w = qobject_cast<ReelTickWindow *>(WindowRegistry::instance().open(
        kind == ReelTickWindow::ToPress ? ReelTickWindow::kToPressName : ReelTickWindow::kToUnitName));
    if (!m_w || !QTest::qWaitForWindowActive(m_w))
        qWarning("window not active");
    return m_w;
}

QStringList TestReelMove::listed() const
{
    QStringList reels;
    for (int r = 0; r < m_w->model()->reelCount(); ++r)
        reels << m_w->model()->text(r, ReelTickModel::ColReelNo);
    return reels;
}

void TestReelMove::clickRow(int row)
{
    QTableView *g = m_w->grid();
    const QModelIndex i = m_w->model()->index(row, ReelTickModel::ColReelNo);
    g->scrollTo(i);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(i).center());
}

void TestReelMove::toggleRow(int row)
{
    QTableView *g = m_w->grid();
    const QModelIndex i = m_w->model()->index(row, ReelTickModel::ColReelNo);
    g->scrollTo(i);
    if (m_w->kind() == ReelTickWindow::ToPress) {
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(i).center());
    } else {
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(i).center());
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(i).center());
    }
}

void TestReelMove::tickReels(const QStringList &reels)
{
    for (const QString &reelNo : reels) {
        const int row = int(listed().indexOf(reelNo));
        QVERIFY2(row >= 0, qPrintable(reelNo));
        toggleRow(row);
        QVERIFY2(m_w->model()->isTicked(row), qPrintable(reelNo));
    }
}

void TestReelMove::startUnticked()
{
    if (m_w->AllSelected())
        QTest::mouseClick(button("CmSelectAll"), Qt::LeftButton);
    QVERIFY(!m_w->AllSelected());
}

void TestReelMove::pickDestination(const QString &unitName)
{
    frmListView::setTestDriver([unitName](frmListView &dlg) {
        QTest::keyClicks(dlg.searchBox(), unitName);
        QTest::keyClick(dlg.searchBox(), Qt::Key_Return);
    });
    box("TxUnitCode")->setFocus();
    QTest::keyClick(box("TxUnitCode"), Qt::Key_F1);
    frmListView::setTestDriver({});
}

void TestReelMove::pressListFill_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("reels");
    // Line number first, so the reels of several invoices interleave.
    const QStringList all{"R45-1", "R46-1", "R48-1", "K45-2", "R45-2", "R45-3"};
    QTest::newRow("no search: every godown reel of this unit and company") << "" << all;
    QTest::newRow("blanks only search as none") << "   " << all;
    QTest::newRow("part of a reel number") << "45-" << QStringList{"R45-1", "K45-2", "R45-2", "R45-3"};
    QTest::newRow("blanks around the text are dropped") << "  R45-3 " << QStringList{"R45-3"};
    QTest::newRow("entered, issued, used up, moved away: never") << "46-" << QStringList{"R46-1"};
    QTest::newRow("another company's reel: never") << "R47" << QStringList{};
    QTest::newRow("an apostrophe is only text") << "R45'" << QStringList{};
    QTest::newRow("a reel lying elsewhere: never") << "K45-1" << QStringList{};
}

void TestReelMove::pressListFill()
{
    QFETCH(QString, search);
    QFETCH(QStringList, reels);
    open(ReelTickWindow::ToPress);
    QTest::keyClicks(box("TxSearch"), search);
    QCOMPARE(listed(), reels);
    QCOMPARE(m_w->model()->rowCount(), std::max<int>(20, int(reels.size())));
    QCOMPARE(ui().shown.size(), 0);
    for (int r = 0; r < m_w->model()->rowCount(); ++r) {
        QCOMPARE(m_w->model()->text(r, ReelTickModel::ColTick), r < reels.size() ? QString("1") : QString());
        QCOMPARE(m_w->model()->pictureIndex(r), r < reels.size() ? 13 : 0);
    }
}

void TestReelMove::stockListFill_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("boxAfter");
    QTest::addColumn<QStringList>("reels");
    QTest::addColumn<QString>("message");
    const int f5 = Qt::Key_F5, enter = Qt::Key_Return;
    QTest::newRow("F5 without text: reels with invoice, supplier and brand, by id and line")
        << "" << f5 << "" << QStringList{"R45-1", "K45-2", "R45-2", "R45-3", "R46-1"} << "";
    QTest::newRow("Enter on digits expands the id") << "46" << enter << "N0000046" << QStringList{"R46-1"} << "";
    QTest::newRow("Enter finds a reel whose brand is missing")
        << "48" << enter << "N0000048" << QStringList{"R48-1"} << "";
    QTest::newRow("F5 searches the text as typed")
        << "R45" << f5 << "R45" << QStringList{"R45-1", "R45-2", "R45-3"} << "";
    QTest::newRow("F5 on a full id") << "N0000045" << f5 << "N0000045"
                                     << QStringList{"R45-1", "K45-2", "R45-2", "R45-3"} << "";
    QTest::newRow("Enter on an id without godown reels")
        << "99" << enter << "N0000099" << QStringList{} << "No Details Found";
    QTest::newRow("Enter on an empty box still searches") << "" << enter << "N" << QStringList{} << "No Details Found";
    QTest::newRow("another company's invoice: never")
        << "47" << enter << "N0000047" << QStringList{} << "No Details Found";
    QTest::newRow("an apostrophe is only text") << "R'45" << f5 << "R'45" << QStringList{} << "No Details Found";
}

void TestReelMove::stockListFill()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, boxAfter);
    QFETCH(QStringList, reels);
    QFETCH(QString, message);
    open(ReelTickWindow::ToUnit);
    QCOMPARE(QApplication::focusWidget(), box("TxInvoiceNo"));
    // The window opens empty, its designed rows numbered.
    QCOMPARE(m_w->model()->reelCount(), 0);
    QCOMPARE(m_w->model()->text(18, 0), QString("19"));
    QTest::keyClicks(box("TxInvoiceNo"), typed);
    QTest::keyClick(box("TxInvoiceNo"), Qt::Key(key));
    QCOMPARE(box("TxInvoiceNo")->text(), boxAfter);
    QCOMPARE(listed(), reels);
    QCOMPARE(ui().texts(), message.isEmpty() ? QStringList{} : QStringList{message});
    if (!message.isEmpty())
        QCOMPARE(ui().shown.last().icon, MsgIcon::Critical);
    if (key == Qt::Key_Return)
        QCOMPARE(box("TxInvoiceNo")->selectedText(), boxAfter);
}

void TestReelMove::gridShowsReel()
{
    open(ReelTickWindow::ToPress);
    QTest::keyClicks(box("TxSearch"), "K45-2");
    QCOMPARE(listed(), QStringList{"K45-2"});
    QStringList cells;
    for (int c = 0; c < ReelTickModel::ColumnCount; ++c)
        cells << m_w->model()->text(0, c);
    QCOMPARE(cells,
             (QStringList{"1", "K45-2", "45 GSM", "Full Reel", "802.50", "42.50", "34106.25", "GSM0001", "RT0001",
                          "Thiruvananthapuram", "1", "TVM", "2", "N0000045"}));
    const QStringList headings{"Sl No",    "Reel No",        "GSM",       "Reel Type", "Weight",   "Rate",  "Amount",
                               "GSM Code", "Reel Type Code", "Unit Name", "Tick",      "UnitCode", "Sl No", ""};
    QStringList shown;
    QStringList hidden;
    for (int c = 0; c < ReelTickModel::ColumnCount; ++c) {
        QCOMPARE(m_w->model()->headerData(c, Qt::Horizontal).toString(), headings.at(c));
        (m_w->grid()->isColumnHidden(c) ? hidden : shown) << QString::number(c);
    }
    QCOMPARE(hidden, (QStringList{"7", "8", "10", "11", "12"}));
    // The heading row is drawn on blue, not in the style's grey (the style shades the blue a little).
    QHeaderView *heading = m_w->grid()->horizontalHeader();
    const QImage drawn = heading->grab().toImage();
    const QColor c =
        drawn.pixelColor(heading->sectionViewportPosition(ReelTickModel::ColWeight) + 3, drawn.height() / 2);
    QVERIFY2(c.blue() - c.red() > 60, qPrintable(c.name()));
    QCOMPARE(m_w->model()->data(m_w->model()->index(0, 4), Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
}

void TestReelMove::ticks_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("steps"); // "row N" toggles a grid row, "all" presses select-all
    QTest::addColumn<QString>("ticks");     // tick texts of rows 0 to 6 (reels first), "." for empty
    QTest::addColumn<QString>("pictures");  // picture beside rows 0 to 6, 0 for none
    const int press = ReelTickWindow::ToPress, unit = ReelTickWindow::ToUnit;
    for (int kind : {press, unit}) {
        const QByteArray k = kind == press ? "press: " : "unit: ";
        QTest::newRow(k + "filled list starts unticked") << kind << QStringList{} << "11111.."
                                                         << "13 13 13 13 13 0 0";
        QTest::newRow(k + "a row ticks") << kind << QStringList{"row 1"} << "10111.."
                                         << "13 12 13 13 13 0 0";
        QTest::newRow(k + "the same row again unticks") << kind << QStringList{"row 1", "row 1"} << "11111.."
                                                        << "13 13 13 13 13 0 0";
        QTest::newRow(k + "an empty row does nothing") << kind << QStringList{"row 6"} << "11111.."
                                                       << "13 13 13 13 13 0 0";
        QTest::newRow(k + "select-all ticks the empty rows too, without pictures")
            << kind << QStringList{"all"} << "0000000"
            << "12 12 12 12 12 0 0";
        QTest::newRow(k + "select-all twice unticks all") << kind << QStringList{"all", "all"} << "1111111"
                                                          << "13 13 13 13 13 0 0";
        QTest::newRow(k + "an empty row toggles once select-all wrote into it")
            << kind << QStringList{"all", "row 6"} << "0000001"
            << "12 12 12 12 12 0 0";
        QTest::newRow(k + "a row unticked after select-all") << kind << QStringList{"all", "row 0"} << "1000000"
                                                             << "13 12 12 12 12 0 0";
    }
}

void TestReelMove::ticks()
{
    QFETCH(int, kind);
    QFETCH(QStringList, steps);
    QFETCH(QString, ticks);
    QFETCH(QString, pictures);
    open(ReelTickWindow::Kind(kind));
    startUnticked();
    // Five reels in either list.
    if (kind == ReelTickWindow::ToUnit)
        QTest::keyClick(box("TxInvoiceNo"), Qt::Key_F5);
    else
        QTest::keyClicks(box("TxSearch"), "R4");
    QCOMPARE(m_w->model()->reelCount(), 5);
    for (const QString &step : steps) {
        if (step == "all")
            QTest::mouseClick(button("CmSelectAll"), Qt::LeftButton);
        else
            toggleRow(step.mid(4).toInt());
    }
    QString gotTicks;
    QStringList gotPictures;
    for (int r = 0; r < 7; ++r) {
        const QString t = m_w->model()->tickText(r);
        gotTicks += t.isEmpty() ? QString(".") : t;
        gotPictures << QString::number(m_w->model()->pictureIndex(r));
    }
    QCOMPARE(gotTicks, ticks);
    QCOMPARE(gotPictures.join(u' '), pictures);
    // The strip shows what the model says.
    QHeaderView *strip = m_w->grid()->verticalHeader();
    QCOMPARE(strip->objectName(), QString("ImgStatus"));
    QCOMPARE(m_w->model()->headerData(0, Qt::Vertical, Qt::DecorationRole).isNull(), false);
    QCOMPARE(m_w->model()->headerData(6, Qt::Vertical, Qt::DecorationRole).isNull(), true);
}

void TestReelMove::selectAllOutlivesTheWindow()
{
    WindowRegistry::instance().unloadAll();
    registerNewsprintWindows();
    m_w = qobject_cast<ReelTickWindow *>(WindowRegistry::instance().open("frmTransferCons"));
    QVERIFY(m_w);
    startUnticked();
    QTest::mouseClick(button("CmSelectAll"), Qt::LeftButton);
    QVERIFY(m_w->AllSelected());
    QTest::mouseClick(button("CmClose"), Qt::LeftButton);
    QTRY_VERIFY(!m_w);
    m_w = qobject_cast<ReelTickWindow *>(WindowRegistry::instance().open("frmTransferCons"));
    QVERIFY(m_w);
    // The reopened list starts unticked, yet the toggle remembers: its next press unticks.
    QVERIFY(m_w->AllSelected());
    QCOMPARE(m_w->model()->tickText(0), QString("1"));
    QTest::mouseClick(button("CmSelectAll"), Qt::LeftButton);
    QCOMPARE(m_w->model()->tickText(0), QString("1"));
    QTest::mouseClick(button("CmSelectAll"), Qt::LeftButton);
    QCOMPARE(m_w->model()->tickText(0), QString("0"));
    // A refill keeps it too.
    m_w->FillGrid();
    QVERIFY(m_w->AllSelected());
    WindowRegistry::instance().unloadAll();
}

void TestReelMove::stockTypingEmptiesList()
{
    open(ReelTickWindow::ToUnit);
    QTest::keyClick(box("TxInvoiceNo"), Qt::Key_F5);
    startUnticked();
    toggleRow(0);
    QCOMPARE(m_w->model()->pictureIndex(0), 12);
    QTest::keyClicks(box("TxInvoiceNo"), "4");
    QCOMPARE(m_w->model()->reelCount(), 0);
    QCOMPARE(m_w->model()->rowCount(), 20);
    QCOMPARE(m_w->model()->pictureIndex(0), 0);
    QCOMPARE(m_w->model()->text(0, 0), QString());
}

void TestReelMove::issueToPress_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QStringList>("issued");
    QTest::newRow("Yes issues exactly the ticked reels")
        << kYes << QStringList{"R45-2", "R46-1"} << QStringList{"R45-2", "R46-1"};
    QTest::newRow("the reel sharing id and line with a moved-in reel")
        << kYes << QStringList{"K45-2"} << QStringList{"K45-2"};
    QTest::newRow("No issues nothing") << "No" << QStringList{"R45-2"} << QStringList{};
    QTest::newRow("nothing ticked: Yes issues nothing") << kYes << QStringList{} << QStringList{};
}

void TestReelMove::issueToPress()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, ticked);
    QFETCH(QStringList, issued);
    open(ReelTickWindow::ToPress);
    QCOMPARE(QApplication::focusWidget(), button("CmTransfer"));
    startUnticked();
    const QString before = allStates();
    tickReels(ticked);
    ui().answers.enqueue(answer == kYes ? MsgAnswer::Yes : MsgAnswer::No);
    QTest::mouseClick(button("CmTransfer"), Qt::LeftButton);

    QCOMPARE(ui().texts(), QStringList{"Are you sure you want to Transfer the Stock to Press?"});
    QCOMPARE(ui().shown.first().title, gCompName);
    QCOMPARE(ui().shown.first().icon, MsgIcon::Question);
    QCOMPARE(ui().shown.first().buttons, MsgButtons::YesNo);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    // Only the issue mark of the ticked reels changed.
    QString expected = before;
    for (const QString &r : issued)
        expected.replace(r + "/1/0/0/", r + "/1/1/0/");
    QCOMPARE(allStates(), expected);
    // The refilled list has lost the issued reels and every tick.
    for (const QString &r : issued)
        QVERIFY(!listed().contains(r));
    for (int r = 0; r < m_w->model()->reelCount(); ++r)
        QCOMPARE(m_w->model()->tickText(r), QString("1"));
}

void TestReelMove::transferBetweenUnits()
{
    gUserId = QStringLiteral("1"); // the administrator may also work in KTM
    open(ReelTickWindow::ToUnit);
    QTest::keyClick(box("TxInvoiceNo"), Qt::Key_F5);
    startUnticked();
    const QString before = allStates();
    tickReels({"R45-2", "R46-1"});
    pickDestination("Kott");
    QCOMPARE(box("TxUnitCode")->text(), QString("KTM"));
    QCOMPARE(box("TxUnitName")->text(), QString("Kottayam"));
    QVERIFY(button("CmSet")->isEnabled());
    QTest::mouseClick(button("CmSet"), Qt::LeftButton);
    QVERIFY(!button("CmSet")->isEnabled());
    const int r45 = int(listed().indexOf("R45-2"));
    QCOMPARE(m_w->model()->text(r45, ReelTickModel::ColUnitName), QString("Kottayam"));
    QCOMPARE(m_w->model()->text(r45, ReelTickModel::ColUnitCode), QString("KTM"));
    // Ticked after Set: keeps its unit.
    tickReels({"R45-3"});
    QCOMPARE(m_w->model()->text(int(listed().indexOf("R45-3")), ReelTickModel::ColUnitCode), QString("TVM"));

    ui().answers.enqueue(MsgAnswer::Yes);
    QTest::mouseClick(button("CmTransfer"), Qt::LeftButton);
    QCOMPARE(ui().texts(), QStringList{"Are you sure you want to Transfer the Stock to Unit?"});
    QCOMPARE(ui().shown.first().title, gCompName);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QString expected = before;
    expected.replace("R45-2/1/0/0/TVM/TVM", "R45-2/1/0/0/KTM/TVM");
    expected.replace("R46-1/1/0/0/TVM/TVM", "R46-1/1/0/0/KTM/TVM");
    QCOMPARE(allStates(), expected);
    QCOMPARE(listed(), (QStringList{"R45-1", "K45-2", "R45-3"}));
    // The chosen unit is still there, so Set is offered again.
    QVERIFY(button("CmSet")->isEnabled());

    // The moved reels are in the other unit's list now.
    delete m_w.data();
    gUnitCode = QStringLiteral("KTM");
    open(ReelTickWindow::ToPress);
    QCOMPARE(listed(), (QStringList{"K45-1", "R46-1", "R45-2", "R46-5"}));
}

void TestReelMove::transferRefusals_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("setEnabled");
    QTest::newRow("transfer with nothing ticked")
        << QStringList{"transfer"} << QStringList{"Please Select an Entry.   "} << "" << false;
    QTest::newRow("only empty rows ticked: still nothing")
        << QStringList{"all", "untick reels", "transfer"} << QStringList{"Please Select an Entry.   "} << "" << false;
    QTest::newRow("unit chosen, not set")
        << QStringList{"tick", "unit", "transfer"} << QStringList{"Please Set the Unit For Selected Reels.   "}
        << "CmSet" << true;
    QTest::newRow("set with nothing ticked")
        << QStringList{"unit", "set"} << QStringList{"No Items Selected.  "} << "" << true;
    QTest::newRow("set with only empty rows ticked")
        << QStringList{"all", "untick reels", "unit", "set"} << QStringList{"No Items Selected.  "} << "" << true;
    QTest::newRow("ticked without a unit: asked, and nothing moves")
        << QStringList{"tick", "transfer yes"} << QStringList{"Are you sure you want to Transfer the Stock to Unit?"}
        << "" << false;
}

void TestReelMove::transferRefusals()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, messages);
    QFETCH(QString, focus);
    QFETCH(bool, setEnabled);
    open(ReelTickWindow::ToUnit);
    QTest::keyClick(box("TxInvoiceNo"), Qt::Key_F5);
    startUnticked();
    const QString before = allStates();
    for (const QString &step : steps) {
        if (step == "all") {
            QTest::mouseClick(button("CmSelectAll"), Qt::LeftButton);
        } else if (step == "untick reels") {
            for (int r = 0; r < m_w->model()->reelCount(); ++r)
                toggleRow(r);
        } else if (step == "tick") {
            tickReels({"R45-1"});
        } else if (step == "unit") {
            pickDestination("Adv");
        } else if (step == "set") {
            QTest::mouseClick(button("CmSet"), Qt::LeftButton);
        } else if (step == "transfer" || step == "transfer yes") {
            if (step == "transfer yes")
                ui().answers.enqueue(MsgAnswer::Yes);
            QTest::mouseClick(button("CmTransfer"), Qt::LeftButton);
        }
    }
    QCOMPARE(ui().texts(), messages);
    if (messages.first() != "Are you sure you want to Transfer the Stock to Unit?")
        QCOMPARE(ui().shown.first().icon, MsgIcon::Critical);
    if (!focus.isEmpty())
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QCOMPARE(button("CmSet")->isEnabled(), setEnabled);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QCOMPARE(allStates(), before);
}

void TestReelMove::busyTransferDoesNothing_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("press") << int(ReelTickWindow::ToPress);
    QTest::newRow("unit") << int(ReelTickWindow::ToUnit);
}

void TestReelMove::busyTransferDoesNothing()
{
    QFETCH(int, kind);
    open(ReelTickWindow::Kind(kind));
    if (kind == ReelTickWindow::ToUnit)
        QTest::keyClick(box("TxInvoiceNo"), Qt::Key_F5);
    startUnticked();
    tickReels({"R45-1"});
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QTest::mouseClick(button("CmTransfer"), Qt::LeftButton);
    QCOMPARE(ui().texts(), QStringList{});
    QVERIFY(m_w->model()->isTicked(0));
    // The other work's hourglass is left to it.
    QVERIFY(QGuiApplication::overrideCursor());
    QGuiApplication::restoreOverrideCursor();
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestReelMove::destinationLookup_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QStringList>("offered"); // code:name; empty when no list is shown
    QTest::newRow("the clerk in TVM: not TVM, not CRP") << "2"
                                                        << "TVM" << QStringList{"ADV:Advertisement Cell"};
    QTest::newRow("the administrator in TVM") << "1"
                                              << "TVM" << QStringList{"KTM:Kottayam"};
    QTest::newRow("the administrator in KTM") << "1"
                                              << "KTM" << QStringList{"TVM:Thiruvananthapuram"};
    QTest::newRow("the clerk in CRP") << "2"
                                      << "CRP" << QStringList{"TVM:Thiruvananthapuram", "ADV:Advertisement Cell"};
    QTest::newRow("a user with no other unit: no list") << "3"
                                                        << "TVM" << QStringList{};
}

void TestReelMove::destinationLookup()
{
    QFETCH(QString, user);
    QFETCH(QString, unit);
    QFETCH(QStringList, offered);
    gUserId = user;
    gUnitCode = unit;
    open(ReelTickWindow::ToUnit);
    // A unit chosen before: the lookup's answer replaces it either way.
    box("TxUnitCode")->setText("XXX");
    QStringList seen;
    QString caption;
    frmListView::setTestDriver([&](frmListView &dlg) {
        caption = dlg.windowTitle();
        for (int r = 1; r < dlg.gridRowCount() && !dlg.cellText(r, 1).isEmpty(); ++r)
            seen << dlg.cellText(r, 1) + ":" + dlg.cellText(r, 2);
        QTest::keyClick(dlg.grid(), Qt::Key_Return);
    });
    box("TxUnitCode")->setFocus();
    QTest::keyClick(box("TxUnitCode"), Qt::Key_F1);
    QCOMPARE(seen, offered);
    if (offered.isEmpty()) {
        QCOMPARE(box("TxUnitCode")->text(), QString());
        QVERIFY(!button("CmSet")->isEnabled());
    } else {
        QCOMPARE(caption, QString("Unit Help"));
        QCOMPARE(box("TxUnitCode")->text() + ":" + box("TxUnitName")->text(), offered.first());
        QVERIFY(button("CmSet")->isEnabled());
    }
    QCOMPARE(gHelpCol1, QString());
}

void TestReelMove::delClearsDestination()
{
    open(ReelTickWindow::ToUnit);
    pickDestination("Adv");
    QCOMPARE(box("TxUnitCode")->text(), QString("ADV"));
    // Typing goes nowhere; Del clears both boxes.
    QTest::keyClicks(box("TxUnitCode"), "KTM");
    QCOMPARE(box("TxUnitCode")->text(), QString("ADV"));
    QTest::keyClick(box("TxUnitCode"), Qt::Key_Delete);
    QCOMPARE(box("TxUnitCode")->text(), QString());
    QCOMPARE(box("TxUnitName")->text(), QString());
    QVERIFY(!button("CmSet")->isEnabled());
}

void TestReelMove::changedElsewhereIsNotMoved_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("elsewhere");
    QTest::addColumn<QString>("after"); // the changed reel R45-2 afterwards
    const int press = ReelTickWindow::ToPress, unit = ReelTickWindow::ToUnit;
    const QString issue = "Update vstores_2024.inv_invoice_trans set invtrans_cons_flag=1 where invtrans_reel_no=?";
    const QString move = "Update vstores_2024.inv_invoice_trans set invtrans_unit_code='KTM' where invtrans_reel_no=?";
    const QString unfinalise = "Update vstores_2024.inv_invoice_trans set invtrans_finalize=0 where invtrans_reel_no=?";
    QTest::newRow("press: issued elsewhere") << press << issue << "1/1/0/TVM/TVM";
    QTest::newRow("press: moved elsewhere") << press << move << "1/0/0/KTM/TVM";
    QTest::newRow("press: finalisation removed elsewhere") << press << unfinalise << "0/0/0/TVM/TVM";
    QTest::newRow("unit: issued elsewhere") << unit << issue << "1/1/0/TVM/TVM";
    QTest::newRow("unit: moved elsewhere") << unit << move << "1/0/0/KTM/TVM";
    QTest::newRow("unit: finalisation removed elsewhere") << unit << unfinalise << "0/0/0/TVM/TVM";
}

void TestReelMove::changedElsewhereIsNotMoved()
{
    QFETCH(int, kind);
    QFETCH(QString, elsewhere);
    QFETCH(QString, after);
    open(ReelTickWindow::Kind(kind));
    if (kind == ReelTickWindow::ToUnit)
        QTest::keyClick(box("TxInvoiceNo"), Qt::Key_F5);
    startUnticked();
    tickReels({"R45-1", "R45-2", "R46-1"});
    if (kind == ReelTickWindow::ToUnit) {
        pickDestination("Adv");
        QTest::mouseClick(button("CmSet"), Qt::LeftButton);
    }

    Database other(QStringLiteral("other-workstation"));
    openTestDatabase(other);
    QCOMPARE(other.execute(elsewhere, {"R45-2"}), 1);
    other.close();

    ui().answers.enqueue(MsgAnswer::Yes);
    QTest::mouseClick(button("CmTransfer"), Qt::LeftButton);
    QCOMPARE(ui().shown.size(), 2);
    QCOMPARE(ui().shown.at(1).text,
             QString("1 of the 3 selected reels were not transferred: another workstation "
                     "has issued, moved or changed them since the list was shown.   "));
    QCOMPARE(ui().shown.at(1).icon, MsgIcon::Information);
    QCOMPARE(state("R45-2"), after);
    const QString moved = kind == ReelTickWindow::ToPress ? "1/1/0/TVM/TVM" : "1/0/0/ADV/TVM";
    QCOMPARE(state("R45-1"), moved);
    QCOMPARE(state("R46-1"), moved);
    QCOMPARE(state("R45-3"), kGodownTvm);
    QCOMPARE(state("K45-2"), QString("1/0/0/TVM/KTM"));
}

void TestReelMove::failedBatchMovesNothing_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("press") << int(ReelTickWindow::ToPress);
    QTest::newRow("unit") << int(ReelTickWindow::ToUnit);
}

void TestReelMove::failedBatchMovesNothing()
{
    QFETCH(int, kind);
    open(ReelTickWindow::Kind(kind));
    if (kind == ReelTickWindow::ToUnit)
        QTest::keyClick(box("TxInvoiceNo"), Qt::Key_F5);
    startUnticked();
    tickReels({"R45-1", "R46-1"});
    if (kind == ReelTickWindow::ToUnit) {
        pickDestination("Adv");
        QTest::mouseClick(button("CmSet"), Qt::LeftButton);
    }
    const QString before = allStates();
    // Another workstation holds the second reel's row, so its update fails after the first one ran.
    gConnection.execute(QStringLiteral("Set session innodb_lock_wait_timeout=1"));
    Database other(QStringLiteral("other-workstation"));
    openTestDatabase(other);
    other.begin();
    other.query(
        QStringLiteral("Select * from vstores_2024.inv_invoice_trans where invtrans_reel_no='R46-1' for update"));

    ui().answers.enqueue(MsgAnswer::Yes);
    QTest::mouseClick(button("CmTransfer"), Qt::LeftButton);
    other.rollback();
    other.close();

    QCOMPARE(ui().shown.size(), 2);
    QVERIFY2(ui().shown.at(1).text.contains("Lock wait timeout"), qPrintable(ui().shown.at(1).text));
    QCOMPARE(allStates(), before);
    QVERIFY(!gConnection.inTransaction());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    // The list was read again and the reels are still offered.
    QVERIFY(listed().contains("R45-1"));
    QVERIFY(listed().contains("R46-1"));
}

void TestReelMove::openedByName()
{
    WindowRegistry::instance().unloadAll();
    registerNewsprintWindows();
    for (const QString &name : {QStringLiteral("frmTransferCons"), QStringLiteral("frmStockTransfer")}) {
        QPointer<QWidget> w = WindowRegistry::instance().open(name);
        QVERIFY2(qobject_cast<ReelTickWindow *>(w), qPrintable(name));
        QCOMPARE(w->objectName(), name);
        QCOMPARE(w->windowTitle(),
                 name == "frmTransferCons" ? QString("Transfer To Press") : QString("Stock Transfer"));
        WindowRegistry::instance().unloadAll();
        QTRY_VERIFY(!w);
    }
}

void TestReelMove::opensInTheMainArea_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("focused");
    QTest::newRow("press") << int(ReelTickWindow::ToPress) << "CmTransfer";
    QTest::newRow("unit") << int(ReelTickWindow::ToUnit) << "TxInvoiceNo";
}

void TestReelMove::opensInTheMainArea()
{
    QFETCH(int, kind);
    QFETCH(QString, focused);
    // As the main window shows it: a subwindow of its area.
    WindowRegistry::instance().unloadAll();
    QMdiArea area;
    area.resize(1400, 1000);
    area.show();
    WindowRegistry::instance().setArea(&area);
    open(ReelTickWindow::Kind(kind));
    QVERIFY(m_w);
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
    // Every column the grid shows lies within its view.
    QTableView *grid = m_w->grid();
    int last = -1;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        if (!grid->isColumnHidden(c))
            last = c;
    QVERIFY(last >= 0);
    QVERIFY2(grid->columnViewportPosition(last) + grid->columnWidth(last) <= grid->viewport()->width(),
             qPrintable(QStringLiteral("column %1 ends at %2, view %3 wide")
                            .arg(last)
                            .arg(grid->columnViewportPosition(last) + grid->columnWidth(last))
                            .arg(grid->viewport()->width())));
    WindowRegistry::instance().unloadAll();
    WindowRegistry::instance().setArea(nullptr);
}

void TestReelMove::focusOrder_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("unitChosen"); // a destination picked, so Set is enabled
    QTest::addColumn<QStringList>("order");
    QTest::newRow("press") << int(ReelTickWindow::ToPress) << false
                           << QStringList{"CmTransfer", "CmClose", "GrInvoice", "CmSelectAll", "TxSearch"};
    QTest::newRow("unit, Set disabled: passed over")
        << int(ReelTickWindow::ToUnit) << false
        << QStringList{"TxInvoiceNo", "CmTransfer", "CmClose", "CmSelectAll", "TxUnitCode", "TxUnitName", "GrInvoice"};
    QTest::newRow("unit, Set enabled") << int(ReelTickWindow::ToUnit) << true
                                       << QStringList{"TxInvoiceNo", "CmTransfer", "CmClose", "CmSelectAll",
                                                      "TxUnitCode",  "TxUnitName", "CmSet",   "GrInvoice"};
}

void TestReelMove::focusOrder()
{
    QFETCH(int, kind);
    QFETCH(bool, unitChosen);
    QFETCH(QStringList, order);
    open(ReelTickWindow::Kind(kind));
    QWidget *start = m_w->findChild<QWidget *>(order.first());
    QCOMPARE(QApplication::focusWidget(), start);
    if (kind == ReelTickWindow::ToUnit)
        QTest::keyClick(start, Qt::Key_F5); // a filled grid, whose cells Tab must not walk through
    if (unitChosen) {
        pickDestination("Adv");
        start->setFocus();
    }
    // Tab goes round the controls in order and back to the first; Shift+Tab goes the other way.
    QStringList forward{order.first()};
    for (qsizetype i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(forward, order + QStringList{order.first()});
    QStringList backward{order.first()};
    for (qsizetype i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        backward.prepend(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(backward, order + QStringList{order.first()});
}

void TestReelMove::keysAndClicks_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("control"); // where the key goes; "row" clicks the first reel row
    QTest::addColumn<QString>("input");   // a key name, "click" or "double-click"
    QTest::addColumn<bool>("refilled");   // the list was read again
    QTest::addColumn<QString>("tick");    // the first reel's tick afterwards
    const int press = ReelTickWindow::ToPress, unit = ReelTickWindow::ToUnit;
    QTest::newRow("press: F5 is not bound") << press << "TxSearch"
                                            << "F5" << false << "1";
    QTest::newRow("press: F9 does not close") << press << "CmTransfer"
                                              << "F9" << false << "1";
    QTest::newRow("press: Esc does not close") << press << "GrInvoice"
                                               << "Esc" << false << "1";
    QTest::newRow("press: Enter in the search box") << press << "TxSearch"
                                                    << "Enter" << false << "1";
    QTest::newRow("press: a click ticks") << press << "row"
                                          << "click" << false << "0";
    QTest::newRow("press: a double-click ticks once") << press << "row"
                                                      << "double-click" << false << "0";
    QTest::newRow("unit: F5 in the grid fills") << unit << "GrInvoice"
                                                << "F5" << true << "1";
    QTest::newRow("unit: F5 in the unit box fills") << unit << "TxUnitCode"
                                                    << "F5" << true << "1";
    QTest::newRow("unit: F9 does not close") << unit << "TxInvoiceNo"
                                             << "F9" << false << "1";
    QTest::newRow("unit: Esc does not close") << unit << "TxInvoiceNo"
                                              << "Esc" << false << "1";
    QTest::newRow("unit: Enter in the unit box") << unit << "TxUnitCode"
                                                 << "Enter" << false << "1";
    QTest::newRow("unit: a click does not tick") << unit << "row"
                                                 << "click" << false << "1";
    QTest::newRow("unit: a double-click ticks") << unit << "row"
                                                << "double-click" << false << "0";
}

void TestReelMove::keysAndClicks()
{
    QFETCH(int, kind);
    QFETCH(QString, control);
    QFETCH(QString, input);
    QFETCH(bool, refilled);
    QFETCH(QString, tick);
    open(ReelTickWindow::Kind(kind));
    if (kind == ReelTickWindow::ToUnit)
        QTest::keyClick(box("TxInvoiceNo"), Qt::Key_F5);
    startUnticked();
    const QStringList before = listed();
    QCOMPARE(before.first(), QString("R45-1"));
    // Another workstation issues the first reel: only a refill drops it.
    run(QStringLiteral(
        "Update vstores_2024.inv_invoice_trans set invtrans_cons_flag=1 where invtrans_reel_no='R45-1'"));
    if (control == "row") {
        QTableView *g = m_w->grid();
        const QPoint at = g->visualRect(m_w->model()->index(0, ReelTickModel::ColReelNo)).center();
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, at);
        if (input == "double-click")
            QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, at);
    } else {
        QWidget *target = m_w->findChild<QWidget *>(control);
        QVERIFY2(target, qPrintable(control));
        target->setFocus();
        const QMap<QString, Qt::Key> keys{
            {"F5", Qt::Key_F5}, {"F9", Qt::Key_F9}, {"Esc", Qt::Key_Escape}, {"Enter", Qt::Key_Return}};
        QTest::keyClick(target, keys.value(input));
    }
    QTest::qWait(50);
    QVERIFY(m_w);
    QVERIFY(m_w->isVisible());
    QCOMPARE(listed().contains("R45-1"), !refilled);
    QCOMPARE(ui().texts(), QStringList{});
    if (!refilled)
        QCOMPARE(m_w->model()->tickText(0), tick);
}

void TestReelMove::selectOnEntry_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::newRow("invoice box") << "TxInvoiceNo";
    QTest::newRow("unit box") << "TxUnitCode";
}

void TestReelMove::selectOnEntry()
{
    QFETCH(QString, boxName);
    open(ReelTickWindow::ToUnit);
    QTest::keyClicks(box("TxInvoiceNo"), "N0000045");
    pickDestination("Adv");
    QLineEdit *b = m_w->findChild<QLineEdit *>(boxName);
    const QString text = b->text();
    QVERIFY(!text.isEmpty());
    button("CmClose")->setFocus();
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, b->height() / 2));
    QCOMPARE(QApplication::focusWidget(), b);
    // The caret a click places comes after the focus; the whole text is selected all the same.
    QTRY_COMPARE(b->selectedText(), text);
}


void TestReelMove::tickedReelRenumberedByAnEditIsLeftAlone()
{
    open(ReelTickWindow::ToPress);
    startUnticked();
    tickReels({"R45-2"});
    // Meanwhile an edit on another workstation removed R45-1: R45-3 now has
    // the line R45-2 had when the list was read.
    run(QStringLiteral("Delete from vstores_2024.inv_invoice_trans where invtrans_reel_no='R45-1'"));
    run(QStringLiteral("Update vstores_2024.inv_invoice_trans set invtrans_slno=invtrans_slno-1 where "
                       "invtrans_id='N0000045' and unit_code='TVM'"));
    const QString before = allStates();
    ui().answers.enqueue(MsgAnswer::Yes);
    QTest::mouseClick(button("CmTransfer"), Qt::LeftButton);
    QCOMPARE(allStates(), before);
    QCOMPARE(ui().texts().last(),
             QString("1 of the 1 selected reels were not transferred: another workstation has issued, moved or "
                     "changed them since the list was shown.   "));
}

void TestReelMove::storeRefusesADestinationTheWindowNeverOffers_data()
{
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("moves");
    QTest::newRow("another unit") << "KTM" << true;
    QTest::newRow("the current unit") << "TVM" << false;
    QTest::newRow("the corporate office") << "CRP" << false;
    QTest::newRow("no such unit") << "XYZ" << false;
    QTest::newRow("nothing") << "" << false;
}

void TestReelMove::storeRefusesADestinationTheWindowNeverOffers()
{
    QFETCH(QString, to);
    QFETCH(bool, moves);
    const QString before = allStates();
    bool refused = false;
    int moved = 0;
    try {
        // R46-1 to a proper unit beside R45-2 to the unit under test: a refusal stops the whole batch.
        moved = ReelTransferStore::moveToUnits({{"N0000046", "1", "TVM", "KTM", "R46-1"},
                                                {"N0000045", "2", "TVM", to, "R45-2"}});
    } catch (const DbError &e) {
        refused = true;
        QVERIFY2(QString::fromUtf8(e.what()).contains("is not a unit the reels can be transferred to"), e.what());
    }
    QCOMPARE(refused, !moves);
    QCOMPARE(moved, moves ? 2 : 0);
    if (!moves)
        QCOMPARE(allStates(), before);
    else
        QCOMPARE(state("R45-2"), QString("1/0/0/KTM/TVM"));
}

QTEST_MAIN(TestReelMove)
#include "tst_db_reelmove.moc"
