#include "NewsprintFixture.h"
#include "NewsprintReportStore.h"
#include "PrintFile.h"
#include "TestSupport.h"
#include "frmListView.h"
#include "frmrptNewsprintStock.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTest>

// The newsprint stock report against reels with known totals.
class TestNewsprintStock : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void freshWindowListsTheUnitsGodown();
    void filters_data();
    void filters();
    void noReelStillWritesTheTotalRow();
    void longListScrollsToTheTotal();
    void printHoldsTheReels();
    void lookupsAndTheirKeys();
    void enterWalksTheFilters();
    void reelsOfSharedIdsAndHeadsOutsideThePattern();

private:
    frmrptNewsprintStock *open();
    QStringList rows() const;
    std::unique_ptr<ScopedScriptedUi> m_scripted;
    ScriptedUi &ui() { return m_scripted->ui; }
    QPointer<frmrptNewsprintStock> m_w;
    QString m_folder;
    int m_case = 0;
};

namespace {
const QList<int> kShown{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
const QString kR1 =
    "1|Kerala Newsprint Mills|Kerala Newsprint|R1|Full Reel|45 GSM|500.00|45.68|22840.00|01-May-2024|INV1";
QString reel(int n, const QString &rest)
{
    return QString::number(n) + u'|' + rest;
}
QString heading(const QString &unit)
{
    return u'|' + unit + QString(9, u'|');
}
QString total(int reels, const QString &weight, const QString &amount)
{
    return QStringLiteral("|Total No of Reels. %1|||||%2||%3||").arg(reels).arg(weight, amount);
}
} // namespace

void TestNewsprintStock::init()
{
    connectAndReset();
    setClerkContext();
    insertNewsprintFixture();
    fixClock(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
    m_scripted = std::make_unique<ScopedScriptedUi>();
    m_folder = testTempDir() + QStringLiteral("/stock%1").arg(++m_case);
    QDir(m_folder).removeRecursively();
    QDir().mkpath(m_folder);
    setProgramFolder(m_folder);
}

void TestNewsprintStock::cleanup()
{
    delete m_w.data();
    frmListView::setTestDriver({});
    m_scripted.reset();
    setProgramFolder(QString());
    releaseClock();
}

frmrptNewsprintStock *TestNewsprintStock::open()
{
    m_w = new frmrptNewsprintStock;
    m_w->show();
    QApplication::setActiveWindow(m_w);
    return m_w;
}

QStringList TestNewsprintStock::rows() const
{
    return sheetRows(*m_w->sheet(), m_w->rowCounter(), kShown);
}

void TestNewsprintStock::freshWindowListsTheUnitsGodown()
{
    frmrptNewsprintStock *w = open();
    QCOMPARE(w->sheet()->CellText(3, 1), QStringLiteral("Newsprint Stock"));
    QCOMPARE(w->findChild<QComboBox *>("CbStockType")->currentText(), QStringLiteral("Godown"));
    QTest::mouseClick(w->findChild<QPushButton *>("CmShow"), Qt::LeftButton);
    QCOMPARE(w->sheet()->CellText(3, 1), QStringLiteral("Newsprint Purchase (Godown)  As on 09-Dec-2026"));
    const QStringList expected{
        heading("Thiruvananthapuram"), kR1,
        reel(2, "Hindustan Paper Traders|Tamil Newsprint|R7|Half Reel|48.8 GSM|300.00|50.00|15000.00|01-Jun-2024|INV2"),
        QString(), total(2, "800.00", "37840.00")};
    QCOMPARE(rows(), expected);
    Sheet &s = *w->sheet();
    QCOMPARE(s.formatAt(5, 2).fontColor, 128);
    QVERIFY(s.formatAt(5, 2).bold);
    QCOMPARE(s.formatAt(6, 7).horizontal, quint8(CellFormat::AlignRight));
    QCOMPARE(s.CellNumber(6, 9), Decimal::fromInt(22840));
    QCOMPARE(s.formatAt(9, 9).fontColor, 128);
    QCOMPARE(s.RowCount(), 14);
}

void TestNewsprintStock::filters_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("press");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("expected");
    const QString r6 =
        "Kerala Newsprint Mills|Kerala Newsprint|R6|Full Reel|45 GSM|600.00|40.00|24000.00|01-May-2024|INV1";
    const QString r7 =
        "Hindustan Paper Traders|Tamil Newsprint|R7|Half Reel|48.8 GSM|300.00|50.00|15000.00|01-Jun-2024|INV2";
    const QString r9 =
        "Malabar Paper Agency|Kerala Newsprint|R9|Full Reel|45 GSM|400.00|42.00|16800.00|10-Jun-2024|INV4";
    QTest::newRow("every unit, by unit priority") << "TxUnitCode"
                                                  << ""
                                                  << "" << false << "" << QStringList{heading("Thiruvananthapuram"),
                                                                                      kR1,
                                                                                      reel(2, r7),
                                                                                      heading("Kottayam"),
                                                                                      reel(3, r6),
                                                                                      reel(4, r9),
                                                                                      QString(),
                                                                                      total(4, "1800.00", "78640.00")};
    QTest::newRow("another unit") << "TxUnitCode"
                                  << "KTM"
                                  << "Kottayam" << false << ""
                                  << QStringList{heading("Kottayam"), reel(1, r6), reel(2, r9), QString(),
                                                 total(2, "1000.00", "40800.00")};
    QTest::newRow("supplier") << "TxSuppCode"
                              << "441200002"
                              << "Hindustan" << false << ""
                              << QStringList{heading("Thiruvananthapuram"), reel(1, r7), QString(),
                                             total(1, "300.00", "15000.00")};
    QTest::newRow("brand") << "TxBrandCode"
                           << "B0004"
                           << "Tamil" << false << ""
                           << QStringList{heading("Thiruvananthapuram"), reel(1, r7), QString(),
                                          total(1, "300.00", "15000.00")};
    QTest::newRow("gsm") << "TxGSM"
                         << "GSM0002"
                         << "48.8 GSM" << false << ""
                         << QStringList{heading("Thiruvananthapuram"), reel(1, r7), QString(),
                                        total(1, "300.00", "15000.00")};
    QTest::newRow("reel type") << "TxReelType"
                               << "RT0002"
                               << "Half Reel" << false << ""
                               << QStringList{heading("Thiruvananthapuram"), reel(1, r7), QString(),
                                              total(1, "300.00", "15000.00")};
    QTest::newRow("text typed without a lookup matches nothing")
        << "TxSuppCode"
        << ""
        << "Hindustan" << false << "" << QStringList{QString(), total(0, "0.00", "0.00")};
    QTest::newRow("search in the reel number")
        << ""
        << ""
        << "" << false << "7"
        << QStringList{heading("Thiruvananthapuram"), reel(1, r7), QString(), total(1, "300.00", "15000.00")};
    QTest::newRow("search in the transaction id")
        << ""
        << ""
        << "" << false << "INV2"
        << QStringList{heading("Thiruvananthapuram"), reel(1, r7), QString(), total(1, "300.00", "15000.00")};
    QTest::newRow("search with an apostrophe")
        << ""
        << ""
        << "" << false << "R'1" << QStringList{QString(), total(0, "0.00", "0.00")};
    // Press: R2 1000 - 250 - 150 - 100.5; R3 1000 - 200, the cancelled 300
    // given back; R4 booked whole and R5 used up are not listed.
    QTest::newRow("press")
        << ""
        << ""
        << "" << true << ""
        << QStringList{heading("Thiruvananthapuram"),
                       reel(1,
                            "Kerala Newsprint Mills|Kerala Newsprint|R2|Full Reel|45 GSM|499.50|40.00|19980.00|"
                            "01-May-2024|INV1"),
                       reel(2,
                            "Kerala Newsprint Mills|Kerala Newsprint|R3|Full Reel|45 GSM|800.00|40.00|32000.00|"
                            "01-May-2024|INV1"),
                       QString(), total(2, "1299.50", "51980.00")};
}

void TestNewsprintStock::filters()
{
    QFETCH(QString, box);
    QFETCH(QString, code);
    QFETCH(QString, text);
    QFETCH(bool, press);
    QFETCH(QString, search);
    QFETCH(QStringList, expected);
    frmrptNewsprintStock *w = open();
    if (!box.isEmpty())
        w->findChild<LookupBox *>(box)->setChoice(code, text);
    w->findChild<QComboBox *>("CbStockType")->setCurrentIndex(press ? 1 : 0);
    QTest::keyClicks(w->findChild<QLineEdit *>("TxSearch"), search);
    w->CmShow_Click();
    QVERIFY2(ui().shown.isEmpty(), qPrintable(ui().texts().join(u'\n')));
    QCOMPARE(rows(), expected);
}

void TestNewsprintStock::noReelStillWritesTheTotalRow()
{
    frmrptNewsprintStock *w = open();
    gConnection.execute(QStringLiteral("DELETE FROM vstores_2024.inv_invoice_trans"));
    w->CmShow_Click();
    QCOMPARE(rows(), (QStringList{QString(), total(0, "0.00", "0.00")}));
    QCOMPARE(w->rowCounter(), 6);
    ui().saveAnswers.enqueue(m_folder + "/stock.xls");
    w->CmExport_Click();
    QVERIFY(ui().shown.isEmpty());
    QVERIFY(QFile::exists(m_folder + "/stock.xls"));
}

void TestNewsprintStock::longListScrollsToTheTotal()
{
    QString values;
    for (int i = 1; i <= 30; ++i)
        values += QStringLiteral("%1('TVM','01','INV2',%2,'L%2','GSM0001','RT0001',10,1,'TVM',1,0,0)")
                      .arg(values.isEmpty() ? "" : ",")
                      .arg(i + 1);
    gConnection.execute(
        QStringLiteral("INSERT INTO vstores_2024.inv_invoice_trans (unit_code, comp_code, invtrans_id, invtrans_slno, "
                       "invtrans_reel_no, invtrans_gsm, invtrans_reel_type, invtrans_weight, invtrans_rate, "
                       "invtrans_unit_code, invtrans_finalize, invtrans_cons_flag, invtrans_util_flag) VALUES ")
        + values);
    frmrptNewsprintStock *w = open();
    w->CmShow_Click();
    const int t = w->rowCounter();
    QCOMPARE(t, 4 + 1 + 32 + 2);
    QVERIFY(w->sheet()->CellText(t, 2).startsWith("Total No of Reels. 32"));
    QCOMPARE(w->sheet()->TopVisibleRow(), t - 9);
    QCOMPARE(w->sheet()->RowCount(), t + 5);
}

void TestNewsprintStock::printHoldsTheReels()
{
    frmrptNewsprintStock *w = open();
    w->findChild<LookupBox *>("TxUnitCode")->clearChoice();
    w->CmShow_Click();
    QFile spooler(m_folder + "/didevadeduv");
    QVERIFY(spooler.open(QIODevice::WriteOnly));
    spooler.setPermissions(spooler.permissions() | QFileDevice::ExeOwner);
    spooler.close();
    w->CmPrint_Click();
    QVERIFY2(ui().shown.isEmpty(), qPrintable(ui().texts().join(u'\n')));
    QCOMPARE(ui().started.size(), 1);
    QFile f(m_folder + "/tb.prn");
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    auto line = [](const char *a, const char *b, const char *c, const char *d, const char *e) {
        return printedFields(a, b, c, d, e) + '\r';
    };
    QCOMPARE(lines.at(4), "\\D" + line("Sl No", "Supplier", "Reel No", "Weight(KG)", "Amount").chopped(1) + "\\d\r");
    QCOMPARE(lines.at(6), line("", "Thiruvananthapuram", "", "", ""));
    QCOMPARE(lines.at(7), line("1", "Kerala Newsprint Mill", "R1", "500.00", "22840.00"));
    QCOMPARE(lines.at(9), line("", "Kottayam", "", "", ""));
    QCOMPARE(lines.at(11), line("4", "Malabar Paper Agency", "R9", "400.00", "16800.00"));
    QCOMPARE(lines.at(12), QByteArray(80, '-') + '\r');
    QCOMPARE(lines.at(13), "\\D" + line("Total", "No of Reels. 4", "", "1800.00", "78640.00").chopped(1) + "\\d\r");
}

void TestNewsprintStock::lookupsAndTheirKeys()
{
    frmrptNewsprintStock *w = open();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QStringList offered;
    frmListView::setTestDriver([&](frmListView &dlg) {
        offered.clear();
        for (int r = 1; !dlg.cellText(r, 1).isEmpty(); ++r)
            offered << dlg.cellText(r, 2);
        QTest::keyClick(dlg.searchBox(), Qt::Key_Return);
    });
    // The brand list searches the names, across groups and companies.
    auto *brand = w->findChild<LookupBox *>("TxBrandCode");
    brand->setFocus();
    QTest::keyClicks(brand, "a");
    QTest::keyClick(brand, Qt::Key_F1);
    QCOMPARE(offered, (QStringList{"Another Company Brand", "Cavrell", "Kerala Newsprint", "Tamil Newsprint"}));
    QCOMPARE(brand->text(), QStringLiteral("Another Company Brand"));
    QCOMPARE(brand->tag(), QStringLiteral("B0001"));
    // Del edits the brand's text and keeps its code.
    QTest::keyClick(brand, Qt::Key_End);
    QTest::keyClick(brand, Qt::Key_Backspace);
    QCOMPARE(brand->tag(), QStringLiteral("B0001"));
    // The supplier list offers the company's suppliers only.
    auto *supplier = w->findChild<LookupBox *>("TxSuppCode");
    supplier->setFocus();
    QTest::keyClick(supplier, Qt::Key_F1);
    QCOMPARE(offered,
             (QStringList{"Hindustan Paper Traders", "Kerala Newsprint Mills", "Malabar Paper Agency",
                          "Sundry Creditors Paper"}));
    // GSM: every grade whatever the box holds; Del empties text and code.
    auto *gsm = w->findChild<LookupBox *>("TxGSM");
    gsm->setFocus();
    QTest::keyClicks(gsm, "zz");
    QTest::keyClick(gsm, Qt::Key_F1);
    QCOMPARE(offered, (QStringList{"45 GSM", "48.8 GSM"}));
    QCOMPARE(gsm->tag(), QStringLiteral("GSM0001"));
    QTest::keyClick(gsm, Qt::Key_Delete);
    QCOMPARE(gsm->text(), QString());
    QCOMPARE(gsm->tag(), QString());
}

void TestNewsprintStock::enterWalksTheFilters()
{
    frmrptNewsprintStock *w = open();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QWidget *from = w->findChild<QDateEdit *>("DtFrom");
    from->setFocus();
    QStringList walked;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        walked << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(walked,
             (QStringList{"CbStockType", "TxUnitCode", "TxSuppCode", "TxBrandCode", "TxGSM", "TxReelType", "CmShow"}));
}


void TestNewsprintStock::reelsOfSharedIdsAndHeadsOutsideThePattern()
{
    insertSharedIdOfKtm();
    // INV2's supplier is a head of the company outside the supplier pattern.
    gConnection.execute(QStringLiteral("Update vstores_2024.inv_invoice set inv_supp_code='441100000000000' where "
                                       "inv_trans_id='INV2'"));
    NewsprintReportStore store = NewsprintReportStore::current();
    const auto list = [&](bool press, const QString &unit) {
        StockFilter f;
        f.press = press;
        f.unitCode = unit;
        QStringList got;
        store.stock(f, [&](const StockRow &r) {
            got << r.reelNo + u'/' + r.supplierName + u'/' + r.weight.toText(2);
        });
        return got;
    };
    // Each unit's R2 less its own bookings: TVM 1000 - 500.5, KTM 1000 - 300.
    QCOMPARE(list(true, QStringLiteral("TVM")),
             QStringList({"R2/Kerala Newsprint Mills/499.50", "R3/Kerala Newsprint Mills/800.00"}));
    QCOMPARE(list(true, QStringLiteral("KTM")), QStringList({"R2/Hindustan Paper Traders/700.00"}));
    QCOMPARE(list(false, QStringLiteral("TVM")),
             QStringList({"R1/Kerala Newsprint Mills/500.00", "R7/Creditors Group Head/300.00"}));
}

QTEST_MAIN(TestNewsprintStock)
#include "tst_db_newsprintstock.moc"
