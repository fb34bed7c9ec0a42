#include "TestSupport.h"
#include "mdlVelmora.h"
#include <QTest>
#include <QThread>
#include <atomic>

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
        gConnection.execute("Insert into vstores_2024.inv_gsm (comp_code, gsm_code, gsm_name) values ('01','GSM9','x')");
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
    QCOMPARE(ClaimCode("GSM_01_NO"), QString("GSM0003"));
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
    const QString used = ClaimCode("BRAND_01_NO");
    t.commit();
    QCOMPARE(shown, QString("B0004"));
    QCOMPARE(used, QString("B0005"));
    QCOMPARE(GetNextNumber("BRAND_01_NO"), QString("B0006"));
}

void TestCounters::twoStationsSavingAtOnceGetDistinctCodes()
{
    // Both stations were shown the same code at New; both save at the same time.
    QCOMPARE(GetNextNumber("GSM_01_NO"), QString("GSM0003"));
    std::atomic<bool> go{false};
    QString codes[2];
    QString errors[2];
    auto station = [&](int i) {
        Database db(QStringLiteral("station-%1").arg(i));
        try {
            openTestDatabase(db);
            while (!go)
                QThread::yieldCurrentThread();
            Transaction t(db);
            const QString code = ClaimCode(db, DbName("vstores_2024"), "GSM_01_NO");
            QThread::msleep(50);
            db.execute("Insert into vstores_2024.inv_gsm (unit_code, comp_code, gsm_code, gsm_name) values ('TVM','01',?,?)",
                       {code, QStringLiteral("station %1").arg(i)});
            t.commit();
            codes[i] = code;
        } catch (const DbError &e) {
            errors[i] = e.serverText();
        }
    };
    QThread *a = QThread::create(station, 0);
    QThread *b = QThread::create(station, 1);
    a->start();
    b->start();
    go = true;
    a->wait();
    b->wait();
    delete a;
    delete b;
    QVERIFY2(errors[0].isEmpty() && errors[1].isEmpty(), qPrintable(errors[0] + errors[1]));
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
    QCOMPARE(GetFirstValue("Select max(item_code) from vstores_2024.inv_itemmaster where comp_code=?", {"02"}), QString());
    QCOMPARE(GetFirstValue("Select max(item_code) from vstores_2024.inv_itemmaster where comp_code=?", {"01"}), QString("I0003"));
}

QTEST_MAIN(TestCounters)
#include "tst_db_counters.moc"
