#include "GridTestSupport.h"
#include "GstGrid.h"
#include "PurchasesWindows.h"
#include "Sheet.h"
#include "TestSupport.h"
#include "TextLengths.h"
#include "frmListView.h"
#include "frmOtherInvoiceMaster.h"
#include "frmOtherStoresInvoice.h"
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

// The other-stores invoice window and its list on the real server, driven as
// a clerk would: the header through its Enter chain and lookups, the lines
// through the grid's editor, the commands with the mouse and the questions
// answered by script.
class TestOtherInvoiceWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void keyboardEntrySaveFinaliseFindRemove();
    void typedTaxTotals_data();
    void typedTaxTotals();
    void tcsChangeRestoresLineTaxes();
    void saveRefusals_data();
    void saveRefusals();
    void duplicateInvoiceNumber();
    void textsStopAtTheirColumns();
    void textBeyondItsColumnRefused_data();
    void textBeyondItsColumnRefused();
    void edit_data();
    void edit();
    void finalisedMeanwhileRefusedAtSave();
    void loadedInvoiceShowsAndKeepsEverything();
    void removeFinaliseOnUnsavedInvoice();
    void listItemFilter();
    void roundOffLimit_data();
    void roundOffLimit();
    void editAfterTheUnitChangedKeepsTheInvoicesOwnUnit();
    void figureBeyondRangeRefused();
    void typedTaxesSavedAndShownAgain_data();
    void typedTaxesSavedAndShownAgain();
    void newShowsZeroInEveryAmount();
    void ctrlARepeatsTheItem_data();
    void ctrlARepeatsTheItem();
    void typedGrossIsTheLinesGross();
    void rowThatNoLongerCountsKeepsNoTaxes();
    void emptiedItemRefusesSave_data();
    void emptiedItemRefusesSave();
    void itemChosenAfterCtrlAIsStored();
    void doubleClickOpensTheEditor();

private:
    frmOtherInvoiceMaster *openNew();
    frmOtherInvoiceMaster *openStored(const QString &transId);
    void pick(QWidget *target, const QString &search, int key = Qt::Key_F1);
    void typeHeader(const QString &invoiceNo);
    void typeLine(const QString &item, const QString &qty, const QString &rate, const QString &cgst,
                  const QString &sgst, const QString &igst);
    void type(QWidget *w, const QString &text, bool enter = true);
    void click(QPushButton *b);
    QLineEdit *editor() const { return m_w->grid()->editor(); }
    QString field(const QString &sql, const QVariantList &values = {});
    QString state() const;
    // The stored invoice: its header and lines, every column the window writes.
    QString storedInvoice(const QString &transId);

    std::unique_ptr<ScopedScriptedUi> m_scripted;
    QPointer<frmOtherInvoiceMaster> m_w;
};

void TestOtherInvoiceWindow::initTestCase()
{
    registerPurchasesWindows();
}

void TestOtherInvoiceWindow::init()
{
    connectAndReset();
    setClerkContext();
    gSelectedCode.clear();
    m_scripted = std::make_unique<ScopedScriptedUi>();
}

void TestOtherInvoiceWindow::cleanup()
{
    frmListView::setTestDriver({});
    WindowRegistry::instance().unloadAll();
    m_scripted.reset();
}

QString TestOtherInvoiceWindow::state() const
{
    switch (m_w->state()) {
    case RecordState::View: return QStringLiteral("view");
    case RecordState::New: return QStringLiteral("new");
    case RecordState::Edit: return QStringLiteral("edit");
    }
    return {};
}

frmOtherInvoiceMaster *TestOtherInvoiceWindow::openNew()
{
    m_w =
        qobject_cast<frmOtherInvoiceMaster *>(WindowRegistry::instance().open(QStringLiteral("frmOtherInvoiceMaster")));
    if (!m_w)
        return nullptr;
    m_w->activateWindow();
    if (!QTest::qWaitForWindowActive(m_w))
        qWarning("invoice window not active");
    m_w->CmNew_Click();
    return m_w;
}

frmOtherInvoiceMaster *TestOtherInvoiceWindow::openStored(const QString &transId)
{
    gSelectedCode = transId;
    m_w =
        qobject_cast<frmOtherInvoiceMaster *>(WindowRegistry::instance().open(QStringLiteral("frmOtherInvoiceMaster")));
    if (!m_w)
        return nullptr;
    m_w->activateWindow();
    if (!QTest::qWaitForWindowActive(m_w))
        qWarning("invoice window not active");
    m_w->CmCancel_Click();
    return m_w;
}

// F1 on the control; the lookup list takes the first row whose name begins with `search`.
void TestOtherInvoiceWindow::pick(QWidget *target, const QString &search, int key)
{
    frmListView::setTestDriver([search](frmListView &lv) {
        QTest::keyClicks(lv.searchBox(), search);
        QTest::keyClick(lv.searchBox(), Qt::Key_Return);
    });
    QTest::keyClick(target, Qt::Key(key));
    frmListView::setTestDriver({});
}

void TestOtherInvoiceWindow::type(QWidget *w, const QString &text, bool enter)
{
    QTest::keyClicks(w, text);
    if (enter)
        QTest::keyClick(w, Qt::Key_Return);
}

void TestOtherInvoiceWindow::typeHeader(const QString &invoiceNo)
{
    m_w->DtInvoice->setDate(QDate(2024, 8, 10));
    m_w->DtReceipt->setDate(QDate(2024, 8, 12));
    type(m_w->TxInvoiceNo, invoiceNo);
    QTest::keyClick(m_w->DtInvoice, Qt::Key_Return);
    QTest::keyClick(m_w->DtReceipt, Qt::Key_Return);
    pick(m_w->TxSuppCode, QStringLiteral("Kerala"));
    QTest::keyClick(m_w->TxSuppCode, Qt::Key_Return);
}

// The editor stands on the line's item; afterwards on the next line's.
void TestOtherInvoiceWindow::typeLine(const QString &item, const QString &qty, const QString &rate, const QString &cgst,
                                      const QString &sgst, const QString &igst)
{
    pick(editor(), item);
    QTest::keyClick(editor(), Qt::Key_Return);
    for (const QString &text : {qty, rate, cgst, sgst, igst}) {
        editor()->selectAll();
        type(editor(), text);
    }
}

void TestOtherInvoiceWindow::click(QPushButton *b)
{
    QVERIFY2(b->isEnabled(), qPrintable(b->objectName() + QStringLiteral(" is disabled")));
    QTest::mouseClick(b, Qt::LeftButton);
}

QString TestOtherInvoiceWindow::field(const QString &sql, const QVariantList &values)
{
    return GetFirstValue(sql, values);
}

QString TestOtherInvoiceWindow::storedInvoice(const QString &transId)
{
    return field("Select concat_ws('|', inv_invoice_no, inv_supp_code, inv_gst_no, inv_tcs, inv_freight, "
                 "inv_narration, inv_round_plus, inv_round_minus, inv_gross_total, inv_cgst_amt, inv_sgst_amt, "
                 "inv_igst_amt, inv_net_total, ifnull(modified_by, '-')) from vstores_2024.inv_invoice_gen "
                 "where inv_trans_id=? and unit_code='TVM' and comp_code='01'",
                 {transId})
        + u'#'
        + field("Select group_concat(concat_ws(':', invtrans_slno, invtrans_item_code, invtrans_qty, invtrans_rate, "
                "invtrans_cgst_per, invtrans_cgst_amt, invtrans_sgst_per, invtrans_sgst_amt, invtrans_igst_per, "
                "invtrans_igst_amt, invtrans_amount) order by invtrans_slno separator ' ') "
                "from vstores_2024.inv_invoice_trans_gen where invtrans_id=? and unit_code='TVM' and comp_code='01'",
                {transId});
}

void TestOtherInvoiceWindow::keyboardEntrySaveFinaliseFindRemove()
{
    auto *list =
        qobject_cast<frmOtherStoresInvoice *>(WindowRegistry::instance().open(QStringLiteral("frmOtherStoresInvoice")));
    QVERIFY(list);
    QCOMPARE(list->windowTitle(), QStringLiteral("Invoice List - Other Stores"));
    click(list->findChild<QPushButton *>(QStringLiteral("CmNew")));
    m_w = WindowRegistry::instance().find<frmOtherInvoiceMaster>(QStringLiteral("frmOtherInvoiceMaster"));
    QVERIFY(m_w);
    m_w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_w));
    QCOMPARE(state(), QStringLiteral("new"));
    QCOMPARE(m_w->LbSerialNo->text(), QStringLiteral("P0000008"));
    QCOMPARE(m_w->caption(), QStringLiteral("Invoice Master - Other Stores"));
    QCOMPARE(m_w->grid()->rows(), 50);

    typeHeader(QStringLiteral(" KOS/777 "));
    QCOMPARE(m_w->TxSuppName->text(), QStringLiteral("Kerala Newsprint Mills"));
    QCOMPARE(m_w->TxGST->text(), QStringLiteral("32AAACK1111A1Z1"));
    QVERIFY(editor()->isVisible());
    typeLine(QStringLiteral("CLEANING CLOTH"), "2", "105", "9", "9", "0");
    typeLine(QStringLiteral("PRINTING"), "3", "33.33", "2.5", "", "");
    typeLine(QStringLiteral("BLANKET"), "10", "20", "0", "0", "18");
    QCOMPARE(m_w->grid()->CurRow, 4);
    QTest::keyClick(editor(), Qt::Key_Return);
    QVERIFY(m_w->TxNarration->hasFocus());
    type(m_w->TxNarration, QStringLiteral("Cleaning and ink"));
    QVERIFY(m_w->TxTCS->hasFocus());
    type(m_w->TxTCS, QStringLiteral("1.5"));
    type(m_w->TxFreight, QStringLiteral("40"));
    QTest::keyClick(m_w->TxRoundOffPlus, Qt::Key_Return);
    QTest::keyClick(m_w->TxRoundOffMinus, Qt::Key_Return);
    QVERIFY(m_w->TxCGST->hasFocus());

    QStringList lines;
    for (int r = 1; r <= 3; ++r) {
        QStringList cells;
        for (int c :
             {GstGrid::ItemName, GstGrid::Cgst, GstGrid::Sgst, GstGrid::Igst, GstGrid::Amount, GstGrid::ItemCode})
            cells << m_w->grid()->cell(r, c);
        lines << cells.join(u'|');
    }
    QCOMPARE(lines,
             (QStringList{"CLEANING CLOTH|18.90|18.90|0.00|247.80|12", "PRINTING INK|2.50|0.00|0.00|102.49|I0002",
                          "BLANKET WASH|0.00|0.00|36.00|236.00|I0003"}));
    QCOMPARE(m_w->TxTotal->text(), QStringLiteral("509.99"));
    QCOMPARE(QStringList({m_w->TxCGST->text(), m_w->TxSGST->text(), m_w->TxIGST->text()}),
             (QStringList{"21.40", "18.90", "36.00"}));
    // With the TCS while the totals are worked out from the lines ...
    QCOMPARE(m_w->TxGrandTotal->text(), QStringLiteral("587.79"));
    // ... and still with it once Enter walks the tax boxes: one sum either way.
    QTest::keyClick(m_w->TxCGST, Qt::Key_Return);
    QTest::keyClick(m_w->TxSGST, Qt::Key_Return);
    QTest::keyClick(m_w->TxIGST, Qt::Key_Return);
    QVERIFY(m_w->newButton()->hasFocus());
    QCOMPARE(m_w->TxGrandTotal->text(), QStringLiteral("587.79"));

    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(state(), QStringLiteral("view"));
    QCOMPARE(m_w->LbSerialNo->text(), QStringLiteral("P0000008"));
    QCOMPARE(field("Select concat_ws('|', inv_invoice_no, inv_date, inv_supp_code, inv_gst_no, inv_tcs, inv_freight, "
                   "inv_narration, inv_gross_total, inv_cgst_amt, inv_sgst_amt, inv_igst_amt, inv_net_total) "
                   "from vstores_2024.inv_invoice_gen where inv_trans_id='P0000008'"),
             QStringLiteral("KOS/777|2024-08-10|441200001|32AAACK1111A1Z1|1.50|40.00|Cleaning and ink|509.99|21.40|"
                            "18.90|36.00|587.79"));
    QCOMPARE(field("Select group_concat(concat_ws(':', invtrans_slno, invtrans_item_code, invtrans_amount) "
                   "order by invtrans_slno) from vstores_2024.inv_invoice_trans_gen where invtrans_id='P0000008'"),
             QStringLiteral("1:12:247.80,2:I0002:102.49,3:I0003:236.00"));

    m_scripted->ui.answers.enqueue(MsgAnswer::Yes);
    click(m_w->CmFinalize);
    QCOMPARE(m_w->LbFinalize->text(), QStringLiteral("FINALIZED"));
    QCOMPARE(field("Select inv_finalize + (Select sum(invtrans_finalize) from vstores_2024.inv_invoice_trans_gen "
                   "where invtrans_id='P0000008') from vstores_2024.inv_invoice_gen where inv_trans_id='P0000008'"),
             QStringLiteral("4"));

    // Found in the list by its item.
    list->DtFrom->setDate(QDate(2024, 6, 1));
    list->DtTo->setDate(QDate(2024, 8, 31));
    pick(list->TxItem, QStringLiteral("CLEANING CLOTH"));
    QCOMPARE(list->TxItem->tag(), QStringLiteral("12"));
    list->FillList();
    QStringList ids;
    for (int r = 2; r <= list->sheet()->RowCount() && !list->sheet()->CellText(r, 1).isEmpty(); ++r)
        ids << list->sheet()->CellText(r, 2);
    QCOMPARE(ids, (QStringList{"P0000001", "P0000002", "P0000008"}));
    QCOMPARE(list->sheet()->CellText(4, 11), QStringLiteral("587.79"));

    m_scripted->ui.answers.enqueue(MsgAnswer::Yes);
    click(m_w->CmRemove);
    QCOMPARE(m_scripted->ui.shown.last().text,
             QStringLiteral("Are you sure you want to Remove Finalize This Invoice?"));
    QCOMPARE(m_w->LbFinalize->text(), QString());
    QVERIFY(!m_w->CmFinalize->isEnabled());
    QCOMPARE(field("Select inv_finalize + (Select sum(invtrans_finalize) from vstores_2024.inv_invoice_trans_gen "
                   "where invtrans_id='P0000008') from vstores_2024.inv_invoice_gen where inv_trans_id='P0000008'"),
             QStringLiteral("0"));
}

void TestOtherInvoiceWindow::typedTaxTotals_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("grand");
    // Gross 210.00, CGST 18.90, SGST 18.90, TCS 1.00, Round + 0.50.
    QTest::newRow("CGST typed over") << "TxCGST"
                                     << "5"
                                     << "5.00"
                                     << "235.40";
    QTest::newRow("a third decimal of CGST") << "TxCGST"
                                             << "5.004"
                                             << "5.00"
                                             << "235.40";
    QTest::newRow("SGST at the half paisa") << "TxSGST"
                                            << "5.005"
                                            << "5.01"
                                            << "235.41";
    QTest::newRow("IGST added") << "TxIGST"
                                << "3"
                                << "3.00"
                                << "252.30";
}

void TestOtherInvoiceWindow::typedTaxTotals()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, grand);
    QVERIFY(openNew());
    typeHeader(QStringLiteral("T/1"));
    typeLine(QStringLiteral("CLEANING CLOTH"), "2", "105", "9", "9", "0");
    m_w->TxTCS->setText(QStringLiteral("1.00"));
    m_w->TxRoundOffPlus->setText(QStringLiteral("0.50"));
    QCOMPARE(m_w->TxGrandTotal->text(), QStringLiteral("249.30"));
    auto *b = m_w->findChild<QLineEdit *>(box);
    b->setFocus();
    b->selectAll();
    type(b, typed);
    QCOMPARE(b->text(), shown);
    QCOMPARE(m_w->TxGrandTotal->text(), grand);
}

void TestOtherInvoiceWindow::tcsChangeRestoresLineTaxes()
{
    QVERIFY(openNew());
    typeHeader(QStringLiteral("T/2"));
    typeLine(QStringLiteral("CLEANING CLOTH"), "2", "105", "9", "9", "0");
    m_w->TxCGST->setFocus();
    m_w->TxCGST->selectAll();
    type(m_w->TxCGST, QStringLiteral("5"));
    QCOMPARE(m_w->TxGrandTotal->text(), QStringLiteral("233.90"));
    m_w->TxTCS->setText(QStringLiteral("2.00"));
    QCOMPARE(m_w->TxCGST->text(), QStringLiteral("18.90"));
    QCOMPARE(m_w->TxGrandTotal->text(), QStringLiteral("249.80"));
}

void TestOtherInvoiceWindow::saveRefusals_data()
{
    QTest::addColumn<int>("leaveOut");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("no invoice number") << 0 << "Please Enter a Invoice Number.   "
                                       << "TxInvoiceNo";
    QTest::newRow("supplier code typed by hand") << 1 << "Please Select the Supplier.   "
                                                 << "TxSuppCode";
    QTest::newRow("no freight") << 2 << "Please Enter the Freight.   "
                                << "TxFreight";
    QTest::newRow("no lines") << 3 << "Please Fill the Details Properly.   "
                              << "TxMove";
    QTest::newRow("an item typed without the lookup") << 4 << "Please Select the Item Properly.   "
                                                      << "TxMove";
}

void TestOtherInvoiceWindow::saveRefusals()
{
    QFETCH(int, leaveOut);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QVERIFY(openNew());
    typeHeader(QStringLiteral("R/1"));
    if (leaveOut != 3)
        typeLine(QStringLiteral("CLEANING CLOTH"), "2", "105", "9", "9", "0");
    if (leaveOut == 4) {
        // Enter asks for the lookup at once; Save asks again for the same line.
        type(editor(), QStringLiteral("glue"));
        QCOMPARE(m_scripted->ui.texts(), QStringList{message});
        m_scripted->ui.shown.clear();
    }
    if (leaveOut != 2)
        m_w->TxFreight->setText(QStringLiteral("40.00"));
    if (leaveOut == 0)
        m_w->TxInvoiceNo->clear();
    if (leaveOut == 1)
        QTest::keyClicks(m_w->TxSuppCode, QStringLiteral("9"));
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList{message});
    QCOMPARE(m_scripted->ui.shown.last().icon, MsgIcon::Critical);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QCOMPARE(state(), QStringLiteral("new"));
    QCOMPARE(field("Select count(*) from vstores_2024.inv_invoice_gen"), QStringLiteral("7"));
    if (leaveOut == 4)
        QCOMPARE(m_w->grid()->CurRow, 2);
}

void TestOtherInvoiceWindow::duplicateInvoiceNumber()
{
    QVERIFY(openNew());
    typeHeader(QStringLiteral(" KOS/102 ")); // the CRP unit's invoice
    typeLine(QStringLiteral("CLEANING CLOTH"), "2", "105", "9", "9", "0");
    m_w->TxFreight->setText(QStringLiteral("40.00"));
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList{"The Same Invoice Number Already Exists.   "});
    QCOMPARE(state(), QStringLiteral("new"));
    QVERIFY(m_w->TxInvoiceNo->hasFocus());
    QCOMPARE(field("Select no_value from vstores_2024.numbersetup where no_id='INVP_01_TVM'"),
             QStringLiteral("P0000008"));
}

void TestOtherInvoiceWindow::textsStopAtTheirColumns()
{
    QVERIFY(openNew());
    typeHeader(QString(100, u'9'));
    QCOMPARE(m_w->TxInvoiceNo->text(), QString(60, u'9'));
    m_w->TxGST->clear();
    QTest::keyClicks(m_w->TxGST, QString(40, u'G'));
    QCOMPARE(m_w->TxGST->text(), QString(30, u'G'));
    typeLine(QStringLiteral("CLEANING CLOTH"), "2", "105", "9", "9", "0");
    QTest::keyClick(editor(), Qt::Key_Return);
    QVERIFY(m_w->TxNarration->hasFocus());
    type(m_w->TxNarration, QString(300, u'n'));
    QCOMPARE(m_w->TxNarration->text(), QString(255, u'n'));
    m_w->TxFreight->setText(QStringLiteral("40.00"));
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(state(), QStringLiteral("view"));
    QCOMPARE(field("Select concat_ws('|', inv_invoice_no, inv_gst_no, inv_narration) from "
                   "vstores_2024.inv_invoice_gen where inv_trans_id=?",
                   {m_w->LbSerialNo->text()}),
             QStringList({m_w->TxInvoiceNo->text(), m_w->TxGST->text(), m_w->TxNarration->text()}).join(u'|'));
}

void TestOtherInvoiceWindow::textBeyondItsColumnRefused_data()
{
    QTest::addColumn<QString>("id"); // empty: a new invoice; else that stored invoice edited
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("length");
    // As if the box had no limit of its own.
    QTest::newRow("invoice number of a new invoice") << ""
                                                     << "TxInvoiceNo" << 61;
    QTest::newRow("GST number of a new invoice") << ""
                                                 << "TxGST" << 31;
    QTest::newRow("narration of an edit") << "P0000001"
                                          << "TxNarration" << 256;
}

void TestOtherInvoiceWindow::textBeyondItsColumnRefused()
{
    QFETCH(QString, id);
    QFETCH(QString, box);
    QFETCH(int, length);
    const auto stored = [this] {
        return field("Select concat_ws('|', (Select count(*) from vstores_2024.inv_invoice_gen), "
                     "(Select concat_ws(',', inv_invoice_no, inv_gst_no, inv_narration, modified_by) from "
                     "vstores_2024.inv_invoice_gen where inv_trans_id='P0000001' and unit_code='TVM'), "
                     "(Select no_value from vstores_2024.numbersetup where no_id='INVP_01_TVM'))");
    };
    const QString before = stored();
    if (id.isEmpty()) {
        QVERIFY(openNew());
        typeHeader(QStringLiteral("LONG/1"));
        typeLine(QStringLiteral("CLEANING CLOTH"), "2", "105", "9", "9", "0");
        m_w->TxFreight->setText(QStringLiteral("40.00"));
    } else {
        QVERIFY(openStored(id));
        click(m_w->editButton());
    }
    auto *b = m_w->findChild<QLineEdit *>(box);
    b->setText(QString(length, u'X'));
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList{kTextTooLong});
    QCOMPARE(m_scripted->ui.shown.last().icon, MsgIcon::Critical);
    QCOMPARE(state(), id.isEmpty() ? QStringLiteral("new") : QStringLiteral("edit"));
    QCOMPARE(stored(), before);
}

void TestOtherInvoiceWindow::edit_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("newFirst");
    QTest::addColumn<QString>("message");
    QTest::newRow("open invoice") << "P0000001" << false << "";
    QTest::newRow("finalised invoice") << "P0000004" << false << "You Cannot Edit Finalized Invoice.   ";
    QTest::newRow("a new invoice cancelled") << "" << true << "This Invoice Is Not Saved in This Unit.   ";
}

void TestOtherInvoiceWindow::edit()
{
    QFETCH(QString, id);
    QFETCH(bool, newFirst);
    QFETCH(QString, message);
    if (newFirst) {
        QVERIFY(openNew());
        click(m_w->cancelButton());
    } else {
        QVERIFY(openStored(id));
    }
    click(m_w->editButton());
    QCOMPARE(m_scripted->ui.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(state(), message.isEmpty() ? QStringLiteral("edit") : QStringLiteral("view"));
}

void TestOtherInvoiceWindow::finalisedMeanwhileRefusedAtSave()
{
    QVERIFY(openStored(QStringLiteral("P0000001")));
    click(m_w->editButton());
    gConnection.execute("Update vstores_2024.inv_invoice_gen set inv_finalize=1 where inv_trans_id='P0000001'");
    m_w->TxNarration->setText(QStringLiteral("changed"));
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList{"You Cannot Edit Finalized Invoice.   "});
    QCOMPARE(state(), QStringLiteral("edit"));
    QCOMPARE(field("Select inv_narration from vstores_2024.inv_invoice_gen where inv_trans_id='P0000001'"),
             QStringLiteral("Cleaning material"));
}

void TestOtherInvoiceWindow::loadedInvoiceShowsAndKeepsEverything()
{
    QVERIFY(openStored(QStringLiteral("P0000003")));
    QCOMPARE(m_w->LbSerialNo->text(), QStringLiteral("P0000003"));
    QCOMPARE(m_w->TxSuppName->text(), QStringLiteral("Kerala Newsprint Mills"));
    QCOMPARE(m_w->TxGST->text(), QStringLiteral("32AAACK1111A1Z1"));
    QCOMPARE(m_w->grid()->cell(2, GstGrid::ItemName), QStringLiteral("I9999"));
    QCOMPARE(m_w->TxTotal->text(), QStringLiteral("90.00"));
    QCOMPARE(m_w->TxGrandTotal->text(), QStringLiteral("103.20"));
    QCOMPARE(m_w->grid()->rows(), 20);
    click(m_w->editButton());
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(field("Select group_concat(invtrans_item_code order by invtrans_slno) from "
                   "vstores_2024.inv_invoice_trans_gen where invtrans_id='P0000003'"),
             QStringLiteral("I0003,I9999"));
    QVERIFY(field("Select modified_date from vstores_2024.inv_invoice_gen where inv_trans_id='P0000003'") != "");

    // A finalised invoice shows its mark.
    WindowRegistry::instance().unloadAll();
    QVERIFY(openStored(QStringLiteral("P0000004")));
    QCOMPARE(m_w->LbFinalize->text(), QStringLiteral("FINALIZED"));
    QCOMPARE(m_w->TxIGST->text(), QStringLiteral("0.00"));
}

void TestOtherInvoiceWindow::removeFinaliseOnUnsavedInvoice()
{
    QVERIFY(openNew());
    m_scripted->ui.answers.enqueue(MsgAnswer::Yes);
    click(m_w->CmRemove);
    QCOMPARE(m_scripted->ui.texts(),
             (QStringList{"Are you sure you want to Remove Finalize This Invoice?",
                          "This Invoice Is Not Saved in This Unit.   "}));
    QCOMPARE(field("Select sum(inv_finalize) from vstores_2024.inv_invoice_gen"), QStringLiteral("1"));
}

void TestOtherInvoiceWindow::listItemFilter()
{
    auto *list =
        qobject_cast<frmOtherStoresInvoice *>(WindowRegistry::instance().open(QStringLiteral("frmOtherStoresInvoice")));
    QVERIFY(list);
    QCOMPARE(list->sheet()->CellText(2, 1), QString()); // nothing until F5
    list->DtFrom->setDate(QDate(2024, 6, 1));
    list->DtTo->setDate(QDate(2024, 7, 31));
    const auto ids = [list] {
        QStringList out;
        for (int r = 2; r <= list->sheet()->RowCount() && !list->sheet()->CellText(r, 1).isEmpty(); ++r)
            out << list->sheet()->CellText(r, 2);
        return out;
    };
    QTest::keyClick(list->TxItem, Qt::Key_F5);
    QCOMPARE(ids(), (QStringList{"P0000001", "P0000002", "P0000003", "P0000004"}));
    QCOMPARE(list->sheet()->CellText(5, 10), QStringLiteral("0.00")); // a NULL IGST
    pick(list->TxItem, QStringLiteral("CLEANING CLOTH ROLL"));
    QTest::keyClick(list->TxItem, Qt::Key_F5);
    QCOMPARE(ids(), QStringList{"P0000002"});
    // Typing keeps the chosen item; F1 on a name of no item removes it.
    list->TxItem->setText(QString());
    QTest::keyClick(list->TxItem, Qt::Key_F5);
    QCOMPARE(ids(), QStringList{"P0000002"});
    list->TxItem->setText(QStringLiteral("NO SUCH ITEM"));
    QTest::keyClick(list->TxItem, Qt::Key_F1);
    QCOMPARE(list->TxItem->tag(), QString());
    QTest::keyClick(list->TxItem, Qt::Key_F5);
    QCOMPARE(ids().size(), 4);
}

void TestOtherInvoiceWindow::roundOffLimit_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("grand");
    QTest::addColumn<QStringList>("shown");
    const QStringList limit{"You Are allowed to Round Off Upto Rs 10 Only  "};
    // Gross 210.00 with CGST and SGST 18.90 each: 247.80 before any round-off.
    QTest::newRow("exactly 10 added") << "TxRoundOffPlus"
                                      << "10"
                                      << "257.80" << QStringList{};
    QTest::newRow("exactly 10 taken off") << "TxRoundOffMinus"
                                          << "10"
                                          << "237.80" << QStringList{};
    // The last keystroke is refused; the totals stay as the one before left them.
    QTest::newRow("10.01 refused, totals as before") << "TxRoundOffPlus"
                                                     << "10.01"
                                                     << "257.80" << limit;
    QTest::newRow("11 taken off refused") << "TxRoundOffMinus"
                                          << "11"
                                          << "246.80" << limit;
}

void TestOtherInvoiceWindow::roundOffLimit()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, grand);
    QFETCH(QStringList, shown);
    QVERIFY(openNew());
    typeHeader(QStringLiteral("L/1"));
    typeLine(QStringLiteral("CLEANING CLOTH"), "2", "105", "9", "9", "0");
    m_w->TxFreight->setText(QStringLiteral("40.00"));
    auto *b = m_w->findChild<QLineEdit *>(box);
    b->setFocus();
    b->selectAll();
    QTest::keyClicks(b, typed);
    QCOMPARE(m_scripted->ui.texts(), shown);
    QCOMPARE(m_w->TxGrandTotal->text(), grand);
    QCOMPARE(Decimal::fromText(b->text()), Decimal::fromText(typed));

    // Save checks again: a round-off above the limit is never stored.
    m_scripted->ui.shown.clear();
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), shown);
    const QString stored = field("Select inv_net_total from vstores_2024.inv_invoice_gen where inv_invoice_no='L/1'");
    if (shown.isEmpty()) {
        QCOMPARE(state(), QStringLiteral("view"));
        QCOMPARE(stored, grand);
    } else {
        QCOMPARE(state(), QStringLiteral("new"));
        QCOMPARE(QApplication::focusWidget(), b);
        QCOMPARE(stored, QString());
    }
}

void TestOtherInvoiceWindow::typedTaxesSavedAndShownAgain_data()
{
    QTest::addColumn<bool>("enter"); // Enter walks the tax boxes before Save
    QTest::addColumn<QString>("typed");
    QTest::newRow("Enter through the typed taxes") << true << "5";
    QTest::newRow("Save clicked right after typing") << false << "5";
    QTest::newRow("a third decimal, Save clicked at once") << false << "5.004";
}

void TestOtherInvoiceWindow::typedTaxesSavedAndShownAgain()
{
    QFETCH(bool, enter);
    QFETCH(QString, typed);
    QVERIFY(openNew());
    typeHeader(QStringLiteral("T/9"));
    typeLine(QStringLiteral("CLEANING CLOTH"), "2", "105", "9", "9", "0");
    m_w->TxTCS->setText(QStringLiteral("1.00"));
    m_w->TxFreight->setText(QStringLiteral("40.00"));
    m_w->TxRoundOffMinus->setText(QStringLiteral("0.10"));
    m_w->TxCGST->setFocus();
    m_w->TxCGST->selectAll();
    type(m_w->TxCGST, typed, enter);
    if (enter) {
        QTest::keyClick(m_w->TxSGST, Qt::Key_Return);
        QTest::keyClick(m_w->TxIGST, Qt::Key_Return);
        // The same sum as the lines give: gross + TCS + taxes + round-offs.
        QCOMPARE(m_w->TxGrandTotal->text(), QStringLiteral("234.80"));
    }
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(m_w->TxCGST->text(), QStringLiteral("5.00"));
    QCOMPARE(m_w->TxGrandTotal->text(), QStringLiteral("234.80"));
    const QString id = m_w->LbSerialNo->text();
    const QString header = QStringLiteral("210.00|1.00|5.00|18.90|0.00|0.00|0.10|234.80");
    QCOMPARE(field("Select concat_ws('|', inv_gross_total, inv_tcs, inv_cgst_amt, inv_sgst_amt, inv_igst_amt, "
                   "inv_round_plus, inv_round_minus, inv_net_total) from vstores_2024.inv_invoice_gen "
                   "where inv_trans_id=?",
                   {id}),
             header);
    // Reopened, the invoice shows the totals it was stored with, typed CGST included.
    WindowRegistry::instance().unloadAll();
    QVERIFY(openStored(id));
    QCOMPARE(QStringList({m_w->TxTotal->text(), m_w->TxTCS->text(), m_w->TxCGST->text(), m_w->TxSGST->text(),
                          m_w->TxIGST->text(), m_w->TxRoundOffPlus->text(), m_w->TxRoundOffMinus->text(),
                          m_w->TxGrandTotal->text()})
                 .join(u'|'),
             header);
}

void TestOtherInvoiceWindow::newShowsZeroInEveryAmount()
{
    QVERIFY(openStored(QStringLiteral("P0000001")));
    QVERIFY(!Decimal::fromText(m_w->TxTotal->text()).isZero());
    click(m_w->newButton());
    for (QLineEdit *box : {m_w->TxTotal, m_w->TxTCS, m_w->TxFreight, m_w->TxCGST, m_w->TxSGST, m_w->TxIGST,
                           m_w->TxRoundOffPlus, m_w->TxRoundOffMinus, m_w->TxGrandTotal})
        QVERIFY2(box->text() == QStringLiteral("0.00"), qPrintable(box->objectName() + " shows " + box->text()));
}

void TestOtherInvoiceWindow::editAfterTheUnitChangedKeepsTheInvoicesOwnUnit()
{
    QVERIFY(openStored(QStringLiteral("P0000001")));
    click(m_w->editButton());
    gUnitCode = QStringLiteral("CRP");
    m_w->TxNarration->setText(QStringLiteral("edited elsewhere"));
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(field("Select group_concat(concat(unit_code, ':', inv_narration)) from vstores_2024.inv_invoice_gen "
                   "where inv_trans_id='P0000001'"),
             QStringLiteral("TVM:edited elsewhere"));
    QCOMPARE(field("Select group_concat(distinct unit_code) from vstores_2024.inv_invoice_trans_gen "
                   "where invtrans_id='P0000001'"),
             QStringLiteral("TVM"));
}

void TestOtherInvoiceWindow::figureBeyondRangeRefused()
{
    QVERIFY(openNew());
    typeHeader(QStringLiteral("BIG/1"));
    typeLine(QStringLiteral("CLEANING CLOTH"), "999999999", "999999999", "9", "", "");
    QVERIFY(m_scripted->ui.texts().contains(Decimal::overflowMessage()));
    m_scripted->ui.shown.clear();
    m_w->TxFreight->setText(QStringLiteral("10.00"));
    // Enter in a tax box typed beyond range keeps what was shown.
    m_w->TxSGST->setFocus();
    m_w->TxSGST->selectAll();
    type(m_w->TxSGST, QStringLiteral("99999999999999999999"));
    QCOMPARE(m_scripted->ui.texts(), QStringList{Decimal::overflowMessage()});
    QCOMPARE(m_w->TxSGST->text(), QStringLiteral("99999999999999999999"));
    m_scripted->ui.shown.clear();
    m_w->TxSGST->setText(QStringLiteral("0"));
    m_w->TxGrandTotal->setText(QStringLiteral("100.00"));
    m_w->TxCGST->setText(QStringLiteral("99999999999999999999"));
    click(m_w->newButton());
    QVERIFY(m_scripted->ui.texts().contains(Decimal::overflowMessage()));
    QCOMPARE(state(), QStringLiteral("new"));
    QCOMPARE(field("Select count(*) from vstores_2024.inv_invoice_gen where inv_invoice_no='BIG/1'"),
             QStringLiteral("0"));
}

void TestOtherInvoiceWindow::ctrlARepeatsTheItem_data()
{
    QTest::addColumn<QString>("typed"); // typed after Ctrl+A, before Enter
    QTest::addColumn<QString>("stored"); // the stored lines; empty: refused, nothing stored
    QTest::newRow("the repeated name as it stands") << "" << "1:12:247.80 2:12:247.80";
    QTest::newRow("the repeated name edited") << "X" << "";
}

void TestOtherInvoiceWindow::ctrlARepeatsTheItem()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QVERIFY(openNew());
    typeHeader(QStringLiteral("CA/1"));
    typeLine(QStringLiteral("CLEANING CLOTH"), "2", "105", "9", "9", "0");
    ItemGrid *g = m_w->grid();
    QCOMPARE(g->CurRow, 2);
    QTest::keyClick(editor(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(editor()->text(), QStringLiteral("CLEANING CLOTH1"));
    QCOMPARE(g->cell(2, GstGrid::ItemCode), QStringLiteral("12"));
    // The repeated row shows the whole copy, its taxes and amount too; the totals count the lines.
    QCOMPARE(QStringList({g->cell(2, GstGrid::Cgst), g->cell(2, GstGrid::Sgst), g->cell(2, GstGrid::Igst),
                          g->cell(2, GstGrid::Amount)})
                 .join(u'|'),
             QStringLiteral("18.90|18.90|0.00|247.80"));
    QCOMPARE(m_w->TxTotal->text(), QStringLiteral("210.00"));
    QTest::keyClicks(editor(), typed);
    QTest::keyClick(editor(), Qt::Key_Return);
    if (stored.isEmpty()) {
        // Any other name has no item behind it until one is looked up.
        QCOMPARE(m_scripted->ui.texts(), QStringList{QStringLiteral("Please Select the Item Properly.   ")});
        QCOMPARE(g->cell(2, GstGrid::ItemCode), QString());
        QCOMPARE(g->CurCol, int(GstGrid::ItemName));
        return;
    }
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(g->CurCol, int(GstGrid::Qty));
    QCOMPARE(g->cell(2, GstGrid::ItemName) + u'|' + g->cell(2, GstGrid::ItemCode), QStringLiteral("CLEANING CLOTH1|12"));
    m_w->TxFreight->setText(QStringLiteral("10"));
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(field("Select group_concat(concat_ws(':', invtrans_slno, invtrans_item_code, invtrans_amount) "
                   "order by invtrans_slno separator ' ') from vstores_2024.inv_invoice_trans_gen where invtrans_id=?",
                   {m_w->LbSerialNo->text()}),
             stored);
}

void TestOtherInvoiceWindow::typedGrossIsTheLinesGross()
{
    QVERIFY(openStored(QStringLiteral("P0000001")));
    click(m_w->editButton());
    m_w->TxTotal->setFocus();
    m_w->TxTotal->selectAll();
    QTest::keyClicks(m_w->TxTotal, QStringLiteral("500"));
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(state(), QStringLiteral("view"));
    const QString header = QStringLiteral("309.99|21.40|18.90|350.29");
    QCOMPARE(QStringList({m_w->TxTotal->text(), m_w->TxCGST->text(), m_w->TxSGST->text(), m_w->TxGrandTotal->text()})
                 .join(u'|'),
             header);
    QCOMPARE(field("Select concat_ws('|', inv_gross_total, inv_cgst_amt, inv_sgst_amt, inv_net_total) "
                   "from vstores_2024.inv_invoice_gen where inv_trans_id='P0000001'"),
             header);
    WindowRegistry::instance().unloadAll();
    QVERIFY(openStored(QStringLiteral("P0000001")));
    QCOMPARE(QStringList({m_w->TxTotal->text(), m_w->TxCGST->text(), m_w->TxSGST->text(), m_w->TxGrandTotal->text()})
                 .join(u'|'),
             header);
}

void TestOtherInvoiceWindow::rowThatNoLongerCountsKeepsNoTaxes()
{
    QVERIFY(openNew());
    typeHeader(QStringLiteral("Z/1"));
    typeLine(QStringLiteral("CLEANING CLOTH"), "2", "105", "9", "9", "0");
    typeLine(QStringLiteral("PRINTING"), "3", "33.33", "2.5", "", "");
    ItemGrid *g = m_w->grid();
    QCOMPARE(g->cell(1, GstGrid::Amount), QStringLiteral("247.80"));
    // Row 1's rates all become 0: it no longer counts, and shows nothing of its count.
    g->CurRow = 1;
    g->CurCol = GstGrid::CgstPer;
    g->MoveEditor();
    for (int i = 0; i < 3; ++i) {
        editor()->selectAll();
        type(editor(), QStringLiteral("0"));
    }
    QCOMPARE(QStringList({g->cell(1, GstGrid::Cgst), g->cell(1, GstGrid::Sgst), g->cell(1, GstGrid::Igst),
                          g->cell(1, GstGrid::Amount)})
                 .join(u'|'),
             QStringLiteral("|||"));
    QCOMPARE(m_w->TxTotal->text(), QStringLiteral("99.99"));
    m_w->TxFreight->setText(QStringLiteral("10"));
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(field("Select group_concat(concat_ws(':', invtrans_slno, invtrans_cgst_per, invtrans_cgst_amt, "
                   "invtrans_sgst_amt, invtrans_igst_amt, invtrans_amount) order by invtrans_slno separator ' ') "
                   "from vstores_2024.inv_invoice_trans_gen where invtrans_id=?",
                   {m_w->LbSerialNo->text()}),
             QStringLiteral("1:0.00:0.00:0.00:0.00:0.00 2:2.50:2.50:0.00:0.00:102.49"));
    QCOMPARE(field("Select inv_gross_total from vstores_2024.inv_invoice_gen where inv_trans_id=?",
                   {m_w->LbSerialNo->text()}),
             QStringLiteral("99.99"));
}

void TestOtherInvoiceWindow::emptiedItemRefusesSave_data()
{
    QTest::addColumn<QString>("id");       // P0000001: CLEANING CLOTH, PRINTING INK; P0000002: three lines
    QTest::addColumn<QString>("steps");    // in the grid of the invoice's edit
    QTest::addColumn<QStringList>("seen"); // messages before Save
    QTest::addColumn<int>("row");          // the line whose item is empty at Save
    const QStringList none;
    QTest::newRow("Del and Down in the first line") << "P0000001" << "at:1,1 Del Down" << none << 1;
    QTest::newRow("Del and Down in the last line") << "P0000001" << "at:2,1 Del Down" << none << 2;
    QTest::newRow("Del and Down in the middle of three") << "P0000002" << "at:2,1 Del Down" << none << 2;
    QTest::newRow("a duplicate refused in the last line")
        << "P0000001" << "at:2,1 Del cleaning_cloth Enter"
        << QStringList{"Same Contractor exists in row no: 1, Duplication not allowed.   "} << 2;
    QTest::newRow("Ctrl+A in the quantity of the last line") << "P0000001" << "at:2,2 CtrlA" << none << 2;
    QTest::newRow("Ctrl+A in the CGST % of the middle of three") << "P0000002" << "at:2,4 CtrlA" << none << 2;
}

void TestOtherInvoiceWindow::emptiedItemRefusesSave()
{
    QFETCH(QString, id);
    QFETCH(QString, steps);
    QFETCH(QStringList, seen);
    QFETCH(int, row);
    const QString before = storedInvoice(id);
    QVERIFY(openStored(id));
    click(m_w->editButton());
    ItemGrid *g = m_w->grid();
    runGridSteps(*g, steps);
    QCOMPARE(m_scripted->ui.texts(), seen);
    QCOMPARE(g->cell(row, GstGrid::ItemName), QString());

    // Save refuses: the lines at and below the empty item are neither dropped nor kept apart.
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), seen + QStringList{QStringLiteral("Please Select the Item Properly.   ")});
    QCOMPARE(m_scripted->ui.shown.last().icon, MsgIcon::Critical);
    QCOMPARE(state(), QStringLiteral("edit"));
    QCOMPARE(QString("%1,%2").arg(g->CurRow).arg(g->CurCol), QString("%1,%2").arg(row).arg(int(GstGrid::ItemName)));
    QVERIFY(editor()->isVisible());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(editor()));
    QCOMPARE(storedInvoice(id), before);
}

void TestOtherInvoiceWindow::itemChosenAfterCtrlAIsStored()
{
    gConnection.execute("Insert into vstores_2024.inv_itemmaster (unit_code, comp_code, item_code, item_name, "
                        "item_measure, item_type, created_by, created_date, created_time) values "
                        "('TVM','01','501','BINDER CLIP 19','M0001',1,1,'2024/04/02','09:05:00'), "
                        "('TVM','01','502','BINDER CLIP 20','M0001',1,1,'2024/04/02','09:06:00')");
    QVERIFY(openNew());
    typeHeader(QStringLiteral("BC/1"));
    typeLine(QStringLiteral("BINDER CLIP 19"), "2", "105", "9", "9", "0");
    // Ctrl+A proposes BINDER CLIP 20 for the item of the line above; the list then gives item 502.
    QTest::keyClick(editor(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(editor()->text(), QStringLiteral("BINDER CLIP 20"));
    pick(editor(), QStringLiteral("BINDER CLIP 20"));
    QTest::keyClick(editor(), Qt::Key_Return);
    ItemGrid *g = m_w->grid();
    QCOMPARE(g->cell(2, GstGrid::ItemName) + u'|' + g->cell(2, GstGrid::ItemCode), QStringLiteral("BINDER CLIP 20|502"));
    m_w->TxFreight->setText(QStringLiteral("10"));
    click(m_w->newButton());
    QCOMPARE(m_scripted->ui.texts(), QStringList());
    QCOMPARE(field("Select group_concat(concat_ws(':', invtrans_slno, invtrans_item_code) order by invtrans_slno "
                   "separator ' ') from vstores_2024.inv_invoice_trans_gen where invtrans_id=?",
                   {m_w->LbSerialNo->text()}),
             QStringLiteral("1:501 2:502"));
}

void TestOtherInvoiceWindow::doubleClickOpensTheEditor()
{
    QVERIFY(openStored(QStringLiteral("P0000001")));
    click(m_w->editButton());
    ItemGrid *g = m_w->grid();
    doubleClickCell(*g, 2, GstGrid::Rate);
    // As a click: the editor on the line's item, and it takes the keys.
    QVERIFY(editor()->isVisible());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(editor()));
    QCOMPARE(QString("%1,%2").arg(g->CurRow).arg(g->CurCol), QString("2,%1").arg(int(GstGrid::ItemName)));
    QCOMPARE(editor()->text(), QStringLiteral("PRINTING INK"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QString("%1,%2").arg(g->CurRow).arg(g->CurCol), QString("2,%1").arg(int(GstGrid::Qty)));
}

QTEST_MAIN(TestOtherInvoiceWindow)
#include "tst_db_otherinvoicewindow.moc"
