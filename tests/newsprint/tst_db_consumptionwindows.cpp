#include "NewsprintWindows.h"
#include "ReelFixture.h"
#include "Sheet.h"
#include "SheetView.h"
#include "TestSupport.h"
#include "frmConsumption.h"
#include "frmConsumptionMaster.h"
#include "frmListView.h"
#include "mdlVelmora.h"
#include <QMdiArea> // WindowRegistry.h reads the area inline
#include <QMdiSubWindow>
#include "WindowRegistry.h"
#include <QApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

using reelfixture::Reel;

// The consumption window and the consumption list, driven as a clerk would
// on the real database.
class TestConsumptionWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    // The consumption window
    void bookAgainstAvailable_data();
    void bookAgainstAvailable();
    void bookUntilUsedUpThenLookupDropsReel();
    void reelLookupFindsNothing();
    void typingOverLookedUpReel();
    void otherClerkBookedMeanwhile();
    void editDuringNewEntryIsReported();
    void editLoadedBooking();
    void editStandsWhenItsReadingFails();
    void cancelledNewEditsNothingBookedElsewhere();
    void unitBoxKeys();
    void quantityBelowOneKg_data();
    void quantityBelowOneKg();
    void fixedFrameInTheMainArea();
    void selectOnEntry_data();
    void selectOnEntry();
    void reelBoxHoldsItsColumn();
    // The list
    void listRowsAndTotal_data();
    void listRowsAndTotal();
    void onlyF5OrSearchFills();
    void cancelRights_data();
    void cancelRights();
    void cancelRowKinds_data();
    void cancelRowKinds();
    void cancelAndRebookRoundTrip();
    void doubleClickOpensBooking();

private:
    frmConsumptionMaster *openMaster(const QString &selected);
    frmConsumption *openList();
    void press(Qt::Key key);
    void type(const QString &text);
    QLineEdit *box(const char *name) const { return m_master->findChild<QLineEdit *>(QString::fromLatin1(name)); }
    QPushButton *button(const char *name) const
    {
        return m_master->findChild<QPushButton *>(QString::fromLatin1(name));
    }
    QWidget *focus() const { return QApplication::focusWidget(); }
    // F1 in the reel box; the list takes its first row (or the row whose
    // supplier begins with `supplier`) and reports the reels it offered
    // (reel, supplier, rate).
    QStringList lookUpReel(const QString &typed, const QString &supplier = QString());
    void lookUpProduct(const QString &name);
    // New, reel lookup, product, quantity: the entry up to Save.
    void enterBooking(const QString &qty);
    QString cell(int row, int column) const { return m_list->sheet()->CellText(row, column); }
    void fill(const QDate &from, const QDate &to, const QString &search = QString());
    static void book(const QString &code, const QString &reel, const QString &qty, const QString &amount,
                     const QString &date, int cancelled = 0, const QString &unit = QStringLiteral("TVM"));

    std::unique_ptr<ScopedScriptedUi> m_scripted;
    ScriptedUi &ui() { return m_scripted->ui; }
    QPointer<frmConsumptionMaster> m_master;
    QPointer<frmConsumption> m_list;
};

void TestConsumptionWindows::initTestCase()
{
    registerNewsprintWindows();
}

void TestConsumptionWindows::init()
{
    connectAndReset();
    setClerkContext();
    reelfixture::clear();
    fixClock(QDateTime(QDate(2024, 6, 10), QTime(9, 30, 0)));
    m_scripted = std::make_unique<ScopedScriptedUi>();
    reelfixture::add({QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("500")});
    Reel other{QStringLiteral("N0000002"), QStringLiteral("R200"), QStringLiteral("300")};
    other.supplier = QStringLiteral("441200002");
    other.rate = QStringLiteral("40.00");
    reelfixture::add(other);
}

void TestConsumptionWindows::cleanup()
{
    frmListView::setTestDriver({});
    WindowRegistry::instance().unloadAll();
    m_scripted.reset();
    releaseClock();
    reelfixture::clear();
}

frmConsumptionMaster *TestConsumptionWindows::openMaster(const QString &selected)
{
    gSelectedCode = selected;
    m_master =
        qobject_cast<frmConsumptionMaster *>(WindowRegistry::instance().open(QStringLiteral("frmConsumptionMaster")));
    if (m_master && !QTest::qWaitForWindowActive(m_master))
        qWarning("consumption window not active");
    return m_master;
}

frmConsumption *TestConsumptionWindows::openList()
{
    m_list = qobject_cast<frmConsumption *>(WindowRegistry::instance().open(QStringLiteral("frmConsumption")));
    if (m_list && !QTest::qWaitForWindowActive(m_list))
        qWarning("list not active");
    return m_list;
}

void TestConsumptionWindows::press(Qt::Key key)
{
    QTest::keyClick(focus() ? focus() : m_master.data(), key);
}

void TestConsumptionWindows::type(const QString &text)
{
    QTest::keyClicks(focus(), text);
}

QStringList TestConsumptionWindows::lookUpReel(const QString &typed, const QString &supplier)
{
    QStringList offered;
    frmListView::setTestDriver([&](frmListView &lv) {
        for (int r = 1; !lv.cellText(r, 1).isEmpty(); ++r)
            offered << lv.cellText(r, 1) + u'/' + lv.cellText(r, 2) + u'/' + lv.cellText(r, 6);
        QTest::keyClicks(lv.searchBox(), supplier);
        QTest::keyClick(lv.searchBox(), Qt::Key_Return);
    });
    box("TxReelNo")->setFocus();
    if (!typed.isEmpty())
        QTest::keyClicks(box("TxReelNo"), typed);
    press(Qt::Key_F1);
    frmListView::setTestDriver({});
    return offered;
}

void TestConsumptionWindows::lookUpProduct(const QString &name)
{
    frmListView::setTestDriver([&](frmListView &lv) {
        QTest::keyClicks(lv.searchBox(), name);
        QTest::keyClick(lv.searchBox(), Qt::Key_Return);
    });
    box("TxProductCode")->setFocus();
    press(Qt::Key_F1);
    frmListView::setTestDriver({});
}

void TestConsumptionWindows::enterBooking(const QString &qty)
{
    press(Qt::Key_F2);
    lookUpReel(QString());
    press(Qt::Key_Return); // to the product
    lookUpProduct(QStringLiteral("Velmora Daily"));
    press(Qt::Key_Return); // to the quantity
    QCOMPARE(focus(), box("TxQty"));
    type(qty);
}

void TestConsumptionWindows::book(const QString &code, const QString &reel, const QString &qty, const QString &amount,
                                  const QString &date, int cancelled, const QString &unit)
{
    gConnection.execute(QStringLiteral("Insert into vstores_2024.inv_consumption(unit_code,cons_unit_code,comp_code,"
                                       "cons_no,cons_date,cons_pdt_code,cons_reel_no,cons_inv_no,cons_qty,cons_rate,"
                                       "cons_amt,cons_cancel_flag) Values(?,?,'01',?,?,'VDE',?,'N0000001',?,42.5,?,?)"),
                        {unit, unit, code, date, reel, qty, amount, cancelled});
}

// --- the consumption window ---

void TestConsumptionWindows::bookAgainstAvailable_data()
{
    QTest::addColumn<QString>("qty");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("shownQty");
    QTest::addColumn<QString>("remaining");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<int>("usedUp");
    const QString over = QStringLiteral("Consumed Quantity Could Be Greater Than Quantity Available in the Reel  ");
    QTest::newRow("the whole reel") << "500" << QStringList{} << "500.00"
                                    << "0.00"
                                    << "21250.00" << 1;
    QTest::newRow("all but 0.01 kg") << "499.99" << QStringList{} << "499.99"
                                     << "0.01"
                                     << "21249.58" << 0;
    QTest::newRow("more than the reel holds") << "600" << QStringList{over} << "500.00"
                                              << "0.00"
                                              << "21250.00" << 1;
}

void TestConsumptionWindows::bookAgainstAvailable()
{
    QFETCH(QString, qty);
    QFETCH(QStringList, messages);
    QFETCH(QString, shownQty);
    QFETCH(QString, remaining);
    QFETCH(QString, amount);
    QFETCH(int, usedUp);
    openMaster(QString());
    enterBooking(qty);
    QCOMPARE(ui().texts(), messages);
    if (!messages.isEmpty()) {
        QCOMPARE(int(ui().shown.last().icon), int(MsgIcon::Critical));
        QCOMPARE(focus(), box("TxUnitCode"));
    }
    QCOMPARE(box("TxQty")->text(), shownQty);
    QCOMPARE(box("TxQtyAvail")->text(), remaining);
    QCOMPARE(box("TxAmount")->text(), amount);
    press(Qt::Key_F5);
    QCOMPARE(ui().texts(), messages);
    QCOMPARE(button("CmNew")->text(), QStringLiteral("New - F2"));
    QCOMPARE(box("TxConsumptionCode")->text(), QStringLiteral("C0000001"));
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R100")), usedUp);
    QCOMPARE(GetFirstValue(QStringLiteral("Select concat_ws('|',cons_no,cons_reel_no,cons_inv_no,cons_pdt_code,"
                                          "cons_unit_code,cons_qty,cons_rate,cons_amt,cons_date) from "
                                          "vstores_2024.inv_consumption")),
             QStringLiteral("C0000001|R100|N0000001|VDE|TVM|%1|42.50|%2|2024-06-10")
                 .arg(Decimal::fromText(shownQty).toText(3), amount));
}

void TestConsumptionWindows::bookUntilUsedUpThenLookupDropsReel()
{
    openMaster(QString());
    enterBooking(QStringLiteral("200"));
    press(Qt::Key_F5);
    enterBooking(QStringLiteral("300"));
    QCOMPARE(box("TxQtyAvail")->text(), QStringLiteral("0.00"));
    press(Qt::Key_F5);
    QCOMPARE(ui().texts(), QStringList());
    QCOMPARE(box("TxConsumptionCode")->text(), QStringLiteral("C0000002"));
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R100")), 1);
    // The used-up reel is offered no more; the other one still is.
    press(Qt::Key_F2);
    QCOMPARE(lookUpReel(QString()), QStringList{QStringLiteral("R200/Hindustan Paper Traders/40.00")});
}

void TestConsumptionWindows::reelLookupFindsNothing()
{
    openMaster(QString());
    press(Qt::Key_F2);
    lookUpReel(QString());
    QCOMPARE(box("TxSupplierName")->text(), QStringLiteral("Kerala Newsprint Mills"));
    box("TxReelNo")->clear();
    QCOMPARE(lookUpReel(QStringLiteral("Z9")), QStringList());
    for (const char *name :
         {"TxReelNo", "TxSupplierName", "TxBrandName", "TxGSM", "TxReelType", "TxRate", "TxQtyAvail"})
        QVERIFY2(box(name)->text().isEmpty(), name);
    QCOMPARE(m_master->reelTag(), QString());
    press(Qt::Key_Return);
    QCOMPARE(ui().texts(), QStringList{QStringLiteral("Please Enter the Reel No. Correctly.  ")});
    QCOMPARE(focus(), box("TxReelNo"));
}

void TestConsumptionWindows::typingOverLookedUpReel()
{
    openMaster(QString());
    enterBooking(QStringLiteral("100"));
    QCOMPARE(m_master->reelTag(), QStringLiteral("N0000001"));
    box("TxReelNo")->setFocus();
    press(Qt::Key_End);
    type(QStringLiteral("X"));
    QCOMPARE(box("TxReelNo")->text(), QStringLiteral("R100X"));
    QCOMPARE(m_master->reelTag(), QString());
    QCOMPARE(box("TxSupplierName")->text(), QString());
    QCOMPARE(box("TxQtyAvail")->text(), QStringLiteral("0.00"));
    press(Qt::Key_F5);
    QCOMPARE(ui().texts(), QStringList{QStringLiteral("Please Enter the Reel No. Correctly.  ")});
    QCOMPARE(focus(), box("TxReelNo"));
    QCOMPARE(button("CmNew")->text(), QStringLiteral("Save - F5"));
    QCOMPARE(GetFirstValue(QStringLiteral("Select count(*) from vstores_2024.inv_consumption")), QStringLiteral("0"));
    // A fresh lookup makes the entry savable again.
    box("TxReelNo")->clear();
    lookUpReel(QStringLiteral("R100"));
    box("TxQty")->setFocus();
    type(QStringLiteral("100"));
    press(Qt::Key_F5);
    QCOMPARE(ui().texts().size(), 1);
    QCOMPARE(reelfixture::booked(QStringLiteral("N0000001"), QStringLiteral("R100")), QStringLiteral("100.000"));
}

void TestConsumptionWindows::otherClerkBookedMeanwhile()
{
    openMaster(QString());
    enterBooking(QStringLiteral("100"));
    QCOMPARE(box("TxQtyAvail")->text(), QStringLiteral("400.00"));
    // Another workstation books 450 kg of the same reel and takes the shown code.
    gConnection.execute(QStringLiteral("Insert into vstores_2024.inv_consumption(unit_code,comp_code,cons_no,"
                                       "cons_reel_no,cons_inv_no,cons_qty) Values('TVM','01','C0000001','R100',"
                                       "'N0000001',450)"));
    gConnection.execute(
        QStringLiteral("Update vstores_2024.numbersetup set no_value='C0000002' where no_id='CN_01_TVM'"));
    const QString over = QStringLiteral("Consumed Quantity Could Be Greater Than Quantity Available in the Reel  ");
    press(Qt::Key_F5);
    QCOMPARE(ui().texts(), QStringList{over});
    // The typed quantity stays; the box beside it shows what the reel holds now.
    QCOMPARE(box("TxQty")->text(), QStringLiteral("100.00"));
    QCOMPARE(box("TxQtyAvail")->text(), QStringLiteral("50.00"));
    QCOMPARE(focus(), box("TxQty"));
    QCOMPARE(button("CmNew")->text(), QStringLiteral("Save - F5"));
    // Saving again without mending it is refused again: nothing untyped is stored.
    press(Qt::Key_F5);
    QCOMPARE(ui().texts(), (QStringList{over, over}));
    QCOMPARE(box("TxQty")->text(), QStringLiteral("100.00"));
    QCOMPARE(reelfixture::booked(QStringLiteral("N0000001"), QStringLiteral("R100")), QStringLiteral("450.000"));
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R100")), 0);
    type(QStringLiteral("50"));
    QCOMPARE(box("TxQtyAvail")->text(), QStringLiteral("0.00"));
    press(Qt::Key_F5);
    QCOMPARE(ui().texts().size(), 2);
    QCOMPARE(box("TxConsumptionCode")->text(), QStringLiteral("C0000002"));
    QCOMPARE(reelfixture::booked(QStringLiteral("N0000001"), QStringLiteral("R100")), QStringLiteral("500.000"));
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R100")), 1);
}

void TestConsumptionWindows::editDuringNewEntryIsReported()
{
    openMaster(QString());
    enterBooking(QStringLiteral("100"));
    press(Qt::Key_F3);
    QVERIFY(m_master->editMode());
    QVERIFY(!box("TxQty")->isEnabled());
    press(Qt::Key_F5);
    QCOMPARE(ui().texts(), QStringList{QStringLiteral("Nothing was changed: the consumption was not found.   ")});
    QCOMPARE(button("CmNew")->text(), QStringLiteral("Save - F5"));
    QCOMPARE(GetFirstValue(QStringLiteral("Select count(*) from vstores_2024.inv_consumption")), QStringLiteral("0"));
}

void TestConsumptionWindows::editLoadedBooking()
{
    book(QStringLiteral("C0000009"), QStringLiteral("R100"), QStringLiteral("120"), QStringLiteral("5100"),
         QStringLiteral("2024-06-01"));
    openMaster(QStringLiteral("C0000009"));
    m_master->CmCancel_Click();
    QCOMPARE(box("TxConsumptionCode")->text(), QStringLiteral("C0000009"));
    QCOMPARE(box("TxSupplierName")->text(), QStringLiteral("Kerala Newsprint Mills"));
    QCOMPARE(box("TxProductName")->text(), QStringLiteral("Velmora Daily Edition"));
    QCOMPARE(box("TxQty")->text(), QStringLiteral("120.000"));
    QCOMPARE(box("TxAmount")->text(), QStringLiteral("5100.00"));
    QCOMPARE(box("TxUnitName")->text(), QStringLiteral("Thiruvananthapuram"));
    QVERIFY(!box("TxQty")->isEnabled());
    press(Qt::Key_F3);
    lookUpProduct(QStringLiteral("Velmora Sports"));
    box("TxRate")->setFocus();
    type(QStringLiteral("99"));
    press(Qt::Key_F5);
    QCOMPARE(ui().texts(), QStringList());
    QVERIFY(!m_master->editMode());
    QCOMPARE(button("CmNew")->text(), QStringLiteral("New - F2"));
    QCOMPARE(GetFirstValue(QStringLiteral("Select concat_ws('|',cons_pdt_code,cons_qty,cons_rate,cons_amt,"
                                          "modified_by) from vstores_2024.inv_consumption")),
             QStringLiteral("VSP|120.000|42.50|5100.00|2"));
    // The window shows the booking as stored: the rate typed in the edit is gone.
    QStringList shown;
    for (const char *name : {"TxConsumptionCode", "TxProductCode", "TxProductName", "TxQty", "TxRate", "TxAmount"})
        shown << box(name)->text();
    QCOMPARE(shown.join(u'|'), QStringLiteral("C0000009|VSP|Velmora Sports|120.000|42.50|5100.00"));
}

void TestConsumptionWindows::editStandsWhenItsReadingFails()
{
    book(QStringLiteral("C0000009"), QStringLiteral("R100"), QStringLiteral("120"), QStringLiteral("5100"),
         QStringLiteral("2024-06-01"));
    openMaster(QStringLiteral("C0000009"));
    m_master->CmCancel_Click();
    press(Qt::Key_F3);
    lookUpProduct(QStringLiteral("Velmora Sports"));
    // The booking's reading needs the reel types; the save does not.
    gConnection.execute("Rename table vstores_2024.inv_reeltype to vstores_2024.inv_reeltype_away");
    const auto restore = qScopeGuard(
        [] { gConnection.execute("Rename table vstores_2024.inv_reeltype_away to vstores_2024.inv_reeltype"); });
    press(Qt::Key_F5);
    QCOMPARE(ui().shown.size(), 1);
    QVERIFY2(ui().lastText().startsWith(QStringLiteral("The consumption is saved, but it could not be read back: ")),
             qPrintable(ui().lastText()));
    QCOMPARE(ui().shown.last().icon, MsgIcon::Information);
    QVERIFY(!m_master->editMode());
    QCOMPARE(button("CmNew")->text(), QStringLiteral("New - F2"));
    QCOMPARE(GetFirstValue(QStringLiteral("Select concat_ws('|',cons_pdt_code,modified_by) from "
                                          "vstores_2024.inv_consumption")),
             QStringLiteral("VSP|2"));
}

void TestConsumptionWindows::cancelledNewEditsNothingBookedElsewhere()
{
    // A booking started here and cancelled; another station then books under
    // the code this window read at New.
    openMaster(QString());
    enterBooking(QStringLiteral("100"));
    press(Qt::Key_F8);
    QCOMPARE(box("TxConsumptionCode")->text(), QStringLiteral("C0000001"));
    Database other(QStringLiteral("other-workstation"));
    openTestDatabase(other);
    ConsumptionStore theirs(other, {DbName("vstores_2024"), DbName("vacc_2024"), QStringLiteral("01"),
                                    QStringLiteral("TVM"), 3});
    const ConsumptionEntry e = reelfixture::booking(QStringLiteral("N0000002"), QStringLiteral("R200"), "50", "40",
                                                    QDate(2024, 6, 5), QStringLiteral("VSP"));
    const SaveNewResult r = theirs.saveNew(e);
    QCOMPARE(int(r.outcome), int(SaveNewResult::Saved));
    QCOMPARE(r.code, QStringLiteral("C0000001"));
    other.close();
    const QString stored = QStringLiteral("Select concat_ws('|',cons_no,cons_date,cons_pdt_code,cons_unit_code,"
                                          "cons_reel_no,cons_qty,ifnull(modified_by,'-')) from "
                                          "vstores_2024.inv_consumption");
    QCOMPARE(GetFirstValue(stored), QStringLiteral("C0000001|2024-06-05|VSP|TVM|R200|50.000|-"));

    press(Qt::Key_F3);
    press(Qt::Key_F5);
    QCOMPARE(ui().texts(), QStringList{QStringLiteral("Nothing was changed: the consumption was not found.   ")});
    QCOMPARE(GetFirstValue(stored), QStringLiteral("C0000001|2024-06-05|VSP|TVM|R200|50.000|-"));
}

void TestConsumptionWindows::unitBoxKeys()
{
    openMaster(QString());
    press(Qt::Key_F2);
    QCOMPARE(box("TxUnitCode")->text(), QStringLiteral("TVM"));
    box("TxUnitCode")->setFocus();
    press(Qt::Key_Delete);
    QCOMPARE(box("TxUnitCode")->text(), QString());
    QCOMPARE(box("TxUnitName")->text(), QString());
    press(Qt::Key_Return);
    QCOMPARE(ui().texts(), QStringList{QStringLiteral("Please Select the Unit.   ")});
    QCOMPARE(focus(), box("TxUnitCode"));
    QStringList offered;
    frmListView::setTestDriver([&](frmListView &lv) {
        for (int r = 1; !lv.cellText(r, 2).isEmpty(); ++r)
            offered << lv.cellText(r, 2);
        QTest::keyClicks(lv.searchBox(), QStringLiteral("Kott"));
        QTest::keyClick(lv.searchBox(), Qt::Key_Return);
    });
    press(Qt::Key_F1);
    QCOMPARE(offered, (QStringList{"Thiruvananthapuram", "Corporate Office", "Kottayam"}));
    QCOMPARE(box("TxUnitCode")->text(), QStringLiteral("KTM"));
    QCOMPARE(box("TxUnitName")->text(), QStringLiteral("Kottayam"));
    press(Qt::Key_Return);
    QCOMPARE(focus(), box("TxQty"));
}

void TestConsumptionWindows::quantityBelowOneKg_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("remaining");
    QTest::newRow("0.01") << "0.01"
                          << "0.01"
                          << "499.99";
    QTest::newRow("0.5") << "0.5"
                         << "0.50"
                         << "499.50";
    QTest::newRow(".75") << ".75"
                         << "0.75"
                         << "499.25";
    QTest::newRow("12.5") << "12.5"
                          << "12.50"
                          << "487.50";
}

void TestConsumptionWindows::quantityBelowOneKg()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, remaining);
    openMaster(QString());
    enterBooking(typed);
    QCOMPARE(box("TxQty")->text(), shown);
    QCOMPARE(box("TxQtyAvail")->text(), remaining);
    QCOMPARE(ui().texts(), QStringList());
    press(Qt::Key_F5);
    QCOMPARE(ui().texts(), QStringList());
    QCOMPARE(reelfixture::booked(QStringLiteral("N0000001"), QStringLiteral("R100")),
             Decimal::fromText(shown).toText(3));
}

void TestConsumptionWindows::fixedFrameInTheMainArea()
{
    QMdiArea area;
    area.resize(1400, 1000);
    area.show();
    WindowRegistry::instance().setArea(&area);
    openMaster(QString());
    auto *sub = qobject_cast<QMdiSubWindow *>(m_master->parentWidget());
    QVERIFY(sub);
    QVERIFY(!(sub->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(sub->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(sub->windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(sub->minimumSize(), sub->maximumSize());
    QCOMPARE(m_master->minimumSize(), m_master->maximumSize());
    const QSize before = sub->size();
    sub->showMaximized();
    QCOMPARE(sub->size(), before);
    WindowRegistry::instance().unloadAll();
    WindowRegistry::instance().setArea(nullptr);
}

void TestConsumptionWindows::selectOnEntry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("selects");
    for (const char *n : {"TxReelNo", "TxProductCode", "TxQty", "TxRate", "TxUnitCode"})
        QTest::newRow(n) << QString::fromLatin1(n) << true;
    for (const char *n : {"TxSupplierName", "TxBrandName", "TxGSM", "TxReelType", "TxProductName", "TxQtyAvail",
                          "TxUnitName"})
        QTest::newRow(n) << QString::fromLatin1(n) << false;
}

void TestConsumptionWindows::selectOnEntry()
{
    QFETCH(QString, name);
    QFETCH(bool, selects);
    openMaster(QString());
    enterBooking(QStringLiteral("100"));
    QLineEdit *b = m_master->findChild<QLineEdit *>(name);
    QVERIFY(b);
    QVERIFY(!b->text().isEmpty());
    button("CmNew")->setFocus();
    b->setCursorPosition(0);
    b->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
    QCOMPARE(focus(), b);
    QCOMPARE(b->selectedText(), selects ? b->text() : QString());
}

void TestConsumptionWindows::reelBoxHoldsItsColumn()
{
    openMaster(QString());
    press(Qt::Key_F2);
    box("TxReelNo")->setFocus();
    type(QString(60, u'R'));
    QCOMPARE(box("TxReelNo")->text(), QString(40, u'R'));
}

// --- the list ---

void TestConsumptionWindows::fill(const QDate &from, const QDate &to, const QString &search)
{
    m_list->findChild<QDateEdit *>(QStringLiteral("DtFrom"))->setDate(from);
    m_list->findChild<QDateEdit *>(QStringLiteral("DtTo"))->setDate(to);
    auto *searchBox = m_list->findChild<QLineEdit *>(QStringLiteral("TxSearch"));
    searchBox->clear();
    QTest::keyClicks(searchBox, search);
    QTest::keyClick(searchBox, Qt::Key_F5);
}

void TestConsumptionWindows::listRowsAndTotal_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("rows"); // code|date|reel|qty|rate|amount|product|trans id
    QTest::addColumn<QString>("total");
    const QString a = QStringLiteral("C1|01-Jun-2024|R100|10.500|42.50|446.25|VDE|N0000001");
    const QString b = QStringLiteral("C2|05-Jun-2024|R200|20.000|42.50|850.10|VDE|N0000001");
    QTest::newRow("both valid bookings") << QDate(2024, 6, 1) << "" << QStringList{a, b} << "1296.35";
    QTest::newRow("search by reel") << QDate(2024, 6, 1) << "R2" << QStringList{b} << "850.10";
    QTest::newRow("nothing in range") << QDate(2024, 6, 6) << "" << QStringList{} << "0.00";
}

void TestConsumptionWindows::listRowsAndTotal()
{
    QFETCH(QDate, from);
    QFETCH(QString, search);
    QFETCH(QStringList, rows);
    QFETCH(QString, total);
    book(QStringLiteral("C1"), QStringLiteral("R100"), QStringLiteral("10.5"), QStringLiteral("446.25"),
         QStringLiteral("2024-06-01"));
    book(QStringLiteral("C2"), QStringLiteral("R200"), QStringLiteral("20"), QStringLiteral("850.10"),
         QStringLiteral("2024-06-05"));
    book(QStringLiteral("C3"), QStringLiteral("R100"), QStringLiteral("1"), QStringLiteral("42.50"),
         QStringLiteral("2024-06-03"), 1);
    book(QStringLiteral("C4"), QStringLiteral("R100"), QStringLiteral("1"), QStringLiteral("42.50"),
         QStringLiteral("2024-06-03"), 0, QStringLiteral("KTM"));
    openList();
    QCOMPARE(m_list->caption(), QStringLiteral("Consumption Details"));
    // A wider list first: the refill must leave nothing of it behind.
    fill(QDate(2024, 1, 1), QDate(2024, 12, 31));
    fill(from, QDate(2024, 6, 30), search);
    QStringList got;
    for (int r = 2; r < 2 + rows.size(); ++r) {
        QStringList cells;
        for (int c = 1; c <= 8; ++c)
            cells << cell(r, c);
        got << cells.join(u'|');
    }
    QCOMPARE(got, rows);
    const int totalRow = rows.size() + 3;
    QCOMPARE(cell(totalRow - 1, 1), QString());
    QCOMPARE(cell(totalRow, 1), QStringLiteral("Total"));
    QCOMPARE(cell(totalRow, 6), total);
    QCOMPARE(cell(totalRow, 4), QString());
    QVERIFY(m_list->sheet()->formatAt(totalRow, 1).bold);
    QCOMPARE(cell(totalRow + 1, 1), QString());
    QCOMPARE(cell(totalRow + 2, 1), QString());
}

void TestConsumptionWindows::onlyF5OrSearchFills()
{
    book(QStringLiteral("C1"), QStringLiteral("R100"), QStringLiteral("10"), QStringLiteral("425"),
         QStringLiteral("2024-06-10"));
    openList();
    auto *from = m_list->findChild<QDateEdit *>(QStringLiteral("DtFrom"));
    auto *to = m_list->findChild<QDateEdit *>(QStringLiteral("DtTo"));
    QCOMPARE(from->date(), QDate(2024, 6, 10));
    QCOMPARE(to->date(), QDate(2024, 6, 10));
    QCOMPARE(cell(3, 1), QString()); // no fill on opening
    from->setFocus();
    QTest::keyClick(focus(), Qt::Key_Return);
    QCOMPARE(focus(), static_cast<QWidget *>(to));
    QTest::keyClick(focus(), Qt::Key_Return);
    QCOMPARE(cell(2, 1), QString());
    QTest::mouseClick(m_list->findChild<QPushButton *>(QStringLiteral("CmSearch")), Qt::LeftButton);
    QCOMPARE(cell(2, 1), QStringLiteral("C1"));
    QCOMPARE(cell(4, 6), QStringLiteral("425.00"));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestConsumptionWindows::cancelRights_data()
{
    QTest::addColumn<QString>("userId");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("administrator") << "1" << true;
    QTest::newRow("user 608") << "608" << true;
    QTest::newRow("a clerk") << "2" << false;
    QTest::newRow("user 6080") << "6080" << false;
}

void TestConsumptionWindows::cancelRights()
{
    QFETCH(QString, userId);
    QFETCH(bool, allowed);
    book(QStringLiteral("C1"), QStringLiteral("R100"), QStringLiteral("500"), QStringLiteral("21250"),
         QStringLiteral("2024-06-10"));
    gConnection.execute(QStringLiteral("Update vstores_2024.inv_invoice_trans set invtrans_util_flag=1 where "
                                       "invtrans_reel_no='R100'"));
    gUserId = userId;
    openList();
    fill(QDate(2024, 6, 10), QDate(2024, 6, 10));
    m_list->sheet()->SetActiveCell(2, 1);
    ui().answers.enqueue(MsgAnswer::Yes);
    QTest::mouseClick(m_list->findChild<QPushButton *>(QStringLiteral("CmDelete")), Qt::LeftButton);
    if (allowed) {
        QCOMPARE(ui().texts(),
                 (QStringList{QStringLiteral("Are you sure you want to Cancel the Consumption"),
                              QStringLiteral("Consumption Cancelled")}));
        QCOMPARE(cell(2, 1), QString());
        QCOMPARE(cell(3, 1), QStringLiteral("Total"));
    } else {
        QCOMPARE(ui().texts(), QStringList{QStringLiteral("You Are Not Allowed to Perform This Task.   ")});
        QCOMPARE(int(ui().shown.last().icon), int(MsgIcon::Critical));
        QCOMPARE(cell(2, 1), QStringLiteral("C1"));
    }
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R100")), allowed ? 0 : 1);
    QCOMPARE(reelfixture::booked(QStringLiteral("N0000001"), QStringLiteral("R100")),
             allowed ? QString() : QStringLiteral("500.000"));
}

void TestConsumptionWindows::cancelRowKinds_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("booked");
    const QString ask = QStringLiteral("Are you sure you want to Cancel the Consumption");
    const QString pick = QStringLiteral("Please Select the Consumption to Cancel.   ");
    QTest::newRow("data row, Yes") << 2 << int(MsgAnswer::Yes)
                                   << QStringList{ask, QStringLiteral("Consumption Cancelled")} << "";
    QTest::newRow("data row, No") << 2 << int(MsgAnswer::No) << QStringList{ask} << "100.000";
    QTest::newRow("heading row") << 1 << int(MsgAnswer::Yes) << QStringList{pick} << "100.000";
    QTest::newRow("empty row") << 3 << int(MsgAnswer::Yes) << QStringList{pick} << "100.000";
    QTest::newRow("total row") << 4 << int(MsgAnswer::Yes) << QStringList{pick} << "100.000";
}

void TestConsumptionWindows::cancelRowKinds()
{
    QFETCH(int, row);
    QFETCH(int, answer);
    QFETCH(QStringList, messages);
    QFETCH(QString, booked);
    book(QStringLiteral("C1"), QStringLiteral("R100"), QStringLiteral("100"), QStringLiteral("4250"),
         QStringLiteral("2024-06-10"));
    gUserId = kAdminUserId;
    openList();
    fill(QDate(2024, 6, 10), QDate(2024, 6, 10));
    m_list->sheet()->SetActiveCell(row, 1);
    ui().answers.enqueue(MsgAnswer(answer));
    m_list->CmDelete_Click();
    QCOMPARE(ui().texts(), messages);
    QCOMPARE(reelfixture::booked(QStringLiteral("N0000001"), QStringLiteral("R100")), booked);
}

void TestConsumptionWindows::cancelAndRebookRoundTrip()
{
    // Book the whole reel, cancel one booking from the list, book it again.
    openMaster(QString());
    enterBooking(QStringLiteral("200"));
    press(Qt::Key_F5);
    enterBooking(QStringLiteral("300"));
    press(Qt::Key_F5);
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R100")), 1);

    gUserId = kAdminUserId;
    openList();
    fill(QDate(2024, 6, 10), QDate(2024, 6, 10));
    QCOMPARE(cell(2, 1), QStringLiteral("C0000001"));
    m_list->sheet()->SetActiveCell(2, 1);
    ui().answers.enqueue(MsgAnswer::Yes);
    m_list->CmDelete_Click();
    QCOMPARE(ui().lastText(), QStringLiteral("Consumption Cancelled"));
    QCOMPARE(cell(2, 1), QStringLiteral("C0000002"));
    QCOMPARE(cell(4, 6), QStringLiteral("12750.00"));
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R100")), 0);

    // The consumption window is still open: back to it for the next booking.
    WindowRegistry::instance().open(QStringLiteral("frmConsumptionMaster"));
    m_master->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_master));
    press(Qt::Key_F2);
    QCOMPARE(lookUpReel(QStringLiteral("R100")), QStringList{QStringLiteral("R100/Kerala Newsprint Mills/42.50")});
    QCOMPARE(box("TxQtyAvail")->text(), QStringLiteral("200.00"));
    QCOMPARE(m_master->qtyAvailTag(), QStringLiteral("200"));
    press(Qt::Key_Return);
    lookUpProduct(QStringLiteral("Velmora Weekly"));
    press(Qt::Key_Return);
    type(QStringLiteral("200"));
    press(Qt::Key_F5);
    QCOMPARE(box("TxConsumptionCode")->text(), QStringLiteral("C0000003"));
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R100")), 1);
    QCOMPARE(reelfixture::booked(QStringLiteral("N0000001"), QStringLiteral("R100")), QStringLiteral("500.000"));
}

void TestConsumptionWindows::doubleClickOpensBooking()
{
    book(QStringLiteral("C0000004"), QStringLiteral("R100"), QStringLiteral("75"), QStringLiteral("3187.50"),
         QStringLiteral("2024-06-10"));
    openList();
    fill(QDate(2024, 6, 10), QDate(2024, 6, 10));
    SheetView *view = m_list->sheetView();
    const QRect r = view->visualRect(m_list->sheet()->index(1, 2));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, r.center());
    m_master = WindowRegistry::instance().find<frmConsumptionMaster>(QStringLiteral("frmConsumptionMaster"));
    QVERIFY(m_master);
    QCOMPARE(gSelectedCode, QStringLiteral("C0000004"));
    QCOMPARE(box("TxConsumptionCode")->text(), QStringLiteral("C0000004"));
    QCOMPARE(box("TxQty")->text(), QStringLiteral("75.000"));
    QCOMPARE(button("CmNew")->text(), QStringLiteral("New - F2"));
    QVERIFY(!box("TxQty")->isEnabled());
}

QTEST_MAIN(TestConsumptionWindows)
#include "tst_db_consumptionwindows.moc"
