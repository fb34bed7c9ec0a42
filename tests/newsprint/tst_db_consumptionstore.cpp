#include "ConsumptionStore.h"
#include "ReelFixture.h"
#include "TestSupport.h"
#include "mdlVelmora.h"
#include <QAtomicInt>
#include <QTest>

using reelfixture::Reel;

// The consumption statements on the real database: what a booking may take
// from a reel, the used-up mark, codes, edits, loads, cancels and the list.
class TestConsumptionStore : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void bookingAgainstAvailable_data();
    void bookingAgainstAvailable();
    void savedRowAndCounter();
    void codeFollowsCounterMovedMeanwhile();
    void storedCodeSteppedOver();
    void reelNotAtPressRefused_data();
    void reelNotAtPressRefused();
    void concurrentBookingsNeverExceedWeight();
    void editMatchesOnlyStoredBooking_data();
    void editMatchesOnlyStoredBooking();
    void loadJoinsReelByInvoice();
    void readsTheYearsDatabaseWhateverTheConnection();
    void cancelAndRebookRoundTrip();
    void cancelOnlyValidBooking_data();
    void cancelOnlyValidBooking();
    void listRangeSearchAndValidity_data();
    void listRangeSearchAndValidity();
    void sharedIdsKeepReelsApart();
    void storeRefusesWhatTheWindowNeverSends_data();
    void storeRefusesWhatTheWindowNeverSends();

private:
    ConsumptionStore store() { return ConsumptionStore(gConnection, context()); }
    static ConsumptionContext context() { return {gInvDbName, gAcDbName, gCompCode, gUnitCode, 2}; }
    static ConsumptionEntry entry(const QString &transId, const QString &reelNo, const QString &qty)
    {
        return reelfixture::booking(transId, reelNo, qty, QStringLiteral("42.50"), QDate(2024, 6, 10));
    }
    static void book(const QString &code, const QString &transId, const QString &reelNo, const QString &qty,
                     int cancelled = 0, const QString &date = QStringLiteral("2024-06-01"),
                     const QString &unit = QStringLiteral("TVM"))
    {
        gConnection.execute(QStringLiteral("Insert into vstores_2024.inv_consumption(unit_code,cons_unit_code,"
                                           "comp_code,cons_no,cons_date,cons_pdt_code,cons_reel_no,cons_inv_no,"
                                           "cons_qty,cons_rate,cons_amt,cons_cancel_flag) Values(?,?,'01',?,?,'VDE',"
                                           "?,?,?,10,?*10,?)"),
                            {unit, unit, code, date, reelNo, transId, qty, qty, cancelled});
    }
    static QString counter()
    {
        return GetFirstValue(QStringLiteral("Select no_value from vstores_2024.numbersetup where no_id='CN_01_TVM'"));
    }
};

void TestConsumptionStore::initTestCase()
{
    connectAndReset();
}

void TestConsumptionStore::init()
{
    connectAndReset();
    setClerkContext();
    reelfixture::clear();
    fixClock(QDateTime(QDate(2024, 6, 10), QTime(11, 22, 33)));
}

void TestConsumptionStore::cleanup()
{
    releaseClock();
    reelfixture::clear();
}

void TestConsumptionStore::bookingAgainstAvailable_data()
{
    QTest::addColumn<QStringList>("earlier"); // quantities; a leading "x" marks a cancelled one
    QTest::addColumn<QString>("qty");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("available");
    QTest::addColumn<int>("usedUp");

    QTest::newRow("whole reel") << QStringList{} << "500" << int(SaveNewResult::Saved) << "500" << 1;
    QTest::newRow("leaves 0.01") << QStringList{} << "499.99" << int(SaveNewResult::Saved) << "500" << 0;
    QTest::newRow("leaves residue below 0.005")
        << QStringList{} << "499.996" << int(SaveNewResult::Saved) << "500" << 1;
    QTest::newRow("leaves exactly 0.005") << QStringList{} << "499.995" << int(SaveNewResult::Saved) << "500" << 0;
    QTest::newRow("rest after earlier bookings")
        << QStringList{"300", "150.5"} << "49.5" << int(SaveNewResult::Saved) << "49.5" << 1;
    QTest::newRow("beyond the rest") << QStringList{"300", "150.5"} << "49.501" << int(SaveNewResult::OverBooked)
                                     << "49.5" << 0;
    QTest::newRow("cancelled bookings give back")
        << QStringList{"x300", "150"} << "350" << int(SaveNewResult::Saved) << "350" << 1;
    QTest::newRow("used-up reel takes nothing")
        << QStringList{"500"} << "0.001" << int(SaveNewResult::OverBooked) << "0" << 0;
}

void TestConsumptionStore::bookingAgainstAvailable()
{
    QFETCH(QStringList, earlier);
    QFETCH(QString, qty);
    QFETCH(int, outcome);
    QFETCH(QString, available);
    QFETCH(int, usedUp);

    reelfixture::add({QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("500")});
    int n = 0;
    for (QString q : earlier) {
        const bool cancelled = q.startsWith(u'x');
        if (cancelled)
            q.remove(0, 1);
        book(QStringLiteral("OLD%1").arg(++n), QStringLiteral("N0000001"), QStringLiteral("R100"), q, cancelled);
    }
    const QString before = reelfixture::booked(QStringLiteral("N0000001"), QStringLiteral("R100"));

    const SaveNewResult r = store().saveNew(entry(QStringLiteral("N0000001"), QStringLiteral("R100"), qty));
    QCOMPARE(int(r.outcome), outcome);
    QCOMPARE(r.available, Decimal::fromText(available));
    QCOMPARE(int(r.usedUp), usedUp);
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R100")), usedUp);
    if (outcome == SaveNewResult::OverBooked) {
        QCOMPARE(reelfixture::booked(QStringLiteral("N0000001"), QStringLiteral("R100")), before);
        QCOMPARE(counter(), QStringLiteral("C0000001"));
    } else {
        QCOMPARE(Decimal::fromText(reelfixture::booked(QStringLiteral("N0000001"), QStringLiteral("R100"))),
                 Decimal::fromText(before) + Decimal::fromText(qty));
    }
}

void TestConsumptionStore::savedRowAndCounter()
{
    reelfixture::add({QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("500")});
    ConsumptionEntry e = entry(QStringLiteral(" N0000001 "), QStringLiteral(" R100 "), QStringLiteral("12.345"));
    e.consUnitCode = QStringLiteral(" KTM ");
    e.productCode = QStringLiteral("VWK ");
    const SaveNewResult r = store().saveNew(e);
    QCOMPARE(int(r.outcome), int(SaveNewResult::Saved));
    QCOMPARE(r.code, QStringLiteral("C0000001"));
    QCOMPARE(counter(), QStringLiteral("C0000002"));
    RecordSet rs = gConnection.query(QStringLiteral(
        "Select concat_ws('|',unit_code,cons_unit_code,comp_code,cons_no,cons_date,cons_pdt_code,cons_reel_no,"
        "cons_inv_no,cons_qty,cons_rate,cons_amt,cons_cancel_flag,created_by,created_date,created_time,"
        "ifnull(modified_by,'-')) from vstores_2024.inv_consumption"));
    QVERIFY(rs.next());
    QCOMPARE(rs.text(0),
             QStringLiteral("TVM|KTM|01|C0000001|2024-06-10|VWK|R100|N0000001|12.345|42.50|524.66|0|2|"
                            "2024/06/10|11:22:33|-"));
    QVERIFY(!rs.next());

    // A quantity whose amount lies beyond the range of the numbers is refused,
    // and nothing more is stored.
    ConsumptionEntry huge = entry(QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("99999999"));
    huge.rate = Decimal::fromText("99999");
    try {
        store().saveNew(huge);
        QFAIL("a wrapped amount was stored");
    } catch (const DbError &e) {
        QCOMPARE(e.serverText(), Decimal::overflowMessage());
    }
    QCOMPARE(gConnection.firstValue(QStringLiteral("Select count(*) from vstores_2024.inv_consumption")),
             QStringLiteral("1"));
    QCOMPARE(counter(), QStringLiteral("C0000002"));
}

void TestConsumptionStore::codeFollowsCounterMovedMeanwhile()
{
    // The clerk saw C0000001 at New; another workstation saved since.
    reelfixture::add({QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("500")});
    book(QStringLiteral("C0000001"), QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("10"));
    gConnection.execute(
        QStringLiteral("Update vstores_2024.numbersetup set no_value='C0000002' where no_id='CN_01_TVM'"));
    const SaveNewResult r =
        store().saveNew(entry(QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("10")));
    QCOMPARE(int(r.outcome), int(SaveNewResult::Saved));
    QCOMPARE(r.code, QStringLiteral("C0000002"));
    QCOMPARE(counter(), QStringLiteral("C0000003"));
}

void TestConsumptionStore::storedCodeSteppedOver()
{
    // A counter left behind the stored codes: the save takes the next free
    // code and the series moves past it.
    reelfixture::add({QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("500")});
    book(QStringLiteral("C0000001"), QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("10"));
    const SaveNewResult r =
        store().saveNew(entry(QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("490")));
    QCOMPARE(int(r.outcome), int(SaveNewResult::Saved));
    QCOMPARE(r.code, QStringLiteral("C0000002"));
    QCOMPARE(counter(), QStringLiteral("C0000003"));
    QCOMPARE(reelfixture::booked(QStringLiteral("N0000001"), QStringLiteral("R100")), QStringLiteral("500.000"));
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R100")), 1);
}

void TestConsumptionStore::reelNotAtPressRefused_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("consFlag");
    QTest::addColumn<QString>("comp");
    QTest::addColumn<QString>("transId");
    QTest::newRow("lies in another unit") << "KTM" << 1 << "01"
                                          << "N0000001";
    QTest::newRow("still in the godown") << "TVM" << 0 << "01"
                                         << "N0000001";
    QTest::newRow("another company's reel") << "TVM" << 1 << "02"
                                            << "N0000001";
    QTest::newRow("number on another invoice") << "TVM" << 1 << "01"
                                               << "N0000009";
}

void TestConsumptionStore::reelNotAtPressRefused()
{
    QFETCH(QString, unit);
    QFETCH(int, consFlag);
    QFETCH(QString, comp);
    QFETCH(QString, transId);
    Reel reel{QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("500")};
    reel.unit = unit;
    reel.consFlag = consFlag;
    reel.comp = comp;
    reelfixture::add(reel);
    const SaveNewResult r = store().saveNew(entry(transId, QStringLiteral("R100"), QStringLiteral("10")));
    QCOMPARE(int(r.outcome), int(SaveNewResult::NoSuchReel));
    QCOMPARE(GetFirstValue(QStringLiteral("Select count(*) from vstores_2024.inv_consumption")), QStringLiteral("0"));
    QCOMPARE(counter(), QStringLiteral("C0000001"));
}

void TestConsumptionStore::concurrentBookingsNeverExceedWeight()
{
    // Clerks on their own connections book 30 kg each from a 100 kg reel at
    // the same moment, again and again: three bookings fit, no more.
    reelfixture::add({QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("100")});
    const ConsumptionContext ctx = context();
    const ConsumptionEntry e = entry(QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("30"));
    QAtomicInt saved = 0;
    QAtomicInt usedUp = 0;
    const QStringList errors = onStations(4, [&](Database &db, int) {
        ConsumptionStore s(db, ctx);
        for (int t = 0; t < 4; ++t) {
            const SaveNewResult r = s.saveNew(e);
            if (r.outcome == SaveNewResult::Saved) {
                saved.fetchAndAddOrdered(1);
                if (r.usedUp)
                    usedUp.fetchAndAddOrdered(1);
            }
        }
    });
    QCOMPARE(errors, QStringList());
    QCOMPARE(saved.loadAcquire(), 3);
    QCOMPARE(usedUp.loadAcquire(), 0);
    QCOMPARE(reelfixture::booked(QStringLiteral("N0000001"), QStringLiteral("R100")), QStringLiteral("90.000"));
    QCOMPARE(GetFirstValue(QStringLiteral("Select count(distinct cons_no) from vstores_2024.inv_consumption")),
             QStringLiteral("3"));
    QCOMPARE(counter(), QStringLiteral("C0000004"));
}

void TestConsumptionStore::editMatchesOnlyStoredBooking_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("unit"); // the clerk's unit
    QTest::addColumn<qint64>("matched");
    QTest::newRow("stored booking") << "C0000007"
                                    << "TVM" << qint64(1);
    QTest::newRow("code typed with blanks") << " C0000007 "
                                            << "TVM" << qint64(1);
    QTest::newRow("code never saved") << "C0000008"
                                      << "TVM" << qint64(0);
    QTest::newRow("booking of another unit") << "C0000007"
                                             << "KTM" << qint64(0);
}

void TestConsumptionStore::editMatchesOnlyStoredBooking()
{
    QFETCH(QString, code);
    QFETCH(QString, unit);
    QFETCH(qint64, matched);
    reelfixture::add({QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("500")});
    book(QStringLiteral("C0000007"), QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("25"));
    gUnitCode = unit;
    QCOMPARE(store().saveEdit(code, QDate(2024, 7, 1), QStringLiteral("VSP"), QStringLiteral("KTM ")), matched);
    const QString row = GetFirstValue(QStringLiteral(
        "Select concat_ws('|',cons_date,cons_pdt_code,cons_unit_code,cons_qty,cons_amt,ifnull(modified_by,'-'),"
        "ifnull(modified_date,'-')) from vstores_2024.inv_consumption"));
    QCOMPARE(row,
             matched ? QStringLiteral("2024-07-01|VSP|KTM|25.000|250.00|2|2024/06/10")
                     : QStringLiteral("2024-06-01|VDE|TVM|25.000|250.00|-|-"));
}

void TestConsumptionStore::loadJoinsReelByInvoice()
{
    // One reel number on two invoices of two suppliers.
    Reel first{QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("500")};
    Reel second{QStringLiteral("N0000002"), QStringLiteral("R100"), QStringLiteral("400")};
    second.supplier = QStringLiteral("441200002");
    reelfixture::add(first);
    reelfixture::add(second);
    gConnection.execute(QStringLiteral("Update vstores_2024.inv_invoice_trans set invtrans_gsm='GSM0002',"
                                       "invtrans_reel_type='RT0002' where invtrans_id='N0000002'"));
    book(QStringLiteral("C0000005"), QStringLiteral("N0000002"), QStringLiteral("R100"), QStringLiteral("12.5"), 1);
    const std::optional<ConsumptionRecord> r = store().loadRecord(QStringLiteral("C0000005"));
    QVERIFY(r);
    QCOMPARE(r->supplierName, QStringLiteral("Hindustan Paper Traders"));
    QCOMPARE(r->gsmName, QStringLiteral("48.8 GSM"));
    QCOMPARE(r->reelTypeName, QStringLiteral("Half Reel"));
    QCOMPARE(r->brandName, QStringLiteral("Kerala Newsprint"));
    QCOMPARE(r->productName, QStringLiteral("Velmora Daily Edition"));
    QCOMPARE(r->transId, QStringLiteral("N0000002"));
    QCOMPARE(r->qty.toText(3), QStringLiteral("12.500"));
    QCOMPARE(r->date, QDate(2024, 6, 1));
    QVERIFY(r->cancelled);
    QVERIFY(!store().loadRecord(QStringLiteral("C0000006")));
}

void TestConsumptionStore::readsTheYearsDatabaseWhateverTheConnection()
{
    // The connection stays on the start-up year (2023, without GSM grades or
    // reel types); the clerk works in 2024, whose masters must be read.
    reelfixture::add({QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("500")});
    book(QStringLiteral("C0000001"), QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("20"));
    openTestDatabase(gConnection, QStringLiteral("vstores_2023"));
    QVariantList values;
    RecordSet rs = gConnection.query(store().reelLookupQuery(QStringLiteral(" r1 "), &values), values);
    QVERIFY(rs.next());
    QCOMPARE(rs.text(QStringLiteral("gsm_name")), QStringLiteral("45 GSM"));
    QCOMPARE(rs.text(QStringLiteral("reeltype_name")), QStringLiteral("Full Reel"));
    QCOMPARE(rs.text(QStringLiteral("ac_name")), QStringLiteral("Kerala Newsprint Mills"));
    QVERIFY(!rs.next());
    rs.close();
    const std::optional<ConsumptionRecord> r = store().loadRecord(QStringLiteral("C0000001"));
    QVERIFY(r);
    QCOMPARE(r->gsmName, QStringLiteral("45 GSM"));
    QCOMPARE(store().available(QStringLiteral("R100"), QStringLiteral("N0000001")), Decimal::fromInt(480));
}

void TestConsumptionStore::cancelAndRebookRoundTrip()
{
    reelfixture::add({QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("500")});
    ConsumptionStore s = store();
    const SaveNewResult a = s.saveNew(entry(QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("200")));
    const SaveNewResult b = s.saveNew(entry(QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("300")));
    QVERIFY(b.usedUp);
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R100")), 1);

    QVERIFY(s.cancel(a.code, QStringLiteral("R100"), QStringLiteral("N0000001")));
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R100")), 0);
    QCOMPARE(s.available(QStringLiteral("R100"), QStringLiteral("N0000001")), Decimal::fromInt(200));
    QVERIFY(!s.cancel(a.code, QStringLiteral("R100"), QStringLiteral("N0000001"))); // already cancelled

    const SaveNewResult c = s.saveNew(entry(QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("200")));
    QCOMPARE(int(c.outcome), int(SaveNewResult::Saved));
    QCOMPARE(c.code, QStringLiteral("C0000003"));
    QVERIFY(c.usedUp);
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R100")), 1);
    QCOMPARE(reelfixture::booked(QStringLiteral("N0000001"), QStringLiteral("R100")), QStringLiteral("500.000"));
}

void TestConsumptionStore::cancelOnlyValidBooking_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("reel");
    QTest::addColumn<QString>("transId");
    QTest::addColumn<bool>("cancelled");
    QTest::newRow("the booking") << "C0000001"
                                 << "R100"
                                 << "N0000001" << true;
    QTest::newRow("heading row") << "Code"
                                 << "Material Name"
                                 << "" << false;
    QTest::newRow("total row") << "Total"
                               << ""
                               << "" << false;
    QTest::newRow("empty row") << ""
                               << ""
                               << "" << false;
    QTest::newRow("other reel's number") << "C0000001"
                                         << "R200"
                                         << "N0000001" << false;
    QTest::newRow("booking of another unit") << "K0000001"
                                             << "R100"
                                             << "N0000001" << false;
}

void TestConsumptionStore::cancelOnlyValidBooking()
{
    QFETCH(QString, code);
    QFETCH(QString, reel);
    QFETCH(QString, transId);
    QFETCH(bool, cancelled);
    reelfixture::add({QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("100")});
    reelfixture::add({QStringLiteral("N0000001"), QStringLiteral("R200"), QStringLiteral("100")});
    book(QStringLiteral("C0000001"), QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("60"));
    book(QStringLiteral("K0000001"), QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("40"), 0,
         QStringLiteral("2024-06-01"), QStringLiteral("KTM"));
    gConnection.execute(QStringLiteral("Update vstores_2024.inv_invoice_trans set invtrans_util_flag=1"));

    QCOMPARE(store().cancel(code, reel, transId), cancelled);
    QCOMPARE(reelfixture::booked(QStringLiteral("N0000001"), QStringLiteral("R100")),
             cancelled ? QStringLiteral("40.000") : QStringLiteral("100.000"));
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R100")), cancelled ? 0 : 1);
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R200")), 1);
}

void TestConsumptionStore::listRangeSearchAndValidity_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("codes");
    QTest::newRow("whole range") << QDate(2024, 6, 1) << QDate(2024, 6, 30) << ""
                                 << "C1,C2,C4";
    QTest::newRow("one day") << QDate(2024, 6, 2) << QDate(2024, 6, 2) << ""
                             << "C2";
    QTest::newRow("search inside the number") << QDate(2024, 6, 1) << QDate(2024, 6, 30) << "77"
                                              << "C2,C4";
    QTest::newRow("search is not trimmed") << QDate(2024, 6, 1) << QDate(2024, 6, 30) << " 77"
                                           << "";
    QTest::newRow("wrong way round") << QDate(2024, 6, 30) << QDate(2024, 6, 1) << ""
                                     << "";
}

void TestConsumptionStore::listRangeSearchAndValidity()
{
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, search);
    QFETCH(QString, codes);
    book(QStringLiteral("C1"), QStringLiteral("N1"), QStringLiteral("A100"), QStringLiteral("1"), 0,
         QStringLiteral("2024-06-01"));
    book(QStringLiteral("C2"), QStringLiteral("N1"), QStringLiteral("B770"), QStringLiteral("1"), 0,
         QStringLiteral("2024-06-02"));
    book(QStringLiteral("C3"), QStringLiteral("N1"), QStringLiteral("B771"), QStringLiteral("1"), 1,
         QStringLiteral("2024-06-02"));
    book(QStringLiteral("C4"), QStringLiteral("N1"), QStringLiteral("X177"), QStringLiteral("1"), 0,
         QStringLiteral("2024-06-30"));
    book(QStringLiteral("C5"), QStringLiteral("N1"), QStringLiteral("B772"), QStringLiteral("1"), 0,
         QStringLiteral("2024-06-03"), QStringLiteral("KTM"));
    book(QStringLiteral("C6"), QStringLiteral("N1"), QStringLiteral("B773"), QStringLiteral("1"), 0,
         QStringLiteral("2024-07-01"));
    RecordSet rs = store().list(from, to, search);
    QStringList got;
    while (rs.next())
        got << rs.text(QStringLiteral("cons_no"));
    QCOMPARE(got.join(u','), codes);
}


namespace {
// TVM's N0000001/R1 beside KTM's and company 02's reel of the same id and
// number, as units whose counters once stood at the same value stored them.
void seedSharedIds()
{
    Reel tvm{QStringLiteral("N0000001"), QStringLiteral("R1"), QStringLiteral("800")};
    Reel ktm = tvm;
    ktm.weight = QStringLiteral("600");
    ktm.unit = QStringLiteral("KTM");
    ktm.supplier = QStringLiteral("441200002");
    Reel other = tvm;
    other.weight = QStringLiteral("500");
    other.comp = QStringLiteral("02");
    reelfixture::add(tvm);
    reelfixture::add(ktm);
    reelfixture::add(other);
}
} // namespace

void TestConsumptionStore::sharedIdsKeepReelsApart()
{
    seedSharedIds();
    // 200 kg already taken from KTM's reel, 50 kg from company 02's.
    book(QStringLiteral("KC0000001"), QStringLiteral("N0000001"), QStringLiteral("R1"), QStringLiteral("200"), 0,
         QStringLiteral("2024-06-01"), QStringLiteral("KTM"));
    gConnection.execute(QStringLiteral("Insert into vstores_2024.inv_consumption(unit_code,cons_unit_code,comp_code,"
                                       "cons_no,cons_reel_no,cons_inv_no,cons_qty) Values('TVM','TVM','02','TC1',"
                                       "'R1','N0000001',50)"));

    // The lookup offers TVM's reel once.
    QVariantList values;
    RecordSet rs = gConnection.query(store().reelLookupQuery(QStringLiteral("R1"), &values), values);
    QStringList offered;
    while (rs.next())
        offered << rs.text(QStringLiteral("invtrans_weight")) + u'/' + rs.text(QStringLiteral("ac_name"));
    QCOMPARE(offered, QStringList{QStringLiteral("800.00/Kerala Newsprint Mills")});
    QCOMPARE(store().available(QStringLiteral("R1"), QStringLiteral("N0000001")), Decimal::fromInt(800));

    // The whole reel can be booked here, and only this unit's reel is used up.
    const SaveNewResult r = store().saveNew(entry(QStringLiteral("N0000001"), QStringLiteral("R1"), QStringLiteral("800")));
    QCOMPARE(int(r.outcome), int(SaveNewResult::Saved));
    QCOMPARE(r.available, Decimal::fromInt(800));
    QVERIFY(r.usedUp);
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R1")), 1);
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R1"), QStringLiteral("KTM")), 0);
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R1"), QStringLiteral("TVM"),
                                   QStringLiteral("02")),
             0);

    // Its load shows its own invoice's supplier.
    const std::optional<ConsumptionRecord> loaded = store().loadRecord(r.code);
    QVERIFY(loaded);
    QCOMPARE(loaded->supplierName, QStringLiteral("Kerala Newsprint Mills"));

    // Cancelling it clears the mark of this unit's reel alone.
    gConnection.execute(QStringLiteral("Update vstores_2024.inv_invoice_trans set invtrans_util_flag=1 where "
                                       "invtrans_unit_code='KTM'"));
    QVERIFY(store().cancel(r.code, QStringLiteral("R1"), QStringLiteral("N0000001")));
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R1")), 0);
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R1"), QStringLiteral("KTM")), 1);

    // Company 02's booking, listed in this unit too, frees company 02's reel alone.
    gConnection.execute(QStringLiteral("Update vstores_2024.inv_invoice_trans set invtrans_util_flag=1"));
    QVERIFY(store().cancel(QStringLiteral("TC1"), QStringLiteral("R1"), QStringLiteral("N0000001")));
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R1"), QStringLiteral("TVM"),
                                   QStringLiteral("02")),
             0);
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R1")), 1);
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R1"), QStringLiteral("KTM")), 1);
}

void TestConsumptionStore::storeRefusesWhatTheWindowNeverSends_data()
{
    QTest::addColumn<QString>("qty");
    QTest::addColumn<int>("utilFlag");
    QTest::addColumn<int>("outcome");
    QTest::newRow("nothing") << "0" << 0 << int(SaveNewResult::BadQuantity);
    QTest::newRow("a negative quantity") << "-5" << 0 << int(SaveNewResult::BadQuantity);
    QTest::newRow("below a gram") << "10.0005" << 0 << int(SaveNewResult::BadQuantity);
    QTest::newRow("a used-up reel") << "1" << 1 << int(SaveNewResult::UsedUp);
    QTest::newRow("grams are fine") << "10.125" << 0 << int(SaveNewResult::Saved);
}

void TestConsumptionStore::storeRefusesWhatTheWindowNeverSends()
{
    QFETCH(QString, qty);
    QFETCH(int, utilFlag);
    QFETCH(int, outcome);
    Reel reel{QStringLiteral("N0000001"), QStringLiteral("R100"), QStringLiteral("500")};
    reel.utilFlag = utilFlag;
    reelfixture::add(reel);
    const SaveNewResult r = store().saveNew(entry(QStringLiteral("N0000001"), QStringLiteral("R100"), qty));
    QCOMPARE(int(r.outcome), outcome);
    const bool saved = outcome == int(SaveNewResult::Saved);
    QCOMPARE(GetFirstValue(QStringLiteral("Select count(*) from vstores_2024.inv_consumption")),
             saved ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(counter(), saved ? QStringLiteral("C0000002") : QStringLiteral("C0000001"));
    QCOMPARE(reelfixture::utilFlag(QStringLiteral("N0000001"), QStringLiteral("R100")), utilFlag);
}

QTEST_GUILESS_MAIN(TestConsumptionStore)
#include "tst_db_consumptionstore.moc"
