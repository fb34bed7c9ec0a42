#include "InvoiceStore.h"
#include "ReelFixture.h"
#include "TestSupport.h"
#include "mdlVelmora.h"
#include <QSet>
#include <QTest>
#include <QThread>
#include <atomic>

// Saving, loading and finalising newsprint invoices on the real server.
class TestInvoiceStore : public QObject {
    Q_OBJECT
private slots:
    void init();
    void saveNewStoresHeaderReelsAndCounter();
    void saveNewEndsReelsAtFirstEmptyNumber();
    void duplicateNumberRefused_data();
    void duplicateNumberRefused();
    void failingSaveLeavesNothing();
    void twoStationsSavingAtOnceGetDistinctIds();
    void twoUnitsSavingOneNumberAtOnceStoreItOnce();
    void saveEditRewritesReelsAndKeepsTheirState();
    void saveEditRepricesBookings();
    void saveEditOfAnotherUnitsInvoiceRefused_data();
    void saveEditOfAnotherUnitsInvoiceRefused();
    void finalizeMarksInvoiceAndReels();
    void finalizeWithoutStoredInvoice();
    void removeFinalizeOnlyForItsUser_data();
    void removeFinalizeOnlyForItsUser();
    void correctInvoiceNo_data();
    void correctInvoiceNo();
    void loadShowsReelWithMissingMaster();
    void loadNeedsSupplierHeadAndBrand_data();
    void loadNeedsSupplierHeadAndBrand();
    void loadReadsNullTaxesAsZero();
    void loadTakesOnlyItsOwnUnitsReels();
    void lookups_data();
    void lookups();
    void newIdUniqueOverTheYear();
    void saveEditRechecksFinalizeUnderLock_data();
    void saveEditRechecksFinalizeUnderLock();
    void saveEditGuardsReelsOutOfTheGodown_data();
    void saveEditGuardsReelsOutOfTheGodown();
    void reelOutOfTheGodownKeepsItsLine();
    void saveEditRepricesOnlyItsOwnReelsBookings();
    void saveEditSetsUsedUpFromWhatIsLeft_data();
    void saveEditSetsUsedUpFromWhatIsLeft();
    void staleEditGivesReelsTheInvoicesMark_data();
    void staleEditGivesReelsTheInvoicesMark();
    void staleEditFindsItsReelsByNumber();
    void bookedReelKeepsTheNumberItsBookingsName_data();
    void bookedReelKeepsTheNumberItsBookingsName();

private:
    static Invoice invoice(const QString &number, int reels);
    static InvoiceStore store(const QString &unit = QStringLiteral("TVM"), qint64 user = 2);
    static QString value(const QString &sql, const QVariantList &values = {});
};

void TestInvoiceStore::init()
{
    connectAndReset();
    setClerkContext();
}

Invoice TestInvoiceStore::invoice(const QString &number, int reels)
{
    Invoice inv;
    inv.invoiceNo = number;
    inv.invoiceDate = QDate(2024, 5, 10);
    inv.receiptDate = QDate(2024, 5, 12);
    inv.suppCode = QStringLiteral("441200001");
    inv.brandCode = QStringLiteral("B0001");
    inv.freight = Decimal::fromText("1500");
    inv.cgst = Decimal::fromText("120.50");
    inv.sgst = Decimal::fromText("120.50");
    inv.igst = Decimal();
    inv.tcs = Decimal::fromText("3.25");
    inv.roundPlus = Decimal::fromText("0.40");
    for (int i = 1; i <= reels; ++i) {
        InvoiceReel r;
        r.reelNo = QStringLiteral("R%1").arg(i, 3, 10, QLatin1Char('0'));
        r.gsmCode = QStringLiteral("GSM0001");
        r.reelTypeCode = QStringLiteral("RT0001");
        r.weight = Decimal::fromText("812.5");
        r.rate = Decimal::fromText("48.35");
        r.amount = (r.weight * r.rate).rounded(2);
        inv.reels << r;
        inv.weight += r.weight;
        inv.total += r.amount;
    }
    inv.grandTotal = inv.total + inv.roundPlus - inv.roundMinus;
    inv.netTotal = inv.grandTotal + inv.cgst + inv.sgst + inv.igst + inv.tcs;
    return inv;
}

InvoiceStore TestInvoiceStore::store(const QString &unit, qint64 user)
{
    return InvoiceStore(gConnection, DbName("vstores_2024"), DbName("vacc_2024"), QStringLiteral("01"), unit, user);
}

QString TestInvoiceStore::value(const QString &sql, const QVariantList &values)
{
    return gConnection.firstValue(sql, values);
}

void TestInvoiceStore::saveNewStoresHeaderReelsAndCounter()
{
    Invoice inv = invoice(QStringLiteral("  KNM/2024/881 "), 3);
    inv.suppCode = QStringLiteral(" 441200001 ");
    QCOMPARE(store().saveNew(inv), InvoiceStore::Saved::Saved);
    QCOMPARE(inv.transId, QString("N0000001"));
    QCOMPARE(GetNextNumber("INV_01_TVM"), QString("N0000002"));

    RecordSet h = gConnection.query("Select * from vstores_2024.inv_invoice");
    QVERIFY(h.next());
    QCOMPARE(h.text("unit_code"), QString("TVM"));
    QCOMPARE(h.text("comp_code"), QString("01"));
    QCOMPARE(h.text("inv_trans_id"), QString("N0000001"));
    QCOMPARE(h.text("inv_invoice_no"), QString("KNM/2024/881"));
    QCOMPARE(h.date("inv_date"), QDate(2024, 5, 10));
    QCOMPARE(h.date("inv_receipt_date"), QDate(2024, 5, 12));
    QCOMPARE(h.text("inv_supp_code"), QString("441200001"));
    QCOMPARE(h.text("inv_brand_code"), QString("B0001"));
    QCOMPARE(h.text("inv_freight"), QString("1500.00"));
    QCOMPARE(h.text("inv_weight"), QString("2437.50"));
    // 812.5 x 48.35 = 39284.375, shown and stored 39284.38 per reel
    QCOMPARE(h.text("inv_total"), QString("117853.14"));
    QCOMPARE(h.text("inv_grand_total"), QString("117853.54"));
    QCOMPARE(h.text("inv_net_total"), QString("118097.79"));
    QCOMPARE(h.text("inv_cust_duty"), QString("3.25"));
    QCOMPARE(h.text("inv_igst"), QString("0.00"));
    QCOMPARE(h.integer("inv_finalize"), 0);
    QCOMPARE(h.integer("inv_chq_rec"), 0);
    QCOMPARE(h.integer("created_by"), 2);
    QCOMPARE(h.text("created_date"), auditDate());
    QVERIFY(QTime::fromString(h.text("created_time"), "HH:mm:ss").isValid());
    QVERIFY(h.isNull("modified_by"));
    QVERIFY(!h.next());

    RecordSet r = gConnection.query("Select * from vstores_2024.inv_invoice_trans order by invtrans_slno");
    for (int i = 1; i <= 3; ++i) {
        QVERIFY(r.next());
        QCOMPARE(r.integer("invtrans_slno"), i);
        QCOMPARE(r.text("invtrans_id"), QString("N0000001"));
        QCOMPARE(r.text("invtrans_reel_no"), QStringLiteral("R%1").arg(i, 3, 10, QLatin1Char('0')));
        QCOMPARE(r.text("unit_code"), QString("TVM"));
        QCOMPARE(r.text("invtrans_unit_code"), QString("TVM"));
        QCOMPARE(r.text("invtrans_amt"), QString("39284.38"));
        // entered: no mark set
        QCOMPARE(r.integer("invtrans_finalize") + r.integer("invtrans_cons_flag") + r.integer("invtrans_util_flag"), 0);
    }
    QVERIFY(!r.next());
}

void TestInvoiceStore::saveNewEndsReelsAtFirstEmptyNumber()
{
    Invoice inv = invoice("A-1", 4);
    inv.reels[2].reelNo = QString();
    QCOMPARE(store().saveNew(inv), InvoiceStore::Saved::Saved);
    QCOMPARE(value("Select group_concat(invtrans_reel_no order by invtrans_slno) from vstores_2024.inv_invoice_trans"),
             QString("R001,R002"));

    Invoice none = invoice("A-2", 2);
    none.reels[0].reelNo = QStringLiteral("   ");
    QCOMPARE(store().saveNew(none), InvoiceStore::Saved::Saved);
    QCOMPARE(value("Select count(*) from vstores_2024.inv_invoice_trans where invtrans_id=?", {none.transId}),
             QString("0"));
}

void TestInvoiceStore::duplicateNumberRefused_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("company");
    QTest::addColumn<QString>("typed");
    QTest::newRow("same unit") << "TVM"
                               << "01"
                               << "INV-77";
    QTest::newRow("blanks around") << "TVM"
                                   << "01"
                                   << "  INV-77  ";
    QTest::newRow("other unit") << "KTM"
                                << "01"
                                << "INV-77";
    QTest::newRow("other company") << "TVM"
                                   << "02"
                                   << "INV-77";
}

void TestInvoiceStore::duplicateNumberRefused()
{
    QFETCH(QString, unit);
    QFETCH(QString, company);
    QFETCH(QString, typed);
    Invoice first = invoice("INV-77", 2);
    InvoiceStore(gConnection, DbName("vstores_2024"), DbName("vacc_2024"), company, unit, 2).saveNew(first);

    Invoice second = invoice(typed, 2);
    QCOMPARE(store().saveNew(second), InvoiceStore::Saved::DuplicateNumber);
    QVERIFY(second.transId.isEmpty());
    QCOMPARE(value("Select count(*) from vstores_2024.inv_invoice"), QString("1"));
    QCOMPARE(value("Select count(*) from vstores_2024.inv_invoice_trans"), QString("2"));
    const QString expected = unit == "TVM" && company == "01" ? "N0000002" : "N0000001";
    QCOMPARE(GetNextNumber("INV_01_TVM"), expected);
}

void TestInvoiceStore::failingSaveLeavesNothing()
{
    {
        // A reel amount beyond the range of the numbers is refused before anything is written.
        Invoice inv = invoice("HUGE-1", 1);
        inv.reels[0].weight = Decimal::fromText("99999999");
        inv.reels[0].rate = Decimal::fromText("99999");
        const QString counter = value("Select no_value from numbersetup where no_id=?",
                                      {InvoiceStore::seriesKey("01", "TVM")});
        try {
            store().saveNew(inv);
            QFAIL("a wrapped amount was stored");
        } catch (const DbError &e) {
            QCOMPARE(e.serverText(), Decimal::overflowMessage());
        }
        QCOMPARE(value("Select count(*) from inv_invoice where inv_invoice_no='HUGE-1'"), QString("0"));
        QCOMPARE(value("Select no_value from numbersetup where no_id=?", {InvoiceStore::seriesKey("01", "TVM")}),
                 counter);
    }
    // A reel number longer than its column fails the reels' insert after the
    // header and the counter were written: told as a text too long.
    Invoice inv = invoice("LONG-1", 2);
    inv.reels[1].reelNo = QString(60, QLatin1Char('X'));
    QCOMPARE(store().saveNew(inv), InvoiceStore::Saved::TooLong);
    QVERIFY(!gConnection.inTransaction());
    QCOMPARE(value("Select count(*) from vstores_2024.inv_invoice"), QString("0"));
    QCOMPARE(value("Select count(*) from vstores_2024.inv_invoice_trans"), QString("0"));
    QCOMPARE(GetNextNumber("INV_01_TVM"), QString("N0000001"));
}

void TestInvoiceStore::twoStationsSavingAtOnceGetDistinctIds()
{
    QString ids[2];
    const QStringList errors = onStations(2, [&](Database &db, int i) {
        InvoiceStore s(db, DbName("vstores_2024"), DbName("vacc_2024"), "01", "TVM", 2);
        Invoice inv = invoice(QStringLiteral("STATION-%1").arg(i), 40);
        if (s.saveNew(inv) == InvoiceStore::Saved::Saved)
            ids[i] = inv.transId;
    });
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
    QCOMPARE(QSet<QString>({ids[0], ids[1]}), QSet<QString>({"N0000001", "N0000002"}));
    QCOMPARE(value("Select count(distinct invtrans_id) from vstores_2024.inv_invoice_trans"), QString("2"));
    QCOMPARE(value("Select count(*) from vstores_2024.inv_invoice_trans"), QString("80"));
    QCOMPARE(GetNextNumber("INV_01_TVM"), QString("N0000003"));
}

// Stations of different units draw from different series, so only the
// number check itself keeps them from storing one invoice number twice.
void TestInvoiceStore::twoUnitsSavingOneNumberAtOnceStoreItOnce()
{
    constexpr int kRounds = 4;
    const QStringList units{QStringLiteral("TVM"), QStringLiteral("KTM")};
    std::atomic<int> saved[kRounds] = {};
    std::atomic<int> refused[kRounds] = {};
    const QStringList errors = onStations(2, [&](Database &db, int station) {
        InvoiceStore s(db, DbName("vstores_2024"), DbName("vacc_2024"), "01", units.at(station), 2);
        for (int round = 0; round < kRounds; ++round) {
            Invoice inv = invoice(QStringLiteral("SHARED-%1").arg(round), 40);
            const InvoiceStore::Saved result = s.saveNew(inv);
            if (result == InvoiceStore::Saved::Saved)
                ++saved[round];
            else if (result == InvoiceStore::Saved::DuplicateNumber)
                ++refused[round];
        }
    });
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
    for (int round = 0; round < kRounds; ++round) {
        QCOMPARE(saved[round].load(), 1);
        QCOMPARE(refused[round].load(), 1);
    }
    QCOMPARE(value("Select count(*) from vstores_2024.inv_invoice"), QString::number(kRounds));
    QCOMPARE(value("Select count(distinct inv_invoice_no) from vstores_2024.inv_invoice"), QString::number(kRounds));
    QCOMPARE(value("Select count(*) from vstores_2024.inv_invoice_trans"), QString::number(kRounds * 40));
}

void TestInvoiceStore::saveEditRewritesReelsAndKeepsTheirState()
{
    Invoice inv = invoice("E-1", 4);
    store().saveNew(inv);
    store().finalize(inv.transId);
    // Since then: R001 moved to KTM and booked up there, R002 issued to the press.
    gConnection.execute("Update vstores_2024.inv_invoice_trans set invtrans_unit_code='KTM', invtrans_cons_flag=1, "
                        "invtrans_util_flag=1 where invtrans_reel_no='R001'");
    gConnection.execute("Insert into vstores_2024.inv_consumption (unit_code, comp_code, cons_no, cons_reel_no, "
                        "cons_inv_no, cons_qty, cons_rate, cons_amt) values ('KTM','01','K1','R001',?,812.5,48.35,0)",
                        {inv.transId});
    gConnection.execute("Update vstores_2024.inv_invoice_trans set invtrans_cons_flag=1 where invtrans_reel_no='R002'");

    // The administrator edits it from a load taken before R002 was issued:
    // R003 is deleted, R004 gets a new rate, R009 is added, R001 typed in
    // lower case.
    std::optional<Invoice> loaded = store("TVM", 1).loadRecord(inv.transId);
    QVERIFY(loaded);
    Invoice edit = *loaded;
    edit.reels[1].consFlag = 0;
    edit.reels[0].reelNo = QStringLiteral("r001");
    edit.reels.removeAt(2);
    edit.reels[2].rate = Decimal::fromText("50");
    InvoiceReel added = edit.reels[0];
    added.reelNo = QStringLiteral("R009");
    added.unitCode = QStringLiteral("KTM");
    added.utilFlag = 1;
    added.consFlag = 1;
    added.finalize = 0;
    edit.reels << added;
    edit.invoiceNo = QStringLiteral(" E-1/A ");
    edit.freight = Decimal::fromText("99.5");
    QCOMPARE(store("TVM", 1).saveEdit(edit), InvoiceStore::Saved::Saved);

    RecordSet r = gConnection.query(
        "Select invtrans_slno, invtrans_reel_no, invtrans_unit_code, invtrans_finalize, invtrans_cons_flag, "
        "invtrans_util_flag, invtrans_rate, unit_code from vstores_2024.inv_invoice_trans order by invtrans_slno");
    const QStringList expected{"1 r001 KTM 1 1 1 48.35 TVM", "2 R002 TVM 1 1 0 48.35 TVM", "3 R004 TVM 1 0 0 50.00 TVM",
                               // a reel added in the edit lies in this unit's godown, finalised as its invoice is,
                               // whatever marks the row brought
                               "4 R009 TVM 1 0 0 48.35 TVM"};
    QStringList got;
    while (r.next()) {
        QStringList f;
        for (int c = 0; c < r.columnCount(); ++c)
            f << r.text(c);
        got << f.join(' ');
    }
    QCOMPARE(got, expected);

    RecordSet h = gConnection.query("Select * from vstores_2024.inv_invoice");
    QVERIFY(h.next());
    QCOMPARE(h.text("inv_invoice_no"), QString("E-1/A"));
    QCOMPARE(h.text("inv_freight"), QString("99.50"));
    QCOMPARE(h.integer("inv_finalize"), 1);
    QCOMPARE(h.integer("created_by"), 2);
    QCOMPARE(h.integer("modified_by"), 1);
    QCOMPARE(h.text("modified_date"), auditDate());
}

void TestInvoiceStore::saveEditRepricesBookings()
{
    Invoice inv = invoice("P-1", 2);
    store().saveNew(inv);
    // Bookings of R001 (one cancelled), of R002, and of another company's reel
    // that carries the same code and number.
    gConnection.execute(
        "Insert into vstores_2024.inv_consumption (unit_code, comp_code, cons_no, cons_reel_no, cons_inv_no, cons_qty, "
        "cons_rate, cons_amt, cons_cancel_flag) values "
        "('TVM','01','C1','R001',?,100.125,48.35,4841.04,0), ('TVM','01','C2','R001',?,10,48.35,483.50,1), "
        "('TVM','01','C3','R002',?,5,48.35,241.75,0), ('TVM','02','C1','R001',?,7,30,210,0)",
        {inv.transId, inv.transId, inv.transId, inv.transId});
    inv.reels[0].rate = Decimal::fromText("51.15");
    QCOMPARE(store().saveEdit(inv), InvoiceStore::Saved::Saved);
    RecordSet c = gConnection.query(
        "Select concat(comp_code,' ',cons_no,' ',cons_rate,' ',cons_amt) from vstores_2024.inv_consumption "
        "order by comp_code, cons_no");
    QStringList got;
    while (c.next())
        got << c.text(0);
    // 100.125 x 51.15 = 5121.39375
    QCOMPARE(got,
             QStringList({"01 C1 51.15 5121.39", "01 C2 51.15 511.50", "01 C3 48.35 241.75", "02 C1 30.00 210.00"}));
}

void TestInvoiceStore::saveEditOfAnotherUnitsInvoiceRefused_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("transId");
    QTest::newRow("another unit's invoice") << "KTM"
                                            << "N0000001";
    QTest::newRow("a code never saved") << "TVM"
                                        << "N0000099";
}

void TestInvoiceStore::saveEditOfAnotherUnitsInvoiceRefused()
{
    QFETCH(QString, unit);
    QFETCH(QString, transId);
    Invoice inv = invoice("U-1", 3);
    store().saveNew(inv);
    gConnection.execute(
        "Insert into vstores_2024.inv_consumption (unit_code, comp_code, cons_no, cons_reel_no, "
        "cons_inv_no, cons_qty, cons_rate, cons_amt) values ('TVM','01','C1','R001','N0000001',1,48.35,48.35)");

    Invoice edit = invoice("U-2", 1);
    edit.transId = transId;
    edit.reels[0].rate = Decimal::fromText("1");
    QCOMPARE(store(unit).saveEdit(edit), InvoiceStore::Saved::NoSuchInvoice);
    QVERIFY(!gConnection.inTransaction());
    QCOMPARE(value("Select inv_invoice_no from vstores_2024.inv_invoice"), QString("U-1"));
    QCOMPARE(value("Select count(*) from vstores_2024.inv_invoice_trans"), QString("3"));
    QCOMPARE(value("Select cons_rate from vstores_2024.inv_consumption"), QString("48.35"));
}

void TestInvoiceStore::finalizeMarksInvoiceAndReels()
{
    Invoice inv = invoice("F-1", 3);
    store().saveNew(inv);
    // A reel moved to another unit is still reached: the reels are addressed by the invoice's unit.
    gConnection.execute("Update vstores_2024.inv_invoice_trans set invtrans_unit_code='KTM' where invtrans_slno=2");
    QVERIFY(store().finalize(inv.transId));
    QCOMPARE(store().isFinalized(inv.transId), std::optional<bool>(true));
    QCOMPARE(value("Select sum(invtrans_finalize) from vstores_2024.inv_invoice_trans"), QString("3"));
    // Finalising again changes no value but still reaches the invoice.
    QVERIFY(store().finalize(inv.transId));
}

void TestInvoiceStore::finalizeWithoutStoredInvoice()
{
    Invoice inv = invoice("F-2", 2);
    store().saveNew(inv);
    QVERIFY(!store("KTM").finalize(inv.transId));
    QVERIFY(!store().finalize("N0000099"));
    QVERIFY(!gConnection.inTransaction());
    QCOMPARE(store().isFinalized(inv.transId), std::optional<bool>(false));
    QCOMPARE(store().isFinalized("N0000099"), std::optional<bool>());
    QCOMPARE(value("Select sum(invtrans_finalize) from vstores_2024.inv_invoice_trans"), QString("0"));
}

void TestInvoiceStore::removeFinalizeOnlyForItsUser_data()
{
    QTest::addColumn<qint64>("user");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<InvoiceStore::Removed>("result");
    QTest::addColumn<int>("finalisedAfter");
    QTest::newRow("user 742") << qint64(742) << "TVM" << InvoiceStore::Removed::Removed << 0;
    QTest::newRow("administrator") << qint64(1) << "TVM" << InvoiceStore::Removed::NotAllowed << 1;
    QTest::newRow("clerk") << qint64(2) << "TVM" << InvoiceStore::Removed::NotAllowed << 1;
    QTest::newRow("user 742, another unit") << qint64(742) << "KTM" << InvoiceStore::Removed::NoSuchInvoice << 1;
}

void TestInvoiceStore::removeFinalizeOnlyForItsUser()
{
    QFETCH(qint64, user);
    QFETCH(QString, unit);
    QFETCH(InvoiceStore::Removed, result);
    QFETCH(int, finalisedAfter);
    Invoice inv = invoice("RF-1", 2);
    store().saveNew(inv);
    store().finalize(inv.transId);
    gConnection.execute("Update vstores_2024.inv_invoice_trans set invtrans_cons_flag=1 where invtrans_slno=1");
    QCOMPARE(store(unit, user).removeFinalize(inv.transId), result);
    QCOMPARE(value("Select inv_finalize from vstores_2024.inv_invoice").toInt(), finalisedAfter);
    QCOMPARE(value("Select sum(invtrans_finalize) from vstores_2024.inv_invoice_trans").toInt(), 2 * finalisedAfter);
    // the other marks stay
    QCOMPARE(value("Select sum(invtrans_cons_flag) from vstores_2024.inv_invoice_trans"), QString("1"));
}

void TestInvoiceStore::correctInvoiceNo_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<InvoiceStore::Corrected>("result");
    QTest::addColumn<QString>("stored");
    QTest::newRow("new number, trimmed") << "TVM"
                                         << " KNM-9 " << InvoiceStore::Corrected::Corrected << "KNM-9";
    QTest::newRow("apostrophe") << "TVM"
                                << "O'NEIL-1" << InvoiceStore::Corrected::Corrected << "O'NEIL-1";
    QTest::newRow("empty") << "TVM"
                           << "" << InvoiceStore::Corrected::EmptyNumber << "C-1";
    QTest::newRow("blanks only") << "TVM"
                                 << "   " << InvoiceStore::Corrected::EmptyNumber << "C-1";
    QTest::newRow("another unit") << "KTM"
                                  << "KNM-9" << InvoiceStore::Corrected::NoSuchInvoice << "C-1";
}

void TestInvoiceStore::correctInvoiceNo()
{
    QFETCH(QString, unit);
    QFETCH(QString, typed);
    QFETCH(InvoiceStore::Corrected, result);
    QFETCH(QString, stored);
    Invoice inv = invoice("C-1", 1);
    store().saveNew(inv);
    store().finalize(inv.transId);
    QCOMPARE(store(unit).correctInvoiceNo(inv.transId, typed), result);
    QCOMPARE(value("Select inv_invoice_no from vstores_2024.inv_invoice"), stored);
}

void TestInvoiceStore::loadShowsReelWithMissingMaster()
{
    Invoice inv = invoice("L-1", 3);
    inv.reels[1].gsmCode = QStringLiteral("GSM0404");
    inv.reels[2].reelTypeCode = QStringLiteral("RT0404");
    store().saveNew(inv);
    const std::optional<Invoice> l = store().loadRecord(inv.transId);
    QVERIFY(l);
    QCOMPARE(l->reels.size(), 3);
    QCOMPARE(l->reels[0].gsmName, QString("45 GSM"));
    QCOMPARE(l->reels[0].reelTypeName, QString("Full Reel"));
    QCOMPARE(l->reels[1].gsmCode, QString("GSM0404"));
    QCOMPARE(l->reels[1].gsmName, QString());
    QCOMPARE(l->reels[1].reelTypeName, QString("Full Reel"));
    QCOMPARE(l->reels[2].reelTypeName, QString());
    QCOMPARE(l->reels[2].slNo, 3);
    QCOMPARE(l->reels[2].weight, Decimal::fromText("812.5"));
    QCOMPARE(l->suppName, QString("Kerala Newsprint Mills"));
    QCOMPARE(l->brandName, QString("Kerala Newsprint"));
    QCOMPARE(l->invoiceDate, QDate(2024, 5, 10));
    QCOMPARE(l->netTotal, inv.netTotal);

    // An edit from that load keeps all three reels.
    QCOMPARE(store().saveEdit(*l), InvoiceStore::Saved::Saved);
    QCOMPARE(value("Select count(*) from vstores_2024.inv_invoice_trans"), QString("3"));
}

void TestInvoiceStore::loadNeedsSupplierHeadAndBrand_data()
{
    QTest::addColumn<QString>("supplier");
    QTest::addColumn<QString>("brand");
    QTest::addColumn<bool>("loads");
    QTest::newRow("supplier head") << "441100105"
                                   << "B0001" << true;
    QTest::newRow("brand of another group") << "441200001"
                                            << "B0003" << true;
    // The join takes the head by code and company; the supplier pattern is the lookup's.
    QTest::newRow("group head outside the supplier pattern") << "441100000000000"
                                                             << "B0001" << true;
    QTest::newRow("head of another kind") << "441300001"
                                          << "B0001" << true;
    QTest::newRow("supplier of company 02 only") << "441200009"
                                                 << "B0001" << false;
    QTest::newRow("missing brand") << "441200001"
                                   << "B0404" << false;
}

void TestInvoiceStore::loadNeedsSupplierHeadAndBrand()
{
    QFETCH(QString, supplier);
    QFETCH(QString, brand);
    QFETCH(bool, loads);
    Invoice inv = invoice("S-1", 1);
    inv.suppCode = supplier;
    inv.brandCode = brand;
    store().saveNew(inv);
    QCOMPARE(store().loadRecord(inv.transId).has_value(), loads);
    QCOMPARE(store().list(QDate(2024, 4, 1), QDate(2025, 3, 31), QString()).next(), loads);
}

void TestInvoiceStore::loadReadsNullTaxesAsZero()
{
    Invoice inv = invoice("T-1", 1);
    store().saveNew(inv);
    gConnection.execute(
        "Update vstores_2024.inv_invoice set inv_cgst=NULL, inv_sgst=NULL, inv_igst=NULL, inv_cust_duty=NULL");
    const std::optional<Invoice> l = store().loadRecord(inv.transId);
    QVERIFY(l);
    QCOMPARE(l->cgst.toText(2) + l->sgst.toText(2) + l->igst.toText(2) + l->tcs.toText(2), QString("0.000.000.000.00"));
}

void TestInvoiceStore::loadTakesOnlyItsOwnUnitsReels()
{
    // Codes stored by an older program repeat across units.
    Invoice tvm = invoice("OWN-TVM", 2);
    Invoice ktm = invoice("OWN-KTM", 3);
    for (InvoiceReel &r : ktm.reels)
        r.reelNo = QStringLiteral("K") + r.reelNo;
    store("TVM").saveNew(tvm);
    store("KTM").saveNew(ktm);
    gConnection.execute("Update vstores_2024.inv_invoice set inv_trans_id=? where unit_code='KTM'", {tvm.transId});
    gConnection.execute("Update vstores_2024.inv_invoice_trans set invtrans_id=? where unit_code='KTM'",
                        {tvm.transId});
    ktm.transId = tvm.transId;

    const std::optional<Invoice> inTvm = store("TVM").loadRecord(tvm.transId);
    QVERIFY(inTvm);
    QCOMPARE(inTvm->invoiceNo, QString("OWN-TVM"));
    QCOMPARE(inTvm->reels.size(), 2);
    const std::optional<Invoice> inKtm = store("KTM").loadRecord(ktm.transId);
    QVERIFY(inKtm);
    QCOMPARE(inKtm->invoiceNo, QString("OWN-KTM"));
    QCOMPARE(inKtm->reels.size(), 3);
    QCOMPARE(inKtm->reels[0].reelNo, QString("KR001"));
}

void TestInvoiceStore::lookups_data()
{
    QTest::addColumn<bool>("suppliers");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("all suppliers by name") << true << ""
                                           << QStringList{"Hindustan Paper Traders", "Kerala Newsprint Mills",
                                                          "Malabar Paper Agency", "Sundry Creditors Paper"};
    QTest::newRow("suppliers by part of the name")
        << true << "paper" << QStringList{"Hindustan Paper Traders", "Malabar Paper Agency", "Sundry Creditors Paper"};
    QTest::newRow("apostrophe finds nothing") << true << "O'" << QStringList{};
    QTest::newRow("every brand of every group") << false << "" << QStringList{"Cavrell", "Kerala Newsprint", "Lontrix"};
    QTest::newRow("brands by part of the name") << false << "NEWS" << QStringList{"Kerala Newsprint"};
}

void TestInvoiceStore::lookups()
{
    QFETCH(bool, suppliers);
    QFETCH(QString, typed);
    QFETCH(QStringList, names);
    const SqlCondition q = suppliers ? store().supplierLookup(typed) : store().brandLookup(typed);
    RecordSet rs = gConnection.query(q.sql, q.values);
    QStringList got;
    while (rs.next())
        got << rs.text(1);
    QCOMPARE(got, names);
}


void TestInvoiceStore::newIdUniqueOverTheYear()
{
    // Counters of other units and companies standing at the same value, as
    // the shipped data once had them.
    gConnection.execute("Update vstores_2024.numbersetup set no_value='N0000001' where no_id in ('INV_01_KTM', "
                        "'INV_02_TVM')");
    Invoice tvm = invoice("ID-TVM", 1);
    Invoice ktm = invoice("ID-KTM", 1);
    Invoice other = invoice("ID-02", 1);
    QCOMPARE(store("TVM").saveNew(tvm), InvoiceStore::Saved::Saved);
    QCOMPARE(store("KTM").saveNew(ktm), InvoiceStore::Saved::Saved);
    InvoiceStore company2(gConnection, DbName("vstores_2024"), DbName("vacc_2024"), QStringLiteral("02"),
                          QStringLiteral("TVM"), 2);
    QCOMPARE(company2.saveNew(other), InvoiceStore::Saved::Saved);
    QCOMPARE(QStringList({tvm.transId, ktm.transId, other.transId}),
             QStringList({"N0000001", "N0000002", "N0000003"}));
    QCOMPARE(GetNextNumber("INV_01_KTM"), QString("N0000003"));
    QCOMPARE(GetNextNumber("INV_02_TVM"), QString("N0000004"));
}

void TestInvoiceStore::saveEditRechecksFinalizeUnderLock_data()
{
    QTest::addColumn<qint64>("user");
    QTest::addColumn<int>("result");
    QTest::newRow("a clerk") << qint64(2) << int(InvoiceStore::Saved::Finalized);
    QTest::newRow("the administrator") << qint64(1) << int(InvoiceStore::Saved::Saved);
}

void TestInvoiceStore::saveEditRechecksFinalizeUnderLock()
{
    QFETCH(qint64, user);
    QFETCH(int, result);
    Invoice inv = invoice("F-1", 2);
    store().saveNew(inv);
    // The edit was begun on the open invoice; another workstation finalised it since.
    std::optional<Invoice> loaded = store("TVM", user).loadRecord(inv.transId);
    QVERIFY(loaded);
    store().finalize(inv.transId);
    Invoice edit = *loaded;
    edit.invoiceNo = QStringLiteral("F-1/EDITED");
    edit.reels.removeLast();
    QCOMPARE(int(store("TVM", user).saveEdit(edit)), result);
    const bool saved = result == int(InvoiceStore::Saved::Saved);
    QCOMPARE(value("Select inv_invoice_no from vstores_2024.inv_invoice"), saved ? QString("F-1/EDITED") : QString("F-1"));
    QCOMPARE(value("Select count(*) from vstores_2024.inv_invoice_trans where invtrans_finalize=1"),
             saved ? QString("1") : QString("2"));
}

namespace {
QString reelRows()
{
    return GetFirstValue("Select group_concat(concat_ws('/', invtrans_slno, invtrans_reel_no, invtrans_weight, "
                         "invtrans_unit_code, invtrans_finalize, invtrans_cons_flag, invtrans_util_flag) order by "
                         "invtrans_slno separator ' ') from vstores_2024.inv_invoice_trans");
}
} // namespace

void TestInvoiceStore::saveEditGuardsReelsOutOfTheGodown_data()
{
    QTest::addColumn<QString>("state");  // what became of R002 since the load
    QTest::addColumn<QString>("action"); // what the edit does to it
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("stored"); // the reels after a saved edit
    const QString renamed = "Reel R002 has been moved, issued to the press or consumed; its number cannot be "
                            "changed.   ";
    const QString removed = "Reel R002 has been moved, issued to the press or consumed; it cannot be removed from "
                            "the invoice.   ";
    QTest::newRow("moved, renamed") << "moved" << "rename" << renamed << "";
    QTest::newRow("moved, removed") << "moved" << "remove" << removed << "";
    QTest::newRow("issued, renamed") << "issued" << "rename" << renamed << "";
    QTest::newRow("issued, removed") << "issued" << "remove" << removed << "";
    QTest::newRow("booked, removed") << "booked" << "remove" << removed << "";
    QTest::newRow("booked, below its bookings")
        << "booked" << "weigh 300" << "Reel R002 cannot weigh less than the 300.500 kg booked on it.   " << "";
    QTest::newRow("booked, down to its bookings")
        << "booked" << "weigh 300.5" << ""
        << "1/R001/812.50/TVM/1/0/0 2/R002/300.50/TVM/1/1/1 3/R003/812.50/TVM/1/0/0";
    QTest::newRow("moved, re-weighed")
        << "moved" << "weigh 700" << "" << "1/R001/812.50/TVM/1/0/0 2/R002/700.00/KTM/1/0/0 3/R003/812.50/TVM/1/0/0";
    QTest::newRow("in the godown, renamed")
        << "godown" << "rename" << "" << "1/R001/812.50/TVM/1/0/0 2/R002X/812.50/TVM/1/0/0 3/R003/812.50/TVM/1/0/0";
    QTest::newRow("in the godown, removed")
        << "godown" << "remove" << "" << "1/R001/812.50/TVM/1/0/0 2/R003/812.50/TVM/1/0/0";
}

void TestInvoiceStore::saveEditGuardsReelsOutOfTheGodown()
{
    QFETCH(QString, state);
    QFETCH(QString, action);
    QFETCH(QString, refusal);
    QFETCH(QString, stored);
    Invoice inv = invoice("G-1", 3);
    store().saveNew(inv);
    store().finalize(inv.transId);
    // The administrator loads the finalised invoice to correct it.
    std::optional<Invoice> loaded = store("TVM", 1).loadRecord(inv.transId);
    QVERIFY(loaded);
    if (state == "moved")
        gConnection.execute("Update vstores_2024.inv_invoice_trans set invtrans_unit_code='KTM' where "
                            "invtrans_reel_no='R002'");
    if (state == "issued" || state == "booked")
        gConnection.execute("Update vstores_2024.inv_invoice_trans set invtrans_cons_flag=1 where "
                            "invtrans_reel_no='R002'");
    if (state == "booked")
        gConnection.execute("Insert into vstores_2024.inv_consumption (unit_code, comp_code, cons_no, cons_reel_no, "
                            "cons_inv_no, cons_qty, cons_rate, cons_amt, cons_cancel_flag) values "
                            "('TVM','01','C1','R002',?,300.5,48.35,14529.18,0), "
                            "('TVM','01','C2','R002',?,100,48.35,4835,1)",
                            {inv.transId, inv.transId});
    const QString before = reelRows();
    Invoice edit = *loaded;
    if (action == "rename")
        edit.reels[1].reelNo = QStringLiteral("R002X");
    else if (action == "remove")
        edit.reels.removeAt(1);
    else
        edit.reels[1].weight = Decimal::fromText(action.mid(6));
    QString why;
    const InvoiceStore::Saved result = store("TVM", 1).saveEdit(edit, &why);
    QCOMPARE(why, refusal);
    if (!refusal.isEmpty()) {
        QCOMPARE(result, InvoiceStore::Saved::ReelInUse);
        QCOMPARE(reelRows(), before);
        QCOMPARE(value("Select modified_by from vstores_2024.inv_invoice"), QString());
    } else {
        QCOMPARE(result, InvoiceStore::Saved::Saved);
        QCOMPARE(reelRows(), stored);
    }
}

void TestInvoiceStore::reelOutOfTheGodownKeepsItsLine()
{
    Invoice inv = invoice("L-1", 3);
    store().saveNew(inv);
    store().finalize(inv.transId);
    gConnection.execute("Update vstores_2024.inv_invoice_trans set invtrans_cons_flag=1 where invtrans_reel_no='R003'");
    std::optional<Invoice> loaded = store("TVM", 1).loadRecord(inv.transId);
    QVERIFY(loaded);
    // R001 goes, R009 is added after the issued R003.
    Invoice edit = *loaded;
    edit.reels.removeFirst();
    InvoiceReel added = edit.reels.last();
    added.line = 0;
    added.reelNo = QStringLiteral("R009");
    added.consFlag = 0;
    edit.reels << added;
    QCOMPARE(store("TVM", 1).saveEdit(edit), InvoiceStore::Saved::Saved);
    // The issued reel is still line 3, which the press lists address it by.
    QCOMPARE(reelRows(), QString("1/R002/812.50/TVM/1/0/0 2/R009/812.50/TVM/1/0/0 3/R003/812.50/TVM/1/1/0"));
}

void TestInvoiceStore::saveEditRepricesOnlyItsOwnReelsBookings()
{
    // KTM's invoice was stored by an older program under TVM's code, with a
    // reel of the same number; each reel has a booking in its own unit.
    Invoice tvm = invoice("RP-TVM", 1);
    Invoice ktm = invoice("RP-KTM", 1);
    store("TVM").saveNew(tvm);
    store("KTM").saveNew(ktm);
    gConnection.execute("Update vstores_2024.inv_invoice set inv_trans_id=? where unit_code='KTM'", {tvm.transId});
    gConnection.execute("Update vstores_2024.inv_invoice_trans set invtrans_id=? where unit_code='KTM'",
                        {tvm.transId});
    gConnection.execute(
        "Insert into vstores_2024.inv_consumption (unit_code, comp_code, cons_no, cons_reel_no, cons_inv_no, cons_qty, "
        "cons_rate, cons_amt) values ('TVM','01','C1','R001',?,10,48.35,483.50), "
        "('KTM','01','KC1','R001',?,10,48.35,483.50)",
        {tvm.transId, tvm.transId});
    std::optional<Invoice> loaded = store("TVM").loadRecord(tvm.transId);
    QVERIFY(loaded);
    loaded->reels[0].rate = Decimal::fromText("50");
    QCOMPARE(store("TVM").saveEdit(*loaded), InvoiceStore::Saved::Saved);
    QCOMPARE(value("Select group_concat(concat(cons_no,' ',cons_amt) order by cons_no) from "
                   "vstores_2024.inv_consumption"),
             QString("C1 500.00,KC1 483.50"));
}

void TestInvoiceStore::saveEditSetsUsedUpFromWhatIsLeft_data()
{
    QTest::addColumn<QString>("weight"); // R002's weight as stored
    QTest::addColumn<QString>("booked"); // its valid bookings, one per entry
    QTest::addColumn<int>("usedUp");     // its mark before the edit
    QTest::addColumn<QString>("edited"); // its weight in the edit
    QTest::addColumn<int>("expected");   // its mark after the edit
    QTest::newRow("fully booked, weighed more") << "798.65" << "798.65" << 1 << "850" << 0;
    QTest::newRow("part booked, weighed down to its bookings") << "812.50" << "200,100" << 0 << "300" << 1;
    QTest::newRow("part booked, weighed down to 0.01 above") << "812.50" << "300" << 0 << "300.01" << 0;
    QTest::newRow("0.004 left shows 0.00") << "812.50" << "299.996" << 0 << "300" << 1;
    QTest::newRow("fully booked, weight kept") << "798.65" << "798.65" << 1 << "798.65" << 1;
    QTest::newRow("fully booked, weighed less than before, still fully")
        << "850.00" << "798.65" << 0 << "798.65" << 1;
    QTest::newRow("at the press, nothing booked") << "812.50" << "" << 0 << "900" << 0;
}

void TestInvoiceStore::saveEditSetsUsedUpFromWhatIsLeft()
{
    QFETCH(QString, weight);
    QFETCH(QString, booked);
    QFETCH(int, usedUp);
    QFETCH(QString, edited);
    QFETCH(int, expected);
    Invoice inv = invoice("U-1", 3);
    store().saveNew(inv);
    store().finalize(inv.transId);
    // R002 went to the press and was booked there; a cancelled booking counts for nothing.
    gConnection.execute("Update vstores_2024.inv_invoice_trans set invtrans_cons_flag=1, invtrans_weight=?, "
                        "invtrans_util_flag=? where invtrans_reel_no='R002'",
                        {weight, usedUp});
    int n = 0;
    for (const QString &qty : booked.split(u',', Qt::SkipEmptyParts))
        gConnection.execute("Insert into vstores_2024.inv_consumption (unit_code, comp_code, cons_no, cons_reel_no, "
                            "cons_inv_no, cons_qty, cons_rate, cons_amt) values ('TVM','01',?,'R002',?,?,48.35,0)",
                            {QStringLiteral("C%1").arg(++n), inv.transId, qty});
    gConnection.execute("Insert into vstores_2024.inv_consumption (unit_code, comp_code, cons_no, cons_reel_no, "
                        "cons_inv_no, cons_qty, cons_rate, cons_amt, cons_cancel_flag) values "
                        "('TVM','01','CX','R002',?,25,48.35,0,1)",
                        {inv.transId});
    std::optional<Invoice> loaded = store("TVM", 1).loadRecord(inv.transId);
    QVERIFY(loaded);
    Invoice edit = *loaded;
    edit.reels[1].weight = Decimal::fromText(edited);
    QString why;
    QCOMPARE(store("TVM", 1).saveEdit(edit, &why), InvoiceStore::Saved::Saved);
    QCOMPARE(why, QString());
    QCOMPARE(reelRows(), QString("1/R001/812.50/TVM/1/0/0 2/R002/%1/TVM/1/1/%2 3/R003/812.50/TVM/1/0/0")
                             .arg(Decimal::fromText(edited).toText(2))
                             .arg(expected));
}

void TestInvoiceStore::staleEditGivesReelsTheInvoicesMark_data()
{
    QTest::addColumn<bool>("finalizedAtLoad"); // the invoice when the stale edit loaded it
    QTest::addColumn<qint64>("user");          // who saves the stale edit
    QTest::addColumn<QString>("stored");       // header mark, then the reels after the stale save
    // Another station removed the finalisation and dropped R003: the stale
    // window's R003 comes back as an entered reel of an open invoice.
    QTest::newRow("finalisation removed meanwhile") << true << qint64(2)
                                                    << "0 1/R001/505.00/TVM/0/0/0 2/R002/812.50/TVM/0/0/0 "
                                                       "3/R003/812.50/TVM/0/0/0";
    // Another station dropped R003 and finalised: the administrator's stale
    // edit brings R003 back into the godown of the finalised invoice.
    QTest::newRow("finalised meanwhile") << false << qint64(1)
                                         << "1 1/R001/505.00/TVM/1/0/0 2/R002/812.50/TVM/1/0/0 "
                                            "3/R003/812.50/TVM/1/0/0";
}

void TestInvoiceStore::staleEditGivesReelsTheInvoicesMark()
{
    QFETCH(bool, finalizedAtLoad);
    QFETCH(qint64, user);
    QFETCH(QString, stored);
    Invoice inv = invoice("S-1", 3);
    store().saveNew(inv);
    if (finalizedAtLoad)
        store().finalize(inv.transId);
    std::optional<Invoice> stale = store("TVM", user).loadRecord(inv.transId);
    QVERIFY(stale);

    // The other station.
    InvoiceStore other = store("TVM", 742);
    if (finalizedAtLoad)
        QCOMPARE(other.removeFinalize(inv.transId), InvoiceStore::Removed::Removed);
    std::optional<Invoice> fresh = other.loadRecord(inv.transId);
    QVERIFY(fresh);
    fresh->reels.removeLast();
    QCOMPARE(other.saveEdit(*fresh), InvoiceStore::Saved::Saved);
    if (!finalizedAtLoad)
        QVERIFY(other.finalize(inv.transId));

    Invoice edit = *stale;
    edit.reels[0].weight = Decimal::fromText("505");
    QCOMPARE(store("TVM", user).saveEdit(edit), InvoiceStore::Saved::Saved);
    QCOMPARE(value("Select inv_finalize from vstores_2024.inv_invoice") + u' ' + reelRows(), stored);
}

void TestInvoiceStore::staleEditFindsItsReelsByNumber()
{
    Invoice inv = invoice("M-1", 3);
    store().saveNew(inv);
    // The administrator's window loads R001, R002 and R003 on lines 1 to 3.
    std::optional<Invoice> stale = store("TVM", 1).loadRecord(inv.transId);
    QVERIFY(stale);

    // Another station drops R001, so that R002 and R003 move up a line,
    // finalises, and R002 goes to the press from line 1.
    InvoiceStore other = store("TVM", 742);
    std::optional<Invoice> fresh = other.loadRecord(inv.transId);
    QVERIFY(fresh);
    fresh->reels.removeFirst();
    QCOMPARE(other.saveEdit(*fresh), InvoiceStore::Saved::Saved);
    QVERIFY(other.finalize(inv.transId));
    gConnection.execute("Update vstores_2024.inv_invoice_trans set invtrans_cons_flag=1 where invtrans_reel_no='R002'");
    QCOMPARE(reelRows(), QString("1/R002/812.50/TVM/1/1/0 2/R003/812.50/TVM/1/0/0"));

    // The stale edit touches R003 alone. Its R001 row, on the line R002 now
    // holds, is not R002: the save is not refused for renaming R002, and
    // R002 keeps its line and its marks. Last save wins: R001 is back, in
    // the godown of the finalised invoice.
    Invoice edit = *stale;
    edit.reels[2].weight = Decimal::fromText("505");
    QString why;
    QCOMPARE(store("TVM", 1).saveEdit(edit, &why), InvoiceStore::Saved::Saved);
    QCOMPARE(why, QString());
    QCOMPARE(reelRows(), QString("1/R002/812.50/TVM/1/1/0 2/R001/812.50/TVM/1/0/0 3/R003/505.00/TVM/1/0/0"));
}

void TestInvoiceStore::bookedReelKeepsTheNumberItsBookingsName_data()
{
    QTest::addColumn<QString>("stored"); // R002's number as the mill printed it
    QTest::addColumn<QString>("typed");  // the number the administrator's edit gives it
    QTest::addColumn<bool>("renamed");   // the edit is stored, not refused
    // The server holds both spellings for one number: the reel stays itself.
    QTest::newRow("lower case") << "KN-A2" << "kn-a2" << true;
    // Upper case spells the sharp s out as SS, which the server holds for
    // another number: the bookings would no longer name the reel.
    QTest::newRow("sharp s spelled out") << "KN-ß2" << "KN-SS2" << false;
    QTest::newRow("SS written as sharp s") << "KN-SS2" << "KN-ß2" << false;
}

void TestInvoiceStore::bookedReelKeepsTheNumberItsBookingsName()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, renamed);
    Invoice inv = invoice("B-1", 3);
    inv.reels[1].reelNo = stored;
    store().saveNew(inv);
    store().finalize(inv.transId);
    gConnection.execute("Update vstores_2024.inv_invoice_trans set invtrans_cons_flag=1 where invtrans_slno=2");

    // The press books 300 kg of the reel's 812.50 on its own connection.
    Database press(QStringLiteral("press-workstation"));
    openTestDatabase(press);
    ConsumptionStore booking(press, {DbName("vstores_2024"), DbName("vacc_2024"), QStringLiteral("01"),
                                     QStringLiteral("TVM"), 3});
    ConsumptionEntry e = reelfixture::booking(inv.transId, stored, "300", "48.35", QDate(2024, 6, 5));
    QCOMPARE(int(booking.saveNew(e).outcome), int(SaveNewResult::Saved));

    // The administrator retypes the reel's number in another spelling.
    std::optional<Invoice> loaded = store("TVM", 1).loadRecord(inv.transId);
    QVERIFY(loaded);
    Invoice edit = *loaded;
    edit.reels[1].reelNo = typed;
    edit.reels[1].rate = Decimal::fromText("50");
    QString why;
    const InvoiceStore::Saved result = store("TVM", 1).saveEdit(edit, &why);
    QCOMPARE(int(result), int(renamed ? InvoiceStore::Saved::Saved : InvoiceStore::Saved::ReelInUse));
    QCOMPARE(value("Select invtrans_reel_no from vstores_2024.inv_invoice_trans where invtrans_slno=2"),
             renamed ? typed : stored);

    // The press still sees the 300 kg booked on the reel of line 2 and
    // cannot book more than the 512.50 left on it.
    const QString now = value("Select invtrans_reel_no from vstores_2024.inv_invoice_trans where invtrans_slno=2");
    QCOMPARE(booking.available(now, inv.transId).toText(2), QString("512.50"));
    e.reelNo = now;
    e.qty = Decimal::fromText("600");
    e.amount = (e.qty * e.rate).rounded(2);
    QCOMPARE(int(booking.saveNew(e).outcome), int(SaveNewResult::OverBooked));
    // And the booking still names that reel, priced as the reel is.
    QCOMPARE(value("Select concat_ws('/', sum(c.cons_qty), min(c.cons_rate), max(t.invtrans_rate)) from "
                   "vstores_2024.inv_consumption c join vstores_2024.inv_invoice_trans t on "
                   "t.invtrans_id=c.cons_inv_no and t.invtrans_reel_no=c.cons_reel_no and "
                   "t.invtrans_unit_code=c.unit_code where t.invtrans_slno=2"),
             renamed ? QString("300.000/50.00/50.00") : QString("300.000/48.35/48.35"));
    press.close();
}

QTEST_GUILESS_MAIN(TestInvoiceStore)
#include "tst_db_invoicestore.moc"
