#include "GridTestSupport.h"
#include "TextLengths.h"
#include "NewsprintWindows.h"
#include "ReelGrid.h"
#include "Sheet.h"
#include "SheetView.h"
#include "TestSupport.h"
#include "frmInvoice.h"
#include "InvoiceStore.h"
#include "frmInvoiceMaster.h"
#include "mdlVelmora.h"
#include <QMdiArea> // WindowRegistry.h reads the area inline
#include "WindowRegistry.h"
#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

// The newsprint invoice window on the real server, driven as a clerk would:
// the header through its Enter chain and lookups, the reels through the grid's
// editor, the commands with the mouse and the questions answered by script.
class TestInvoiceWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void enterSaveReopenEditFinalise();
    void thirtyReelsRepeatedWithCtrlA();
    void enterChain_data();
    void enterChain();
    void enterRefusals_data();
    void enterRefusals();
    void typingIntoCodeBoxEmptiesName();
    void saveRefusals_data();
    void saveRefusals();
    void duplicateInvoiceNumber();
    void failingSaveKeepsEverythingTyped();
    void boxesAndReelCellsHoldTheirColumns();
    void edit_data();
    void edit();
    void finalise_data();
    void finalise();
    void removeFinalise_data();
    void removeFinalise();
    void numberCorrection_data();
    void numberCorrection();
    void listNewWhileEnteringSaves();
    void captionKeysAreNotBound_data();
    void longInvoiceWithMissingMasterSurvivesEdit();
    void captionKeysAreNotBound();
    void colouredBoxesGreyInViewState_data();
    void colouredBoxesGreyInViewState();
    void saveEditRechecksTheStoredInvoice_data();
    void saveEditRechecksTheStoredInvoice();
    void secondEditKnowsTheReelsOfTheFirst();
    void gsmWithoutItsCodeIsSentBack();
    void ctrlAOnTheGsmRepeatsTheReel();
    void emptiedReelNumberRefusesSave_data();
    void emptiedReelNumberRefusesSave();
    void gsmChoiceCountsOnlyWithEnter_data();
    void gsmChoiceCountsOnlyWithEnter();
    void emptiedGsmKeepsNoCode();
    void newShowsZeroInEveryAmount();
    void cancelledNewReachesNothingStoredElsewhere_data();
    void cancelledNewReachesNothingStoredElsewhere();
    void newReelTakesNoBareCode_data();
    void newReelTakesNoBareCode();
    void ctrlAOnStoredReelTakesNoBareGsmCode();
    void reelNumberLongerInCapitalsRefusedAtEnter();
    void loadedTextsShownWhole();

private:
    frmInvoiceMaster *openNew();
    frmInvoiceMaster *openStored(const QString &transId);
    void pick(QWidget *target, const QString &search, int key = Qt::Key_F1);
    void typeHeader(const QString &invoiceNo, bool supplier = true, bool brand = true);
    void typeReel(const QString &reelNo, const QString &gsm, const QString &type, const QString &weight,
                  const QString &rate);
    void typeAmounts(const QString &freight, const QString &cgst);
    void click(QPushButton *b);
    QLineEdit *editor() const { return m_w->grid()->editor(); }
    QString field(const QString &sql, const QVariantList &values = {});
    void storeInvoice(const QString &transId, const QString &unit, int finalized);
    // The stored invoice: its header and reels, every column the window writes.
    QString storedInvoice(const QString &transId);

    std::unique_ptr<ScopedScriptedUi> m_scripted;
    QPointer<frmInvoiceMaster> m_w;
};

namespace {
QString stateOf(frmInvoiceMaster *w)
{
    switch (w->state()) {
    case RecordState::View: return QStringLiteral("view");
    case RecordState::New: return QStringLiteral("new");
    case RecordState::Edit: return QStringLiteral("edit");
    }
    return {};
}
} // namespace

void TestInvoiceWindow::initTestCase()
{
    registerNewsprintWindows();
}

void TestInvoiceWindow::init()
{
    connectAndReset();
    setClerkContext();
    gSelectedCode.clear();
    m_scripted = std::make_unique<ScopedScriptedUi>();
}

void TestInvoiceWindow::cleanup()
{
    frmListView::setTestDriver({});
    WindowRegistry::instance().unloadAll();
    m_scripted.reset();
}

frmInvoiceMaster *TestInvoiceWindow::openNew()
{
    m_w = qobject_cast<frmInvoiceMaster *>(WindowRegistry::instance().open(QStringLiteral("frmInvoiceMaster")));
    if (!m_w)
        return nullptr;
    m_w->activateWindow();
    if (!QTest::qWaitForWindowActive(m_w))
        qWarning("invoice window not active");
    m_w->CmNew_Click();
    return m_w;
}

frmInvoiceMaster *TestInvoiceWindow::openStored(const QString &transId)
{
    gSelectedCode = transId;
    m_w = qobject_cast<frmInvoiceMaster *>(WindowRegistry::instance().open(QStringLiteral("frmInvoiceMaster")));
    if (!m_w)
        return nullptr;
    m_w->activateWindow();
    if (!QTest::qWaitForWindowActive(m_w))
        qWarning("invoice window not active");
    m_w->CmCancel_Click();
    return m_w;
}

// F1 on the control; the lookup list takes the first row whose name begins with `search`.
void TestInvoiceWindow::pick(QWidget *target, const QString &search, int key)
{
    frmListView::setTestDriver([search](frmListView &lv) {
        QTest::keyClicks(lv.searchBox(), search);
        QTest::keyClick(lv.searchBox(), Qt::Key_Return);
    });
    QTest::keyClick(target, Qt::Key(key));
    frmListView::setTestDriver({});
}

void TestInvoiceWindow::typeHeader(const QString &invoiceNo, bool supplier, bool brand)
{
    QTest::keyClicks(m_w->TxInvoiceNo, invoiceNo);
    QTest::keyClick(m_w->TxInvoiceNo, Qt::Key_Return);
    QTest::keyClick(m_w->DtInvoice, Qt::Key_Return);
    QTest::keyClick(m_w->DtReceipt, Qt::Key_Return);
    if (supplier)
        pick(m_w->TxSuppCode, QStringLiteral("Kerala"));
    QTest::keyClick(m_w->TxSuppCode, Qt::Key_Return);
    if (brand)
        pick(m_w->TxBrandCode, QStringLiteral("Kerala"));
    QTest::keyClick(m_w->TxBrandCode, Qt::Key_Return);
}

// The editor stands on the reel's "Reel No"; afterwards on the next reel's.
void TestInvoiceWindow::typeReel(const QString &reelNo, const QString &gsm, const QString &type, const QString &weight,
                                 const QString &rate)
{
    QTest::keyClicks(editor(), reelNo);
    QTest::keyClick(editor(), Qt::Key_Return);
    pick(editor(), gsm);
    QTest::keyClick(editor(), Qt::Key_Return);
    pick(editor(), type);
    QTest::keyClick(editor(), Qt::Key_Return);
    QTest::keyClicks(editor(), weight);
    QTest::keyClick(editor(), Qt::Key_Return);
    QTest::keyClicks(editor(), rate);
    QTest::keyClick(editor(), Qt::Key_Return);
}

// Enter on the empty "Reel No" leaves the grid for the freight, then the amounts follow.
void TestInvoiceWindow::typeAmounts(const QString &freight, const QString &cgst)
{
    QTest::keyClick(editor(), Qt::Key_Return);
    QVERIFY(m_w->TxFreight->hasFocus());
    QTest::keyClicks(m_w->TxFreight, freight);
    QTest::keyClick(m_w->TxFreight, Qt::Key_Return);
    QTest::keyClick(m_w->TxRoundOffPlus, Qt::Key_Return);
    QTest::keyClick(m_w->TxRoundOffMinus, Qt::Key_Return);
    // CGST does not select its text on entry: the clerk selects it to type over "0.00".
    m_w->TxCGST->selectAll();
    QTest::keyClicks(m_w->TxCGST, cgst);
}

void TestInvoiceWindow::click(QPushButton *b)
{
    QVERIFY2(b->isEnabled(), qPrintable(b->objectName() + QStringLiteral(" is disabled")));
    QTest::mouseClick(b, Qt::LeftButton);
}

QString TestInvoiceWindow::field(const QString &sql, const QVariantList &values)
{
    return GetFirstValue(sql, values);
}

void TestInvoiceWindow::storeInvoice(const QString &transId, const QString &unit, int finalized)
{
    gConnection.execute(
        "Insert into vstores_2024.inv_invoice (unit_code, comp_code, inv_trans_id, inv_invoice_no, inv_date, "
        "inv_receipt_date, inv_supp_code, inv_brand_code, inv_freight, inv_weight, inv_total, inv_grand_total, "
        "inv_net_total, inv_finalize) values (?,'01',?,?,'2024-05-01','2024-05-02','441200001','B0001',50,1000,"
        "45000,45000,45000,?)",
        {unit, transId, QString(QStringLiteral("KNM-") + transId), finalized});
    gConnection.execute("Insert into vstores_2024.inv_invoice_trans (unit_code, comp_code, invtrans_id, "
                        "invtrans_slno, invtrans_reel_no, invtrans_gsm, invtrans_reel_type, invtrans_weight, "
                        "invtrans_rate, invtrans_amt, invtrans_unit_code, invtrans_finalize) values "
                        "(?,'01',?,1,'R1','GSM0001','RT0001',1000,45,45000,?,?)",
                        {unit, transId, unit, finalized});
}

QString TestInvoiceWindow::storedInvoice(const QString &transId)
{
    return field("Select concat_ws('|', inv_invoice_no, inv_supp_code, inv_brand_code, inv_freight, inv_weight, "
                 "inv_total, inv_round_plus, inv_round_minus, inv_cgst, inv_sgst, inv_igst, inv_grand_total, "
                 "inv_net_total, inv_cust_duty, ifnull(modified_by, '-')) from vstores_2024.inv_invoice "
                 "where inv_trans_id=?",
                 {transId})
        + u'#'
        + field("Select group_concat(concat_ws(':', invtrans_slno, invtrans_reel_no, invtrans_gsm, "
                "invtrans_reel_type, invtrans_weight, invtrans_rate, invtrans_amt) order by invtrans_slno "
                "separator ' ') from vstores_2024.inv_invoice_trans where invtrans_id=?",
                {transId});
}

void TestInvoiceWindow::enterSaveReopenEditFinalise()
{
    // New from the list, as the clerk starts it.
    gConnection.execute("Update vstores_2024.numbersetup set no_value='N0000041' where no_id='INV_01_TVM'");
    auto *list = qobject_cast<frmInvoice *>(WindowRegistry::instance().open(QStringLiteral("frmInvoice")));
    QVERIFY(list);
    click(list->findChild<QPushButton *>(QStringLiteral("CmNew")));
    m_w = WindowRegistry::instance().find<frmInvoiceMaster>(QStringLiteral("frmInvoiceMaster"));
    QVERIFY(m_w);
    // Outside the main window the two are windows of their own; the entry window is the clerk's.
    m_w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_w));
    QCOMPARE(stateOf(m_w), QStringLiteral("new"));
    QCOMPARE(m_w->newButton()->text(), QStringLiteral("Save - F5"));
    QCOMPARE(m_w->LbSerialNo->text(), QStringLiteral("N0000041"));
    QCOMPARE(m_w->caption(), QStringLiteral("Voucher"));

    m_w->DtInvoice->setDate(QDate(2024, 6, 3));
    m_w->DtReceipt->setDate(QDate(2024, 6, 5));
    typeHeader(QStringLiteral(" KNM/77 "));
    QCOMPARE(m_w->TxSuppCode->text(), QStringLiteral("441200001"));
    QCOMPARE(m_w->TxSuppName->text(), QStringLiteral("Kerala Newsprint Mills"));
    QCOMPARE(m_w->TxBrandName->text(), QStringLiteral("Kerala Newsprint"));
    QVERIFY(editor()->isVisible());
    typeReel(QStringLiteral("kn001"), QStringLiteral("45"), QStringLiteral("Full"), QStringLiteral("812.5"),
             QStringLiteral("52.35"));
    typeReel(QStringLiteral("KN002"), QStringLiteral("48"), QStringLiteral("Half"), QStringLiteral("406"),
             QStringLiteral("52"));
    typeAmounts(QStringLiteral("1500"), QStringLiteral("90"));
    QTest::keyClick(m_w->TxCGST, Qt::Key_Return);
    m_w->TxSGST->selectAll();
    QTest::keyClicks(m_w->TxSGST, QStringLiteral("90"));

    // 812.50 x 52.35 = 42534.375 shows 42534.38; 406 x 52 = 21112.00.
    QCOMPARE(m_w->grid()->cell(1, ReelGrid::Amount), QStringLiteral("42534.38"));
    QCOMPARE(m_w->TxTotal->text(), QStringLiteral("63646.38"));
    QCOMPARE(m_w->TxWeight->text(), QStringLiteral("1218.50"));
    QCOMPARE(m_w->TxNet->text(), QStringLiteral("63826.38"));
    QCOMPARE(m_w->TxTaxable->text(), QStringLiteral("63466.38"));

    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(stateOf(m_w), QStringLiteral("view"));
    QCOMPARE(m_w->LbSerialNo->text(), QStringLiteral("N0000041"));
    QCOMPARE(field("Select no_value from vstores_2024.numbersetup where no_id='INV_01_TVM'"),
             QStringLiteral("N0000042"));
    QCOMPARE(field("Select concat_ws('|', inv_invoice_no, inv_date, inv_receipt_date, inv_supp_code, inv_brand_code, "
                   "inv_freight, inv_weight, inv_total, inv_cgst, inv_sgst, inv_grand_total, inv_net_total, "
                   "inv_finalize, created_by) from vstores_2024.inv_invoice where inv_trans_id='N0000041'"),
             QStringLiteral("KNM/77|2024-06-03|2024-06-05|441200001|B0001|1500.00|1218.50|63646.38|90.00|90.00|"
                            "63646.38|63826.38|0|2"));
    QCOMPARE(field("Select group_concat(concat_ws(':', invtrans_slno, invtrans_reel_no, invtrans_gsm, "
                   "invtrans_reel_type, invtrans_amt, invtrans_unit_code) order by invtrans_slno separator ' ') "
                   "from vstores_2024.inv_invoice_trans where invtrans_id='N0000041'"),
             QStringLiteral("1:KN001:GSM0001:RT0001:42534.38:TVM 2:KN002:GSM0002:RT0002:21112.00:TVM"));

    // Closed, then found again in the list and opened with a double-click.
    click(m_w->closeButton());
    QTRY_VERIFY(!m_w);
    list->DtFrom->setDate(QDate(2024, 6, 1));
    list->DtTo->setDate(QDate(2024, 6, 30));
    list->FillList();
    QCOMPARE(list->sheet()->CellText(2, 2), QStringLiteral("N0000041"));
    SheetView *view = list->sheetView();
    // The sheet's model counts rows and columns from 0.
    const QModelIndex row = list->sheet()->index(1, 1);
    view->scrollTo(row);
    const QPoint at = view->visualRect(row).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    m_w = WindowRegistry::instance().find<frmInvoiceMaster>(QStringLiteral("frmInvoiceMaster"));
    QVERIFY(m_w);
    QCOMPARE(stateOf(m_w), QStringLiteral("view"));
    QVERIFY(gSelectedCode.isEmpty());
    QCOMPARE(m_w->LbSerialNo->text(), QStringLiteral("N0000041"));
    QCOMPARE(m_w->TxInvoiceNo->text(), QStringLiteral("KNM/77"));
    QCOMPARE(m_w->TxSuppName->text(), QStringLiteral("Kerala Newsprint Mills"));
    QCOMPARE(m_w->grid()->cell(2, ReelGrid::ReelType), QStringLiteral("Half Reel"));
    QCOMPARE(m_w->TxNet->text(), QStringLiteral("63826.38"));
    QVERIFY(!m_w->TxInvoiceNo->isEnabled());

    // Edit: the second reel's rate becomes 50.
    click(m_w->editButton());
    QCOMPARE(stateOf(m_w), QStringLiteral("edit"));
    const QRect rate = m_w->grid()->visualRect(m_w->grid()->model()->index(1, ReelGrid::Rate));
    QTest::mouseClick(m_w->grid()->viewport(), Qt::LeftButton, {}, rate.center());
    QVERIFY(editor()->isVisible());
    QCOMPARE(m_w->grid()->CurCol, int(ReelGrid::Rate));
    QTest::keyClick(editor(), Qt::Key_Delete);
    QTest::keyClicks(editor(), QStringLiteral("50"));
    QTest::keyClick(editor(), Qt::Key_Return);
    QCOMPARE(m_w->TxTotal->text(), QStringLiteral("62834.38"));
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(stateOf(m_w), QStringLiteral("view"));
    QCOMPARE(field("Select concat_ws('|', inv_total, modified_by) from vstores_2024.inv_invoice where "
                   "inv_trans_id='N0000041'"),
             QStringLiteral("62834.38|2"));
    QCOMPARE(field("Select invtrans_rate from vstores_2024.inv_invoice_trans where invtrans_id='N0000041' and "
                   "invtrans_slno=2"),
             QStringLiteral("50.00"));

    // Finalize asks, titled with the company's name; then Edit is refused.
    m_scripted->ui.answers.enqueue(MsgAnswer::Yes);
    click(m_w->CmFinalize);
    QCOMPARE(m_scripted->ui.shown.size(), 1);
    QCOMPARE(m_scripted->ui.shown.at(0).text, QStringLiteral("Are you sure you want to Finalize This Invoice?"));
    QCOMPARE(m_scripted->ui.shown.at(0).title, gCompName);
    QCOMPARE(m_scripted->ui.shown.at(0).icon, MsgIcon::Question);
    QCOMPARE(m_w->LbFinalize->text(), QStringLiteral("FINALIZED"));
    QVERIFY(!m_w->CmFinalize->isEnabled());
    QCOMPARE(field("Select concat(sum(invtrans_finalize), '/', count(*)) from vstores_2024.inv_invoice_trans "
                   "where invtrans_id='N0000041'"),
             QStringLiteral("2/2"));
    QCOMPARE(field("Select inv_finalize from vstores_2024.inv_invoice where inv_trans_id='N0000041'"),
             QStringLiteral("1"));
    click(m_w->editButton());
    QCOMPARE(m_scripted->ui.lastText(), QStringLiteral("You Cannot Edit Finalized Invoice.   "));
    QCOMPARE(stateOf(m_w), QStringLiteral("view"));
}

void TestInvoiceWindow::thirtyReelsRepeatedWithCtrlA()
{
    QVERIFY(openNew());
    typeHeader(QStringLiteral("KNM-30"));
    typeReel(QStringLiteral("R0001"), QStringLiteral("45"), QStringLiteral("Full"), QStringLiteral("800"),
             QStringLiteral("50"));
    // Ctrl+A repeats the reel above with the next number; Enter walks its cells to the next row.
    for (int reel = 2; reel <= 30; ++reel) {
        QTest::keyClick(editor(), Qt::Key_A, Qt::ControlModifier);
        for (int cell = 0; cell < 5; ++cell)
            QTest::keyClick(editor(), Qt::Key_Return);
    }
    QCOMPARE(m_w->grid()->filledRows(), 30);
    QCOMPARE(m_w->grid()->cell(30, ReelGrid::ReelNo), QStringLiteral("R0030"));
    QCOMPARE(m_w->TxWeight->text(), QStringLiteral("24000.00"));
    QCOMPARE(m_w->TxTotal->text(), QStringLiteral("1200000.00"));
    typeAmounts(QStringLiteral("100"), QString());
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(field("Select count(distinct invtrans_reel_no) from vstores_2024.inv_invoice_trans where "
                   "invtrans_id=? and invtrans_gsm='GSM0001' and invtrans_reel_type='RT0001'",
                   {m_w->LbSerialNo->text()}),
             QStringLiteral("30"));
}

void TestInvoiceWindow::enterChain_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to"); // TxMove: the editor on the first reel's "Reel No"

    QTest::newRow("invoice number to invoice date") << "TxInvoiceNo"
                                                    << "DtInvoice";
    QTest::newRow("invoice date to receipt date") << "DtInvoice"
                                                  << "DtReceipt";
    QTest::newRow("receipt date to supplier") << "DtReceipt"
                                              << "TxSuppCode";
    QTest::newRow("supplier to brand") << "TxSuppCode"
                                       << "TxBrandCode";
    QTest::newRow("brand to the grid") << "TxBrandCode"
                                       << "TxMove";
    QTest::newRow("freight to round plus") << "TxFreight"
                                           << "TxRoundOffPlus";
    QTest::newRow("round plus to round minus") << "TxRoundOffPlus"
                                               << "TxRoundOffMinus";
    QTest::newRow("round minus to CGST") << "TxRoundOffMinus"
                                         << "TxCGST";
    QTest::newRow("CGST to SGST") << "TxCGST"
                                  << "TxSGST";
    QTest::newRow("SGST to IGST") << "TxSGST"
                                  << "TxIGST";
    QTest::newRow("IGST to TCS") << "TxIGST"
                                 << "TxTCS";
    QTest::newRow("TCS ends the chain") << "TxTCS"
                                        << "TxTCS";
}

void TestInvoiceWindow::enterChain()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QVERIFY(openNew());
    // Every box holds what its Enter demands.
    m_w->TxInvoiceNo->setText(QStringLiteral("X1"));
    m_w->TxSuppCode->setText(QStringLiteral("441200001"));
    m_w->TxBrandCode->setText(QStringLiteral("B0001"));
    m_w->TxFreight->setText(QStringLiteral("10.00"));
    auto *w = m_w->findChild<QWidget *>(from);
    QVERIFY(w);
    w->setFocus();
    QTest::keyClick(w, Qt::Key_Return);
    QVERIFY(m_scripted->ui.shown.isEmpty());
    QWidget *focused = QApplication::focusWidget();
    QVERIFY(focused);
    QCOMPARE(focused->objectName(), to);
    if (to == QStringLiteral("TxMove")) {
        QCOMPARE(m_w->grid()->CurRow, 1);
        QCOMPARE(m_w->grid()->CurCol, int(ReelGrid::ReelNo));
    }
}

void TestInvoiceWindow::enterRefusals_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("no invoice number") << "TxInvoiceNo"
                                       << ""
                                       << "Please Enter the Invoice Number.    ";
    QTest::newRow("no supplier") << "TxSuppCode"
                                 << ""
                                 << "Please Select The Supplier Name.   ";
    QTest::newRow("no brand") << "TxBrandCode"
                              << ""
                              << "Please Select the Brand.   ";
    QTest::newRow("no freight") << "TxFreight"
                                << "0.00"
                                << "Please Enter the Freight Charge.   ";
    QTest::newRow("freight of blanks") << "TxFreight"
                                       << ""
                                       << "Please Enter the Freight Charge.   ";
}

void TestInvoiceWindow::enterRefusals()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QVERIFY(openNew());
    auto *w = m_w->findChild<QLineEdit *>(box);
    QVERIFY(w);
    w->setText(text);
    w->setFocus();
    QTest::keyClick(w, Qt::Key_Return);
    QCOMPARE(m_scripted->ui.texts(), QStringList{message});
    QCOMPARE(m_scripted->ui.shown.at(0).icon, MsgIcon::Critical);
    QCOMPARE(QApplication::focusWidget(), w);
}

void TestInvoiceWindow::typingIntoCodeBoxEmptiesName()
{
    QVERIFY(openNew());
    pick(m_w->TxSuppCode, QStringLiteral("Hindustan"));
    QCOMPARE(m_w->TxSuppName->text(), QStringLiteral("Hindustan Paper Traders"));
    // Del is no clearing key here: it edits the text like any other key.
    m_w->TxSuppCode->setCursorPosition(0);
    QTest::keyClick(m_w->TxSuppCode, Qt::Key_Delete);
    QCOMPARE(m_w->TxSuppCode->text(), QStringLiteral("41200002"));
    QCOMPARE(m_w->TxSuppName->text(), QString());
    // A lookup that finds nothing empties code and name.
    pick(m_w->TxBrandCode, QStringLiteral("Kerala"));
    QCOMPARE(m_w->TxBrandName->text(), QStringLiteral("Kerala Newsprint"));
    m_w->TxBrandCode->setText(QStringLiteral("no such brand"));
    QTest::keyClick(m_w->TxBrandCode, Qt::Key_F1);
    QCOMPARE(m_w->TxBrandCode->text(), QString());
    QCOMPARE(m_w->TxBrandName->text(), QString());
}

void TestInvoiceWindow::saveRefusals_data()
{
    QTest::addColumn<QString>("invoiceNo");
    QTest::addColumn<QString>("supplier"); // "pick", or a code typed by hand
    QTest::addColumn<QString>("brand");
    QTest::addColumn<QString>("freight");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    QTest::newRow("no invoice number") << ""
                                       << "pick"
                                       << "pick"
                                       << "10"
                                       << "50"
                                       << "Please Enter a Invoice Number.   "
                                       << "TxInvoiceNo";
    QTest::newRow("supplier typed by hand") << "K1"
                                            << "441200001"
                                            << "pick"
                                            << "10"
                                            << "50"
                                            << "Please Select the Supplier.   "
                                            << "TxSuppCode";
    QTest::newRow("no brand chosen") << "K1"
                                     << "pick"
                                     << ""
                                     << "10"
                                     << "50"
                                     << "Please Select a  Brand.   "
                                     << "TxBrandCode";
    QTest::newRow("no freight") << "K1"
                                << "pick"
                                << "pick"
                                << "0"
                                << "50"
                                << "Please Enter the Freight.   "
                                << "TxFreight";
    QTest::newRow("reels without a rate") << "K1"
                                          << "pick"
                                          << "pick"
                                          << "10"
                                          << ""
                                          << "Please Fill the Details Properly.   "
                                          << "TxMove";
    QTest::newRow("invoice number of blanks passes") << "   "
                                                     << "pick"
                                                     << "pick"
                                                     << "10"
                                                     << "50"
                                                     << ""
                                                     << "";
}

void TestInvoiceWindow::saveRefusals()
{
    QFETCH(QString, invoiceNo);
    QFETCH(QString, supplier);
    QFETCH(QString, brand);
    QFETCH(QString, freight);
    QFETCH(QString, rate);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QVERIFY(openNew());
    m_w->TxInvoiceNo->setText(invoiceNo);
    if (supplier == QStringLiteral("pick"))
        pick(m_w->TxSuppCode, QStringLiteral("Kerala"));
    else
        QTest::keyClicks(m_w->TxSuppCode, supplier);
    if (brand == QStringLiteral("pick"))
        pick(m_w->TxBrandCode, QStringLiteral("Kerala"));
    m_w->TxBrandCode->setFocus();
    QTest::keyClick(m_w->TxBrandCode, Qt::Key_Return);
    if (!brand.isEmpty()) {
        QTest::keyClicks(editor(), QStringLiteral("R1"));
        QTest::keyClick(editor(), Qt::Key_Return);
        pick(editor(), QStringLiteral("45"));
        QTest::keyClick(editor(), Qt::Key_Return);
        pick(editor(), QStringLiteral("Full"));
        QTest::keyClick(editor(), Qt::Key_Return);
        QTest::keyClicks(editor(), QStringLiteral("100"));
        QTest::keyClick(editor(), Qt::Key_Return);
        // A rate of 0 is refused by the grid: the reel then stands without one.
        if (!rate.isEmpty()) {
            QTest::keyClicks(editor(), rate);
            QTest::keyClick(editor(), Qt::Key_Return);
        }
    }
    m_w->TxFreight->setText(freight);
    m_scripted->ui.clear();
    click(m_w->newButton());
    if (message.isEmpty()) {
        QCOMPARE(m_scripted->ui.texts(), QStringList());
        QCOMPARE(stateOf(m_w), QStringLiteral("view"));
        QCOMPARE(field("Select concat('[', inv_invoice_no, ']') from vstores_2024.inv_invoice"), QStringLiteral("[]"));
        return;
    }
    QCOMPARE(m_scripted->ui.texts(), QStringList{message});
    QCOMPARE(m_scripted->ui.shown.at(0).icon, MsgIcon::Critical);
    QCOMPARE(stateOf(m_w), QStringLiteral("new"));
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    if (focus == QStringLiteral("TxMove")) {
        QCOMPARE(m_w->grid()->CurRow, 1);
        QCOMPARE(m_w->grid()->CurCol, int(ReelGrid::ReelNo));
    }
    QCOMPARE(field("Select count(*) from vstores_2024.inv_invoice"), QStringLiteral("0"));
}

void TestInvoiceWindow::duplicateInvoiceNumber()
{
    // Another unit's invoice of the year already has the number.
    storeInvoice(QStringLiteral("N0000009"), QStringLiteral("KTM"), 0);
    QVERIFY(openNew());
    typeHeader(QStringLiteral("KNM-N0000009"));
    typeReel(QStringLiteral("R1"), QStringLiteral("45"), QStringLiteral("Full"), QStringLiteral("10"),
             QStringLiteral("10"));
    typeAmounts(QStringLiteral("5"), QString());
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList{QStringLiteral("The Same Invoice Number Already Exists.   ")});
    QCOMPARE(stateOf(m_w), QStringLiteral("new"));
    QCOMPARE(QApplication::focusWidget(), m_w->TxInvoiceNo);
    QCOMPARE(field("Select count(*) from vstores_2024.inv_invoice"), QStringLiteral("1"));
    QCOMPARE(field("Select no_value from vstores_2024.numbersetup where no_id='INV_01_TVM'"),
             QStringLiteral("N0000001"));
}

void TestInvoiceWindow::failingSaveKeepsEverythingTyped()
{
    QVERIFY(openNew());
    m_w->grid()->setMaxLength(ReelGrid::ReelNo, 0); // as if the cell had no limit of its own
    typeHeader(QStringLiteral("KNM-LONG"));
    const QString tooLong(60, u'R');
    typeReel(tooLong, QStringLiteral("45"), QStringLiteral("Full"), QStringLiteral("10"), QStringLiteral("10"));
    typeAmounts(QStringLiteral("5"), QString());
    click(m_w->newButton());
    // Told in the clerk's words, never the server's.
    QCOMPARE(m_scripted->ui.texts(), QStringList{kTextTooLong});
    QCOMPARE(m_scripted->ui.shown.last().icon, MsgIcon::Critical);
    QCOMPARE(stateOf(m_w), QStringLiteral("new"));
    QCOMPARE(m_w->TxInvoiceNo->text(), QStringLiteral("KNM-LONG"));
    QCOMPARE(m_w->grid()->cell(1, ReelGrid::ReelNo), tooLong);
    QCOMPARE(m_w->TxFreight->text(), QStringLiteral("5.00"));
    QCOMPARE(field("Select count(*) from vstores_2024.inv_invoice"), QStringLiteral("0"));
    QCOMPARE(field("Select no_value from vstores_2024.numbersetup where no_id='INV_01_TVM'"),
             QStringLiteral("N0000001"));
}

void TestInvoiceWindow::boxesAndReelCellsHoldTheirColumns()
{
    QVERIFY(openNew());
    QTest::keyClicks(m_w->TxSuppCode, QString(30, u'S'));
    QCOMPARE(m_w->TxSuppCode->text(), QString(20, u'S'));
    m_w->TxSuppCode->clear();
    typeHeader(QString(100, u'9'));
    QCOMPARE(m_w->TxInvoiceNo->text(), QString(60, u'9'));
    typeReel(QString(60, u'R'), QStringLiteral("45"), QStringLiteral("Full"), QStringLiteral("10"),
             QStringLiteral("10"));
    QCOMPARE(m_w->grid()->cell(1, ReelGrid::ReelNo), QString(40, u'R'));
    typeAmounts(QStringLiteral("5"), QString());
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(stateOf(m_w), QStringLiteral("view"));
    QCOMPARE(field("Select concat(length(inv_invoice_no),'|',length(invtrans_reel_no)) from "
                   "vstores_2024.inv_invoice join vstores_2024.inv_invoice_trans on invtrans_id=inv_trans_id"),
             QStringLiteral("60|40"));
}

void TestInvoiceWindow::edit_data()
{
    QTest::addColumn<QString>("shown"); // "finalised", "open", "another unit's", "cancelled new"
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("state");

    QTest::newRow("open invoice") << "open"
                                  << "2"
                                  << ""
                                  << "edit";
    QTest::newRow("finalised, clerk") << "finalised"
                                      << "2"
                                      << "You Cannot Edit Finalized Invoice.   "
                                      << "view";
    QTest::newRow("finalised, administrator") << "finalised" << kAdminUserId << "You Cannot Edit Finalized Invoice.   "
                                              << "edit";
    // The id is read as a number, as the sign-on stores it or otherwise.
    QTest::newRow("finalised, administrator id with a leading zero")
        << "finalised" << QString(u'0' + kAdminUserId) << "You Cannot Edit Finalized Invoice.   "
        << "edit";
    QTest::newRow("finalised, the user who may release") << "finalised"
                                                         << "742"
                                                         << "You Cannot Edit Finalized Invoice.   "
                                                         << "view";
    QTest::newRow("new entry cancelled") << "cancelled new"
                                         << "2"
                                         << "This Invoice Is Not Saved in This Unit.   "
                                         << "view";
    QTest::newRow("another unit's invoice")
        << "another unit's" << kAdminUserId << "This Invoice Is Not Saved in This Unit.   "
        << "view";
}

void TestInvoiceWindow::edit()
{
    QFETCH(QString, shown);
    QFETCH(QString, user);
    QFETCH(QString, message);
    QFETCH(QString, state);
    gUserId = user;
    if (shown == QStringLiteral("cancelled new")) {
        QVERIFY(openNew());
        click(m_w->cancelButton());
    } else {
        const bool otherUnit = shown == QStringLiteral("another unit's");
        storeInvoice(QStringLiteral("N0000005"), otherUnit ? QStringLiteral("KTM") : QStringLiteral("TVM"),
                     shown == QStringLiteral("finalised") ? 1 : 0);
        QVERIFY(openStored(QStringLiteral("N0000005")));
        QCOMPARE(m_w->TxInvoiceNo->text(), QStringLiteral("KNM-N0000005"));
    }
    click(m_w->editButton());
    QCOMPARE(m_scripted->ui.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(stateOf(m_w), state);
    QCOMPARE(m_w->TxInvoiceNo->isEnabled(), state == QStringLiteral("edit"));
}

void TestInvoiceWindow::finalise_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<MsgAnswer>("answer");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("after"); // the second message, if any
    QTest::addColumn<QString>("flags"); // header / reels as stored

    QTest::newRow("yes") << true << MsgAnswer::Yes << "FINALIZED"
                         << ""
                         << "1/1";
    QTest::newRow("no") << true << MsgAnswer::No << ""
                        << ""
                        << "0/0";
    QTest::newRow("nothing stored under the id") << false << MsgAnswer::Yes << ""
                                                 << "This Invoice Is Not Saved in This Unit.   "
                                                 << "";
}

void TestInvoiceWindow::finalise()
{
    QFETCH(bool, stored);
    QFETCH(MsgAnswer, answer);
    QFETCH(QString, label);
    QFETCH(QString, after);
    QFETCH(QString, flags);
    if (stored) {
        storeInvoice(QStringLiteral("N0000005"), QStringLiteral("TVM"), 0);
        QVERIFY(openStored(QStringLiteral("N0000005")));
    } else {
        QVERIFY(openNew());
        click(m_w->cancelButton());
    }
    m_scripted->ui.answers.enqueue(answer);
    click(m_w->CmFinalize);
    QStringList expected{QStringLiteral("Are you sure you want to Finalize This Invoice?")};
    if (!after.isEmpty())
        expected << after;
    QCOMPARE(m_scripted->ui.texts(), expected);
    QCOMPARE(m_w->LbFinalize->text(), label);
    QCOMPARE(m_w->CmFinalize->isEnabled(), label.isEmpty());
    QCOMPARE(field("Select concat(i.inv_finalize, '/', t.invtrans_finalize) from vstores_2024.inv_invoice i join "
                   "vstores_2024.inv_invoice_trans t on t.invtrans_id=i.inv_trans_id"),
             flags);
}

void TestInvoiceWindow::removeFinalise_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<MsgAnswer>("answer");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("flags");

    const QString question = QStringLiteral("Are you sure you want to Remove Finalize This Invoice?");
    QTest::newRow("the user who may, yes") << "742" << MsgAnswer::Yes << QStringList{question} << ""
                                           << "0/0";
    QTest::newRow("the user who may, no") << "742" << MsgAnswer::No << QStringList{question} << "FINALIZED"
                                          << "1/1";
    QTest::newRow("a clerk: nothing happens") << "2" << MsgAnswer::Yes << QStringList() << "FINALIZED"
                                              << "1/1";
    QTest::newRow("the administrator: nothing happens")
        << kAdminUserId << MsgAnswer::Yes << QStringList() << "FINALIZED"
        << "1/1";
}

void TestInvoiceWindow::removeFinalise()
{
    QFETCH(QString, user);
    QFETCH(MsgAnswer, answer);
    QFETCH(QStringList, messages);
    QFETCH(QString, label);
    QFETCH(QString, flags);
    gUserId = user;
    storeInvoice(QStringLiteral("N0000005"), QStringLiteral("TVM"), 1);
    QVERIFY(openStored(QStringLiteral("N0000005")));
    QCOMPARE(m_w->LbFinalize->text(), QStringLiteral("FINALIZED"));
    m_scripted->ui.answers.enqueue(answer);
    click(m_w->Cmrelease);
    QCOMPARE(m_scripted->ui.texts(), messages);
    if (!messages.isEmpty())
        QCOMPARE(m_scripted->ui.shown.at(0).title, gCompName);
    QCOMPARE(m_w->LbFinalize->text(), label);
    QCOMPARE(field("Select concat(i.inv_finalize, '/', t.invtrans_finalize) from vstores_2024.inv_invoice i join "
                   "vstores_2024.inv_invoice_trans t on t.invtrans_id=i.inv_trans_id"),
             flags);
    if (label.isEmpty()) {
        // Finalize comes back only with the next return to the view state.
        QVERIFY(!m_w->CmFinalize->isEnabled());
        m_w->CmCancel_Click();
        QVERIFY(m_w->CmFinalize->isEnabled());
    }
}

void TestInvoiceWindow::numberCorrection_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("storedNumber");
    QTest::addColumn<QString>("caption"); // of the small button afterwards

    QTest::newRow("stored invoice") << true << " KNM-99 " << QStringList{"Invoice Number Updated"} << "KNM-99"
                                    << "Edit";
    QTest::newRow("empty number refused")
        << true << "  " << QStringList{"Please Enter a Invoice Number.   "} << "KNM-N0000005"
        << "Save";
    QTest::newRow("nothing stored under the id")
        << false << "KNM-99" << QStringList{"This Invoice Is Not Saved in This Unit.   "} << ""
        << "Edit";
}

void TestInvoiceWindow::numberCorrection()
{
    QFETCH(bool, stored);
    QFETCH(QString, typed);
    QFETCH(QStringList, messages);
    QFETCH(QString, storedNumber);
    QFETCH(QString, caption);
    // Finalised invoices are corrected too.
    storeInvoice(QStringLiteral("N0000005"), QStringLiteral("TVM"), 1);
    if (stored) {
        QVERIFY(openStored(QStringLiteral("N0000005")));
    } else {
        gConnection.execute("Update vstores_2024.numbersetup set no_value='N0000006' where no_id='INV_01_TVM'");
        QVERIFY(openNew());
        click(m_w->cancelButton());
    }
    QVERIFY(!m_w->TxInvoiceNo->isEnabled());
    click(m_w->CmEditInv);
    QCOMPARE(m_w->CmEditInv->text(), QStringLiteral("Save"));
    QVERIFY(m_w->TxInvoiceNo->isEnabled());
    m_w->TxInvoiceNo->selectAll();
    QTest::keyClicks(m_w->TxInvoiceNo, typed);
    click(m_w->CmEditInv);
    QCOMPARE(m_scripted->ui.texts(), messages);
    QCOMPARE(m_w->CmEditInv->text(), caption);
    QCOMPARE(m_w->TxInvoiceNo->isEnabled(), caption == QStringLiteral("Save"));
    QCOMPARE(field("Select group_concat(inv_invoice_no) from vstores_2024.inv_invoice where inv_trans_id=?",
                   {stored ? QStringLiteral("N0000005") : QStringLiteral("N0000006")}),
             storedNumber);
    if (!stored)
        QCOMPARE(field("Select inv_invoice_no from vstores_2024.inv_invoice where inv_trans_id='N0000005'"),
                 QStringLiteral("KNM-N0000005"));
}

void TestInvoiceWindow::listNewWhileEnteringSaves()
{
    // The list's New on a window with an entry under way presses its Save.
    QVERIFY(openNew());
    auto *list = qobject_cast<frmInvoice *>(WindowRegistry::instance().open(QStringLiteral("frmInvoice")));
    QVERIFY(list);
    click(list->findChild<QPushButton *>(QStringLiteral("CmNew")));
    QCOMPARE(m_scripted->ui.texts(), QStringList{QStringLiteral("Please Enter a Invoice Number.   ")});
    QCOMPARE(stateOf(m_w), QStringLiteral("new"));
}

void TestInvoiceWindow::captionKeysAreNotBound_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("F2") << int(Qt::Key_F2);
    QTest::newRow("F3") << int(Qt::Key_F3);
    QTest::newRow("F5") << int(Qt::Key_F5);
    QTest::newRow("F8") << int(Qt::Key_F8);
    QTest::newRow("F9") << int(Qt::Key_F9);
}

void TestInvoiceWindow::captionKeysAreNotBound()
{
    // The captions name keys, but this window binds none of them.
    QFETCH(int, key);
    QVERIFY(openNew());
    QTest::keyClick(m_w->TxInvoiceNo, Qt::Key(key));
    QVERIFY(m_w);
    QCOMPARE(stateOf(m_w), QStringLiteral("new"));
    QCOMPARE(m_scripted->ui.texts(), QStringList());
}

void TestInvoiceWindow::longInvoiceWithMissingMasterSurvivesEdit()
{
    // More reels than the grid's 49 lines, one of a GSM grade whose master row is gone.
    storeInvoice(QStringLiteral("N0000005"), QStringLiteral("TVM"), 0);
    for (int n = 2; n <= 60; ++n)
        gConnection.execute("Insert into vstores_2024.inv_invoice_trans (unit_code, comp_code, invtrans_id, "
                            "invtrans_slno, invtrans_reel_no, invtrans_gsm, invtrans_reel_type, invtrans_weight, "
                            "invtrans_rate, invtrans_amt, invtrans_unit_code) values "
                            "('TVM','01','N0000005',?,?,?,'RT0001',10,2,20,'TVM')",
                            {n, QStringLiteral("R%1").arg(n), n == 57 ? QStringLiteral("GSM0404") : "GSM0002"});
    QVERIFY(openStored(QStringLiteral("N0000005")));
    QCOMPARE(m_w->grid()->filledRows(), 60);
    QCOMPARE(m_w->grid()->cell(57, ReelGrid::Gsm), QString());
    QCOMPARE(m_w->grid()->cell(57, ReelGrid::GsmCode), QStringLiteral("GSM0404"));
    QCOMPARE(m_w->TxTotal->text(), QStringLiteral("46180.00"));
    click(m_w->editButton());
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(field("Select concat(count(*), '/', sum(invtrans_gsm='GSM0404')) from vstores_2024.inv_invoice_trans "
                   "where invtrans_id='N0000005'"),
             QStringLiteral("60/1"));
}


void TestInvoiceWindow::colouredBoxesGreyInViewState_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("invoice number, red") << "TxInvoiceNo" << QColor(Qt::red);
    QTest::newRow("net bill, maroon") << "TxNet" << QColor(128, 0, 0);
    QTest::newRow("CGST, maroon") << "TxCGST" << QColor(128, 0, 0);
    QTest::newRow("grand total, maroon") << "TxGrandTotal" << QColor(128, 0, 0);
}

void TestInvoiceWindow::colouredBoxesGreyInViewState()
{
    // A read-only invoice must not look editable: its coloured boxes grey like the plain ones.
    QFETCH(QString, box);
    QFETCH(QColor, colour);
    storeInvoice(QStringLiteral("N0000005"), QStringLiteral("TVM"), 0);
    QVERIFY(openStored(QStringLiteral("N0000005")));
    auto *coloured = m_w->findChild<QLineEdit *>(box);
    QVERIFY(coloured);
    QVERIFY(!coloured->isEnabled());
    const QColor grey = m_w->TxFreight->palette().color(QPalette::Disabled, QPalette::Text);
    QCOMPARE(coloured->palette().color(QPalette::Disabled, QPalette::Text), grey);
    click(m_w->editButton());
    QVERIFY(coloured->isEnabled());
    QCOMPARE(coloured->palette().color(QPalette::Active, QPalette::Text), colour);
}

void TestInvoiceWindow::saveEditRechecksTheStoredInvoice_data()
{
    QTest::addColumn<QString>("meanwhile"); // what another workstation did after Edit
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stored"); // reel number and marks after the save
    QTest::newRow("finalised")
        << "Update vstores_2024.inv_invoice_trans t join vstores_2024.inv_invoice i on i.inv_trans_id=t.invtrans_id "
           "set i.inv_finalize=1, t.invtrans_finalize=1"
        << "You Cannot Edit Finalized Invoice.   "
        << "R1/1/0";
    QTest::newRow("the renamed reel issued to the press")
        << "Update vstores_2024.inv_invoice_trans set invtrans_cons_flag=1"
        << "Reel R1 has been moved, issued to the press or consumed; its number cannot be changed.   "
        << "R1/0/1";
    QTest::newRow("nothing") << "" << "" << "R1X/0/0";
}

void TestInvoiceWindow::saveEditRechecksTheStoredInvoice()
{
    QFETCH(QString, meanwhile);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    storeInvoice(QStringLiteral("N0000005"), QStringLiteral("TVM"), 0);
    QVERIFY(openStored(QStringLiteral("N0000005")));
    click(m_w->editButton());
    QCOMPARE(stateOf(m_w), QStringLiteral("edit"));
    m_w->grid()->setCell(1, ReelGrid::ReelNo, QStringLiteral("R1X"));
    if (!meanwhile.isEmpty())
        gConnection.execute(meanwhile);
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(stateOf(m_w), message.isEmpty() ? QStringLiteral("view") : QStringLiteral("edit"));
    QCOMPARE(field("Select group_concat(concat_ws('/', invtrans_reel_no, invtrans_finalize, invtrans_cons_flag)) "
                   "from vstores_2024.inv_invoice_trans"),
             stored);
}


void TestInvoiceWindow::secondEditKnowsTheReelsOfTheFirst()
{
    storeInvoice(QStringLiteral("N0000005"), QStringLiteral("TVM"), 0);
    for (int n = 2; n <= 3; ++n)
        gConnection.execute("Insert into vstores_2024.inv_invoice_trans (unit_code, comp_code, invtrans_id, "
                            "invtrans_slno, invtrans_reel_no, invtrans_gsm, invtrans_reel_type, invtrans_weight, "
                            "invtrans_rate, invtrans_amt, invtrans_unit_code, invtrans_cons_flag) values "
                            "('TVM','01','N0000005',?,?,'GSM0001','RT0001',10,2,20,'TVM',?)",
                            {n, QStringLiteral("R%1").arg(n), n == 3 ? 1 : 0});
    QVERIFY(openStored(QStringLiteral("N0000005")));
    // The first edit removes R1 and adds R4; the issued R3 keeps its line 3.
    click(m_w->editButton());
    ItemGrid *g = m_w->grid();
    g->CurRow = 1;
    g->CurCol = ReelGrid::ReelNo;
    g->MoveEditor();
    QTest::keyClick(g->editor(), Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(g->cell(1, ReelGrid::ReelNo), QStringLiteral("R2"));
    const QStringList r4{"R4", "45 GSM", "FULL REEL", "10.00", "2.00", "", "GSM0001", "RT0001"};
    const QList<int> columns{ReelGrid::ReelNo, ReelGrid::Gsm,    ReelGrid::ReelType, ReelGrid::Weight,
                             ReelGrid::Rate,   ReelGrid::Amount, ReelGrid::GsmCode,  ReelGrid::ReelTypeCode};
    for (int c = 0; c < columns.size(); ++c)
        g->setCell(3, columns.at(c), r4.at(c));
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    const QString reels = "Select group_concat(concat_ws('/', invtrans_slno, invtrans_reel_no, invtrans_cons_flag) "
                          "order by invtrans_slno) from vstores_2024.inv_invoice_trans";
    QCOMPARE(field(reels), QStringLiteral("1/R2/0,2/R4/0,3/R3/1"));

    // R4 is issued meanwhile; a second edit from the same window changes nothing of it.
    gConnection.execute("Update vstores_2024.inv_invoice_trans set invtrans_cons_flag=1 where invtrans_reel_no='R4'");
    click(m_w->editButton());
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(field(reels), QStringLiteral("1/R2/0,2/R4/1,3/R3/1"));
}

void TestInvoiceWindow::gsmWithoutItsCodeIsSentBack()
{
    QVERIFY(openNew());
    typeHeader(QStringLiteral("KNM/91"));
    typeReel(QStringLiteral("KN001"), QStringLiteral("45"), QStringLiteral("Full"), QStringLiteral("100"),
             QStringLiteral("50"));
    // Reel 2 shows a GSM with no grade behind it.
    ItemGrid *g = m_w->grid();
    const QStringList reel{"KN002", "KN002", "Full Reel", "100.00", "50.00", "", "", "RT0001"};
    const QList<int> columns{ReelGrid::ReelNo, ReelGrid::Gsm,    ReelGrid::ReelType, ReelGrid::Weight,
                             ReelGrid::Rate,   ReelGrid::Amount, ReelGrid::GsmCode,  ReelGrid::ReelTypeCode};
    for (int c = 0; c < columns.size(); ++c)
        g->setCell(2, columns.at(c), reel.at(c));
    m_w->TxFreight->setText(QStringLiteral("10"));
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList{QStringLiteral("Please Select the GSM Type.   ")});
    QCOMPARE(stateOf(m_w), QStringLiteral("new"));
    QCOMPARE(QString("%1,%2").arg(g->CurRow).arg(g->CurCol), QStringLiteral("2,2"));
    QCOMPARE(field("Select count(*) from vstores_2024.inv_invoice where inv_invoice_no='KNM/91'"), QStringLiteral("0"));
}

void TestInvoiceWindow::ctrlAOnTheGsmRepeatsTheReel()
{
    QVERIFY(openNew());
    typeHeader(QStringLiteral("KNM/93"));
    typeReel(QStringLiteral("KN001"), QStringLiteral("45"), QStringLiteral("Full"), QStringLiteral("100"),
             QStringLiteral("50"));
    // Reel 2's number typed, then Ctrl+A on its GSM: the reel above is repeated,
    // and the next number is proposed where Enter commits it.
    ItemGrid *g = m_w->grid();
    runGridSteps(*g, QStringLiteral("KN009 Enter CtrlA"));
    QCOMPARE(QString("%1,%2").arg(g->CurRow).arg(g->CurCol), QStringLiteral("2,1"));
    QCOMPARE(editor()->text(), QStringLiteral("KN002"));
    QCOMPARE(g->cell(2, ReelGrid::Gsm) + u'|' + g->cell(2, ReelGrid::GsmCode), QStringLiteral("45 GSM|GSM0001"));
    runGridSteps(*g, QStringLiteral("Enter Enter Enter Enter Enter"));
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(QString("%1,%2").arg(g->CurRow).arg(g->CurCol), QStringLiteral("3,1"));
    typeAmounts(QStringLiteral("10"), QString());
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(field("Select group_concat(concat_ws(':', invtrans_reel_no, invtrans_gsm, invtrans_amt) order by "
                   "invtrans_slno separator ' ') from vstores_2024.inv_invoice_trans where invtrans_id=?",
                   {m_w->LbSerialNo->text()}),
             QStringLiteral("KN001:GSM0001:5000.00 KN002:GSM0001:5000.00"));
}

void TestInvoiceWindow::emptiedReelNumberRefusesSave_data()
{
    QTest::addColumn<QString>("steps");   // in the grid of the stored invoice's edit: R1, R2, R3
    QTest::addColumn<QStringList>("seen"); // messages before Save
    QTest::addColumn<int>("row");          // the reel whose number is empty at Save
    const QStringList none;
    const QStringList duplicate{"Same Contractor exists in row no: 1, Duplication not allowed.   "};
    QTest::newRow("Del and Down in the first reel") << "at:1,1 Del Down" << none << 1;
    QTest::newRow("Del and Down in the middle reel") << "at:2,1 Del Down" << none << 2;
    QTest::newRow("Del and Down in the last reel") << "at:3,1 Del Down" << none << 3;
    QTest::newRow("a duplicate refused in the middle reel") << "at:2,1 Del r1 Enter" << duplicate << 2;
    QTest::newRow("Ctrl+A in the weight of the middle reel") << "at:2,4 CtrlA" << none << 2;
    QTest::newRow("Ctrl+A in the rate of the last reel") << "at:3,5 CtrlA" << none << 3;
}

void TestInvoiceWindow::emptiedReelNumberRefusesSave()
{
    QFETCH(QString, steps);
    QFETCH(QStringList, seen);
    QFETCH(int, row);
    storeInvoice(QStringLiteral("N0000005"), QStringLiteral("TVM"), 0);
    for (int n = 2; n <= 3; ++n)
        gConnection.execute("Insert into vstores_2024.inv_invoice_trans (unit_code, comp_code, invtrans_id, "
                            "invtrans_slno, invtrans_reel_no, invtrans_gsm, invtrans_reel_type, invtrans_weight, "
                            "invtrans_rate, invtrans_amt, invtrans_unit_code) values "
                            "('TVM','01','N0000005',?,?,'GSM0001','RT0001',10,2,20,'TVM')",
                            {n, QStringLiteral("R%1").arg(n)});
    // A round-off leaves a grand total even without reels.
    gConnection.execute("Update vstores_2024.inv_invoice set inv_round_minus=0.05 where inv_trans_id='N0000005'");
    const QString before = storedInvoice(QStringLiteral("N0000005"));
    QVERIFY(openStored(QStringLiteral("N0000005")));
    click(m_w->editButton());
    ItemGrid *g = m_w->grid();
    runGridSteps(*g, steps);
    QCOMPARE(m_scripted->ui.texts(), seen);
    QCOMPARE(g->cell(row, ReelGrid::ReelNo), QString());

    // Save refuses: the reels at and below the empty number are neither dropped nor kept apart.
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), seen + QStringList{QStringLiteral("Please Fill the Details Properly.   ")});
    QCOMPARE(m_scripted->ui.shown.last().icon, MsgIcon::Critical);
    QCOMPARE(stateOf(m_w), QStringLiteral("edit"));
    QCOMPARE(QString("%1,%2").arg(g->CurRow).arg(g->CurCol), QString("%1,%2").arg(row).arg(int(ReelGrid::ReelNo)));
    QVERIFY(editor()->isVisible());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(editor()));
    QCOMPARE(storedInvoice(QStringLiteral("N0000005")), before);

    // The number typed again, the invoice saves (a refused duplicate took its GSM with it).
    if (!seen.isEmpty())
        return;
    QTest::keyClicks(editor(), QStringLiteral("R%1").arg(row));
    QTest::keyClick(editor(), Qt::Key_Return);
    m_scripted->ui.shown.clear();
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(stateOf(m_w), QStringLiteral("view"));
    QCOMPARE(field("Select group_concat(invtrans_reel_no order by invtrans_slno) from vstores_2024.inv_invoice_trans "
                   "where invtrans_id='N0000005'"),
             QStringLiteral("R1,R2,R3"));
}

void TestInvoiceWindow::gsmChoiceCountsOnlyWithEnter_data()
{
    QTest::addColumn<QString>("how");
    for (const QString &how : waysToLeaveACell())
        QTest::newRow(qPrintable(how)) << how;
}

void TestInvoiceWindow::gsmChoiceCountsOnlyWithEnter()
{
    QFETCH(QString, how);
    storeInvoice(QStringLiteral("N0000005"), QStringLiteral("TVM"), 0);
    QVERIFY(openStored(QStringLiteral("N0000005")));
    click(m_w->editButton());
    ItemGrid *g = m_w->grid();
    g->CurRow = 1;
    g->CurCol = ReelGrid::Gsm;
    g->MoveEditor();
    QTest::keyClick(editor(), Qt::Key_Delete);
    pick(editor(), QStringLiteral("48"));
    QCOMPARE(editor()->text(), QStringLiteral("48.8 GSM"));
    // Nothing of the choice reaches the reel before Enter commits it.
    QCOMPARE(g->cell(1, ReelGrid::GsmCode), QStringLiteral("GSM0001"));
    leaveCell(*g, how, 1, ReelGrid::Weight, m_w->TxFreight, m_w->newButton());
    const bool chosen = how == QLatin1String("Enter");
    QCOMPARE(g->cell(1, ReelGrid::Gsm).toUpper() + u'|' + g->cell(1, ReelGrid::GsmCode),
             QString(chosen ? "48.8 GSM|GSM0002" : "45 GSM|GSM0001"));
    if (how != QLatin1String("Save"))
        click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(stateOf(m_w), QStringLiteral("view"));

    QCOMPARE(field("Select invtrans_gsm from vstores_2024.inv_invoice_trans where invtrans_id='N0000005'"),
             QString(chosen ? "GSM0002" : "GSM0001"));
    WindowRegistry::instance().unloadAll();
    QVERIFY(openStored(QStringLiteral("N0000005")));
    QCOMPARE(m_w->grid()->cell(1, ReelGrid::Gsm), QString(chosen ? "48.8 GSM" : "45 GSM"));
}

void TestInvoiceWindow::emptiedGsmKeepsNoCode()
{
    QVERIFY(openNew());
    typeHeader(QStringLiteral("KNM/92"));
    typeReel(QStringLiteral("KN001"), QStringLiteral("45"), QStringLiteral("Full"), QStringLiteral("100"),
             QStringLiteral("50"));
    // A repeated reel number empties the row's reel number and GSM.
    QTest::keyClicks(editor(), QStringLiteral("kn001"));
    QTest::keyClick(editor(), Qt::Key_Return);
    QCOMPARE(m_scripted->ui.texts(),
             QStringList{QStringLiteral("Same Contractor exists in row no: 1, Duplication not allowed.   ")});
    ItemGrid *g = m_w->grid();
    QTest::keyClicks(editor(), QStringLiteral("KN002"));
    QTest::keyClick(editor(), Qt::Key_Return);
    QCOMPARE(g->CurCol, int(ReelGrid::Gsm));
    // A GSM chosen, then a click elsewhere: the reel keeps an empty GSM and no code.
    pick(editor(), QStringLiteral("48"));
    leaveCell(*g, QStringLiteral("click on a cell"), 1, ReelGrid::Weight, nullptr, nullptr);
    QCOMPARE(g->cell(2, ReelGrid::Gsm) + u'|' + g->cell(2, ReelGrid::GsmCode), QStringLiteral("|"));
    m_w->TxFreight->setText(QStringLiteral("10"));
    m_scripted->ui.shown.clear();
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList{QStringLiteral("Please Select the GSM Type.   ")});
    QCOMPARE(stateOf(m_w), QStringLiteral("new"));
    QCOMPARE(QString("%1,%2").arg(g->CurRow).arg(g->CurCol), QString("2,%1").arg(int(ReelGrid::Gsm)));
    QCOMPARE(field("Select count(*) from vstores_2024.inv_invoice where inv_invoice_no='KNM/92'"), QStringLiteral("0"));
}

void TestInvoiceWindow::newShowsZeroInEveryAmount()
{
    storeInvoice(QStringLiteral("N0000005"), QStringLiteral("TVM"), 0);
    QVERIFY(openStored(QStringLiteral("N0000005")));
    QCOMPARE(m_w->TxWeight->text(), QStringLiteral("1000.00"));
    m_w->CmNew_Click();
    for (QLineEdit *box : {m_w->TxFreight, m_w->TxWeight, m_w->TxRoundOffPlus, m_w->TxNet, m_w->TxTaxable,
                           m_w->TxRoundOffMinus, m_w->TxCGST, m_w->TxSGST, m_w->TxIGST, m_w->TxTCS, m_w->TxTotal,
                           m_w->TxGrandTotal})
        QVERIFY2(box->text() == QStringLiteral("0.00"), qPrintable(box->objectName() + " shows " + box->text()));
    QCOMPARE(m_w->grid()->cell(1, ReelGrid::ReelNo), QString());
}

void TestInvoiceWindow::cancelledNewReachesNothingStoredElsewhere_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QStringList>("messages");
    const QString notStored = QStringLiteral("This Invoice Is Not Saved in This Unit.   ");
    QTest::newRow("Edit and Save") << "edit" << "2" << QStringList{notStored};
    QTest::newRow("Finalize") << "finalize" << "2"
                              << QStringList{"Are you sure you want to Finalize This Invoice?", notStored};
    QTest::newRow("Remove Finalize") << "remove finalize" << "742"
                                     << QStringList{"Are you sure you want to Remove Finalize This Invoice?", notStored};
    QTest::newRow("the number correction") << "correct number" << "2" << QStringList{notStored};
}

void TestInvoiceWindow::cancelledNewReachesNothingStoredElsewhere()
{
    // This station starts an invoice and cancels it; the id it read at New is
    // then taken by another station's save. Nothing here may reach that invoice.
    QFETCH(QString, command);
    QFETCH(QString, user);
    QFETCH(QStringList, messages);
    gUserId = user;
    QVERIFY(openNew());
    const QString id = m_w->LbSerialNo->text();
    typeHeader(QStringLiteral("KNM/CANCELLED"));
    typeReel(QStringLiteral("KC001"), QStringLiteral("45"), QStringLiteral("Full"), QStringLiteral("500"),
             QStringLiteral("50"));
    typeAmounts(QStringLiteral("100"), QStringLiteral("10"));
    click(m_w->cancelButton());
    QCOMPARE(m_w->LbSerialNo->text(), id);

    Database other(QStringLiteral("other-workstation"));
    openTestDatabase(other);
    InvoiceStore theirs(other, DbName("vstores_2024"), DbName("vacc_2024"), QStringLiteral("01"),
                        QStringLiteral("TVM"), 3);
    Invoice inv;
    inv.invoiceNo = QStringLiteral("KNM/THEIRS");
    inv.invoiceDate = QDate(2024, 6, 1);
    inv.receiptDate = QDate(2024, 6, 2);
    inv.suppCode = QStringLiteral("441200001");
    inv.brandCode = QStringLiteral("B0001");
    inv.freight = Decimal::fromText("75");
    for (const char *reelNo : {"KN0001", "KN0002"}) {
        InvoiceReel r;
        r.reelNo = QString::fromLatin1(reelNo);
        r.gsmCode = QStringLiteral("GSM0001");
        r.reelTypeCode = QStringLiteral("RT0001");
        r.weight = Decimal::fromText("800");
        r.rate = Decimal::fromText("40");
        r.amount = Decimal::fromText("32000");
        inv.reels << r;
        inv.weight += r.weight;
        inv.total += r.amount;
    }
    inv.grandTotal = inv.netTotal = inv.total;
    QCOMPARE(theirs.saveNew(inv), InvoiceStore::Saved::Saved);
    QCOMPARE(inv.transId, id);
    if (command == QStringLiteral("remove finalize"))
        QVERIFY(theirs.finalize(id));
    other.close();
    const QString stored = QStringLiteral(
        "Select concat_ws('|', inv_invoice_no, inv_date, inv_freight, inv_total, inv_finalize, ifnull(modified_by, '-'), "
        "(Select group_concat(concat(invtrans_reel_no, '/', invtrans_weight, '/', invtrans_finalize) order by "
        "invtrans_slno) from vstores_2024.inv_invoice_trans where invtrans_id=i.inv_trans_id)) from "
        "vstores_2024.inv_invoice i where inv_trans_id=?");
    const QString before = field(stored, {id});
    QVERIFY(before.startsWith(QStringLiteral("KNM/THEIRS|")));

    if (command == QStringLiteral("edit")) {
        click(m_w->editButton());
        if (m_w->isEntering())
            click(m_w->newButton());
    } else if (command == QStringLiteral("finalize")) {
        m_scripted->ui.answers.enqueue(MsgAnswer::Yes);
        click(m_w->CmFinalize);
    } else if (command == QStringLiteral("remove finalize")) {
        m_scripted->ui.answers.enqueue(MsgAnswer::Yes);
        click(m_w->Cmrelease);
    } else {
        click(m_w->CmEditInv);
        m_w->TxInvoiceNo->selectAll();
        QTest::keyClicks(m_w->TxInvoiceNo, QStringLiteral("KNM/RENAMED"));
        click(m_w->CmEditInv);
    }
    QCOMPARE(m_scripted->ui.texts(), messages);
    QCOMPARE(stateOf(m_w), QStringLiteral("view"));
    QCOMPARE(field(stored, {id}), before);
}

void TestInvoiceWindow::newReelTakesNoBareCode_data()
{
    QTest::addColumn<QString>("stored"); // the reel column whose code has left its master
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("nameColumn");
    QTest::addColumn<int>("codeColumn");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("GSM") << "invtrans_gsm" << "GSM0404" << int(ReelGrid::Gsm) << int(ReelGrid::GsmCode)
                         << "Please Select the GSM Type.   ";
    // A reel may be stored without a type, never with a code whose name is not on view.
    QTest::newRow("reel type") << "invtrans_reel_type" << "RT0404" << int(ReelGrid::ReelType)
                               << int(ReelGrid::ReelTypeCode) << "Please Select the Reel Type.   ";
}

void TestInvoiceWindow::newReelTakesNoBareCode()
{
    QFETCH(QString, stored);
    QFETCH(QString, code);
    QFETCH(int, nameColumn);
    QFETCH(int, codeColumn);
    QFETCH(QString, refusal);
    // R1's code has left its master: R1 shows no name and keeps its code.
    storeInvoice(QStringLiteral("N0000005"), QStringLiteral("TVM"), 0);
    gConnection.execute(QStringLiteral("Update vstores_2024.inv_invoice_trans set %1=?").arg(stored), {code});
    const QString reels =
        QStringLiteral("Select group_concat(concat(invtrans_reel_no, '/', %1)) from vstores_2024.inv_invoice_trans")
            .arg(stored);
    const QString before = storedInvoice(QStringLiteral("N0000005"));
    QVERIFY(openStored(QStringLiteral("N0000005")));
    ItemGrid *g = m_w->grid();
    QCOMPARE(g->cell(1, nameColumn) + u'|' + g->cell(1, codeColumn), QStringLiteral("|") + code);
    click(m_w->editButton());
    // Ctrl+A on row 2 repeats R1, its bare code included; Enter takes the proposed number.
    g->CurRow = 2;
    g->CurCol = ReelGrid::ReelNo;
    g->MoveEditor();
    QTest::keyClick(editor(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor(), Qt::Key_Return);
    QCOMPARE(g->cell(2, ReelGrid::ReelNo), QStringLiteral("R2"));
    QCOMPARE(g->cell(2, nameColumn), QString());
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList{refusal});
    QCOMPARE(stateOf(m_w), QStringLiteral("edit"));
    QCOMPARE(QString("%1,%2").arg(g->CurRow).arg(g->CurCol), QString("2,%1").arg(nameColumn));
    QCOMPARE(storedInvoice(QStringLiteral("N0000005")), before);
    QCOMPARE(field(reels), QStringLiteral("R1/") + code);

    // The stored reel alone keeps its bare code: with R2 gone the edit saves.
    g->CurRow = 2;
    g->CurCol = ReelGrid::ReelNo;
    g->MoveEditor();
    QTest::keyClick(editor(), Qt::Key_Delete, Qt::ShiftModifier);
    m_scripted->ui.shown.clear();
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(stateOf(m_w), QStringLiteral("view"));
    QCOMPARE(field(reels), QStringLiteral("R1/") + code);
}

void TestInvoiceWindow::ctrlAOnStoredReelTakesNoBareGsmCode()
{
    // R1's grade has left the GSM master; R2, below it, has a grade that stands.
    storeInvoice(QStringLiteral("N0000005"), QStringLiteral("TVM"), 0);
    gConnection.execute("Update vstores_2024.inv_invoice_trans set invtrans_gsm='GSM0404'");
    gConnection.execute("Insert into vstores_2024.inv_invoice_trans (unit_code, comp_code, invtrans_id, "
                        "invtrans_slno, invtrans_reel_no, invtrans_gsm, invtrans_reel_type, invtrans_weight, "
                        "invtrans_rate, invtrans_amt, invtrans_unit_code) values "
                        "('TVM','01','N0000005',2,'R2','GSM0001','RT0001',500,40,20000,'TVM')");
    const QString before = storedInvoice(QStringLiteral("N0000005"));
    QVERIFY(openStored(QStringLiteral("N0000005")));
    ItemGrid *g = m_w->grid();
    click(m_w->editButton());
    // Ctrl+A on R2's weight repeats R1, its bare code included, over the stored reel.
    g->GrInvoice_Click(2, ReelGrid::Weight);
    QTest::keyClick(editor(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(editor()->text(), QStringLiteral("R2"));
    QTest::keyClick(editor(), Qt::Key_Return);
    QCOMPARE(g->cell(2, ReelGrid::Gsm) + u'|' + g->cell(2, ReelGrid::GsmCode), QStringLiteral("|GSM0404"));
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList{QStringLiteral("Please Select the GSM Type.   ")});
    QCOMPARE(stateOf(m_w), QStringLiteral("edit"));
    QCOMPARE(QString("%1,%2").arg(g->CurRow).arg(g->CurCol), QString("2,%1").arg(int(ReelGrid::Gsm)));
    QCOMPARE(storedInvoice(QStringLiteral("N0000005")), before);

    // A grade chosen for R2 stores; R1 keeps its own bare code.
    m_scripted->ui.shown.clear();
    pick(editor(), QStringLiteral("48"));
    QTest::keyClick(editor(), Qt::Key_Return);
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(stateOf(m_w), QStringLiteral("view"));
    QCOMPARE(field("Select group_concat(concat(invtrans_reel_no, '/', invtrans_gsm) order by invtrans_slno) from "
                   "vstores_2024.inv_invoice_trans"),
             QStringLiteral("R1/GSM0404,R2/GSM0002"));
}

void TestInvoiceWindow::reelNumberLongerInCapitalsRefusedAtEnter()
{
    QVERIFY(openNew());
    typeHeader(QStringLiteral("KNM-SS"));
    // The cell takes 40 characters; in capitals each ß is two.
    const QString typed(40, QChar(0xDF));
    QTest::keyClicks(editor(), typed);
    QCOMPARE(editor()->text(), typed);
    QTest::keyClick(editor(), Qt::Key_Return);
    QCOMPARE(m_scripted->ui.texts(), QStringList{kTextTooLong});
    QCOMPARE(m_scripted->ui.shown.last().icon, MsgIcon::Critical);
    QCOMPARE(m_w->grid()->cell(1, ReelGrid::ReelNo), QString());
    QCOMPARE(editor()->text(), typed);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(editor()));
    QCOMPARE(m_w->grid()->CurCol, int(ReelGrid::ReelNo));

    // Half of it fits in capitals, and the invoice saves it as shown.
    m_scripted->ui.shown.clear();
    editor()->clear();
    typeReel(QString(20, QChar(0xDF)), QStringLiteral("45"), QStringLiteral("Full"), QStringLiteral("10"),
             QStringLiteral("10"));
    QCOMPARE(m_w->grid()->cell(1, ReelGrid::ReelNo), QString(40, u'S'));
    typeAmounts(QStringLiteral("5"), QString());
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(field("Select invtrans_reel_no from vstores_2024.inv_invoice_trans"), QString(40, u'S'));
}

void TestInvoiceWindow::loadedTextsShownWhole()
{
    // Another program stored a number of 60 characters, four of them emoji:
    // 64 UTF-16 units in a column of 60 characters.
    const QString number = QString(56, u'9') + QString::fromUtf8("\U0001F600\U0001F4F0\U0001F600\U0001F4F0");
    storeInvoice(QStringLiteral("N0000005"), QStringLiteral("TVM"), 0);
    gConnection.execute("Update vstores_2024.inv_invoice set inv_invoice_no=?", {number});
    QVERIFY(openStored(QStringLiteral("N0000005")));
    QCOMPARE(m_w->TxInvoiceNo->text(), number);
    // An edit of something else stores it whole.
    click(m_w->editButton());
    m_w->TxFreight->selectAll();
    QTest::keyClicks(m_w->TxFreight, QStringLiteral("75"));
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(field("Select concat_ws('|', inv_invoice_no, inv_freight) from vstores_2024.inv_invoice"),
             number + QStringLiteral("|75.00"));
    // Typing stops at the column's 60 characters, the emoji each counted once.
    click(m_w->editButton());
    m_w->TxInvoiceNo->setFocus();
    m_w->TxInvoiceNo->end(false);
    QTest::keyClicks(m_w->TxInvoiceNo, QStringLiteral("77"));
    QCOMPARE(m_w->TxInvoiceNo->text(), number);
    QTest::keyClick(m_w->TxInvoiceNo, Qt::Key_Backspace);
    QTest::keyClicks(m_w->TxInvoiceNo, QStringLiteral("77"));
    QCOMPARE(m_w->TxInvoiceNo->text(), number.chopped(2) + u'7');
}

QTEST_MAIN(TestInvoiceWindow)
#include "tst_db_invoicewindow.moc"
