#include "Lookup.h"
#include "ReportsWindows.h"
#include "ShellWindows.h"
#include "Sheet.h"
#include "TestSupport.h"
#include "Ui.h"
#include "WindowRegistry.h"
#include "frmListView.h"
#include "frmMain.h"
#include "frmrptFAStock.h"
#include "mdlVelmora.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTest>

// The fixed-asset stock report, opened as the main window opens it, against
// the fixed-asset bills of the fixtures.
class TestFAStock : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void godownOfTheUnitWithTotals();
    void everyUnitUnderItsHeading();
    void pressListsOnlyIssuedLines();
    void masterCodeOfTwoCompaniesListsOnce();
    void readsTheYearSwitchedTo();
    void filters_data();
    void filters();
    void lookups();
    void printsTheLines();
    void exportAfterShow();
    void enterWalksTheFilters();

private:
    frmrptFAStock *open();
    QStringList rows() const;
    void show() { QTest::mouseClick(m_w->findChild<QPushButton *>("CmShow"), Qt::LeftButton); }
    std::unique_ptr<ScopedScriptedUi> m_scripted;
    ScriptedUi &ui() { return m_scripted->ui; }
    QPointer<frmrptFAStock> m_w;
    QString m_folder;
    int m_case = 0;
};

namespace {
const QString kDesktop =
    "1|Kerala Newsprint Mills|DESKTOP COMPUTER|Lontrix|TARVEN TOWER 500|1.00|1500.00|1500.00|A0000001";
// The UPS line's brand has no master row: the line is listed all the same.
const QString kUps = "2|Kerala Newsprint Mills|DESKTOP COMPUTER||UPS|2.00|250.00|500.00|A0000001";
const QString kMonitor = "3|Hindustan Paper Traders|DESKTOP COMPUTER|Lontrix|MONITOR|4.00|250.00|1000.00|A0000002";
QString heading(const QString &unit)
{
    return u'|' + unit + QString(7, u'|');
}
QString total(int items, const QString &qty, const QString &amount)
{
    return QStringLiteral("|Total No of Items. %1||||%2||%3|").arg(items).arg(qty, amount);
}
} // namespace

void TestFAStock::initTestCase()
{
    registerShellWindows();
    registerReportsWindows();
}

void TestFAStock::init()
{
    connectAndReset();
    setClerkContext();
    fixClock(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
    m_scripted = std::make_unique<ScopedScriptedUi>();
    m_folder = testTempDir() + QStringLiteral("/fastock%1").arg(++m_case);
    QDir(m_folder).removeRecursively();
    QDir().mkpath(m_folder);
    setProgramFolder(m_folder);
}

void TestFAStock::cleanup()
{
    frmListView::setTestDriver({});
    WindowRegistry::instance().unloadAll();
    delete frmMain::instance();
    m_scripted.reset();
    setProgramFolder(QString());
    releaseClock();
}

frmrptFAStock *TestFAStock::open()
{
    frmMain &main = frmMain::load();
    main.resize(1200, 800);
    main.show();
    m_w = qobject_cast<frmrptFAStock *>(main.showFixedAssetStock());
    return m_w;
}

QStringList TestFAStock::rows() const
{
    const Sheet &s = *m_w->sheet();
    QStringList out;
    for (int r = 5; r <= m_w->rowCounter(); ++r) {
        QStringList cells;
        for (int c = 1; c <= 10; ++c)
            if (c != 6)
                cells << s.CellText(r, c);
        out << (cells.join(u'|') == QString(8, u'|') ? QString() : cells.join(u'|'));
    }
    return out;
}

void TestFAStock::godownOfTheUnitWithTotals()
{
    frmrptFAStock *w = open();
    QVERIFY(w);
    QCOMPARE(w->objectName(), QStringLiteral("frmrptFAStock"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Fixed Assets Stock"));
    QCOMPARE(w->findChild<QComboBox *>("CbStockType")->currentText(), QStringLiteral("Godown"));
    QCOMPARE(w->findChild<LookupBox *>("TxUnitCode")->text(), QStringLiteral("Thiruvananthapuram"));
    QCOMPARE(w->rowCounter(), 4);
    QCOMPARE(w->sheet()->CellText(4, 7), QStringLiteral("Qty"));
    QCOMPARE(w->sheet()->ColumnWidth(6), 0);
    show();
    QVERIFY2(ui().shown.isEmpty(), qPrintable(ui().texts().join(u'\n')));
    QCOMPARE(w->sheet()->CellText(3, 1), QStringLiteral("Fixed Asset Purchase   As on 09-Dec-2026"));
    QCOMPARE(
        rows(),
        (QStringList{heading("Thiruvananthapuram"), kDesktop, kUps, kMonitor, QString(), total(3, "7.00", "3000.00")}));
    const Sheet &s = *w->sheet();
    QCOMPARE(s.formatAt(5, 2).fontColor, 128);
    QVERIFY(s.formatAt(5, 2).bold);
    QCOMPARE(s.formatAt(6, 9).horizontal, quint8(CellFormat::AlignRight));
    QCOMPARE(s.CellNumber(6, 9), Decimal::fromInt(1500));
    QCOMPARE(s.formatAt(10, 9).fontColor, 128);
    QCOMPARE(s.RowCount(), 15);
    // A second call of the procedure opens a further window beside the first.
    QWidget *second = frmMain::instance()->showFixedAssetStock();
    QVERIFY(second && second != w);
}

void TestFAStock::everyUnitUnderItsHeading()
{
    frmrptFAStock *w = open();
    w->findChild<LookupBox *>("TxUnitCode")->setFocus();
    QTest::keyClick(w->findChild<LookupBox *>("TxUnitCode"), Qt::Key_Delete);
    show();
    QCOMPARE(rows(),
             (QStringList{heading("Thiruvananthapuram"), kDesktop, kUps, kMonitor, heading("Kottayam"),
                          "4|Kerala Newsprint Mills|DESKTOP COMPUTER|Lontrix|KEYBOARD|3.00|100.00|300.00|A0000003",
                          QString(), total(4, "10.00", "3300.00")}));
}

void TestFAStock::pressListsOnlyIssuedLines()
{
    frmrptFAStock *w = open();
    w->findChild<QComboBox *>("CbStockType")->setCurrentIndex(1);
    show();
    QCOMPARE(rows(), (QStringList{QString(), total(0, "0.00", "0.00")}));
    // Both lines of one item issued: one row per line, not one per item.
    gConnection.execute(
        QStringLiteral("UPDATE vstores_2024.inv_asset_trans SET invtrans_cons_flag=1 WHERE invtrans_id='A0000001'"));
    show();
    QCOMPARE(rows(),
             (QStringList{heading("Thiruvananthapuram"), kDesktop, kUps, QString(), total(2, "3.00", "2000.00")}));
}

void TestFAStock::masterCodeOfTwoCompaniesListsOnce()
{
    gConnection.execute(QStringLiteral(
        "INSERT INTO vstores_2024.inv_itemmaster (unit_code, comp_code, item_code, item_name, item_measure, item_type) "
        "VALUES ('TVM', '02', 'I0001', 'ANOTHER COMPANY ITEM', 'M0001', 0)"));
    gConnection.execute(QStringLiteral(
        "INSERT INTO vstores_2024.inv_brandmaster (unit_code, comp_code, brand_code, brand_name, brand_group) "
        "VALUES ('TVM', '02', 'B0002', 'Another Lontrix', 1)"));
    open();
    show();
    QCOMPARE(
        rows(),
        (QStringList{heading("Thiruvananthapuram"), kDesktop, kUps, kMonitor, QString(), total(3, "7.00", "3000.00")}));
}

void TestFAStock::readsTheYearSwitchedTo()
{
    // The connection stays on the start-up year's database; the report reads
    // the year the clerk switched to, item master included.
    gInvDbName = DbName(QStringLiteral("vstores_2023"));
    gAcDbName = DbName(QStringLiteral("vacc_2023"));
    gConnection.execute(QStringLiteral("UPDATE vstores_2024.inv_itemmaster SET item_name='NOT THIS YEAR'"));
    open();
    show();
    QCOMPARE(
        rows(),
        (QStringList{heading("Thiruvananthapuram"),
                     "1|Kerala Newsprint Mills|DESKTOP COMPUTER|Lontrix|HESTRON LP-200|1.00|500.00|500.00|A0000001",
                     "2|Old Paper Suppliers|DESKTOP COMPUTER|Lontrix|RACK 42U|2.00|430.00|860.00|A0000007", QString(),
                     total(2, "3.00", "1360.00")}));
}

void TestFAStock::filters_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("supplier") << "TxSuppCode"
                              << "441200002"
                              << "Hindustan" << QStringList{kMonitor};
    QTest::newRow("brand") << "TxBrandCode"
                           << "B0002"
                           << "Lontrix" << QStringList{kDesktop, kMonitor};
    QTest::newRow("item") << "TxItem"
                          << "I0002"
                          << "PRINTING INK" << QStringList{};
    QTest::newRow("typed text without a lookup matches nothing") << "TxItem"
                                                                 << ""
                                                                 << "DESK" << QStringList{};
    QTest::newRow("a code without text is no filter") << "TxBrandCode"
                                                      << "B0009"
                                                      << "" << QStringList{kDesktop, kUps, kMonitor};
}

void TestFAStock::filters()
{
    QFETCH(QString, box);
    QFETCH(QString, code);
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    frmrptFAStock *w = open();
    auto *b = w->findChild<LookupBox *>(box);
    b->setTag(code);
    b->setText(text);
    show();
    QStringList listed = rows();
    QStringList expected;
    if (!lines.isEmpty())
        expected << heading("Thiruvananthapuram");
    // Serial numbers are the running count of what is listed.
    for (int i = 0; i < lines.size(); ++i)
        expected << QString::number(i + 1) + lines.at(i).mid(lines.at(i).indexOf(u'|'));
    QCOMPARE(listed.mid(0, expected.size()), expected);
    QCOMPARE(listed.last().section(u'|', 1, 1), QStringLiteral("Total No of Items. %1").arg(lines.size()));
}

void TestFAStock::lookups()
{
    frmrptFAStock *w = open();
    QStringList offered;
    frmListView::setTestDriver([&](frmListView &dlg) {
        offered.clear();
        for (int r = 1; !dlg.cellText(r, 1).isEmpty(); ++r)
            offered << dlg.cellText(r, 2);
        QTest::keyClick(dlg.searchBox(), Qt::Key_Return);
    });
    // Fixed-asset brands only.
    auto *brand = w->findChild<LookupBox *>("TxBrandCode");
    brand->setFocus();
    QTest::keyClick(brand, Qt::Key_F1);
    QVERIFY2(offered.contains(QStringLiteral("Lontrix")), qPrintable(offered.join(u',')));
    QVERIFY(!offered.contains(QStringLiteral("Cavrell")));
    QVERIFY(!offered.contains(QStringLiteral("Kerala Newsprint")));
    // Items of both kinds, searched by name anywhere; an apostrophe is only text.
    auto *item = w->findChild<LookupBox *>("TxItem");
    item->setFocus();
    QTest::keyClicks(item, "TING");
    QTest::keyClick(item, Qt::Key_F1);
    QCOMPARE(offered, QStringList{"PRINTING INK"});
    QCOMPARE(item->tag(), QStringLiteral("I0002"));
    item->clear();
    QTest::keyClicks(item, "O'");
    QTest::keyClick(item, Qt::Key_F1);
    QCOMPARE(item->text(), QString());
    QVERIFY2(ui().shown.isEmpty(), qPrintable(ui().texts().join(u'\n')));
    // The company's suppliers.
    auto *supplier = w->findChild<LookupBox *>("TxSuppCode");
    supplier->setFocus();
    QTest::keyClicks(supplier, "Traders");
    QTest::keyClick(supplier, Qt::Key_F1);
    QCOMPARE(offered, QStringList{"Hindustan Paper Traders"});
    QCOMPARE(supplier->tag(), QStringLiteral("441200002"));
}

void TestFAStock::printsTheLines()
{
    frmrptFAStock *w = open();
    show();
    QFile spooler(m_folder + "/didevadeduv");
    QVERIFY(spooler.open(QIODevice::WriteOnly));
    spooler.setPermissions(spooler.permissions() | QFileDevice::ExeOwner);
    spooler.close();
    QTest::mouseClick(w->findChild<QPushButton *>("CmPrint"), Qt::LeftButton);
    QVERIFY2(ui().shown.isEmpty(), qPrintable(ui().texts().join(u'\n')));
    QCOMPARE(ui().started.size(), 1);
    QFile f(m_folder + "/tb.prn");
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    auto line = [](const char *a, const char *b, const char *c, const char *d, const char *e) {
        return printedFields(a, b, c, d, e) + '\r';
    };
    QCOMPARE(lines.at(4), "\\D" + line("Sl No", "Supplier", "Item", "Qty", "Amount").chopped(1) + "\\d\r");
    QCOMPARE(lines.at(6), line("", "Thiruvananthapuram", "", "", ""));
    QCOMPARE(lines.at(7), line("1", "Kerala Newsprint Mill", "DESKTOP COMPUTER", "1.00", "1500.00"));
    QCOMPARE(lines.at(9), line("3", "Hindustan Paper Trade", "DESKTOP COMPUTER", "4.00", "1000.00"));
    QCOMPARE(lines.at(10), QByteArray(80, '-') + '\r');
    QCOMPARE(lines.at(11), "\\D" + line("Total", "No of Items. 3", "", "7.00", "3000.00").chopped(1) + "\\d\r");
}

void TestFAStock::exportAfterShow()
{
    frmrptFAStock *w = open();
    // Before a Show there is nothing to export.
    QTest::mouseClick(w->findChild<QPushButton *>("CmExport"), Qt::LeftButton);
    QCOMPARE(ui().texts(), QStringList{"No details found.   "});
    show();
    const QString path = m_folder + "/stock.xls";
    ui().saveAnswers.enqueue(path);
    QTest::mouseClick(w->findChild<QPushButton *>("CmExport"), Qt::LeftButton);
    QCOMPARE(ui().saveRequests.last().proposedName, QStringLiteral("Fixed Assets Stock TVM 09-Dec-2026"));
    QVERIFY(QFile::exists(path));
}

void TestFAStock::enterWalksTheFilters()
{
    frmrptFAStock *w = open();
    QVERIFY(QTest::qWaitForWindowActive(frmMain::instance()));
    auto *item = w->findChild<LookupBox *>("TxItem");
    item->setText(QStringLiteral("DESK"));
    w->findChild<QWidget *>("DtFrom")->setFocus();
    QStringList walked;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        walked << QApplication::focusWidget()->objectName();
        if (QApplication::focusWidget() == item)
            QVERIFY2(!item->hasSelectedText(), "the item box keeps its text unselected when entered");
    }
    QCOMPARE(walked, (QStringList{"CbStockType", "TxUnitCode", "TxSuppCode", "TxBrandCode", "TxItem", "CmShow"}));
}

QTEST_MAIN(TestFAStock)
#include "tst_db_fastock.moc"
