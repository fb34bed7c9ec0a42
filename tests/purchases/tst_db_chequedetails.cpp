#include "Sheet.h"
#include "TestSupport.h"
#include "WindowRegistry.h"
#include "frmFAChequeDetails.h"
#include "mdlVelmora.h"
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

// The cheque details of a fixed-asset bill over two years: which payments,
// each paired with its own year's voucher, and the bill the window shows.
class TestChequeDetails : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layout();
    void payments_data();
    void payments();
    void firstYear();
    void handOverOnLoad_data();
    void handOverOnLoad();
    void refillsForAnotherBill();
    void openedByName();
    void openedAgainWithHandOver();
    void missingPreviousYearIsReported();
    void fixtureBills_data();
    void fixtureBills();

private:
    frmFAChequeDetails *make();
    QStringList rows() const;

    std::unique_ptr<ScopedScriptedUi> m_scripted;
    ScriptedUi &ui() { return m_scripted->ui; }
    QPointer<frmFAChequeDetails> m_w;
};

namespace {
// FA-0001 is a bill of this year whose code a bill of last year also carries;
// PV-0007 a bill of last year paid in both years, with voucher numbers (V5,
// V7) that each year uses for its own cheque, and a payment (V6) that both
// years hold alike with the same cheque.
const char *kPayments = R"(
DELETE FROM vstores_2024.inv_asset_adjustbill;
DELETE FROM vstores_2023.inv_asset_adjustbill;
DELETE FROM vacc_2024.acc_voucher;
DELETE FROM vacc_2023.acc_voucher;
INSERT INTO vstores_2024.inv_asset_adjustbill (inv_no, voucher_no, adjust_amount, adjust_cancel_flag) VALUES
 ('FA-0001', 'V1', 500, 0),
 ('FA-0001', 'V2', 300, 1),
 ('PV-0007', 'V8', 333.34, 0),
 ('PV-0007', 'V5', 333.33, 0),
 ('PV-0007', 'V6', 10, 0),
 ('PV-0007', 'V7', 20, 0);
INSERT INTO vstores_2023.inv_asset_adjustbill (inv_no, voucher_no, adjust_amount, adjust_cancel_flag) VALUES
 ('FA-0001', 'V9', 999, 0),
 ('PV-0007', 'V7', 20, 0),
 ('PV-0007', 'V6', 10, 0),
 ('PV-0007', 'V5', 333.33, 0);
INSERT INTO vacc_2024.acc_voucher (voucher_no, voucher_chq_no, voucher_amount) VALUES
 ('V1', 'C-100', 500), ('V2', 'C-200', 300), ('V5', 'NEW-5', 333.33), ('V9', 'WRONG-9', 1),
 ('V6', 'SAME-6', 10), ('V7', 'NEW-7', 20);
INSERT INTO vacc_2023.acc_voucher (voucher_no, voucher_chq_no, voucher_amount) VALUES
 ('V5', 'OLD-5', 333.33), ('V9', 'OLD-9', 999), ('V8', 'WRONG-8', 1),
 ('V6', 'SAME-6', 10), ('V7', 'OLD-7', 20);
)";
} // namespace

void TestChequeDetails::init()
{
    connectAndReset();
    setClerkContext();
    gConnection.runScript(QString::fromLatin1(kPayments));
    gSelectedCode.clear();
    m_scripted = std::make_unique<ScopedScriptedUi>();
}

void TestChequeDetails::cleanup()
{
    delete m_w.data();
    WindowRegistry::instance().unloadAll();
    m_scripted.reset();
}

frmFAChequeDetails *TestChequeDetails::make()
{
    m_w = new frmFAChequeDetails;
    m_w->show();
    return m_w;
}

// "n|cheque|amount" per data row.
QStringList TestChequeDetails::rows() const
{
    QStringList out;
    const Sheet *s = m_w->sheet();
    for (int r = 2; r <= s->RowCount(); ++r) {
        if (s->CellText(r, 1).isEmpty())
            continue;
        out << s->CellText(r, 1) + u'|' + s->CellText(r, 2) + u'|' + s->CellNumber(r, 3).toText(2);
    }
    return out;
}

void TestChequeDetails::layout()
{
    make();
    QCOMPARE(m_w->objectName(), QStringLiteral("frmFAChequeDetails"));
    QCOMPARE(m_w->caption(), QStringLiteral("Cheque Details"));
    const Sheet *s = m_w->sheet();
    QCOMPARE(s->ColumnCount(), 3);
    QCOMPARE(QStringList({s->CellText(1, 1), s->CellText(1, 2), s->CellText(1, 3)}),
             QStringList({"Sl No", "Cheque No", "Amount"}));
    // Widths in whole digits: "Cheque No" is 15 digits wide, room for a cheque number.
    QCOMPARE(s->ColumnWidth(2), 1575);
    QVERIFY(m_w->findChild<QLabel *>(QStringLiteral("LbInvoice")));
    QVERIFY(m_w->findChild<QPushButton *>(QStringLiteral("CmClose")));
    QCOMPARE(rows(), QStringList());
}

void TestChequeDetails::payments_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("database");
    QTest::addColumn<QStringList>("expected");
    // The cancelled payment is listed; last year's FA-0001 is another bill.
    QTest::newRow("bill of this year") << "FA-0001"
                                       << "vstores_2024" << QStringList{"1|C-100|500.00", "2|C-200|300.00"};
    QTest::newRow("no database named: this year") << " FA-0001 "
                                                  << "" << QStringList{"1|C-100|500.00", "2|C-200|300.00"};
    // Its own year first, each year by voucher; V5 and V7 show each year's
    // cheque, V6 comes once; V8 has no voucher in its year and still shows
    // its amount.
    QTest::newRow("bill of last year") << "PV-0007"
                                       << "vstores_2023"
                                       << QStringList{"1|OLD-5|333.33", "2|SAME-6|10.00", "3|OLD-7|20.00",
                                                      "4|NEW-5|333.33", "5|NEW-7|20.00",  "6||333.34"};
    QTest::newRow("last year's bill of a reused code")
        << "FA-0001"
        << "vstores_2023" << QStringList{"1|OLD-9|999.00", "2|C-100|500.00", "3|C-200|300.00"};
    QTest::newRow("no payments") << "FA-0042"
                                 << "vstores_2024" << QStringList();
}

void TestChequeDetails::payments()
{
    QFETCH(QString, code);
    QFETCH(QString, database);
    QFETCH(QStringList, expected);
    make()->showBill(code, database);
    QCOMPARE(rows(), expected);
    QCOMPARE(m_w->LbInvoice->text(), code);
    QCOMPARE(m_w->billDatabase().str(), database.isEmpty() ? QStringLiteral("vstores_2024") : database);
    QCOMPARE(ui().texts(), QStringList());
}

void TestChequeDetails::firstYear()
{
    gPrevInvDbName = DbName();
    gPrevAcDbName = DbName();
    make()->showBill(QStringLiteral("PV-0007"), gInvDbName.str());
    QCOMPARE(rows(), QStringList({"1|NEW-5|333.33", "2|SAME-6|10.00", "3|NEW-7|20.00", "4||333.34"}));
}

void TestChequeDetails::handOverOnLoad_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("database");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("this year") << "FA-0001"
                               << "" << QStringList{"1|C-100|500.00", "2|C-200|300.00"};
    QTest::newRow("last year") << "PV-0007"
                               << "vstores_2023" << QStringList{"1|OLD-5|333.33", "2|SAME-6|10.00", "3|OLD-7|20.00",
                                                                "4|NEW-5|333.33", "5|NEW-7|20.00",  "6||333.34"};
    QTest::newRow("no bill") << ""
                             << "" << QStringList();
}

void TestChequeDetails::handOverOnLoad()
{
    QFETCH(QString, code);
    QFETCH(QString, database);
    QFETCH(QStringList, expected);
    gSelectedCode = code;
    gSelectedDbName = DbName(database);
    make();
    QCOMPARE(rows(), expected);
    QCOMPARE(m_w->billCode(), code);
    QCOMPARE(m_w->LbInvoice->text(), code);
    QCOMPARE(gSelectedCode, QString());
}

void TestChequeDetails::refillsForAnotherBill()
{
    make()->showBill(QStringLiteral("PV-0007"), QStringLiteral("vstores_2023"));
    m_w->showBill(QStringLiteral("FA-0001"), QStringLiteral("vstores_2024"));
    QCOMPARE(rows(), QStringList({"1|C-100|500.00", "2|C-200|300.00"}));
    m_w->showBill(QStringLiteral("FA-0042"), QStringLiteral("vstores_2024"));
    QCOMPARE(rows(), QStringList());
    QCOMPARE(m_w->LbInvoice->text(), QStringLiteral("FA-0042"));
}

void TestChequeDetails::openedByName()
{
    // As the bill window opens it, and opens it again for another bill.
    WindowRegistry &r = WindowRegistry::instance();
    if (!r.isRegistered(QStringLiteral("frmFAChequeDetails")))
        r.registerWindow(QStringLiteral("frmFAChequeDetails"), [] { return new frmFAChequeDetails; });
    for (const auto &[code, db] : {std::pair{"PV-0007", "vstores_2023"}, std::pair{"FA-0001", ""}}) {
        QWidget *w = r.open(QStringLiteral("frmFAChequeDetails"));
        QVERIFY(QMetaObject::invokeMethod(w, "showBill", Q_ARG(QString, QString::fromLatin1(code)),
                                          Q_ARG(QString, QString::fromLatin1(db))));
    }
    m_w = r.find<frmFAChequeDetails>(QStringLiteral("frmFAChequeDetails"));
    QVERIFY(m_w);
    QCOMPARE(rows(), QStringList({"1|C-100|500.00", "2|C-200|300.00"}));
}

void TestChequeDetails::openedAgainWithHandOver()
{
    // As a bill window that hands the bill over in the globals opens it:
    // a window left open shows the bill it is opened for now.
    WindowRegistry &r = WindowRegistry::instance();
    if (!r.isRegistered(QStringLiteral("frmFAChequeDetails")))
        r.registerWindow(QStringLiteral("frmFAChequeDetails"), [] { return new frmFAChequeDetails; });
    gSelectedCode = QStringLiteral("PV-0007");
    gSelectedDbName = DbName(QStringLiteral("vstores_2023"));
    r.open(QStringLiteral("frmFAChequeDetails"));
    gSelectedCode = QStringLiteral("FA-0001");
    gSelectedDbName = gInvDbName;
    r.open(QStringLiteral("frmFAChequeDetails"));
    m_w = r.find<frmFAChequeDetails>(QStringLiteral("frmFAChequeDetails"));
    QVERIFY(m_w);
    QCOMPARE(m_w->billCode(), QStringLiteral("FA-0001"));
    QCOMPARE(rows(), QStringList({"1|C-100|500.00", "2|C-200|300.00"}));
    QCOMPARE(gSelectedCode, QString());
}

void TestChequeDetails::missingPreviousYearIsReported()
{
    make()->showBill(QStringLiteral("FA-0001"), QStringLiteral("vstores_2024"));
    m_w->showBill(QStringLiteral("PV-0007"), QStringLiteral("vstores_1999"));
    // The server's text, and no rows of the bill shown before.
    QCOMPARE(ui().texts().size(), 1);
    QVERIFY2(ui().texts().first().contains(QStringLiteral("vstores_1999")), qPrintable(ui().texts().first()));
    QCOMPARE(rows(), QStringList());
    QCOMPARE(m_w->LbInvoice->text(), QStringLiteral("PV-0007"));
}

void TestChequeDetails::fixtureBills_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("database");
    QTest::addColumn<QStringList>("expected");
    // Paid in its own year (one payment cancelled) and in this one, under a
    // voucher number both years use.
    QTest::newRow("previous-year bill") << "A0000007"
                                        << "vstores_2023"
                                        << QStringList{"1|100001|333.33", "2|100002|333.33", "3|100003|50.00",
                                                       "4|200001|333.34"};
    QTest::newRow("paid bill, one voucher missing") << "A0000002"
                                                    << "vstores_2024" << QStringList{"1|200010|1000.00", "2||180.00"};
    QTest::newRow("code of both years, unpaid") << "A0000001"
                                                << "vstores_2024" << QStringList();
}

void TestChequeDetails::fixtureBills()
{
    QFETCH(QString, code);
    QFETCH(QString, database);
    QFETCH(QStringList, expected);
    resetFixtures();
    make()->showBill(code, database);
    QCOMPARE(rows(), expected);
}

QTEST_MAIN(TestChequeDetails)
#include "tst_db_chequedetails.moc"
