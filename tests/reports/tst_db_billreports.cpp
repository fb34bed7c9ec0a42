#include "BillReportStore.h"
#include "NewsprintFixture.h"
#include "ReportsWindows.h"
#include "Sheet.h"
#include "TestSupport.h"
#include "WindowRegistry.h"
#include "frmrptFABills.h"
#include "frmrptFAPendingBills.h"
#include "frmrptFixedAssetBillDetails.h"
#include "frmrptFixedAssetInvoice.h"
#include "mdlVelmora.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>

// Stands in for the fixed-asset bill window of the purchases subsystem: the
// reports reach it by its registry name and hand it a code and a database.
class BillWindowStandIn : public QWidget {
    Q_OBJECT
public:
    static inline QList<QPair<QString, QString>> shown;
    Q_INVOKABLE void showRecord(const QString &code, const QString &storesDb) { shown.append({code, storesDb}); }
};

// The four bill reports over the two-year fixture: the fixed-asset bills of
// both years with their payments and vouchers, the other-stores bills, and
// the extra bills below.
//   vstores_2023: A0000001 Kerala 500.00 (01-May-2023), A0000007 Old Paper
//     Suppliers 1000.00 paid PV0001 333.33, PV0002 333.33, PV0003 50.00
//     cancelled, and PV0001 333.34 in the current year; A0000008 Kerala 90.00
//     without a date; a payment PV0004 of A0000001 whose voucher is missing.
//   vstores_2024: A0000001 Kerala 2360.00, A0000002 Hindustan 1180.00 (PV0010
//     1000.00; PV0011 without a voucher), A0000003 Kerala 300.00 in KTM,
//     A0000004 Hindustan 400.00 cheque received, A0000005 of a supplier that
//     is a head of company 02 only, A0000901 of company 02.
//   Newsprint: INV1 Kerala 1000.00 in both years (same key, amount, head),
//     INV2 in KTM.
class TestBillReports : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void billsBySupplier_data();
    void billsBySupplier();
    void billOfAnyHeadOfTheCompanyCounts();
    void billDetailsBlocksAndPayments();
    void billDetailsYears_data();
    void billDetailsYears();
    void pendingBills_data();
    void pendingBills();
    void pendingBillsNeedsAType();
    void pendingInvoices_data();
    void pendingInvoices();
    void chainBillsToDetailsToBillWindow();
    void chainPendingToInvoicesToBillWindow_data();
    void chainPendingToInvoicesToBillWindow();
    void pendingInvoicesPrint();
    void supplierLookupReadsCurrentAccounts();

private:
    std::unique_ptr<ScopedScriptedUi> m_scripted;
    ScriptedUi &ui() { return m_scripted->ui; }
    QString m_folder;
    int m_case = 0;
};

using Handed = QList<QPair<QString, QString>>; // code and stores database, in order

namespace {

void insertBillFixture()
{
    gConnection.runScript(QStringLiteral(R"(
INSERT INTO vstores_2023.inv_asset (unit_code, comp_code, inv_code, inv_invoice_no, inv_supp_code, inv_date, inv_grand_total) VALUES
 ('TVM', '01', 'A0000008', 'PY-108', '441200001', NULL, 90.00);
INSERT INTO vstores_2023.inv_asset_adjustbill (inv_no, voucher_no, adjust_amount, adjust_cancel_flag) VALUES
 ('A0000001', 'PV0004', 100.00, 0);
INSERT INTO vstores_2024.inv_asset (unit_code, comp_code, inv_code, inv_invoice_no, inv_supp_code, inv_date, inv_grand_total, inv_chq_rec) VALUES
 ('TVM', '01', 'A0000004', 'CY-204', '441200002', '2024-08-01', 400.00, 1),
 ('TVM', '01', 'A0000005', 'CY-205', '441200009', '2024-08-02', 55.00, 0),
 ('TVM', '02', 'A0000901', 'OC-901', '441200001', '2024-06-15', 777.00, 0);
INSERT INTO vstores_2023.inv_invoice (unit_code, comp_code, inv_trans_id, inv_invoice_no, inv_date, inv_supp_code, inv_grand_total) VALUES
 ('TVM', '01', 'INV1', '1234', '2023-09-01', '441200001', 1000.00);
INSERT INTO vstores_2024.inv_invoice (unit_code, comp_code, inv_trans_id, inv_invoice_no, inv_date, inv_supp_code, inv_grand_total) VALUES
 ('TVM', '01', 'INV1', '5678', '2024-09-01', '441200001', 1000.00),
 ('KTM', '01', 'INV2', 'K-2', '2024-09-02', '441200001', 10.00);
)"));
}

// The sheet's rows from 5 to the row counter, cells of `columns` joined by "|".
QStringList rowsOf(const ReportWindow *w, const QList<int> &columns)
{
    return sheetRows(*w->sheet(), w->rowCounter(), columns);
}

template <class W> W *openReport(const QString &name)
{
    return qobject_cast<W *>(WindowRegistry::instance().open(name));
}

void choose(ReportWindow *w, const char *box, const QString &code, const QString &name)
{
    w->findChild<LookupBox *>(box)->setChoice(code, name);
}

} // namespace

void TestBillReports::initTestCase()
{
    registerReportsWindows();
    WindowRegistry::instance().registerWindow(QStringLiteral("frmFAInvoiceMaster"),
                                              [] { return new BillWindowStandIn; });
}

void TestBillReports::init()
{
    connectAndReset();
    setClerkContext();
    insertBillFixture();
    fixClock(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
    m_scripted = std::make_unique<ScopedScriptedUi>();
    m_folder = testTempDir() + QStringLiteral("/program%1").arg(++m_case);
    QDir(m_folder).removeRecursively();
    QDir().mkpath(m_folder);
    setProgramFolder(m_folder);
    BillWindowStandIn::shown.clear();
}

void TestBillReports::cleanup()
{
    WindowRegistry::instance().unloadAll();
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    m_scripted.reset();
    setProgramFolder(QString());
    releaseClock();
}

void TestBillReports::billsBySupplier_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("supplier");
    QTest::addColumn<QString>("prevStores"); // the previous year's stores database
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("rows");
    const QDate a(2023, 4, 1), b(2025, 3, 31);
    // Other companies' bills and heads never count; a supplier without a head
    // of the company is left out; the bill without a date is out of any range.
    QTest::newRow("both years") << a << b << QString() << "vstores_2023"
                                << "Fixed Asset Bills from 01-Apr-2023 to 31-Mar-2025"
                                << QStringList{"1|Hindustan Paper Traders|2|1580.00",
                                               "2|Kerala Newsprint Mills|3|3160.00", "3|Old Paper Suppliers|1|1000.00",
                                               "", "|Total|6|5740.00"};
    QTest::newRow("one day") << QDate(2024, 6, 10) << QDate(2024, 6, 10) << QString() << "vstores_2023"
                             << "Fixed Asset Bills as on 10-Jun-2024"
                             << QStringList{"1|Kerala Newsprint Mills|1|2360.00", "", "|Total|1|2360.00"};
    QTest::newRow("supplier narrows") << a << b << "441200002"
                                      << "vstores_2023"
                                      << "Fixed Asset Bills from 01-Apr-2023 to 31-Mar-2025"
                                      << QStringList{"1|Hindustan Paper Traders|2|1580.00", "", "|Total|2|1580.00"};
    QTest::newRow("first year") << a << b << QString() << QString()
                                << "Fixed Asset Bills from 01-Apr-2023 to 31-Mar-2025"
                                << QStringList{"1|Hindustan Paper Traders|2|1580.00",
                                               "2|Kerala Newsprint Mills|2|2660.00", "", "|Total|4|4240.00"};
    QTest::newRow("both years name one database")
        << a << b << QString() << "vstores_2024"
        << "Fixed Asset Bills from 01-Apr-2023 to 31-Mar-2025"
        << QStringList{"1|Hindustan Paper Traders|2|1580.00", "2|Kerala Newsprint Mills|2|2660.00", "",
                       "|Total|4|4240.00"};
    QTest::newRow("nothing found") << b << a << QString() << "vstores_2023"
                                   << "Fixed Asset Bills from 31-Mar-2025 to 01-Apr-2023"
                                   << QStringList{"", "|Total|0|0.00"};
}

void TestBillReports::billsBySupplier()
{
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, supplier);
    QFETCH(QString, prevStores);
    QFETCH(QString, title);
    QFETCH(QStringList, rows);
    gPrevInvDbName = DbName(prevStores);
    if (prevStores == u"vstores_2024")
        gPrevAcDbName = gAcDbName;
    else if (prevStores.isEmpty())
        gPrevAcDbName = DbName();
    auto *w = openReport<frmrptFABills>(QStringLiteral("frmrptFABills"));
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Fixed Assets Bills"));
    QVERIFY(!w->findChild<QPushButton *>("CmPrint"));
    w->findChild<QDateEdit *>("DtFrom")->setDate(from);
    w->findChild<QDateEdit *>("Dtto")->setDate(to);
    if (!supplier.isEmpty())
        choose(w, "TxSuppCode", supplier, QStringLiteral("Some Supplier"));
    w->CmShow_Click();
    QVERIFY2(ui().shown.isEmpty(), qPrintable(ui().texts().join(u'\n')));
    QCOMPARE(w->sheet()->CellText(3, 1), title);
    QCOMPARE(rowsOf(w, {1, 2, 3, 4}), rows);
    const int t = w->rowCounter();
    QCOMPARE(w->sheet()->formatAt(t, 4).fontColor, 128);
    QCOMPARE(w->sheet()->RowCount(), t + 5);
    // The account code is a key of the row, never a cell.
    QCOMPARE(w->sheet()->CellText(5, 5), QString());
}

void TestBillReports::billOfAnyHeadOfTheCompanyCounts()
{
    // The supplier lookup offers only the usual creditor codes; a bill stored
    // with another head of the company is still the company's bill.
    gConnection.execute(QStringLiteral(
        "INSERT INTO vstores_2024.inv_asset (unit_code, comp_code, inv_code, inv_invoice_no, inv_supp_code, "
        "inv_date, inv_grand_total, inv_chq_rec) VALUES ('TVM', '01', 'A0000006', 'CY-206', '441300001', "
        "'2024-08-03', 25.00, 0)"));
    auto *w = openReport<frmrptFABills>(QStringLiteral("frmrptFABills"));
    QVERIFY(w);
    w->findChild<QDateEdit *>("DtFrom")->setDate(QDate(2024, 8, 3));
    w->findChild<QDateEdit *>("Dtto")->setDate(QDate(2024, 8, 3));
    w->CmShow_Click();
    QVERIFY2(ui().shown.isEmpty(), qPrintable(ui().texts().join(u'\n')));
    QCOMPARE(rowsOf(w, {1, 2, 3, 4}), (QStringList{"1|Printing Ink Creditors|1|25.00", "", "|Total|1|25.00"}));
}

void TestBillReports::billDetailsBlocksAndPayments()
{
    auto *w = openReport<frmrptFixedAssetBillDetails>(QStringLiteral("frmrptFixedAssetBillDetails"));
    w->SetValues("TVM", "Thiruvananthapuram", QString(), QString(), QDate(2023, 4, 1), QDate(2025, 3, 31));
    QCOMPARE(w->sheet()->CellText(3, 1), QStringLiteral("Fixed Asset Bills from 01-Apr-2023 to 31-Mar-2025"));
    // A previous-year bill shows its payments of both years, each with its
    // own year's cheque; a payment without a voucher shows no line.
    const QStringList expected{
        "1|Kerala Newsprint Mills|01-May-2023|PY-100|500.00|A0000001||vstores_2023|vacc_2023||",
        "2|Old Paper Suppliers|10-Nov-2023|PY-107|1000.00|A0000007|100001|vstores_2023|vacc_2023|333.33|PV0001",
        "||||||100002|vstores_2023|vacc_2023|333.33|PV0002",
        "||||||100003|vstores_2023|vacc_2023|50.00|PV0003",
        "||||||200001|vstores_2023|vacc_2023|333.34|PV0001",
        "",
        "3|Kerala Newsprint Mills|10-Jun-2024|CY-201|2360.00|A0000001||vstores_2024|vacc_2024||",
        "4|Hindustan Paper Traders|02-Jul-2024|CY-202|1180.00|A0000002|200010|vstores_2024|vacc_2024|1000.00|PV0010",
        "5|Hindustan Paper Traders|01-Aug-2024|CY-204|400.00|A0000004||vstores_2024|vacc_2024||",
        "",
        "|Total No of Items. 5|||5440.00||||||",
    };
    QCOMPARE(rowsOf(w, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}), expected);
    const Sheet &s = *w->sheet();
    // The block of the bill with four lines is boxed and tinted; the bill
    // with one line is not.
    for (int r = 6; r <= 9; ++r)
        QCOMPARE(s.formatAt(r, 3).patternForeground, 16777152);
    QCOMPARE(s.formatAt(6, 1).borderStyle[CellFormat::Top], quint8(1));
    QCOMPARE(s.formatAt(12, 1).pattern, quint8(0));
    QCOMPARE(s.formatAt(11, 1).pattern, quint8(0));
    QVERIFY(s.formatAt(6, 11).bold);
    QCOMPARE(s.formatAt(15, 2).fontColor, 128);
    QCOMPARE(s.ColumnWidth(6), 0);
    QCOMPARE(s.ColumnWidth(8), 0);
}

void TestBillReports::billDetailsYears_data()
{
    QTest::addColumn<QString>("prevStores");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("supplier");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("total");
    QTest::newRow("first year") << QString() << "TVM" << QString() << QStringList{"A0000001", "A0000002", "A0000004"}
                                << "3940.00";
    QTest::newRow("same database both years")
        << "vstores_2024"
        << "TVM" << QString() << QStringList{"A0000001", "A0000002", "A0000004"} << "3940.00";
    QTest::newRow("no unit, one supplier")
        << "vstores_2023" << QString() << "441200001" << QStringList{"A0000001", "A0000001", "A0000003"} << "3160.00";
}

void TestBillReports::billDetailsYears()
{
    QFETCH(QString, prevStores);
    QFETCH(QString, unit);
    QFETCH(QString, supplier);
    QFETCH(QStringList, codes);
    QFETCH(QString, total);
    gPrevInvDbName = DbName(prevStores);
    if (prevStores == u"vstores_2024")
        gPrevAcDbName = gAcDbName;
    else if (prevStores.isEmpty())
        gPrevAcDbName = DbName();
    auto *w = openReport<frmrptFixedAssetBillDetails>(QStringLiteral("frmrptFixedAssetBillDetails"));
    w->SetValues(unit, unit.isEmpty() ? QString() : QStringLiteral("Some Unit"), supplier,
                 supplier.isEmpty() ? QString() : QStringLiteral("Kerala"), QDate(2023, 4, 1), QDate(2025, 3, 31));
    QStringList got;
    for (int r = 5; r < w->rowCounter(); ++r)
        if (!w->sheet()->CellText(r, 1).isEmpty())
            got << w->sheet()->CellText(r, 6);
    QCOMPARE(got, codes);
    QCOMPARE(w->sheet()->CellText(w->rowCounter(), 5), total);
}

void TestBillReports::pendingBills_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("supplier");
    QTest::addColumn<QStringList>("rows");
    // Fixed assets: unpaid bills of every unit; the bill without a date counts.
    QTest::newRow("fixed assets") << 2 << "TVM" << QString()
                                  << QStringList{"1|Hindustan Paper Traders|1|1180.00",
                                                 "2|Kerala Newsprint Mills|4|3250.00",
                                                 "3|Old Paper Suppliers|1|1000.00", "", "|Total|6|5430.00"};
    QTest::newRow("fixed assets, one supplier")
        << 2 << "TVM"
        << "441200003" << QStringList{"1|Old Paper Suppliers|1|1000.00", "", "|Total|1|1000.00"};
    QTest::newRow("other stores of the unit")
        << 1 << "TVM" << QString()
        << QStringList{"1|Hindustan Paper Traders|1|473.50", "2|Kerala Newsprint Mills|4|807.49", "",
                       "|Total|5|1280.99"};
    // One key, amount and head in both years: two bills, counted twice.
    QTest::newRow("newsprint of the unit")
        << 0 << "TVM" << QString() << QStringList{"1|Kerala Newsprint Mills|2|2000.00", "", "|Total|2|2000.00"};
    QTest::newRow("newsprint without a unit")
        << 0 << QString() << QString() << QStringList{"1|Kerala Newsprint Mills|3|2010.00", "", "|Total|3|2010.00"};
}

void TestBillReports::pendingBills()
{
    QFETCH(int, type);
    QFETCH(QString, unit);
    QFETCH(QString, supplier);
    QFETCH(QStringList, rows);
    auto *w = openReport<frmrptFAPendingBills>(QStringLiteral("frmrptFAPendingBills"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Fixed Assets Pending Bills"));
    w->findChild<QComboBox *>("CbType")->setCurrentIndex(type);
    if (unit.isEmpty())
        w->findChild<LookupBox *>("TxUnitCode")->clearChoice();
    if (!supplier.isEmpty())
        choose(w, "TxSuppCode", supplier, QStringLiteral("Some Supplier"));
    w->CmShow_Click();
    QVERIFY2(ui().shown.isEmpty(), qPrintable(ui().texts().join(u'\n')));
    QCOMPARE(w->sheet()->CellText(3, 1), QStringLiteral("Pending Bills  As on 09-Dec-2026"));
    QCOMPARE(rowsOf(w, {1, 2, 3, 4}), rows);
}

void TestBillReports::pendingBillsNeedsAType()
{
    auto *w = openReport<frmrptFAPendingBills>(QStringLiteral("frmrptFAPendingBills"));
    auto *type = w->findChild<QComboBox *>("CbType");
    QCOMPARE(type->currentIndex(), -1);
    type->setCurrentIndex(2);
    w->CmShow_Click();
    QCOMPARE(w->rowCounter(), 9);
    type->setCurrentIndex(-1);
    w->CmShow_Click();
    QCOMPARE(ui().texts(), QStringList{"Please Select a Type"});
    QCOMPARE(ui().shown.last().icon, MsgIcon::Critical);
    QCOMPARE(w->rowCounter(), 4);
    QCOMPARE(w->sheet()->CellText(5, 2), QString());
    w->sheet()->doubleClickCell(5, 2);
    QVERIFY(WindowRegistry::instance().instances(QStringLiteral("frmrptFixedAssetInvoice")).isEmpty());
}

void TestBillReports::pendingInvoices_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("supplier");
    QTest::addColumn<QStringList>("rows");
    // The bill without a date comes first; "Generated" follows each bill's own
    // year's payments (and the current year's for a previous-year bill).
    QTest::newRow("fixed assets of one supplier")
        << "2"
        << "441200001"
        << QStringList{"1|Kerala Newsprint Mills||PY-108|90.00|A0000008|",
                       "2|Kerala Newsprint Mills|01-May-2023|PY-100|500.00|A0000001|Generated",
                       "3|Kerala Newsprint Mills|10-Jun-2024|CY-201|2360.00|A0000001|", "",
                       "|Total No of Items. 3|||2950.00||"};
    QTest::newRow("fixed assets of every supplier")
        << "2" << QString()
        << QStringList{"1|Kerala Newsprint Mills||PY-108|90.00|A0000008|",
                       "2|Kerala Newsprint Mills|01-May-2023|PY-100|500.00|A0000001|Generated",
                       "3|Old Paper Suppliers|10-Nov-2023|PY-107|1000.00|A0000007|Generated",
                       "4|Kerala Newsprint Mills|10-Jun-2024|CY-201|2360.00|A0000001|",
                       "5|Hindustan Paper Traders|02-Jul-2024|CY-202|1180.00|A0000002|Generated",
                       "",
                       "|Total No of Items. 5|||5130.00||"};
    QTest::newRow("newsprint: never Generated")
        << "0"
        << "441200001"
        << QStringList{"1|Kerala Newsprint Mills|01-Sep-2023|1234|1000.00|INV1|",
                       "2|Kerala Newsprint Mills|01-Sep-2024|5678|1000.00|INV1|", "",
                       "|Total No of Items. 2|||2000.00||"};
    QTest::newRow("heading row handed over: nothing") << "2"
                                                      << "Ac Code" << QStringList{"", "|Total No of Items. 0|||0.00||"};
}

void TestBillReports::pendingInvoices()
{
    QFETCH(QString, type);
    QFETCH(QString, supplier);
    QFETCH(QStringList, rows);
    auto *w = openReport<frmrptFixedAssetInvoice>(QStringLiteral("frmrptFixedAssetInvoice"));
    w->SetValues("TVM", "Thiruvananthapuram", supplier, supplier.isEmpty() ? QString() : QStringLiteral("Kerala"),
                 type);
    QVERIFY2(ui().shown.isEmpty(), qPrintable(ui().texts().join(u'\n')));
    QCOMPARE(w->sheet()->CellText(3, 1), QStringLiteral("Pending Fixed Asset Bills As on 09-Dec-2026"));
    QCOMPARE(rowsOf(w, {1, 2, 3, 4, 5, 6, 7}), rows);
    // The databases are keys of the rows, never cells.
    QCOMPARE(w->sheet()->CellText(5, 8), QString());
}

void TestBillReports::chainBillsToDetailsToBillWindow()
{
    auto *bills = openReport<frmrptFABills>(QStringLiteral("frmrptFABills"));
    bills->findChild<QDateEdit *>("DtFrom")->setDate(QDate(2023, 4, 1));
    bills->findChild<QDateEdit *>("Dtto")->setDate(QDate(2025, 3, 31));
    bills->CmShow_Click();
    // Heading, empty and total rows open nothing.
    for (int r : {1, 4, 8, 9, 10})
        bills->sheet()->doubleClickCell(r, 2);
    QVERIFY(WindowRegistry::instance().instances(QStringLiteral("frmrptFixedAssetBillDetails")).isEmpty());
    // The dates and unit of the Show go with the supplier, not what the boxes hold since.
    bills->findChild<QDateEdit *>("DtFrom")->setDate(QDate(2026, 1, 1));
    bills->sheet()->doubleClickCell(6, 1);
    auto *details =
        WindowRegistry::instance().find<frmrptFixedAssetBillDetails>(QStringLiteral("frmrptFixedAssetBillDetails"));
    QVERIFY(details);
    QCOMPARE(details->findChild<LookupBox *>("TxSuppCode")->tag(), QStringLiteral("441200001"));
    QCOMPARE(details->findChild<LookupBox *>("TxSuppCode")->text(), QStringLiteral("Kerala Newsprint Mills"));
    QCOMPARE(details->findChild<QDateEdit *>("DtFrom")->date(), QDate(2023, 4, 1));
    QCOMPARE(rowsOf(details, {1, 6, 8}),
             (QStringList{"1|A0000001|vstores_2023", "2|A0000001|vstores_2024", "", ""})); // A0000003 lies in KTM
    // A second supplier reuses the one details window.
    bills->sheet()->doubleClickCell(7, 1);
    QCOMPARE(WindowRegistry::instance().instances(QStringLiteral("frmrptFixedAssetBillDetails")).size(), 1);
    QCOMPARE(details->findChild<LookupBox *>("TxSuppCode")->tag(), QStringLiteral("441200003"));
    // Payment lines, the empty row and the totals open nothing; a bill row
    // opens its bill from its own year.
    for (int r : {4, 6, 7, 8})
        details->sheet()->doubleClickCell(r, 3);
    QVERIFY(BillWindowStandIn::shown.isEmpty());
    details->sheet()->doubleClickCell(5, 3);
    QCOMPARE(BillWindowStandIn::shown,
             (QList<QPair<QString, QString>>{{QStringLiteral("A0000007"), QStringLiteral("vstores_2023")}}));
}

void TestBillReports::chainPendingToInvoicesToBillWindow_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<Handed>("opened");
    QTest::newRow("fixed assets") << 2 << Handed{{"A0000008", "vstores_2023"}, {"A0000001", "vstores_2024"}};
    QTest::newRow("newsprint opens no bill window") << 0 << Handed{};
}

void TestBillReports::chainPendingToInvoicesToBillWindow()
{
    QFETCH(int, type);
    QFETCH(Handed, opened);
    auto *pending = openReport<frmrptFAPendingBills>(QStringLiteral("frmrptFAPendingBills"));
    auto *list = pending->findChild<QComboBox *>("CbType");
    list->setCurrentIndex(type);
    pending->CmShow_Click();
    // The kind of the Show goes with the supplier, even after the list changed.
    list->setCurrentIndex(-1);
    const int kerala = type == 2 ? 6 : 5;
    QCOMPARE(pending->sheet()->CellText(kerala, 2), QStringLiteral("Kerala Newsprint Mills"));
    pending->sheet()->doubleClickCell(kerala, 2);
    auto *invoices =
        WindowRegistry::instance().find<frmrptFixedAssetInvoice>(QStringLiteral("frmrptFixedAssetInvoice"));
    QVERIFY(invoices);
    QVERIFY2(ui().shown.isEmpty(), qPrintable(ui().texts().join(u'\n')));
    QCOMPARE(invoices->findChild<QComboBox *>("CbType")->currentIndex(), type);
    QCOMPARE(invoices->findChild<LookupBox *>("TxSuppCode")->tag(), QStringLiteral("441200001"));
    // Title, heading, empty and total rows open nothing.
    const int t = invoices->rowCounter();
    for (int r : {1, 4, t - 1, t})
        invoices->sheet()->doubleClickCell(r, 2);
    invoices->sheet()->doubleClickCell(5, 2);
    invoices->sheet()->doubleClickCell(7, 4);
    QCOMPARE(BillWindowStandIn::shown, opened);
    // Each supplier's invoices open in a window of their own.
    pending->findChild<QComboBox *>("CbType")->setCurrentIndex(type);
    pending->sheet()->doubleClickCell(kerala, 2);
    QCOMPARE(WindowRegistry::instance().instances(QStringLiteral("frmrptFixedAssetInvoice")).size(), 2);
}

void TestBillReports::pendingInvoicesPrint()
{
    QFile spooler(m_folder + "/didevadeduv");
    QVERIFY(spooler.open(QIODevice::WriteOnly));
    spooler.setPermissions(spooler.permissions() | QFileDevice::ExeOwner);
    spooler.close();
    auto *w = openReport<frmrptFixedAssetInvoice>(QStringLiteral("frmrptFixedAssetInvoice"));
    w->SetValues("TVM", "Thiruvananthapuram", "441200001", "Kerala Newsprint Mills", "0");
    w->CmPrint_Click();
    QVERIFY2(ui().shown.isEmpty(), qPrintable(ui().texts().join(u'\n')));
    QCOMPARE(ui().started.size(), 1);
    QFile f(m_folder + "/tb.prn");
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();

    const QByteArray rule(80, '-');
    auto line = [](const char *a, const char *b, const char *c, const char *d, const char *e) {
        return QByteArray(a).leftJustified(10) + ' ' + QByteArray(b).leftJustified(21) + ' '
            + QByteArray(c).leftJustified(21) + ' ' + QByteArray(d).rightJustified(12) + ' '
            + QByteArray(e).rightJustified(12);
    };
    // The invoice numbers print as they stand and take no part in any sum;
    // the count-and-total row is not printed.
    QList<QByteArray> expected{
        "\\E\\D" + QByteArray("01 - Thiruvananthapuram").leftJustified(40) + "\\e\\d",
        "\\E\\C" + QByteArray("Thiruvananthapuram").leftJustified(40) + "\\e\\c",
        "\\D\\C" + QByteArray("Pending Fixed Asset Bills As on 09-Dec-2026").leftJustified(136) + "\\d\\c",
        rule,
        "\\D" + line("Sl No", "Supplier", "Invoice Date", "Invoice No", "Amount") + "\\d",
        rule,
        line("1", "Kerala Newsprint Mill", "01-Sep-2023", "1234", "1000.00"),
        line("2", "Kerala Newsprint Mill", "01-Sep-2024", "5678", "1000.00"),
        rule,
        "",
        "",
        "",
        "",
        QByteArray(58, ' ') + "Circulation Manager   ",
    };
    while (expected.size() < 72)
        expected << "";
    QByteArray golden;
    for (const QByteArray &l : std::as_const(expected))
        golden += l + "\r\n";
    QCOMPARE(bytes, golden);
}

void TestBillReports::supplierLookupReadsCurrentAccounts()
{
    const LookupQuery q = BillReportStore::current().supplierLookup(QStringLiteral("Mills"));
    RecordSet rs = gConnection.query(q.sql, q.values);
    QStringList names;
    while (rs.next())
        names << rs.text(1);
    // Company 01's supplier heads of the current accounts year; "O'Brien"-like
    // text is bound, never pasted.
    QCOMPARE(names, QStringList{"Kerala Newsprint Mills"});
    const LookupQuery quote = BillReportStore::current().supplierLookup(QStringLiteral("O'Brien"));
    QCOMPARE(gConnection.query(quote.sql, quote.values).next(), false);
}

QTEST_MAIN(TestBillReports)
#include "tst_db_billreports.moc"
