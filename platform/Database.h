#pragma once
#include "Decimal.h"
#include <QDate>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <thread>

// A failing statement or connection; carries the server's own error text and,
// when the server or client library gave one, its error number.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString &serverText, int code = 0);
    const QString &serverText() const { return m_text; }
    int code() const { return m_code; }
    // Another session held what this one needed: the server rolled the
    // statement (deadlock: the whole transaction) back, and running the whole
    // save again may succeed.
    bool isLockConflict() const;
    // The connection to the server is gone (server restart, idle timeout,
    // killed session, network).
    bool isConnectionLost() const;

private:
    QString m_text;
    int m_code = 0;
};

// The fields of a connection text "DRIVER=...;SERVER=...;PORT=...; USER=...;PASSWORD=...;OPTION=...;Database=...".
struct ConnectionSpec {
    QString server;
    int port = 3306;
    QString user;
    QString password;
    QString database;
    static ConnectionSpec fromText(const QString &connectionText);
};

// A database, schema or table name that is safe to place in a statement:
// letters, digits and underscores only. Names come from the central year tables
// and are checked once, when they enter the working context.
class DbName {
public:
    DbName() = default;
    // Throws DbError for anything but [A-Za-z0-9_$]{1,64}; the empty text stays empty.
    explicit DbName(const QString &name);
    static bool isValid(const QString &name);
    bool isEmpty() const { return m_name.isEmpty(); }
    const QString &str() const { return m_name; }
    // "db.table"; the table name is a constant of the program.
    QString table(const char *tableName) const;
    bool operator==(const DbName &) const = default;

private:
    QString m_name;
};

// Values as they are bound. A null QString would reach the server as NULL: an
// empty box is stored as empty text.
inline QString boundText(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}
inline QVariant boundDecimal(const Decimal &d)
{
    return QVariant::fromValue(d);
}

// A piece of a statement with the values its placeholders take, in order.
struct SqlCondition {
    QString sql;
    QVariantList values;
};

// "(a or b ...)": any of the conditions, their values in order.
SqlCondition anyOf(const QList<SqlCondition> &conditions);

// Typed text as a LIKE pattern takes it: a backslash stands for itself; with
// `wildcards` false "%" and "_" do as well, otherwise they match anything.
QString likeText(const QString &text, bool wildcards = true);
// "expression like ? escape char(92)" with `pattern`, made with likeText(): the
// escape character is named, so that a session whose sql_mode takes
// backslashes as plain text reads the pattern the same way.
SqlCondition likePattern(const QString &expression, const QString &pattern);

// What the clerk hears when a value holds characters that a column's
// character set cannot hold (a Latin-1 table of an older installation).
inline const QString kUnstorableText = QStringLiteral("The text holds characters that the database cannot store.   ");

// A record's columns with their values, named once for both its insert and
// its update, so the two statements can never pair a value with another column.
class ColumnValues {
public:
    ColumnValues &add(const char *column, const QVariant &value)
    {
        m_columns << QString::fromLatin1(column);
        m_values << value;
        return *this;
    }
    ColumnValues &add(const ColumnValues &more)
    {
        m_columns << more.m_columns;
        m_values << more.m_values;
        return *this;
    }
    // "(a, b) Values(?,?)" for an insert.
    QString insertList() const;
    // "a=?, b=?" for an update's Set.
    QString assignments() const;
    const QVariantList &values() const { return m_values; }

private:
    QStringList m_columns;
    QVariantList m_values;
};

// Forward-only, read-only result of one query. Fields are read by name;
// NULL reads as empty text. DECIMAL values arrive as exact text.
class RecordSet {
public:
    explicit RecordSet(QSqlQuery &&query);
    RecordSet(RecordSet &&) = default;
    RecordSet &operator=(RecordSet &&) = default;

    // Moves to the next row; false at the end. Call once before reading the first row.
    bool next();
    bool isNull(const QString &field) const;
    QVariant value(const QString &field) const;
    QVariant value(int column) const;
    QString text(const QString &field) const;
    QString text(int column) const;
    Decimal decimal(const QString &field) const;
    qint64 integer(const QString &field) const;
    bool flag(const QString &field) const { return integer(field) != 0; }
    QDate date(const QString &field) const;
    QDate date(int column) const;
    int columnCount() const;
    QString columnName(int column) const;
    void close();

private:
    int indexOf(const QString &field) const;
    // Throws DbError for a closed record set or a column it does not have.
    int checkedColumn(int column) const;
    std::unique_ptr<QSqlQuery> m_query;
    QSqlRecord m_record;
};

// One connection to the server. Statements take their values as bound
// parameters; no typed text is ever pasted into SQL.
class Database {
public:
    Database();
    explicit Database(const QString &connectionName);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Opens with the connection timeout of 120 seconds and found-rows, so that
    // an update reports the rows it matched, and makes the session strict, so
    // that a value too long or malformed for its column is refused with the
    // server's text instead of being cut, whatever the server's own default.
    // The session waits for another session's row lock at most
    // kSessionLockWaitSeconds. Throws DbError.
    void open(const ConnectionSpec &params);
    void openText(const QString &connectionText) { open(ConnectionSpec::fromText(connectionText)); }
    void close();
    bool isOpen() const;
    QString currentDatabase() const { return m_database; }

    // Runs a statement; returns the rows it matched. Throws DbError. A statement
    // that finds the connection lost outside a transaction reconnects once with
    // the same parameters, session settings and database, and runs again; inside
    // a transaction the transaction is rolled back and the error reported. Inside
    // a NamedLock's section the error is reported too: a new session would not
    // hold the lock. A connection that could not be opened again stays wanted:
    // the next statement tries anew, so the program heals once the server is back.
    qint64 execute(const QString &sql, const QVariantList &values = {});
    RecordSet query(const QString &sql, const QVariantList &values = {});
    // First column of the first row as text; empty for no row or NULL.
    QString firstValue(const QString &sql, const QVariantList &values = {});
    // Runs a script of statements separated by ";" at line ends, unprepared.
    // For fixtures and set-up only; never with typed text.
    void runScript(const QString &script);

    // One transaction at a time: begin() while one is open throws DbError.
    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return m_inTransaction; }

    // Tests route every connection to their private server's socket; the
    // server and port of the connection text are then ignored.
    static void setEndpointOverride(const QString &unixSocket);
    static QString endpointOverride();

    // The declared lengths, in characters, of the text columns of a table, by
    // column name; columns without a character length are left out. Read from
    // the schema at each call, never kept.
    QHash<QString, int> columnLengths(const DbName &schema, const QString &table);
    // The same under the names of the boxes that fill the columns, given as
    // box and column pairs; a column without a length is left out.
    QHash<QString, int> boxLengths(const DbName &schema, const QString &table,
                                   std::initializer_list<std::pair<const char *, const char *>> boxes);

    // A search for typed text anywhere in one text column: "expression like ?"
    // with the text as likeText() makes it. `expression` is the column as the
    // statement writes it, perhaps behind an alias ("t.invtrans_reel_no"); the
    // part after its last dot is the column of schema.table. Text that the
    // column's character set cannot hold matches nothing there: the condition
    // is false, where comparing would end in the server's collation error.
    // The column itself stays bare, so its index serves as before.
    SqlCondition likeAnywhere(const DbName &schema, const QString &table, const QString &expression,
                              const QString &text);
    // "expression=?" for typed text, false in the same way where the column
    // cannot hold the text.
    SqlCondition equalsText(const DbName &schema, const QString &table, const QString &expression, const QString &text);
    // Whether every character of the text has a place in the column's
    // character set. A column the schema does not describe is taken to hold it.
    bool holdsText(const DbName &schema, const QString &table, const QString &column, const QString &text);

private:
    friend class NamedLock;
    QSqlDatabase handle() const;
    QSqlQuery prepared(const QString &sql, const QVariantList &values);
    QSqlQuery runOnce(const QString &sql, const QVariantList &values);
    void connect();
    void reconnect();
    // Column name (lower case) to the value of an information_schema.COLUMNS
    // attribute, for the columns of schema.table that have one.
    QHash<QString, QString> columnsWith(const DbName &schema, const QString &table, const char *attribute);
    QString characterSet(const DbName &schema, const QString &table, const QString &column);
    // `held` when the column named by `expression` holds the text, else false.
    SqlCondition ifHeld(const DbName &schema, const QString &table, const QString &expression, const QString &text,
                        SqlCondition held);
    void closeSession();
    // Opens the session again when it was lost and the program still wants it.
    void ensureOpen();
    // A lost session inside a locked section: dropped, and the loss reported.
    [[noreturn]] void loseLockedSession(const DbError &e);
    QString m_name;
    QString m_database;
    ConnectionSpec m_spec;
    bool m_inTransaction = false;
    // Opened by the program and not closed by it: a lost session is opened again.
    bool m_wanted = false;
    // Counts the sessions opened, so a named lock knows whether its session still lives.
    int m_session = 0;
    int m_namedLocks = 0;
    DbError m_lockedLoss{QString()};
    // The character sets of the text columns, by table ("schema.table") and
    // lower-case column name; read once a table per session, and again
    // whenever the connection is made again.
    QHash<QString, QHash<QString, QString>> m_characterSets;
};

// How long a session waits for another session's row lock before the server
// gives up with a lock-wait timeout, and how long a save may spend on attempts
// in all before the clerk hears the server's text.
constexpr int kSessionLockWaitSeconds = 5;
constexpr std::chrono::seconds kSaveRetryBudget{30};

// Runs a whole save, a callable that opens and commits its own Transaction,
// again when the server refused it for a deadlock or a lock-wait timeout:
// a few times, after a short and growing pause, before the error goes on to
// the clerk. The failed attempt was rolled back entirely, so nothing of it stays.
// An attempt starts only while even its full lock wait ends within the budget,
// so a blocked save answers the clerk within about half a minute.
template <class Save>
auto retryOnLockConflict(Save &&save, std::chrono::milliseconds budget = kSaveRetryBudget) -> decltype(save())
{
    constexpr int kAttempts = 6;
    const auto start = std::chrono::steady_clock::now();
    for (int attempt = 1;; ++attempt) {
        try {
            return save();
        } catch (const DbError &e) {
            const auto spent = std::chrono::steady_clock::now() - start;
            if (!e.isLockConflict() || attempt == kAttempts
                || spent + std::chrono::seconds(kSessionLockWaitSeconds) > budget)
                throw;
            // 10, 20, 40, 80, 160 ms, spread by the attempt's own clock so that
            // two stations that collided do not meet again at once.
            const auto spread = std::chrono::steady_clock::now().time_since_epoch().count() % 10;
            std::this_thread::sleep_for(std::chrono::milliseconds((10 << (attempt - 1)) + spread));
        }
    }
}

// A lock on a name, held by the session until released, that serialises one
// kind of save across every workstation (the server's GET_LOCK). Take it
// before the save's transaction begins, so that the transaction sees what the
// previous holder committed. A wait beyond the timeout throws a lock-wait
// DbError, which retryOnLockConflict retries.
class NamedLock {
public:
    NamedLock(Database &db, const QString &name, int timeoutSeconds = kSessionLockWaitSeconds);
    ~NamedLock();
    NamedLock(const NamedLock &) = delete;
    NamedLock &operator=(const NamedLock &) = delete;

private:
    Database &m_db;
    QString m_name;
    int m_session = 0;
};

// The one way a value is written into a statement's text instead of bound:
// NULL, integers, decimals, dates and text (as the hexadecimal of its UTF-8
// bytes). hasSqlLiteral() says whether a value is of those kinds;
// appendSqlLiteral() throws DbError for any other.
bool hasSqlLiteral(const QVariant &value);
void appendSqlLiteral(QString &sql, const QVariant &value);

// Inserts rows with a few multi-row statements instead of one per row:
// `insertHead` is "Insert into t(c1, ..., cn) Values", `values` holds the rows'
// values one row after another, `columns` to a row. Throws DbError.
void insertRows(Database &db, const QString &insertHead, int columns, const QVariantList &values,
                int rowsPerStatement = 100);

// Rolls back unless commit() was called and succeeded.
class Transaction {
public:
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();

private:
    Database &m_db;
    bool m_done = false;
};
