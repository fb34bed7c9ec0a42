#include "NewsprintWindows.h"
#include "Sheet.h"
#include "SheetView.h"
#include "SheetTestSupport.h"
#include "TestSupport.h"
#include "frmInvoice.h"
#include "mdlVelmora.h"
#include <QMdiArea> // WindowRegistry.h reads the area inline
#include "WindowRegistry.h"
#include <QApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

// The newsprint invoice list on the real server, driven as a clerk would.
class TestInvoiceList : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void opensEmptyWithTodaysDates();
    void fill_data();
    void fill();
    void backslashInReelText_data();
    void backslashInReelText();
    void rowCells();
    void secondFillLeavesNothingBehind();

private:
    frmInvoice *open();
    QStringList column(int c) const;
    void fillWith(const QDate &from, const QDate &to, const QString &reelText);

    std::unique_ptr<ScopedScriptedUi> m_scripted;
    QPointer<frmInvoice> m_w;
};

namespace {
// Invoices of the fixture's supplier heads; N3 is another unit's, N4 another
// company's, N5 of a supplier with no head in this company, N6 of a missing brand.
const char *kInvoices =
    "Insert into vstores_2024.inv_invoice (unit_code, comp_code, inv_trans_id, inv_invoice_no, inv_date, "
    "inv_receipt_date, inv_supp_code, inv_brand_code, inv_freight, inv_weight, inv_total, inv_cgst, inv_sgst, "
    "inv_igst, inv_grand_total, inv_net_total, inv_cust_duty) values "
    "('TVM','01','N0000002','KNM-2','2024-05-02','2024-05-03','441200002','B0001',100,2000,90000,10.5,10.5,NULL,"
    "90000.40,90024.65,3.25),"
    "('TVM','01','N0000001','KNM-1','2024-05-01','2024-05-02','441200001','B0001',50,1000,45000,NULL,NULL,NULL,"
    "45000,45000,NULL),"
    "('TVM','01','N0000007','KNM-7','2024-06-15','2024-06-15','441100105','B0003',10,500,100,0,0,18,100,118,0),"
    "('KTM','01','N0000001','KTM-1','2024-05-01','2024-05-01','441200001','B0001',1,1,1,0,0,0,1,1,0),"
    "('TVM','02','N0000004','CO2-1','2024-05-01','2024-05-01','441200001','B0001',1,1,1,0,0,0,1,1,0),"
    "('TVM','01','N0000005','HEAD-1','2024-05-01','2024-05-01','441200009','B0001',1,1,1,0,0,0,1,1,0),"
    "('TVM','01','N0000006','BRAND-1','2024-05-01','2024-05-01','441200001','B0404',1,1,1,0,0,0,1,1,0)";
// N2 holds two reels with "77" in their numbers; the KTM invoice that shares
// N1's code holds reel 9977.
const char *kReels = "Insert into vstores_2024.inv_invoice_trans (unit_code, comp_code, invtrans_id, invtrans_slno, "
                     "invtrans_reel_no) values "
                     "('TVM','01','N0000001',1,'A100'),('TVM','01','N0000002',1,'B771'),"
                     "('TVM','01','N0000002',2,'B772'),('TVM','01','N0000002',3,'B800'),"
                     "('TVM','01','N0000007',1,'C177'),('KTM','01','N0000001',1,'9977'),"
                     "('TVM','02','N0000004',1,'B779')";
} // namespace

void TestInvoiceList::initTestCase()
{
    registerNewsprintWindows();
}

void TestInvoiceList::init()
{
    connectAndReset();
    setClerkContext();
    gConnection.execute(QString::fromLatin1(kInvoices));
    gConnection.execute(QString::fromLatin1(kReels));
    m_scripted = std::make_unique<ScopedScriptedUi>();
}

void TestInvoiceList::cleanup()
{
    delete m_w.data();
    WindowRegistry::instance().unloadAll();
    m_scripted.reset();
}

frmInvoice *TestInvoiceList::open()
{
    m_w = qobject_cast<frmInvoice *>(WindowRegistry::instance().open(QStringLiteral("frmInvoice")));
    if (!m_w)
        return nullptr;
    m_w->show();
    m_w->activateWindow();
    if (!QTest::qWaitForWindowActive(m_w))
        qWarning("list window not active");
    return m_w;
}

QStringList TestInvoiceList::column(int c) const
{
    return sheetColumnTexts(*m_w->sheet(), c);
}

void TestInvoiceList::fillWith(const QDate &from, const QDate &to, const QString &reelText)
{
    m_w->DtFrom->setDate(from);
    m_w->DtTo->setDate(to);
    m_w->TxReelNo->setFocus();
    m_w->TxReelNo->selectAll();
    QTest::keyClick(m_w->TxReelNo, Qt::Key_Delete);
    QTest::keyClicks(m_w->TxReelNo, reelText);
    // Enter in the From date goes on to the To date; Enter there fills.
    m_w->DtFrom->setFocus();
    QTest::keyClick(m_w->DtFrom, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), m_w->DtTo);
    QTest::keyClick(m_w->DtTo, Qt::Key_Return);
}

void TestInvoiceList::opensEmptyWithTodaysDates()
{
    QVERIFY(open());
    QCOMPARE(m_w->objectName(), QString("frmInvoice"));
    QCOMPARE(m_w->caption(), QString("Newsprint Invoice List"));
    QCOMPARE(m_w->DtFrom->date(), now().date());
    QCOMPARE(m_w->DtTo->date(), now().date());
    QCOMPARE(m_w->DtFrom->text(), dateText(now().date()));
    QCOMPARE(m_w->sheet()->ColumnCount(), 17);
    QStringList headings;
    for (int c = 1; c <= 17; ++c)
        headings << m_w->sheet()->CellText(1, c);
    QCOMPARE(
        headings,
        QStringList({"Sl No", "Trans ID", "Invoice No", "Invoice Date", "Receipt Date", "Supplier", "GST No", "Brand",
                     "Amount", "CGST", "SGST", "IGST", "Total GST", "TCS", "Grand Total", "Freight", "Weight"}));
    QCOMPARE(int(m_w->sheet()->formatAt(1, 7).horizontal), int(CellFormat::General));
    QCOMPARE(int(m_w->sheet()->formatAt(1, 8).horizontal), int(CellFormat::AlignRight));
    QCOMPARE(m_w->sheet()->ColumnWidth(6), 8000);
    QVERIFY(column(2).isEmpty());
}

void TestInvoiceList::fill_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("reelText");
    QTest::addColumn<QStringList>("transIds");
    const QDate may1(2024, 5, 1), may2(2024, 5, 2), june30(2024, 6, 30);
    QTest::newRow("range, no reel text") << may1 << june30 << "" << QStringList{"N0000001", "N0000002", "N0000007"};
    QTest::newRow("one day") << may2 << may2 << "" << QStringList{"N0000002"};
    QTest::newRow("nothing in range") << QDate(2024, 7, 1) << QDate(2024, 7, 31) << "" << QStringList{};
    QTest::newRow("reel text: once per matching reel")
        << may1 << june30 << "77" << QStringList{"N0000002", "N0000002", "N0000007"};
    QTest::newRow("reel text outside the range") << may1 << may2 << "177" << QStringList{};
    QTest::newRow("reel text of another unit's invoice of the same code") << may1 << june30 << "9977" << QStringList{};
    QTest::newRow("reel text matching nothing") << may1 << june30 << "Z" << QStringList{};
    QTest::newRow("reel text with an apostrophe") << may1 << june30 << "B7'" << QStringList{};
}

void TestInvoiceList::fill()
{
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, reelText);
    QFETCH(QStringList, transIds);
    QVERIFY(open());
    fillWith(from, to, reelText);
    QCOMPARE(column(2), transIds);
    QStringList numbers;
    for (int n = 1; n <= transIds.size(); ++n)
        numbers << QString::number(n);
    QCOMPARE(column(1), numbers);
    QVERIFY(m_scripted->ui.shown.isEmpty());
}

void TestInvoiceList::backslashInReelText_data()
{
    QTest::addColumn<QString>("reelText");
    QTest::addColumn<QStringList>("transIds");
    QTest::newRow("up to the backslash") << "q'1\\" << QStringList{"N0000001"};
    QTest::newRow("backslash alone") << "\\" << QStringList{"N0000001"};
    QTest::newRow("the whole number") << "Q'1\\Z" << QStringList{"N0000001"};
    QTest::newRow("percent after it still matches anything") << "1\\%Z" << QStringList{"N0000001"};
    QTest::newRow("a backslash the number lacks") << "B7\\" << QStringList{};
}

// A backslash in the reel text is a character of the reel number.
void TestInvoiceList::backslashInReelText()
{
    QFETCH(QString, reelText);
    QFETCH(QStringList, transIds);
    gConnection.execute(QStringLiteral("Insert into vstores_2024.inv_invoice_trans (unit_code, comp_code, invtrans_id, "
                                       "invtrans_slno, invtrans_reel_no) values ('TVM','01','N0000001',2,?)"),
                        {QStringLiteral("Q'1\\Z")});
    QVERIFY(open());
    fillWith(QDate(2024, 5, 1), QDate(2024, 6, 30), reelText);
    QCOMPARE(column(2), transIds);
    QVERIFY(m_scripted->ui.shown.isEmpty());
}

void TestInvoiceList::rowCells()
{
    QVERIFY(open());
    fillWith(QDate(2024, 5, 1), QDate(2024, 5, 31), QString());
    Sheet *s = m_w->sheet();
    QStringList row2, row3;
    for (int c = 1; c <= 17; ++c) {
        row2 << s->CellText(2, c);
        row3 << s->CellText(3, c);
    }
    // NULL taxes count 0; the amount is the grand total less the taxes and TCS.
    QCOMPARE(row2,
             QStringList({"1", "N0000001", "KNM-1", "01-May-2024", "02-May-2024", "Kerala Newsprint Mills",
                          "32AAACK1111A1Z1", "Kerala Newsprint", "45000.00", "0.00", "0.00", "0.00", "0.00", "0.00",
                          "45000.00", "50.00", "1000.00"}));
    QCOMPARE(row3,
             QStringList({"2", "N0000002", "KNM-2", "02-May-2024", "03-May-2024", "Hindustan Paper Traders",
                          "32AAACH2222B1Z2", "Kerala Newsprint", "89976.15", "10.50", "10.50", "0.00", "21.00", "3.25",
                          "90000.40", "100.00", "2000.00"}));
}

void TestInvoiceList::secondFillLeavesNothingBehind()
{
    QVERIFY(open());
    fillWith(QDate(2024, 5, 1), QDate(2024, 6, 30), QString());
    QCOMPARE(column(2).size(), 3);
    m_w->DtFrom->setDate(QDate(2024, 6, 1));
    QTest::keyClick(m_w->TxReelNo, Qt::Key_F5);
    QCOMPARE(column(2), QStringList{"N0000007"});
    QCOMPARE(column(17), QStringList{"500.00"});
}

QTEST_MAIN(TestInvoiceList)
#include "tst_db_invoicelist.moc"
