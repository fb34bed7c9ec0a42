#include "OtherInvoiceStore.h"
#include "TestSupport.h"
#include "mdlVelmora.h"
#include <QTest>

// Saving, loading, finalising and listing other-stores invoices on the real server.
class TestOtherInvoiceStore : public QObject {
    Q_OBJECT
private slots:
    void init();
    void saveNewStoresHeaderLinesAndCounter();
    void saveNewWithoutLines();
    void duplicateNumberRefused_data();
    void duplicateNumberRefused();
    void refusedWhatTheWindowNeverSends_data();
    void refusedWhatTheWindowNeverSends();
    void failingSaveLeavesNothing();
    void textLongerThanItsColumnRefused_data();
    void textLongerThanItsColumnRefused();
    void newIdsAreUniqueOverTheYear();
    void twoStationsSavingAtOnceGetDistinctIds();
    void saveEditRoundTrip();
    void saveEditRefused_data();
    void saveEditRefused();
    void loadKeepsLinesOfMissingItems();
    void loadShowsOneNamePerLine();
    void loadNeedsSupplierHeadOfCompany_data();
    void loadNeedsSupplierHeadOfCompany();
    void finalizeAndRemove();
    void finalizeScopedToUnitAndCompany_data();
    void finalizeScopedToUnitAndCompany();
    void list_data();
    void list();
    void supplierLookupHasGstNumbers();

private:
    static OtherInvoice invoice(const QString &number, int lines);
    static OtherInvoiceStore store(const QString &unit = QStringLiteral("TVM"),
                                   const QString &comp = QStringLiteral("01"));
    static QString value(const QString &sql, const QVariantList &values = {});
};

void TestOtherInvoiceStore::init()
{
    connectAndReset();
    setClerkContext();
}

OtherInvoice TestOtherInvoiceStore::invoice(const QString &number, int lines)
{
    OtherInvoice inv;
    inv.invoiceNo = number;
    inv.invoiceDate = QDate(2024, 8, 10);
    inv.receiptDate = QDate(2024, 8, 12);
    inv.suppCode = QStringLiteral("441200001");
    inv.gstNo = QStringLiteral(" 32AAACK1111A1Z1 ");
    inv.tcs = Decimal::fromText("12.50");
    inv.freight = Decimal::fromText("40");
    inv.narration = QStringLiteral(" Stationery ");
    for (int i = 1; i <= lines; ++i) {
        OtherInvoiceLine l;
        l.itemCode = i % 2 ? QStringLiteral("12") : QStringLiteral("I0002");
        l.qty = Decimal::fromInt(i);
        l.rate = Decimal::fromText("33.33");
        l.cgstPer = Decimal::fromText("2.5");
        l.cgstAmt = (l.qty * l.rate * l.cgstPer / Decimal::fromInt(100)).rounded(2);
        l.sgstPer = l.cgstPer;
        l.sgstAmt = l.cgstAmt;
        l.amount = (l.qty * l.rate).rounded(2) + l.cgstAmt + l.sgstAmt;
        inv.lines << l;
        inv.grossTotal += (l.qty * l.rate).rounded(2);
        inv.cgst += l.cgstAmt;
        inv.sgst += l.sgstAmt;
    }
    inv.netTotal = inv.grossTotal + inv.cgst + inv.sgst + inv.tcs;
    return inv;
}

OtherInvoiceStore TestOtherInvoiceStore::store(const QString &unit, const QString &comp)
{
    return OtherInvoiceStore(gConnection, DbName("vstores_2024"), DbName("vacc_2024"), comp, unit, 2);
}

QString TestOtherInvoiceStore::value(const QString &sql, const QVariantList &values)
{
    return gConnection.firstValue(sql, values);
}

void TestOtherInvoiceStore::saveNewStoresHeaderLinesAndCounter()
{
    OtherInvoice inv = invoice(" KOS/900 ", 3);
    QCOMPARE(store().saveNew(inv), OtherInvoiceStore::Saved::Saved);
    QCOMPARE(inv.transId, QString("P0000008"));
    QCOMPARE(value("Select no_value from numbersetup where no_id='INVP_01_TVM'"), QString("P0000009"));
    QCOMPARE(value("Select concat_ws('|', unit_code, comp_code, inv_invoice_no, inv_date, inv_receipt_date, "
                   "inv_supp_code, inv_gst_no, inv_tcs, inv_freight, inv_narration, inv_gross_total, inv_cgst_amt, "
                   "inv_sgst_amt, ifnull(inv_igst_amt,'null'), inv_net_total, created_by, inv_finalize, inv_chq_rec, "
                   "ifnull(modified_by,'none')) from inv_invoice_gen where inv_trans_id='P0000008'"),
             QString("TVM|01|KOS/900|2024-08-10|2024-08-12|441200001|32AAACK1111A1Z1|12.50|40.00|Stationery|199.98|"
                     "5.00|5.00|0.00|222.48|2|0|0|none"));
    QCOMPARE(value("Select group_concat(concat_ws(':', invtrans_slno, invtrans_item_code, invtrans_qty, "
                   "invtrans_cgst_amt, invtrans_amount, invtrans_finalize) order by invtrans_slno separator ' ') "
                   "from inv_invoice_trans_gen where invtrans_id='P0000008'"),
             QString("1:12:1.00:0.83:34.99:0 2:I0002:2.00:1.67:70.00:0 3:12:3.00:2.50:104.99:0"));
}

void TestOtherInvoiceStore::saveNewWithoutLines()
{
    OtherInvoice inv = invoice("KOS/901", 0);
    QCOMPARE(store().saveNew(inv), OtherInvoiceStore::Saved::Saved);
    QCOMPARE(value("Select count(*) from inv_invoice_gen where inv_trans_id=?", {inv.transId}), QString("1"));
    QCOMPARE(value("Select count(*) from inv_invoice_trans_gen where invtrans_id=?", {inv.transId}), QString("0"));
}

void TestOtherInvoiceStore::duplicateNumberRefused_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("comp");
    QTest::addColumn<QString>("number");
    QTest::newRow("same unit") << "TVM"
                               << "01"
                               << "KOS/101";
    QTest::newRow("blanks around") << "TVM"
                                   << "01"
                                   << "  KOS/101 ";
    QTest::newRow("another unit's invoice") << "TVM"
                                            << "01"
                                            << "KOS/102";
    QTest::newRow("another company's invoice") << "KTM"
                                               << "02"
                                               << "KOS/140";
}

void TestOtherInvoiceStore::duplicateNumberRefused()
{
    QFETCH(QString, unit);
    QFETCH(QString, comp);
    QFETCH(QString, number);
    const QString before = value("Select count(*) from inv_invoice_gen");
    OtherInvoice inv = invoice(number, 2);
    QCOMPARE(store(unit, comp).saveNew(inv), OtherInvoiceStore::Saved::DuplicateNumber);
    QCOMPARE(value("Select count(*) from inv_invoice_gen"), before);
    QCOMPARE(value("Select no_value from numbersetup where no_id='INVP_01_TVM'"), QString("P0000008"));
}

void TestOtherInvoiceStore::refusedWhatTheWindowNeverSends_data()
{
    QTest::addColumn<int>("what");
    QTest::newRow("a line without an item code") << 0;
    QTest::newRow("a negative quantity") << 1;
    QTest::newRow("a negative round-off") << 2;
    QTest::newRow("a round-off above 10, though it adds up") << 3;
    QTest::newRow("a grand total that is not the sum of its parts") << 4;
    QTest::newRow("a grand total without the TCS") << 5;
    QTest::newRow("a gross typed over, though the grand total adds up") << 6;
    QTest::newRow("a gross that counts a line without a GST rate") << 7;
}

void TestOtherInvoiceStore::refusedWhatTheWindowNeverSends()
{
    QFETCH(int, what);
    OtherInvoice inv = invoice("KOS/905", 2);
    if (what == 0)
        inv.lines[1].itemCode = QStringLiteral("  ");
    else if (what == 1)
        inv.lines[0].qty = Decimal::fromText("-1");
    else if (what == 2)
        inv.roundMinus = Decimal::fromText("-0.5");
    else if (what == 3) {
        inv.roundPlus = Decimal::fromText("10.01");
        inv.netTotal += inv.roundPlus;
    } else if (what == 4) {
        inv.netTotal += Decimal::fromText("0.01");
    } else if (what == 5) {
        inv.netTotal -= inv.tcs;
    } else if (what == 6) {
        inv.grossTotal = Decimal::fromText("500");
        inv.netTotal = inv.grossTotal + inv.cgst + inv.sgst + inv.tcs;
    } else {
        // The second line loses its rates and taxes but stays in the gross.
        OtherInvoiceLine &l = inv.lines[1];
        inv.cgst -= l.cgstAmt;
        inv.sgst -= l.sgstAmt;
        l.cgstPer = l.sgstPer = l.cgstAmt = l.sgstAmt = Decimal();
        l.amount = Decimal();
        inv.netTotal = inv.grossTotal + inv.cgst + inv.sgst + inv.tcs;
    }
    QCOMPARE(store().saveNew(inv), OtherInvoiceStore::Saved::Refused);
    inv.transId = QStringLiteral("P0000001");
    QCOMPARE(store().saveEdit(inv), OtherInvoiceStore::Saved::Refused);
    QCOMPARE(value("Select count(*) from inv_invoice_gen where inv_invoice_no='KOS/905'"), QString("0"));
    QCOMPARE(value("Select count(*) from inv_invoice_trans_gen where invtrans_id='P0000001'"), QString("2"));
}

void TestOtherInvoiceStore::failingSaveLeavesNothing()
{
    // An item code longer than its column fails on the server after the
    // header is written: the whole save is undone.
    OtherInvoice inv = invoice("KOS/906", 2);
    inv.lines[1].itemCode = QString(30, u'X');
    QCOMPARE(store().saveNew(inv), OtherInvoiceStore::Saved::TooLong);
    QCOMPARE(value("Select count(*) from inv_invoice_gen where inv_invoice_no='KOS/906'"), QString("0"));
    QCOMPARE(value("Select count(*) from inv_invoice_trans_gen where invtrans_id='P0000008'"), QString("0"));
    QCOMPARE(value("Select no_value from numbersetup where no_id='INVP_01_TVM'"), QString("P0000008"));
}

void TestOtherInvoiceStore::textLongerThanItsColumnRefused_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("length"); // without the blank on either side, which the save trims
    QTest::addColumn<bool>("saved");
    QTest::newRow("invoice number") << "invoice number" << 61 << false;
    QTest::newRow("GST number") << "GST number" << 31 << false;
    QTest::newRow("narration") << "narration" << 256 << false;
    QTest::newRow("narration as long as its column") << "narration" << 255 << true;
}

void TestOtherInvoiceStore::textLongerThanItsColumnRefused()
{
    QFETCH(QString, box);
    QFETCH(int, length);
    QFETCH(bool, saved);
    const auto stored = [] {
        return value("Select concat_ws('|', (Select count(*) from inv_invoice_gen), "
                     "(Select concat_ws(',', inv_invoice_no, inv_gst_no, inv_narration) from inv_invoice_gen "
                     "where inv_trans_id='P0000001' and unit_code='TVM'), "
                     "(Select no_value from numbersetup where no_id='INVP_01_TVM'))");
    };
    const QString before = stored();
    OtherInvoice inv = invoice(QStringLiteral("KOS/908"), 2);
    const QString text = u' ' + QString(length, u'X') + u' ';
    if (box == QStringLiteral("invoice number"))
        inv.invoiceNo = text;
    else if (box == QStringLiteral("GST number"))
        inv.gstNo = text;
    else
        inv.narration = text;
    const OtherInvoiceStore::Saved expected =
        saved ? OtherInvoiceStore::Saved::Saved : OtherInvoiceStore::Saved::TooLong;
    QCOMPARE(store().saveNew(inv), expected);
    inv.transId = QStringLiteral("P0000001");
    QCOMPARE(store().saveEdit(inv), expected);
    if (saved) {
        QCOMPARE(value("Select count(*) from inv_invoice_gen where inv_narration=?", {text.trimmed()}), QString("2"));
        return;
    }
    QCOMPARE(stored(), before);
}

void TestOtherInvoiceStore::newIdsAreUniqueOverTheYear()
{
    // The CRP series stands at P0000001, which TVM's invoice already holds: it steps over every used id.
    OtherInvoice inv = invoice("KOS/907", 1);
    QCOMPARE(store("CRP").saveNew(inv), OtherInvoiceStore::Saved::Saved);
    QCOMPARE(inv.transId, QString("P0000008"));
    QCOMPARE(value("Select no_value from numbersetup where no_id='INVP_01_CRP'"), QString("P0000009"));
}

void TestOtherInvoiceStore::twoStationsSavingAtOnceGetDistinctIds()
{
    const QStringList errors = onStations(4, [](Database &db, int station) {
        OtherInvoice inv = invoice(QStringLiteral("ST/%1").arg(station), 3);
        OtherInvoiceStore s(db, DbName("vstores_2024"), DbName("vacc_2024"), "01", "TVM", 2);
        if (s.saveNew(inv) != OtherInvoiceStore::Saved::Saved)
            throw DbError("not saved");
    });
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
    QCOMPARE(value("Select count(distinct inv_trans_id) from inv_invoice_gen where inv_invoice_no like 'ST/%'"),
             QString("4"));
    QCOMPARE(
        value("Select count(*) from inv_invoice_trans_gen l join inv_invoice_gen g on g.inv_trans_id=l.invtrans_id "
              "and g.unit_code=l.unit_code and g.comp_code=l.comp_code where g.inv_invoice_no like 'ST/%'"),
        QString("12"));
}

void TestOtherInvoiceStore::saveEditRoundTrip()
{
    std::optional<OtherInvoice> inv = store().loadRecord("P0000001");
    QVERIFY(inv);
    QCOMPARE(inv->lines.size(), 2);
    inv->invoiceNo = QStringLiteral("KOS/102"); // another invoice's number: allowed in an edit
    inv->tcs = Decimal::fromText("12.50");
    inv->lines.removeFirst();
    OtherInvoiceLine added;
    added.itemCode = QStringLiteral("120");
    added.qty = Decimal::fromInt(4);
    added.rate = Decimal::fromInt(20);
    added.igstPer = Decimal::fromInt(18);
    added.igstAmt = Decimal::fromText("14.40");
    added.amount = Decimal::fromText("94.40");
    inv->lines << added;
    inv->grossTotal = Decimal::fromText("179.99"); // 3 x 33.33 + 4 x 20
    inv->netTotal = inv->grossTotal + inv->tcs + inv->cgst + inv->sgst + inv->igst + inv->roundPlus - inv->roundMinus;
    QCOMPARE(store().saveEdit(*inv), OtherInvoiceStore::Saved::Saved);
    QCOMPARE(value("Select concat_ws('|', inv_invoice_no, inv_tcs, created_by, created_date, modified_by, "
                   "modified_date is not null, inv_narration) from inv_invoice_gen where inv_trans_id='P0000001'"),
             QString("KOS/102|12.50|2|2024/06/11|2|1|Cleaning material"));
    const std::optional<OtherInvoice> again = store().loadRecord("P0000001");
    QVERIFY(again);
    QStringList lines;
    for (const OtherInvoiceLine &l : again->lines)
        lines << l.itemCode + ':' + l.itemName + ':' + l.igstAmt.toText(2) + ':' + l.amount.toText(2);
    QCOMPARE(lines, (QStringList{"I0002:PRINTING INK:0.00:102.49", "120:CLEANING CLOTH ROLL:14.40:94.40"}));
    QCOMPARE(value("Select group_concat(invtrans_slno order by invtrans_slno) from inv_invoice_trans_gen "
                   "where invtrans_id='P0000001'"),
             QString("1,2"));
}

void TestOtherInvoiceStore::saveEditRefused_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("result");
    QTest::newRow("finalised meanwhile") << "P0000004"
                                         << "TVM" << int(OtherInvoiceStore::Saved::Finalized);
    QTest::newRow("no such invoice") << "P0000099"
                                     << "TVM" << int(OtherInvoiceStore::Saved::NoSuchInvoice);
    QTest::newRow("another unit's invoice") << "P0000001"
                                            << "CRP" << int(OtherInvoiceStore::Saved::NoSuchInvoice);
}

void TestOtherInvoiceStore::saveEditRefused()
{
    QFETCH(QString, id);
    QFETCH(QString, unit);
    QFETCH(int, result);
    const QString before = value("Select group_concat(concat_ws(':', invtrans_id, invtrans_slno, unit_code) "
                                 "order by invtrans_id, unit_code, invtrans_slno) from inv_invoice_trans_gen");
    const QString heads = value("Select group_concat(concat_ws(':', inv_trans_id, inv_invoice_no, "
                                "ifnull(modified_by,'')) order by inv_trans_id) from inv_invoice_gen");
    OtherInvoice inv = invoice("KOS/999", 2);
    inv.transId = id;
    QCOMPARE(int(store(unit).saveEdit(inv)), result);
    QCOMPARE(value("Select group_concat(concat_ws(':', invtrans_id, invtrans_slno, unit_code) "
                   "order by invtrans_id, unit_code, invtrans_slno) from inv_invoice_trans_gen"),
             before);
    QCOMPARE(value("Select group_concat(concat_ws(':', inv_trans_id, inv_invoice_no, ifnull(modified_by,'')) "
                   "order by inv_trans_id) from inv_invoice_gen"),
             heads);
}

void TestOtherInvoiceStore::loadKeepsLinesOfMissingItems()
{
    std::optional<OtherInvoice> inv = store().loadRecord("P0000003");
    QVERIFY(inv);
    QCOMPARE(inv->lines.size(), 2);
    QCOMPARE(inv->lines.at(1).itemCode, QString("I9999"));
    QCOMPARE(inv->lines.at(1).itemName, QString("I9999"));
    // An edit of what was loaded stores the line again.
    QCOMPARE(store().saveEdit(*inv), OtherInvoiceStore::Saved::Saved);
    QCOMPARE(value("Select count(*) from inv_invoice_trans_gen where invtrans_id='P0000003' and "
                   "invtrans_item_code='I9999'"),
             QString("1"));
}

void TestOtherInvoiceStore::loadShowsOneNamePerLine()
{
    gConnection.execute("Insert into vstores_2024.inv_itemmaster (comp_code, item_code, item_name, item_type) values "
                        "('02','12','DUSTER CLOTH',1)");
    const std::optional<OtherInvoice> inv = store().loadRecord("P0000002");
    QVERIFY(inv);
    QStringList names;
    for (const OtherInvoiceLine &l : inv->lines)
        names << l.itemName;
    QCOMPARE(names, (QStringList{"CLEANING CLOTH ROLL", "CLEANING CLOTH", "CLEANING CLOTH"}));
    QCOMPARE(inv->tcs.toText(2), QString("1.50"));
    QCOMPARE(inv->suppName, QString("Hindustan Paper Traders"));
}

void TestOtherInvoiceStore::loadNeedsSupplierHeadOfCompany_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("comp");
    QTest::addColumn<bool>("found");
    QTest::newRow("own invoice") << "P0000004"
                                 << "01" << true;
    QTest::newRow("supplier not a head of the company") << "P0000007"
                                                        << "01" << false;
    QTest::newRow("another company's invoice") << "P0000006"
                                               << "01" << false;
    QTest::newRow("that company loads it") << "P0000006"
                                           << "02" << true;
    QTest::newRow("no such id") << "P0000099"
                                << "01" << false;
}

void TestOtherInvoiceStore::loadNeedsSupplierHeadOfCompany()
{
    QFETCH(QString, id);
    QFETCH(QString, comp);
    QFETCH(bool, found);
    const std::optional<OtherInvoice> inv = store("TVM", comp).loadRecord(id);
    QCOMPARE(inv.has_value(), found);
    if (id == "P0000004") {
        QVERIFY(inv->finalized);
        QCOMPARE(inv->igst.toText(2), QString("0.00"));
        QCOMPARE(inv->lines.at(0).igstPer.toText(2), QString("0.00"));
    }
}

void TestOtherInvoiceStore::finalizeAndRemove()
{
    QVERIFY(store().setFinalized("P0000001", true));
    QCOMPARE(
        value("Select concat(g.inv_finalize, ':', group_concat(l.invtrans_finalize order by l.invtrans_slno)) from "
              "inv_invoice_gen g join inv_invoice_trans_gen l on l.invtrans_id=g.inv_trans_id and "
              "l.unit_code=g.unit_code and l.comp_code=g.comp_code where g.inv_trans_id='P0000001' "
              "group by g.inv_finalize"),
        QString("1:1,1"));
    QCOMPARE(store().isFinalized("P0000001"), std::optional<bool>(true));
    // Finalising again still names its invoice.
    QVERIFY(store().setFinalized("P0000001", true));
    QVERIFY(store().setFinalized("P0000001", false));
    QCOMPARE(value("Select sum(invtrans_finalize) + (Select inv_finalize from inv_invoice_gen where "
                   "inv_trans_id='P0000001') from inv_invoice_trans_gen where invtrans_id='P0000001'"),
             QString("0"));
    QCOMPARE(store().isFinalized("P0000001"), std::optional<bool>(false));
    QCOMPARE(store().isFinalized("P0000099"), std::optional<bool>());
}

void TestOtherInvoiceStore::finalizeScopedToUnitAndCompany_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("comp");
    QTest::addColumn<QString>("id");
    QTest::newRow("another unit") << "CRP"
                                  << "01"
                                  << "P0000001";
    QTest::newRow("another company") << "TVM"
                                     << "02"
                                     << "P0000001";
    QTest::newRow("a new invoice never saved") << "TVM"
                                               << "01"
                                               << "P0000008";
}

void TestOtherInvoiceStore::finalizeScopedToUnitAndCompany()
{
    QFETCH(QString, unit);
    QFETCH(QString, comp);
    QFETCH(QString, id);
    const QString before =
        value("Select sum(inv_finalize) + (Select sum(invtrans_finalize) from inv_invoice_trans_gen) "
              "from inv_invoice_gen");
    QVERIFY(!store(unit, comp).setFinalized(id, true));
    QVERIFY(!store(unit, comp).setFinalized(id, false) || id == "P0000004");
    QCOMPARE(value("Select sum(inv_finalize) + (Select sum(invtrans_finalize) from inv_invoice_trans_gen) "
                   "from inv_invoice_gen"),
             before);
}

void TestOtherInvoiceStore::list_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QStringList>("ids");
    const QDate june1(2024, 6, 1), june30(2024, 6, 30), july31(2024, 7, 31);
    QTest::newRow("a month of the unit and company") << june1 << june30 << ""
                                                     << "TVM" << QStringList{"P0000001", "P0000002"};
    QTest::newRow("two months") << june1 << july31 << ""
                                << "TVM" << QStringList{"P0000001", "P0000002", "P0000003", "P0000004"};
    QTest::newRow("bounds are inclusive") << QDate(2024, 6, 15) << QDate(2024, 7, 1) << ""
                                          << "TVM" << QStringList{"P0000002", "P0000003"};
    QTest::newRow("from after to") << july31 << june1 << ""
                                   << "TVM" << QStringList{};
    QTest::newRow("item 12 is not 120, each invoice once") << june1 << july31 << "12"
                                                           << "TVM" << QStringList{"P0000001", "P0000002"};
    QTest::newRow("item 120") << june1 << july31 << "120"
                              << "TVM" << QStringList{"P0000002"};
    QTest::newRow("item 1 matches no code containing it") << june1 << july31 << "1"
                                                          << "TVM" << QStringList{};
    QTest::newRow("a line whose item is missing from the master") << june1 << july31 << "I9999"
                                                                  << "TVM" << QStringList{"P0000003"};
    QTest::newRow("another unit") << june1 << july31 << "12"
                                  << "CRP" << QStringList{"P0000005"};
}

void TestOtherInvoiceStore::list()
{
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, item);
    QFETCH(QString, unit);
    QFETCH(QStringList, ids);
    RecordSet rs = store(unit).list(from, to, item);
    QStringList got;
    while (rs.next())
        got << rs.text("inv_trans_id");
    QCOMPARE(got, ids);
}

void TestOtherInvoiceStore::supplierLookupHasGstNumbers()
{
    const SqlCondition q = store().supplierLookup("Paper");
    RecordSet rs = gConnection.query(q.sql, q.values);
    QStringList got;
    while (rs.next())
        got << rs.text(0) + '|' + rs.text(1) + '|' + rs.text(2);
    QCOMPARE(got,
             (QStringList{"441200002|Hindustan Paper Traders|32AAACH2222B1Z2", "441100105|Malabar Paper Agency|",
                          "441100000|Sundry Creditors Paper|"}));
}

QTEST_MAIN(TestOtherInvoiceStore)
#include "tst_db_otherinvoicestore.moc"
