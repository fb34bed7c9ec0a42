#include "NewsprintFixture.h"
#include "NewsprintReportStore.h"
#include "ProductPickModel.h"
#include "TestSupport.h"
#include "frmListView.h"
#include "frmrptConsumption.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>

// The newsprint consumption report against bookings with known totals.
class TestConsumption : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void productsAreListedAndTicked();
    void brandsGroupsAndTotals();
    void filters_data();
    void filters();
    void typedUnitFiltersOnTag_data();
    void typedUnitFiltersOnTag();
    void refusals_data();
    void refusals();
    void printHoldsTheRows();
    void productLookupFillsCodeAndName();
    void enterWalksTheFilters();
    void bookingsCountUnderTheirOwnReel();

private:
    frmrptConsumption *open();
    QStringList rows() const;
    std::unique_ptr<ScopedScriptedUi> m_scripted;
    ScriptedUi &ui() { return m_scripted->ui; }
    QPointer<frmrptConsumption> m_w;
    QString m_folder;
    int m_case = 0;
};

namespace {
const QList<int> kShown{1, 2, 3, 4, 5, 6, 7, 8};
QString heading(const QString &brand)
{
    return u'|' + brand + QString(6, u'|');
}
QString total(const QString &label, const QString &amount)
{
    return u'|' + label + QStringLiteral("||||") + amount + QStringLiteral("||");
}
void clickRow(QTableView *view, int row)
{
    const QRect r = view->visualRect(view->model()->index(row, ProductPickModel::Name));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
}
} // namespace

void TestConsumption::init()
{
    connectAndReset();
    setClerkContext();
    insertNewsprintFixture();
    insertProducts();
    fixClock(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
    m_scripted = std::make_unique<ScopedScriptedUi>();
    m_folder = testTempDir() + QStringLiteral("/consumption%1").arg(++m_case);
    QDir(m_folder).removeRecursively();
    QDir().mkpath(m_folder);
    setProgramFolder(m_folder);
}

void TestConsumption::cleanup()
{
    delete m_w.data();
    frmListView::setTestDriver({});
    m_scripted.reset();
    setProgramFolder(QString());
    releaseClock();
}

frmrptConsumption *TestConsumption::open()
{
    m_w = new frmrptConsumption;
    m_w->show();
    QApplication::setActiveWindow(m_w);
    m_w->findChild<QDateEdit *>("DtFrom")->setDate(QDate(2024, 7, 1));
    m_w->findChild<QDateEdit *>("Dtto")->setDate(QDate(2024, 7, 31));
    return m_w;
}

QStringList TestConsumption::rows() const
{
    return sheetRows(*m_w->sheet(), m_w->rowCounter(), kShown);
}

void TestConsumption::productsAreListedAndTicked()
{
    frmrptConsumption *w = open();
    ProductPickModel *m = w->productModel();
    QCOMPARE(m->rowCount(), 3);
    QCOMPARE(m->code(0), QStringLiteral("P01"));
    QCOMPARE(m->data(m->index(1, ProductPickModel::Name)).toString(), QStringLiteral("Evening Edition"));
    QCOMPARE(m->includedCodes(), (QStringList{"P01", "P02", "P03"}));
    auto *grid = w->findChild<QTableView *>("GrProduct");
    clickRow(grid, 1);
    QCOMPARE(m->data(m->index(1, ProductPickModel::Flag)).toString(), QStringLiteral("1"));
    QCOMPARE(m->includedCodes(), (QStringList{"P01", "P03"}));
    clickRow(grid, 1);
    QCOMPARE(m->includedCodes(), (QStringList{"P01", "P02", "P03"}));
}

void TestConsumption::brandsGroupsAndTotals()
{
    frmrptConsumption *w = open();
    QTest::mouseClick(w->findChild<QPushButton *>("CmShow"), Qt::LeftButton);
    QVERIFY2(ui().shown.isEmpty(), qPrintable(ui().texts().join(u'\n')));
    QCOMPARE(w->sheet()->CellText(3, 1), QStringLiteral("Consumption  (P01,P02,P03)  from 01-Jul-2024 to 31-Jul-2024"));
    // A reel booked on two days for one product is one row with the sums;
    // the cancelled booking and the other company's booking never count.
    const QStringList expected{heading("Kerala Newsprint"),
                               "1|01-Jul-2024|R2|400.000|40.00|16000.00|TVM|P01",
                               "2|01-Jul-2024|R3|200.000|40.00|8000.00|TVM|P02",
                               "3|05-Jul-2024|R2|100.500|40.00|4020.00|TVM|P02",
                               total("Total (Kerala Newsprint)", "28020.00"),
                               QString(),
                               heading("Tamil Newsprint"),
                               "4|06-Jul-2024|R7|50.000|50.00|2500.00|TVM|P01",
                               total("Total  (Tamil Newsprint)", "2500.00"),
                               QString(),
                               total("Grand Total", "30520.00")};
    QCOMPARE(rows(), expected);
    Sheet &s = *w->sheet();
    QCOMPARE(s.formatAt(5, 2).fontColor, 128);
    QVERIFY(s.formatAt(5, 2).bold);
    QCOMPARE(s.formatAt(9, 6).fontColor, 192);
    QCOMPARE(s.formatAt(9, 6).fontSize, 9);
    QCOMPARE(s.formatAt(6, 4).horizontal, quint8(CellFormat::AlignRight));
    QCOMPARE(s.CellNumber(15, 6), Decimal::fromInt(30520));
    QVERIFY(!s.formatAt(6, 1).bold);
}

void TestConsumption::filters_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("reel");
    QTest::addColumn<int>("untick");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("expected");
    const QDate july31(2024, 7, 31);
    const QString range = "from 01-Jul-2024 to 31-Jul-2024";
    QTest::newRow("every consuming unit") << ""
                                          << ""
                                          << "" << -1 << july31 << "(P01,P02,P03)  " + range
                                          << QStringList{heading("Kerala Newsprint"),
                                                         "1|01-Jul-2024|R2|400.000|40.00|16000.00|TVM|P01",
                                                         "2|01-Jul-2024|R3|200.000|40.00|8000.00|TVM|P02",
                                                         "3|04-Jul-2024|R4|800.000|40.00|32000.00|KTM|P01",
                                                         "4|05-Jul-2024|R2|100.500|40.00|4020.00|TVM|P02",
                                                         total("Total (Kerala Newsprint)", "60020.00"),
                                                         QString(),
                                                         heading("Tamil Newsprint"),
                                                         "5|06-Jul-2024|R7|50.000|50.00|2500.00|TVM|P01",
                                                         total("Total  (Tamil Newsprint)", "2500.00"),
                                                         QString(),
                                                         total("Grand Total", "62520.00")};
    const QStringList eveningOnly{heading("Kerala Newsprint"),
                                  "1|01-Jul-2024|R3|200.000|40.00|8000.00|TVM|P02",
                                  "2|05-Jul-2024|R2|100.500|40.00|4020.00|TVM|P02",
                                  total("Total  (Kerala Newsprint)", "12020.00"),
                                  QString(),
                                  total("Grand Total", "12020.00")};
    QTest::newRow("one product code") << "TVM"
                                      << "P02"
                                      << "" << -1 << july31 << "(P01,P02,P03)  " + range << eveningOnly;
    QTest::newRow("a product left out") << "TVM"
                                        << ""
                                        << "" << 0 << july31 << "(P02,P03)  " + range << eveningOnly;
    QTest::newRow("a product code not ticked") << "TVM"
                                               << "P01"
                                               << "" << 0 << july31 << "(P02,P03)  " + range << QStringList{};
    QTest::newRow("part of a reel number")
        << "TVM"
        << ""
        << " 7 " << -1 << july31 << "(P01,P02,P03)  " + range
        << QStringList{heading("Tamil Newsprint"), "1|06-Jul-2024|R7|50.000|50.00|2500.00|TVM|P01",
                       total("Total  (Tamil Newsprint)", "2500.00"), QString(), total("Grand Total", "2500.00")};
    QTest::newRow("one day") << "TVM"
                             << ""
                             << "" << -1 << QDate(2024, 7, 1) << "(P01,P02,P03)  As on 01-Jul-2024"
                             << QStringList{heading("Kerala Newsprint"),
                                            "1|01-Jul-2024|R2|250.000|40.00|10000.00|TVM|P01",
                                            "2|01-Jul-2024|R3|200.000|40.00|8000.00|TVM|P02",
                                            total("Total  (Kerala Newsprint)", "18000.00"),
                                            QString(),
                                            total("Grand Total", "18000.00")};
    QTest::newRow("an apostrophe in the reel box")
        << "TVM"
        << ""
        << "R'2" << -1 << july31 << "(P01,P02,P03)  " + range << QStringList{};
}

void TestConsumption::filters()
{
    QFETCH(QString, unit);
    QFETCH(QString, product);
    QFETCH(QString, reel);
    QFETCH(int, untick);
    QFETCH(QDate, to);
    QFETCH(QString, title);
    QFETCH(QStringList, expected);
    frmrptConsumption *w = open();
    auto *unitBox = w->findChild<LookupBox *>("TxUnitCode");
    if (unit.isEmpty())
        unitBox->clearChoice();
    else
        unitBox->setChoice(unit, unit);
    QTest::keyClicks(w->findChild<QLineEdit *>("TxProductCode"), product);
    QTest::keyClicks(w->findChild<QLineEdit *>("TxReelNo"), reel);
    if (untick >= 0)
        clickRow(w->findChild<QTableView *>("GrProduct"), untick);
    w->findChild<QDateEdit *>("Dtto")->setDate(to);
    w->CmShow_Click();
    QVERIFY2(ui().shown.isEmpty(), qPrintable(ui().texts().join(u'\n')));
    QCOMPARE(w->sheet()->CellText(3, 1), "Consumption  " + title);
    QCOMPARE(rows(), expected);
}

void TestConsumption::typedUnitFiltersOnTag_data()
{
    QTest::addColumn<bool>("delFirst");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("reels");
    // Del empties the Tag: a name typed then chooses no unit at all.
    QTest::newRow("a unit name typed without a lookup") << true << "Kottayam" << QStringList{};
    QTest::newRow("the chosen unit's name typed over") << false << "Kottayam" << QStringList{"R4"};
}

void TestConsumption::typedUnitFiltersOnTag()
{
    QFETCH(bool, delFirst);
    QFETCH(QString, typed);
    QFETCH(QStringList, reels);
    frmrptConsumption *w = open();
    auto *unitBox = w->findChild<LookupBox *>("TxUnitCode");
    unitBox->setChoice(QStringLiteral("KTM"), QStringLiteral("Kottayam"));
    unitBox->setFocus();
    if (delFirst)
        QTest::keyClick(unitBox, Qt::Key_Delete);
    unitBox->selectAll();
    QTest::keyClicks(unitBox, typed);
    QCOMPARE(unitBox->text(), typed);
    w->CmShow_Click();
    QVERIFY2(ui().shown.isEmpty(), qPrintable(ui().texts().join(u'\n')));
    QStringList shown;
    for (int r = 5; r <= w->rowCounter(); ++r)
        if (!w->sheet()->CellText(r, 1).isEmpty())
            shown << w->sheet()->CellText(r, 3);
    QCOMPARE(shown, reels);
}

void TestConsumption::refusals_data()
{
    QTest::addColumn<bool>("noProduct");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::newRow("no product ticked") << true << QDate(2024, 7, 31) << "Please Select Any of the products.   "
                                       << int(MsgIcon::Critical);
    QTest::newRow("To before From") << false << QDate(2024, 6, 30) << "To date must be greater than From Date.   "
                                    << int(MsgIcon::Information);
}

void TestConsumption::refusals()
{
    QFETCH(bool, noProduct);
    QFETCH(QDate, to);
    QFETCH(QString, message);
    QFETCH(int, icon);
    frmrptConsumption *w = open();
    QVERIFY(QTest::qWaitForWindowActive(w));
    if (noProduct)
        for (int r = 0; r < 3; ++r)
            clickRow(w->findChild<QTableView *>("GrProduct"), r);
    w->findChild<QDateEdit *>("Dtto")->setDate(to);
    w->CmShow_Click();
    QCOMPARE(ui().texts(), QStringList{message});
    QCOMPARE(int(ui().shown.first().icon), icon);
    QCOMPARE(w->sheet()->CellText(3, 1), QStringLiteral("News Print Consumption"));
    QCOMPARE(w->rowCounter(), 4);
    if (!noProduct)
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->findChild<QDateEdit *>("Dtto")));
    ui().clear();
    w->CmExport_Click();
    QCOMPARE(ui().texts(), QStringList{"No details found.   "});
}

void TestConsumption::printHoldsTheRows()
{
    frmrptConsumption *w = open();
    w->CmShow_Click();
    w->CmPrint_Click();
    // No spooler in the folder: the file is written all the same.
    QCOMPARE(ui().texts(), QStringList{"File Cannot be Printed.   "});
    QFile f(m_folder + "/tb.prn");
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    const auto line = printedFields;
    QCOMPARE(lines.at(4), "\\D" + line("Sl No", "Date", "Particulars", "Quantity", "Amount") + "\\d\r");
    QCOMPARE(lines.at(6), line("", "Kerala Newsprint", "", "", "") + '\r');
    QCOMPARE(lines.at(7), line("1", "01-Jul-2024", "R2", "400.00", "16000.00") + '\r');
    QCOMPARE(lines.at(10), QByteArray(80, '-') + '\r');
    QCOMPARE(lines.at(11), "\\D" + line("", "Total (Kerala Newspri", "", "", "28020.00") + "\\d\r");
    QCOMPARE(lines.at(12), line("", "Tamil Newsprint", "", "", "") + '\r');
    QCOMPARE(lines.at(16), QByteArray(80, '-') + '\r');
    QCOMPARE(lines.at(17), "\\D" + line("", "Grand Total", "", "", "30520.00") + "\\d\r");
    QCOMPARE(lines.at(18), QByteArray(80, '-') + '\r');
}

void TestConsumption::productLookupFillsCodeAndName()
{
    frmrptConsumption *w = open();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QStringList offered;
    frmListView::setTestDriver([&](frmListView &dlg) {
        for (int r = 1; !dlg.cellText(r, 1).isEmpty(); ++r)
            offered << dlg.cellText(r, 1);
        QTest::keyClicks(dlg.searchBox(), "Even");
        QTest::keyClick(dlg.searchBox(), Qt::Key_Return);
    });
    auto *code = w->findChild<QLineEdit *>("TxProductCode");
    code->setFocus();
    QTest::keyClick(code, Qt::Key_F1);
    QCOMPARE(offered, (QStringList{"P01", "P02", "P03"}));
    QCOMPARE(code->text(), QStringLiteral("P02"));
    QCOMPARE(w->findChild<QLineEdit *>("TxProductName")->text(), QStringLiteral("Evening Edition"));
    QTest::keyClick(code, Qt::Key_Backspace);
    QCOMPARE(w->findChild<QLineEdit *>("TxProductName")->text(), QString());
}

void TestConsumption::enterWalksTheFilters()
{
    frmrptConsumption *w = open();
    QVERIFY(QTest::qWaitForWindowActive(w));
    const QList<QPair<QString, QString>> steps{{"DtFrom", "Dtto"},
                                               {"Dtto", "TxUnitCode"},
                                               {"TxUnitCode", "CmShow"},
                                               {"TxProductCode", "TxMaterialCode"},
                                               {"TxMaterialCode", "CmShow"}};
    for (const auto &[from, to] : steps) {
        auto *widget = w->findChild<QWidget *>(from);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), to);
    }
    QVERIFY(ui().shown.isEmpty());
}


void TestConsumption::bookingsCountUnderTheirOwnReel()
{
    insertSharedIdOfKtm();
    ConsumptionFilter f;
    f.from = QDate(2024, 7, 1);
    f.to = QDate(2024, 7, 31);
    f.products = {QStringLiteral("P01"), QStringLiteral("P02")};
    f.reelNo = QStringLiteral("R2");
    QStringList got;
    NewsprintReportStore::current().consumption(f, [&](const ConsumptionRow &r) {
        got << r.brandName + u'/' + r.productCode + u'/' + r.qty.toText(3) + u'/' + r.amount.toText(2) + u'/'
                + r.unitCode;
    });
    QCOMPARE(got, QStringList({"Kerala Newsprint/P01/400.000/16000.00/TVM",
                               "Kerala Newsprint/P02/100.500/4020.00/TVM",
                               "Tamil Newsprint/P01/300.000/9000.00/KTM"}));
}

QTEST_MAIN(TestConsumption)
#include "tst_db_consumption.moc"
