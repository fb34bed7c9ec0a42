#include "Database.h"
#include "TestSupport.h"
#include <QTest>

// The data-access layer against the private server.
class TestDataAccess : public QObject {
    Q_OBJECT
private slots:
    void init();
    void connectionTextFields_data();
    void connectionTextFields();
    void awkwardTextRoundTrips_data();
    void awkwardTextRoundTrips();
    void updateReportsMatchedRows();
    void nullsAndMissingFields();
    void decimalsStayExact();
    void boundQueriesKeepDecimalsAndDates_data();
    void boundQueriesKeepDecimalsAndDates();
    void columnsByNumber();
    void multiRowInsertsKeepEveryValue_data();
    void multiRowInsertsKeepEveryValue();
    void refusedRowNamedByItsPlaceInTheBatch_data();
    void refusedRowNamedByItsPlaceInTheBatch();
    void transactionRollsBackUnlessCommitted();
    void secondBeginLeavesTheOpenWorkUncommitted();
    void failureCarriesServerText();
    void databaseNamesAreChecked_data();
    void databaseNamesAreChecked();
    void refusedConnection();

private:
    // An empty scratch table for the multi-row inserts.
    void emptyBatchTable();

    Database m_db{QStringLiteral("tst")};
};

void TestDataAccess::init()
{
    resetFixtures();
    if (!m_db.isOpen())
        openTestDatabase(m_db);
}

void TestDataAccess::connectionTextFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("database");
    QTest::newRow("local central") << "DRIVER={MySQL ODBC 3.51 Driver};SERVER=127.0.0.1;PORT=3306; "
                                      "USER=root;PASSWORD=5831;OPTION=3;Database=velmora"
                                   << "127.0.0.1"
                                   << "root"
                                   << "5831"
                                   << "velmora";
    QTest::newRow("other stores") << "DRIVER={MySQL ODBC 3.51 Driver};SERVER=10.0.0.5;PORT=3306; "
                                     "USER=quillbase;PASSWORD=amberwillows;OPTION=3;Database=vstores_2024"
                                  << "10.0.0.5"
                                  << "quillbase"
                                  << "amberwillows"
                                  << "vstores_2024";
    QTest::newRow("empty server") << "DRIVER={MySQL ODBC 3.51 Driver};SERVER=;PORT=3306; "
                                     "USER=quillbase;PASSWORD=amberwillows;OPTION=3;Database=velmora"
                                  << ""
                                  << "quillbase"
                                  << "amberwillows"
                                  << "velmora";
    QTest::newRow("server with blank kept") << "SERVER= 127.0.0.1;PORT=3306; USER=quillbase;PASSWORD=x;Database=velmora"
                                            << " 127.0.0.1"
                                            << "quillbase"
                                            << "x"
                                            << "velmora";
}

void TestDataAccess::connectionTextFields()
{
    QFETCH(QString, text);
    const ConnectionSpec s = ConnectionSpec::fromText(text);
    QTEST(s.server, "server");
    QTEST(s.user, "user");
    QTEST(s.password, "password");
    QTEST(s.database, "database");
    QCOMPARE(s.port, 3306);
}

void TestDataAccess::awkwardTextRoundTrips_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("apostrophe") << "O'Neil Paper";
    QTest::newRow("backslash") << "C:\\reels\\";
    QTest::newRow("backslash before apostrophe") << "a\\' OR '1'='1";
    QTest::newRow("unicode") << QString::fromUtf8("Kerala Newsprint \u0d15");
    QTest::newRow("trailing blanks") << "Reel   ";
}

void TestDataAccess::awkwardTextRoundTrips()
{
    QFETCH(QString, name);
    m_db.execute("Insert into vstores_2024.inv_gsm (unit_code, comp_code, gsm_code, gsm_name) values (?,?,?,?)",
                 {"TVM", "01", "GSMX", name});
    QCOMPARE(m_db.firstValue("Select gsm_name from vstores_2024.inv_gsm where gsm_name=?", {name}), name);
    QCOMPARE(m_db.firstValue("Select count(*) from vstores_2024.inv_gsm"), QString("3"));
}

void TestDataAccess::updateReportsMatchedRows()
{
    // The value is already there: the row is matched though nothing changes.
    QCOMPARE(m_db.execute("Update vstores_2024.inv_gsm set gsm_name=? where gsm_code=?", {"45 GSM", "GSM0001"}),
             qint64(1));
    QCOMPARE(m_db.execute("Update vstores_2024.inv_gsm set gsm_name=? where gsm_code=?", {"x", "NONE"}), qint64(0));
    QCOMPARE(m_db.execute("Update vstores_2024.inv_gsm set modified_by=? where comp_code=?", {2, "01"}), qint64(2));
}

void TestDataAccess::nullsAndMissingFields()
{
    RecordSet rs = m_db.query("Select user_password, user_name from velmora.userdetails where user_id=?", {6});
    QVERIFY(rs.next());
    QVERIFY(rs.isNull("user_password"));
    QCOMPARE(rs.text("user_password"), QString());
    QCOMPARE(rs.text("USER_NAME"), QString("nopass"));
    QVERIFY_THROWS_EXCEPTION(DbError, rs.text("no_such_column"));
    QVERIFY(!rs.next());
    QCOMPARE(m_db.firstValue("Select max(user_id) from velmora.userdetails where user_id>?", {100}), QString());
}

void TestDataAccess::decimalsStayExact()
{
    m_db.execute("Create temporary table money (amount decimal(20,2), weight decimal(14,3))");
    m_db.execute(
        "Insert into money values (?, ?)",
        {QVariant::fromValue(Decimal::fromText("98765432101.67")), QVariant::fromValue(Decimal::fromText("0.105"))});
    RecordSet rs = m_db.query("Select amount, weight, amount * 3 as triple from money");
    QVERIFY(rs.next());
    QCOMPARE(rs.text("amount"), QString("98765432101.67"));
    QCOMPARE(rs.decimal("weight").toText(3), QString("0.105"));
    QCOMPARE(rs.text("triple"), QString("296296296305.01"));
}

// Statements with values travel as prepared statements, whose results come
// back in the server's binary form; they must read exactly as the plain ones.
void TestDataAccess::boundQueriesKeepDecimalsAndDates_data()
{
    QTest::addColumn<bool>("bound");
    QTest::newRow("plain statement") << false;
    QTest::newRow("statement with values") << true;
}

void TestDataAccess::boundQueriesKeepDecimalsAndDates()
{
    QFETCH(bool, bound);
    m_db.execute("Create temporary table if not exists reels (amount decimal(20,2), weight decimal(14,3), "
                 "rate decimal(12,6), taken date, flag tinyint not null default 0, tag varchar(10) null)");
    m_db.execute("Delete from reels");
    m_db.execute("Insert into reels (amount, weight, rate, taken, tag) values (?, ?, ?, ?, ?)",
                 {QVariant::fromValue(Decimal::fromText("98765432101.67")),
                  QVariant::fromValue(Decimal::fromText("0.105")), QVariant::fromValue(Decimal::fromText("38.123457")),
                  QDate(2009, 4, 1), QVariant()});
    RecordSet rs = bound ? m_db.query("Select * from reels where flag=?", {0}) : m_db.query("Select * from reels");
    QVERIFY(rs.next());
    QCOMPARE(rs.text("amount"), QString("98765432101.67"));
    QCOMPARE(rs.decimal("amount").toText(2), QString("98765432101.67"));
    QCOMPARE(rs.text("weight"), QString("0.105"));
    QCOMPARE(rs.decimal("rate").toText(6), QString("38.123457"));
    QCOMPARE(rs.date("taken"), QDate(2009, 4, 1));
    QCOMPARE(rs.text("taken"), QString("2009-04-01"));
    QCOMPARE(rs.integer("flag"), qint64(0));
    QVERIFY(rs.isNull("tag"));
    QCOMPARE(rs.text("tag"), QString());
}

void TestDataAccess::emptyBatchTable()
{
    m_db.execute("Create temporary table if not exists batch (slno int, name varchar(60) null, "
                 "amount decimal(20,2) null, taken date null, flag tinyint null, extra int null)");
    m_db.execute("Delete from batch");
}

// Rows inserted in batches carry their values in the statement's text; each
// must arrive as binding would have sent it, whatever the session does with
// backslashes, and a kind with no literal form still arrives, bound.
void TestDataAccess::multiRowInsertsKeepEveryValue_data()
{
    QTest::addColumn<bool>("noBackslashEscapes");
    QTest::addColumn<QVariant>("extra");
    QTest::newRow("as written") << false << QVariant(3);
    QTest::newRow("backslashes plain in the session") << true << QVariant(3);
    QTest::newRow("a value only binding sends") << false << QVariant(QByteArray("3"));
}

void TestDataAccess::multiRowInsertsKeepEveryValue()
{
    QFETCH(bool, noBackslashEscapes);
    QFETCH(QVariant, extra);
    emptyBatchTable();
    const QString mode = m_db.firstValue("Select @@SESSION.sql_mode");
    if (noBackslashEscapes)
        m_db.execute("SET SESSION sql_mode = CONCAT_WS(',', NULLIF(@@SESSION.sql_mode, ''), 'NO_BACKSLASH_ESCAPES')");
    const QStringList names{"O'Neil Paper",
                            "C:\\reels\\",
                            "a\\' OR '1'='1",
                            QString::fromUtf8("Kerala Newsprint \u0d15"),
                            "Reel   ",
                            "two\r\nlines\tand\x1a",
                            QString("nul") + QChar(0) + "inside",
                            ""};
    QVariantList values;
    int slNo = 0;
    for (const QString &name : names)
        values << ++slNo << name << QVariant::fromValue(Decimal::fromText("-98765432101.67")) << QDate(2009, 4, 1)
               << true << extra;
    values << ++slNo << QString() << QVariant() << QDate() << false << QVariant();
    insertRows(m_db, "Insert into batch (slno, name, amount, taken, flag, extra) Values", 6, values, 3);
    m_db.execute("SET SESSION sql_mode = ?", {mode});

    RecordSet rs = m_db.query("Select * from batch order by slno");
    for (const QString &name : names) {
        QVERIFY(rs.next());
        QCOMPARE(rs.text("name"), name);
        QVERIFY(!rs.isNull("name"));
        QCOMPARE(rs.text("amount"), QString("-98765432101.67"));
        QCOMPARE(rs.date("taken"), QDate(2009, 4, 1));
        QCOMPARE(rs.integer("flag"), qint64(1));
        QCOMPARE(rs.integer("extra"), qint64(3));
    }
    QVERIFY(rs.next());
    for (const char *column : {"name", "amount", "taken", "extra"})
        QVERIFY2(rs.isNull(column), column);
    QCOMPARE(rs.integer("flag"), qint64(0));
    QVERIFY(!rs.next());
}

void TestDataAccess::refusedRowNamedByItsPlaceInTheBatch_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("refused");
    QTest::newRow("in the first hundred") << 30 << 20;
    QTest::newRow("past the first hundred") << 130 << 120;
    QTest::newRow("the two hundred and first") << 201 << 201;
}

// The server counts rows within one statement; the error names the row by its
// place among all the rows inserted, so a caller can name it.
void TestDataAccess::refusedRowNamedByItsPlaceInTheBatch()
{
    QFETCH(int, rows);
    QFETCH(int, refused);
    emptyBatchTable();
    QVariantList values;
    for (int r = 1; r <= rows; ++r)
        values << r << QString(r == refused ? 61 : 5, u'x');
    QString text;
    try {
        insertRows(m_db, "Insert into batch (slno, name) Values", 2, values);
    } catch (const DbError &e) {
        text = e.serverText();
    }
    QVERIFY2(text.contains(QStringLiteral("'name'")), qPrintable(text));
    QVERIFY2(text.endsWith(QStringLiteral("at row %1").arg(refused)), qPrintable(text));
}

void TestDataAccess::columnsByNumber()
{
    RecordSet rs = m_db.query("Select user_name, user_password from velmora.userdetails where user_id=?", {2});
    QVERIFY(rs.next());
    QCOMPARE(rs.text(0), QString("clerk"));
    QCOMPARE(rs.columnName(1), QString("user_password"));
    // A column the record set does not have, or a closed record set, is an error, not a crash.
    QVERIFY_THROWS_EXCEPTION(DbError, rs.text(2));
    QVERIFY_THROWS_EXCEPTION(DbError, rs.value(-1));
    rs.close();
    QVERIFY_THROWS_EXCEPTION(DbError, rs.text(0));
    QVERIFY_THROWS_EXCEPTION(DbError, rs.columnName(0));
    QVERIFY(!rs.next());
}

void TestDataAccess::transactionRollsBackUnlessCommitted()
{
    {
        Transaction t(m_db);
        m_db.execute("Delete from vstores_2024.inv_gsm");
    }
    QCOMPARE(m_db.firstValue("Select count(*) from vstores_2024.inv_gsm"), QString("2"));
    {
        Transaction t(m_db);
        m_db.execute("Delete from vstores_2024.inv_gsm where gsm_code=?", {"GSM0001"});
        t.commit();
    }
    QCOMPARE(m_db.firstValue("Select count(*) from vstores_2024.inv_gsm"), QString("1"));
    QVERIFY(!m_db.inTransaction());
}

// A second begin on the server commits the open transaction; the layer refuses
// it, so the open work still rolls back with its scope.
void TestDataAccess::secondBeginLeavesTheOpenWorkUncommitted()
{
    {
        Transaction t(m_db);
        m_db.execute("Delete from vstores_2024.inv_gsm where gsm_code=?", {"GSM0001"});
        QVERIFY_THROWS_EXCEPTION(DbError, Transaction{m_db});
        QVERIFY(m_db.inTransaction());
    }
    QVERIFY(!m_db.inTransaction());
    QCOMPARE(m_db.firstValue("Select count(*) from vstores_2024.inv_gsm"), QString("2"));
    // The connection takes a new transaction once the first is over.
    Transaction again(m_db);
    again.commit();
}

void TestDataAccess::failureCarriesServerText()
{
    try {
        m_db.query("Select * from vstores_2024.no_such_table");
        QFAIL("no error");
    } catch (const DbError &e) {
        QVERIFY2(e.serverText().contains("no_such_table"), qPrintable(e.serverText()));
    }
    // Strict mode: a text in a number column is refused, not turned into 0.
    QVERIFY_THROWS_EXCEPTION(
        DbError,
        m_db.execute("Insert into velmora.unitmaster (unit_code, unit_priority) values (?, ?)", {"ZZZ", "abc"}));
}

void TestDataAccess::databaseNamesAreChecked_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::newRow("plain") << "vstores_2024" << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("dot") << "a.b" << false;
    QTest::newRow("quote") << "x';drop" << false;
    QTest::newRow("blank") << "a b" << false;
    QTest::newRow("backtick") << "a`b" << false;
}

void TestDataAccess::databaseNamesAreChecked()
{
    QFETCH(QString, name);
    QFETCH(bool, valid);
    bool threw = false;
    try {
        DbName n(name);
        QCOMPARE(n.table("numbersetup"), name + ".numbersetup");
    } catch (const DbError &) {
        threw = true;
    }
    QCOMPARE(threw, !valid);
}

void TestDataAccess::refusedConnection()
{
    const QString saved = Database::endpointOverride();
    Database::setEndpointOverride(testTempDir() + "/no-such.sock");
    Database other(QStringLiteral("refused"));
    QVERIFY_THROWS_EXCEPTION(DbError,
                             other.openText("SERVER=127.0.0.1;PORT=3306; USER=root;PASSWORD=5831;Database=velmora"));
    QVERIFY(!other.isOpen());
    Database::setEndpointOverride(saved);
    // Wrong password: the server's refusal, not a silent success.
    Database wrong(QStringLiteral("wrong"));
    QVERIFY_THROWS_EXCEPTION(
        DbError, wrong.openText("SERVER=127.0.0.1;PORT=3306; USER=quillbase;PASSWORD=bad;Database=velmora"));
}

QTEST_MAIN(TestDataAccess)
#include "tst_db_dataaccess.moc"
