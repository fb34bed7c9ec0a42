#include "TestSupport.h"
#include "mdlVelmora.h"
#include <QTest>
#include <QThread>
#include <atomic>
#include <memory>

namespace {
CodeTarget gsmCodes()
{
    return {QStringLiteral("vstores_2024.inv_gsm"),
            QStringLiteral("gsm_code"),
            {{QStringLiteral("comp_code"), QStringLiteral("01")}}};
}
CodeTarget brandCodes()
{
    return {QStringLiteral("vstores_2024.inv_brandmaster"),
            QStringLiteral("brand_code"),
            {{QStringLiteral("comp_code"), QStringLiteral("01")}}};
}
} // namespace

// Code counters and the reading procedures on the real server.
class TestCounters : public QObject {
    Q_OBJECT
private slots:
    void init();
    void getNextNumberReadsSeries();
    void missingSeriesEndsProgramAndSavesNothing();
    void claimUsesAndAdvancesSeries();
    void claimTakesNewerCodeWhenAnotherStationSaved();
    void twoStationsSavingAtOnceGetDistinctCodes();
    void unitNames();
    void firstValue();
    void firstValueTexts_data();
    void firstValueTexts();
    void claimReadsTheCommittedCodeNotTheSnapshot();
    void claimOutsideTransactionRefused();
    void laggingCounterJumpsPastStoredCodes_data();
    void laggingCounterJumpsPastStoredCodes();
    void prefixWildcardsStandForThemselves_data();
    void prefixWildcardsStandForThemselves();
};

void TestCounters::init()
{
    connectAndReset();
    setClerkContext();
}

void TestCounters::getNextNumberReadsSeries()
{
    QCOMPARE(GetNextNumber("GSM_01_NO"), QString("GSM0003"));
    QCOMPARE(GetNextNumber("INV_01_TVM"), QString("N0000001"));
}

void TestCounters::missingSeriesEndsProgramAndSavesNothing()
{
    ScopedScriptedUi s;
    bool ended = false;
    try {
        Transaction t(gConnection);
        gConnection.execute(
            "Insert into vstores_2024.inv_gsm (comp_code, gsm_code, gsm_name) values ('01','GSM9','x')");
        GetNextNumber("GSM_99_NO");
        t.commit();
    } catch (const ProgramEnded &) {
        ended = true;
    }
    QVERIFY(ended);
    QCOMPARE(s.ui.lastText(), QString("Error in Number Setup!!!.   \nContact System Administrator.   "));
    QCOMPARE(s.ui.shown.last().icon, MsgIcon::Critical);
    QCOMPARE(GetFirstValue("Select count(*) from vstores_2024.inv_gsm"), QString("2"));
}

void TestCounters::claimUsesAndAdvancesSeries()
{
    Transaction t(gConnection);
    QCOMPARE(ClaimCode("GSM_01_NO", gsmCodes()), QString("GSM0003"));
    t.commit();
    QCOMPARE(GetNextNumber("GSM_01_NO"), QString("GSM0004"));
}

void TestCounters::claimTakesNewerCodeWhenAnotherStationSaved()
{
    const QString shown = GetNextNumber("BRAND_01_NO");
    Database other(QStringLiteral("other-station"));
    openTestDatabase(other);
    other.execute("Update vstores_2024.numbersetup set no_value='B0005' where no_id='BRAND_01_NO'");
    Transaction t(gConnection);
    const QString used = ClaimCode("BRAND_01_NO", brandCodes());
    t.commit();
    QCOMPARE(shown, QString("B0004"));
    QCOMPARE(used, QString("B0005"));
    QCOMPARE(GetNextNumber("BRAND_01_NO"), QString("B0006"));
}

void TestCounters::twoStationsSavingAtOnceGetDistinctCodes()
{
    // Both stations were shown the same code at New; both save at the same time.
    QCOMPARE(GetNextNumber("GSM_01_NO"), QString("GSM0003"));
    QString codes[2];
    const QStringList errors = onStations(2, [&](Database &db, int i) {
        Transaction t(db);
        const QString code = ClaimCode(db, DbName("vstores_2024"), "GSM_01_NO", gsmCodes());
        QThread::msleep(50);
        db.execute(
            "Insert into vstores_2024.inv_gsm (unit_code, comp_code, gsm_code, gsm_name) values ('TVM','01',?,?)",
            {code, QStringLiteral("station %1").arg(i)});
        t.commit();
        codes[i] = code;
    });
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
    QVERIFY(codes[0] != codes[1]);
    QCOMPARE(QSet<QString>({codes[0], codes[1]}), QSet<QString>({"GSM0003", "GSM0004"}));
    QCOMPARE(GetNextNumber("GSM_01_NO"), QString("GSM0005"));
}

void TestCounters::unitNames()
{
    ScopedScriptedUi s;
    QCOMPARE(GetUnitName("KTM"), QString("Kottayam"));
    QVERIFY(s.ui.shown.isEmpty());
    QCOMPARE(GetUnitName("XXX"), QString());
    QCOMPARE(s.ui.lastText(), QString("Error in Unit Master!!!.   \nContact System Administrator.   "));
    QCOMPARE(s.ui.shown.last().icon, MsgIcon::Information);
}

void TestCounters::firstValue()
{
    QCOMPARE(GetFirstValue("Select max(item_code) from vstores_2024.inv_itemmaster where comp_code=?", {"02"}),
             QString());
    QCOMPARE(GetFirstValue("Select max(item_code) from vstores_2024.inv_itemmaster where comp_code=?", {"01"}),
             QString("I0003"));
}

void TestCounters::firstValueTexts_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("text");
    QTest::newRow("date as shown everywhere") << "Select max(inv_from_date) from velmora.inv_fin_year"
                                              << "01-Apr-2024";
    QTest::newRow("date and time") << "Select cast('2024-04-01 09:05:00' as datetime)"
                                   << "01-Apr-2024 09:05:00";
    QTest::newRow("date at midnight") << "Select cast('2009-03-31 00:00:00' as datetime)"
                                      << "31-Mar-2009";
    QTest::newRow("no date") << "Select max(inv_from_date) from velmora.inv_fin_year where inv_default=7"
                             << "";
    QTest::newRow("sum of nothing") << "Select sum(unit_priority) from velmora.unitmaster where unit_code='XXX'"
                                    << "";
    QTest::newRow("count") << "Select count(*) from velmora.unitmaster"
                           << "4";
    QTest::newRow("flag") << "Select user_type from velmora.userdetails where user_id=5"
                          << "1";
    QTest::newRow("exact decimal") << "Select cast(1234567.125 as decimal(12,3))"
                                   << "1234567.125";
    QTest::newRow("text kept as stored")
        << "Select concat(no_value, '  ') from vstores_2024.numbersetup where no_id='GSM_01_NO'"
        << "GSM0003  ";
}

void TestCounters::firstValueTexts()
{
    QFETCH(QString, sql);
    QFETCH(QString, text);
    QCOMPARE(GetFirstValue(sql), text);
}

// A counter read earlier in the same transaction (a snapshot) must not hand
// out a code that another station has saved under since.
void TestCounters::claimReadsTheCommittedCodeNotTheSnapshot()
{
    Database late(QStringLiteral("late-station"));
    openTestDatabase(late);
    Transaction lateSave(late);
    QCOMPARE(late.firstValue("Select no_value from vstores_2024.numbersetup where no_id=?", {"GSM_01_NO"}),
             QString("GSM0003"));

    {
        Transaction t(gConnection);
        QCOMPARE(ClaimCode("GSM_01_NO", gsmCodes()), QString("GSM0003"));
        t.commit();
    }

    QCOMPARE(ClaimCode(late, DbName("vstores_2024"), "GSM_01_NO", gsmCodes()), QString("GSM0004"));
    lateSave.commit();
    QCOMPARE(GetNextNumber("GSM_01_NO"), QString("GSM0005"));
}

void TestCounters::claimOutsideTransactionRefused()
{
    QVERIFY_THROWS_EXCEPTION(DbError, ClaimCode("GSM_01_NO", gsmCodes()));
    QCOMPARE(GetNextNumber("GSM_01_NO"), QString("GSM0003"));
}


void TestCounters::laggingCounterJumpsPastStoredCodes_data()
{
    QTest::addColumn<int>("stored"); // codes GSM0003 onwards already stored
    QTest::addColumn<QString>("later"); // a code stored further on, by another series of the same pattern
    QTest::addColumn<QString>("claimed");
    QTest::newRow("one used code") << 1 << "" << "GSM0004";
    // Another unit's series with the same start booked this many times.
    QTest::newRow("far behind") << 1500 << "" << "GSM1503";
    QTest::newRow("a range numbered further on stays its own") << 2 << "GSM0100" << "GSM0005";
}

void TestCounters::laggingCounterJumpsPastStoredCodes()
{
    QFETCH(int, stored);
    QFETCH(QString, later);
    QFETCH(QString, claimed);
    QStringList rows;
    for (int i = 0; i < stored; ++i)
        rows << QStringLiteral("('TVM','01','GSM%1','g%1')").arg(i + 3, 4, 10, QLatin1Char('0'));
    if (!later.isEmpty())
        rows << QStringLiteral("('KTM','01','%1','later')").arg(later);
    // Codes of another prefix or of another company do not count.
    rows << QStringLiteral("('TVM','01','GSMX9999','other prefix')") << QStringLiteral("('TVM','02','GSM8000','02')");
    gConnection.execute("Insert into vstores_2024.inv_gsm (unit_code, comp_code, gsm_code, gsm_name) values "
                        + rows.join(u','));
    Transaction t(gConnection);
    QCOMPARE(ClaimCode("GSM_01_NO", gsmCodes()), claimed);
    t.commit();
    QCOMPARE(GetNextNumber("GSM_01_NO"), NextCode(claimed));
}

void TestCounters::prefixWildcardsStandForThemselves_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("latin1");
    QTest::newRow("underscore, Latin-1 table") << "GSM_" << true;
    QTest::newRow("percent, Latin-1 table") << "GSM%" << true;
    QTest::newRow("underscore, table as installed") << "GSM_" << false;
}

// A series whose prefix holds a LIKE wildcard, behind more stored codes than
// the counter may step over one by one, on a session that takes backslashes
// in literals as plain text: the scan still finds the run of used codes.
void TestCounters::prefixWildcardsStandForThemselves()
{
    QFETCH(QString, prefix);
    QFETCH(bool, latin1);
    std::unique_ptr<Latin1Tables> tables;
    if (latin1)
        tables = std::make_unique<Latin1Tables>(QStringList{QStringLiteral("vstores_2024.inv_gsm")});
    gConnection.execute(QStringLiteral("SET SESSION sql_mode = CONCAT_WS(',', NULLIF(@@SESSION.sql_mode, ''), "
                                       "'NO_BACKSLASH_ESCAPES')"));
    QStringList rows;
    for (int n = 3; n <= 4 + kMaxCounterJumps; ++n)
        rows << QStringLiteral("('TVM','01','%1%2','g%2')").arg(prefix).arg(n, 4, 10, QLatin1Char('0'));
    gConnection.execute("Insert into vstores_2024.inv_gsm (unit_code, comp_code, gsm_code, gsm_name) values "
                        + rows.join(u','));
    gConnection.execute("Update vstores_2024.numbersetup set no_value=? where no_id='GSM_01_NO'",
                        {prefix + QStringLiteral("0003")});
    const QString claimed = prefix + QStringLiteral("%1").arg(5 + kMaxCounterJumps, 4, 10, QLatin1Char('0'));
    QString code;
    try {
        Transaction t(gConnection);
        code = ClaimCode("GSM_01_NO", gsmCodes());
        t.commit();
    } catch (const DbError &e) {
        QFAIL(qPrintable(e.serverText()));
    }
    QCOMPARE(code, claimed);
    QCOMPARE(GetNextNumber("GSM_01_NO"), NextCode(claimed));
}

QTEST_MAIN(TestCounters)
#include "tst_db_counters.moc"
