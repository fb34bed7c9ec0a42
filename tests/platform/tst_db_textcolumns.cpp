#include "Database.h"
#include "TestSupport.h"
#include <QTest>
#include <QThread>

// Typed text against columns of the character sets an older installation
// has: searches and saves on a Latin-1 table, and what a backslash means in a
// search.
class TestTextColumns : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void holdsWhatTheServerStores();
    void searches_data();
    void searches();
    void unstorableTextIsRefused_data();
    void unstorableTextIsRefused();
    void otherFailuresKeepTheServerText_data();
    void otherFailuresKeepTheServerText();
    void characterSetsReadAgainOnReconnect_data();
    void characterSetsReadAgainOnReconnect();

private:
    QList<int> found(const QString &text);
    Database m_db{QStringLiteral("tst")};
    DbName m_schema{QStringLiteral("vstores_2024")};
};

namespace {
const QString kTable = QStringLiteral("vstores_2024.text_columns");
const QString kMalayalam = QStringLiteral("\u0d15\u0d4a\u0d1a\u0d4d\u0d1a\u0d3f"); // Kochi
} // namespace

void TestTextColumns::init()
{
    openTestDatabase(m_db);
    m_db.execute(QStringLiteral("Drop table if exists ") + kTable);
    m_db.execute(QStringLiteral("Create table %1 (id int not null, l varchar(40) character set latin1 null, "
                                "a varchar(40) character set ascii null, m3 varchar(40) character set utf8mb3 null, "
                                "m4 varchar(40) character set utf8mb4 null, l2 varchar(40) character set latin2 null)")
                     .arg(kTable));
}

void TestTextColumns::cleanup()
{
    m_db.execute(QStringLiteral("Drop table if exists ") + kTable);
    m_db.close();
}

// The program's own verdict on every column, character by character, is the
// one the server gives when it stores the character.
void TestTextColumns::holdsWhatTheServerStores()
{
    const QList<char32_t> characters{u'A',   0x00E9, 0x00FF, 0x20AC, 0x2013, 0x0178,  0x0081, 0x008D,
                                     0x0080, 0x009F, 0x0141, 0x20B9, 0x0D15, 0x1F600, 0xFFFD};
    int id = 0;
    for (const char *column : {"l", "a", "m3", "m4", "l2"}) {
        for (char32_t c : characters) {
            const QString text = QStringLiteral("x") + QString::fromUcs4(&c, 1);
            bool stored = true;
            try {
                m_db.execute(QStringLiteral("Insert into %1 (id, %2) values (?, ?)").arg(kTable, QLatin1String(column)),
                             {++id, text});
            } catch (const DbError &e) {
                stored = false;
                QCOMPARE(e.serverText(), kUnstorableText);
            }
            const QString name =
                QStringLiteral("%1 U+%2").arg(QLatin1String(column)).arg(quint32(c), 4, 16, QChar(u'0'));
            QVERIFY2(m_db.holdsText(m_schema, QStringLiteral("text_columns"), QLatin1String(column), text) == stored,
                     qPrintable(name + (stored ? QStringLiteral(" stored") : QStringLiteral(" refused"))));
        }
    }
}

QList<int> TestTextColumns::found(const QString &text)
{
    const QString table = QStringLiteral("text_columns");
    const SqlCondition any = anyOf({m_db.equalsText(m_schema, table, QStringLiteral("t.l"), text),
                                    m_db.likeAnywhere(m_schema, table, QStringLiteral("t.l"), text),
                                    m_db.likeAnywhere(m_schema, table, QStringLiteral("t.m4"), text)});
    RecordSet rs =
        m_db.query(QStringLiteral("Select id from %1 t where %2 order by id").arg(kTable, any.sql), any.values);
    QList<int> ids;
    while (rs.next())
        ids << int(rs.integer(QStringLiteral("id")));
    return ids;
}

void TestTextColumns::searches_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("text only the utf8mb4 column holds") << kMalayalam << QList<int>{1};
    QTest::newRow("held by both") << "kochi" << QList<int>{1};
    QTest::newRow("Windows-1252 letter in Latin-1") << QStringLiteral("\u20ac 5") << QList<int>{5};
    QTest::newRow("held by neither") << QStringLiteral("\u20b9") << QList<int>{};
    QTest::newRow("backslash inside") << "q'1\\" << QList<int>{2};
    QTest::newRow("backslash alone") << "\\" << QList<int>{2, 4};
    QTest::newRow("ending in a backslash") << "C:\\" << QList<int>{4};
    QTest::newRow("percent still matches anything") << "Q%Z" << QList<int>{2};
    QTest::newRow("underscore still matches one character") << "Cotto_" << QList<int>{3};
    QTest::newRow("backslash then percent") << "\\%" << QList<int>{2, 4};
}

// Each search runs on a session that reads a backslash in a literal as an
// escape and on one that takes it as plain text: the pattern means the same.
void TestTextColumns::searches()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, ids);
    m_db.execute(QStringLiteral("Insert into %1 (id, l, m4) values (1, 'Kochi Unit', ?), (2, ?, ?), "
                                "(3, '100% Cotton', 'Cotton_A'), (4, ?, ''), (5, ?, '')")
                     .arg(kTable),
                 {QStringLiteral("Kochi ") + kMalayalam, "Q'1\\Z", "Q'1\\Z", "C:\\", QStringLiteral("\u20ac 50")});
    const QString mode = m_db.firstValue(QStringLiteral("Select @@SESSION.sql_mode"));
    QCOMPARE(found(text), ids);
    m_db.execute(QStringLiteral("SET SESSION sql_mode = CONCAT_WS(',', NULLIF(@@SESSION.sql_mode, ''), "
                                "'NO_BACKSLASH_ESCAPES')"));
    const QList<int> plain = found(text);
    m_db.execute(QStringLiteral("SET SESSION sql_mode = ?"), {mode});
    QCOMPARE(plain, ids);
}

void TestTextColumns::unstorableTextIsRefused_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<int>("values");
    QTest::newRow("insert") << "Insert into %1 (id, l) values (9, ?)" << 1;
    QTest::newRow("update") << "Update %1 set l=? where id=1" << 1;
    QTest::newRow("duplicate check") << "Select id from %1 where l=?" << 1;
    QTest::newRow("among several") << "Select id from %1 where l in (?, ?)" << 2;
    QTest::newRow("insert of a utf8mb3 column") << "Insert into %1 (id, m3) values (9, ?)" << 1;
}

// Nothing is stored; the clerk hears what is wrong instead of the server's
// words on collations.
void TestTextColumns::unstorableTextIsRefused()
{
    QFETCH(QString, sql);
    QFETCH(int, values);
    m_db.execute(QStringLiteral("Insert into %1 (id, l) values (1, 'Kochi')").arg(kTable));
    const QString text = QStringLiteral("Kochi \u2013 \u20b9 \u0d15 \U0001F600");
    QVariantList bound;
    for (int i = 0; i < values; ++i)
        bound << text;
    try {
        m_db.execute(sql.arg(kTable), bound);
        QFAIL("the server took it");
    } catch (const DbError &e) {
        QCOMPARE(e.serverText(), kUnstorableText);
    }
    // The same text through the one quoting helper of the multi-row inserts.
    QVERIFY_THROWS_EXCEPTION(
        DbError, insertRows(m_db, QStringLiteral("Insert into %1 (id, l) Values").arg(kTable), 2, {9, text}));
    QCOMPARE(m_db.firstValue(QStringLiteral("Select group_concat(id, l) from ") + kTable), QString("1Kochi"));
}

void TestTextColumns::otherFailuresKeepTheServerText_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("serverSays");
    QTest::newRow("too long") << "Insert into %1 (id, l) values (9, ?)" << QString(41, u'x') << "Data too long";
    QTest::newRow("text in a number") << "Insert into %1 (id) values (?)"
                                      << "abc"
                                      << "Incorrect integer value";
    QTest::newRow("two columns of different sets") << "Select id from %1 where l=l2 and id=?"
                                                   << "1"
                                                   << "Illegal mix of collations";
}

void TestTextColumns::otherFailuresKeepTheServerText()
{
    QFETCH(QString, sql);
    QFETCH(QString, value);
    QFETCH(QString, serverSays);
    try {
        m_db.execute(sql.arg(kTable), {value});
        QFAIL("the server took it");
    } catch (const DbError &e) {
        QVERIFY2(e.serverText().startsWith(serverSays), qPrintable(e.serverText()));
    }
}

void TestTextColumns::characterSetsReadAgainOnReconnect_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("charset"); // the column's set after the change
    QTest::addColumn<QString>("stored");  // row 1's text after the change
    QTest::addColumn<QList<int>>("ids");  // what the search finds then
    QTest::newRow("Latin-1 column moved to utf8mb4") << "l"
                                                      << "utf8mb4" << QStringLiteral("Kochi ") + kMalayalam
                                                      << QList<int>{1};
    QTest::newRow("utf8mb4 column moved to Latin-1") << "m4"
                                                      << "latin1"
                                                      << "Kochi" << QList<int>{};
}

// A column's character set changes while the program works: once the
// connection has been made again, a search follows the column as it is now.
void TestTextColumns::characterSetsReadAgainOnReconnect()
{
    QFETCH(QString, column);
    QFETCH(QString, charset);
    QFETCH(QString, stored);
    QFETCH(QList<int>, ids);
    const auto search = [&] {
        const SqlCondition c =
            m_db.likeAnywhere(m_schema, QStringLiteral("text_columns"), QStringLiteral("t.") + column, kMalayalam);
        RecordSet rs = m_db.query(QStringLiteral("Select id from %1 t where %2 order by id").arg(kTable, c.sql), c.values);
        QList<int> found;
        while (rs.next())
            found << int(rs.integer(QStringLiteral("id")));
        return found;
    };
    m_db.execute(QStringLiteral("Insert into %1 (id, l, m4) values (1, 'Kochi', 'Kochi')").arg(kTable));
    QCOMPARE(search(), QList<int>{});

    Database other(QStringLiteral("other-station"));
    openTestDatabase(other);
    other.execute(QStringLiteral("Alter table %1 modify %2 varchar(40) character set %3 null")
                      .arg(kTable, column, charset));
    other.execute(QStringLiteral("Update %1 set %2=? where id=1").arg(kTable, column), {stored});
    const QString before = m_db.firstValue(QStringLiteral("Select CONNECTION_ID()"));
    other.execute(QStringLiteral("KILL ") + before);
    // The next statement finds the session gone and makes the connection again.
    while (other.firstValue(QStringLiteral("Select count(*) from information_schema.PROCESSLIST where ID=?"), {before})
           != u"0")
        QThread::yieldCurrentThread();
    QVERIFY(m_db.firstValue(QStringLiteral("Select CONNECTION_ID()")) != before);
    try {
        QCOMPARE(search(), ids);
    } catch (const DbError &e) {
        QFAIL(qPrintable(e.serverText()));
    }
}

QTEST_GUILESS_MAIN(TestTextColumns)
#include "tst_db_textcolumns.moc"
