#include "CodeNameTableStore.h"
#include "CompanyStore.h"
#include "ItemStore.h"
#include "TestSupport.h"
#include "mdlVelmora.h"
#include <QSet>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

// Several workstations saving masters into one database at once, each on its
// own connection, and the counters that feed them.
class TestConcurrentSaves : public QObject {
    Q_OBJECT
private slots:
    void init();
    void sameNamesFromEightStations_data();
    void sameNamesFromEightStations();
    void twoRenamesToOneName();
    void sameCompanyFromEightStations();
    void brokenCounterEndsTheProgram_data();
    void brokenCounterEndsTheProgram();
    void counterOnAUsedCode_data();
    void counterOnAUsedCode();
};

namespace {
constexpr int kStations = 8;

struct Tally {
    int saved = 0;
    int duplicates = 0;
    QStringList errors;
    QStringList codes;
};

// Runs `work` on kStations stations at once, each with a tally of its own.
std::vector<Tally> onStations(const std::function<void(Database &, int, Tally &)> &work)
{
    std::vector<Tally> tallies(kStations);
    const QStringList errors = ::onStations(kStations, [&](Database &db, int i) { work(db, i, tallies[i]); });
    tallies.front().errors += errors;
    return tallies;
}

Tally total(const std::vector<Tally> &tallies)
{
    Tally sum;
    for (const Tally &t : tallies) {
        sum.saved += t.saved;
        sum.duplicates += t.duplicates;
        sum.errors += t.errors;
        sum.codes += t.codes;
    }
    return sum;
}

CodeNameTable gsmTable()
{
    return {"inv_gsm", QStringLiteral("gsm_code"), QStringLiteral("gsm_name"), QString(), QVariant()};
}

QString value(const QString &sql, const QVariantList &values = {})
{
    return gConnection.firstValue(sql, values);
}
} // namespace

void TestConcurrentSaves::init()
{
    connectAndReset();
    setClerkContext();
}

void TestConcurrentSaves::sameNamesFromEightStations_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("codeColumn");
    QTest::addColumn<QString>("nameColumn");
    QTest::addColumn<QString>("series");
    QTest::addColumn<QString>("firstCode");
    QTest::newRow("GSM grades") << "gsm"
                                << "inv_gsm"
                                << "gsm_code"
                                << "gsm_name"
                                << "GSM_01_NO"
                                << "GSM0003";
    // Each station saves into its own brand group; names are distinct over all groups.
    QTest::newRow("brands of three groups") << "brand"
                                            << "inv_brandmaster"
                                            << "brand_code"
                                            << "brand_name"
                                            << "BRAND_01_NO"
                                            << "B0004";
    QTest::newRow("other-stores items") << "item"
                                        << "inv_itemmaster"
                                        << "item_code"
                                        << "item_name"
                                        << "ITEM_01_NO"
                                        << "I0004";
}

// Eight stations save the same twenty names, each in its own order: every
// name is stored once, under a code of its own, and the series moves once per
// stored row.
void TestConcurrentSaves::sameNamesFromEightStations()
{
    QFETCH(QString, kind);
    QFETCH(QString, table);
    QFETCH(QString, codeColumn);
    QFETCH(QString, nameColumn);
    QFETCH(QString, series);
    QFETCH(QString, firstCode);
    const int before = value(QStringLiteral("Select count(*) from vstores_2024.") + table).toInt();
    QStringList names;
    for (int n = 0; n < 20; ++n)
        names << QStringLiteral("NAME %1").arg(n, 2, 10, QChar(u'0'));

    const auto tallies = onStations([&](Database &db, int station, Tally &tally) {
        std::unique_ptr<CodeNameStore> store;
        if (kind == u"gsm")
            store = std::make_unique<CodeNameTableStore>(gsmTable(), db);
        else if (kind == u"brand")
            store = std::make_unique<CodeNameTableStore>(CodeNameTable{"inv_brandmaster", QStringLiteral("brand_code"),
                                                                       QStringLiteral("brand_name"),
                                                                       QStringLiteral("brand_group"), station % 3},
                                                         db);
        else
            store = std::make_unique<ItemStore>(1, db);
        for (int n = 0; n < names.size(); ++n) {
            const QString &name = names[(n + station * 3) % names.size()];
            try {
                const CodeNameSaveResult r = store->addEntry({firstCode, name, {QStringLiteral("M0001")}}, series);
                if (r.duplicate) {
                    ++tally.duplicates;
                } else {
                    ++tally.saved;
                    tally.codes << r.code;
                }
            } catch (const DbError &e) {
                tally.errors << e.serverText();
            }
        }
    });
    const Tally sum = total(tallies);
    QVERIFY2(sum.errors.isEmpty(), qPrintable(sum.errors.join(u'\n')));
    QCOMPARE(sum.saved, 20);
    QCOMPARE(sum.duplicates, kStations * 20 - 20);
    QCOMPARE(QSet<QString>(sum.codes.begin(), sum.codes.end()).size(), 20);
    QCOMPARE(value(QStringLiteral("Select count(*) from vstores_2024.") + table).toInt(), before + 20);
    QCOMPARE(value(QStringLiteral("Select count(*) from vstores_2024.%2 where %1 like 'NAME %'").arg(nameColumn, table))
                 .toInt(),
             20);
    QString expectedNext = firstCode;
    for (int n = 0; n < 20; ++n)
        expectedNext = NextCode(expectedNext);
    QCOMPARE(GetNextNumber(series), expectedNext);
    QCOMPARE(value(QStringLiteral("Select count(distinct %1) from vstores_2024.%2 where comp_code='01'")
                       .arg(codeColumn, table))
                 .toInt(),
             value(QStringLiteral("Select count(*) from vstores_2024.%1 where comp_code='01'").arg(table)).toInt());
}

void TestConcurrentSaves::twoRenamesToOneName()
{
    // Half the stations rename one row, half another, all to the same new
    // name: one rename wins; the others find the name taken (the winner's own
    // row too, since it no longer bears the name their edit began with).
    const auto tallies = onStations([&](Database &db, int station, Tally &tally) {
        CodeNameTableStore store(gsmTable(), db);
        const QString code = station % 2 == 0 ? QStringLiteral("GSM0001") : QStringLiteral("GSM0002");
        const QString old = station % 2 == 0 ? QStringLiteral("45 GSM") : QStringLiteral("48.8 GSM");
        try {
            const CodeNameSaveResult r = store.renameEntry({code, QStringLiteral("50 GSM"), {}}, old);
            if (r.duplicate)
                ++tally.duplicates;
            else
                tally.codes << r.code;
        } catch (const DbError &e) {
            tally.errors << e.serverText();
        }
    });
    const Tally sum = total(tallies);
    QVERIFY2(sum.errors.isEmpty(), qPrintable(sum.errors.join(u'\n')));
    QCOMPARE(value("Select count(*) from vstores_2024.inv_gsm where gsm_name='50 GSM'"), QString("1"));
    QCOMPARE(value("Select count(*) from vstores_2024.inv_gsm"), QString("2"));
    QCOMPARE(sum.codes.size(), 1);
    QCOMPARE(sum.duplicates, kStations - 1);
}

void TestConcurrentSaves::sameCompanyFromEightStations()
{
    const auto tallies = onStations([&](Database &db, int station, Tally &tally) {
        CompanyStore store(db, DbName(QStringLiteral("vstores_2024")));
        Company c;
        c.code = QStringLiteral("C%1").arg(station);
        c.name = QStringLiteral("Velmora Weeklies");
        c.address = c.address1 = QStringLiteral("Press Road");
        try {
            if (store.addCompany(c, 2))
                ++tally.saved;
            else
                ++tally.duplicates;
        } catch (const DbError &e) {
            tally.errors << e.serverText();
        }
    });
    const Tally sum = total(tallies);
    QVERIFY2(sum.errors.isEmpty(), qPrintable(sum.errors.join(u'\n')));
    QCOMPARE(sum.saved, 1);
    QCOMPARE(sum.duplicates, kStations - 1);
    QCOMPARE(value("Select count(*) from vstores_2024.inv_companymaster where comp_name='Velmora Weeklies'"),
             QString("1"));
}

void TestConcurrentSaves::brokenCounterEndsTheProgram_data()
{
    QTest::addColumn<QString>("counter");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "   ";
    QTest::newRow("no number") << "GSM";
    QTest::newRow("number followed by text") << "GSM0003X";
}

// A counter that cannot give a code is the broken series of the number setup:
// the program ends with its message, and nothing of the save is stored.
void TestConcurrentSaves::brokenCounterEndsTheProgram()
{
    QFETCH(QString, counter);
    gConnection.execute("Update vstores_2024.numbersetup set no_value=? where no_id='GSM_01_NO'", {counter});
    CodeNameTableStore store(gsmTable());
    for (const bool atNew : {true, false}) {
        ScopedScriptedUi s;
        bool ended = false;
        try {
            if (atNew)
                GetNextNumber("GSM_01_NO");
            else
                store.addEntry({QString(), QStringLiteral("60 GSM"), {}}, QStringLiteral("GSM_01_NO"));
        } catch (const ProgramEnded &) {
            ended = true;
        }
        QVERIFY2(ended, atNew ? "at New" : "at Save");
        QCOMPARE(s.ui.lastText(), QString("Error in Number Setup!!!.   \nContact System Administrator.   "));
        QCOMPARE(s.ui.shown.last().icon, MsgIcon::Critical);
    }
    QVERIFY(!gConnection.inTransaction());
    QCOMPARE(value("Select count(*) from vstores_2024.inv_gsm"), QString("2"));
    QCOMPARE(value("Select no_value from vstores_2024.numbersetup where no_id='GSM_01_NO'"), counter);
}

void TestConcurrentSaves::counterOnAUsedCode_data()
{
    QTest::addColumn<QString>("company");
    QTest::addColumn<QString>("counter");
    QTest::addColumn<QString>("savedCode");
    QTest::addColumn<QString>("counterAfter");
    QTest::newRow("first of two used codes") << "01"
                                             << "GSM0001"
                                             << "GSM0003"
                                             << "GSM0004";
    QTest::newRow("last used code") << "01"
                                    << "GSM0002"
                                    << "GSM0003"
                                    << "GSM0004";
    QTest::newRow("used by another company only") << "02"
                                                  << "GSM0001"
                                                  << "GSM0001"
                                                  << "GSM0002";
    QTest::newRow("blanks around a free code") << "01"
                                               << " GSM0007 "
                                               << "GSM0007"
                                               << "GSM0008";
}

// A counter left on a code already stored steps over it inside the save, so
// the series recovers instead of refusing every save.
void TestConcurrentSaves::counterOnAUsedCode()
{
    QFETCH(QString, company);
    QFETCH(QString, counter);
    QFETCH(QString, savedCode);
    QFETCH(QString, counterAfter);
    gCompCode = company;
    const QString series = QStringLiteral("GSM_%1_NO").arg(company);
    gConnection.execute("Update vstores_2024.numbersetup set no_value=? where no_id=?", {counter, series});
    const CodeNameSaveResult r = CodeNameTableStore(gsmTable()).addEntry({counter, QStringLiteral("60 GSM"), {}}, series);
    QVERIFY(!r.duplicate);
    QCOMPARE(r.code, savedCode);
    QCOMPARE(value("Select gsm_name from vstores_2024.inv_gsm where comp_code=? and gsm_code=?", {company, savedCode}),
             QString("60 GSM"));
    QCOMPARE(value("Select no_value from vstores_2024.numbersetup where no_id=?", {series}), counterAfter);
}

QTEST_MAIN(TestConcurrentSaves)
#include "tst_db_concurrentsaves.moc"
