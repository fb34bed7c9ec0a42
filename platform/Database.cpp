#include "Database.h"
#include <QCoreApplication>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>
#include <QUuid>
#include <algorithm>
#include <atomic>
#include <iterator>
#include <optional>

namespace {
QString g_socketOverride;

QString errorText(const QSqlError &e)
{
    QString t = e.databaseText();
    if (t.isEmpty())
        t = e.driverText();
    if (t.isEmpty())
        t = e.text();
    return t;
}

// Server and client error numbers.
constexpr int kCollationMix2 = 1267;
constexpr int kCollationMix3 = 1270;
constexpr int kCollationMixN = 1271;
constexpr int kIncorrectValue = 1366;
constexpr int kLockWaitTimeout = 1205;
constexpr int kDeadlock = 1213;
constexpr int kConnectionKilled = 1927;
constexpr int kServerGone = 2006;
constexpr int kServerLost = 2013;
constexpr int kServerLostExtended = 2055;
constexpr int kClientInteractionTimeout = 4031;

// A value the program sent holds characters that a column's character set
// cannot hold: storing it gives an incorrect string value, comparing it a mix
// of the column's collation with the value's (COERCIBLE). A mix of two
// columns' collations is the schema's matter and keeps the server's words.
bool isUnstorableText(int code, const QString &text)
{
    switch (code) {
    case kCollationMix2:
    case kCollationMix3:
    case kCollationMixN: return text.contains(QStringLiteral("COERCIBLE"));
    case kIncorrectValue: return text.startsWith(QStringLiteral("Incorrect string value"));
    default: return false;
    }
}

// Every failing statement passes here, so every save, whichever window runs
// it, tells the clerk the same about text the database cannot store.
DbError failure(const QSqlError &e)
{
    const int code = e.nativeErrorCode().toInt();
    const QString text = errorText(e);
    return DbError(isUnstorableText(code, text) ? kUnstorableText : text, code);
}

// MariaDB's latin1 is Windows-1252, with the five bytes that code page leaves
// unused kept as the control characters of the same number.
bool inLatin1(QChar c)
{
    static constexpr char16_t kUpper[] = {0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6,
                                          0x2030, 0x0160, 0x2039, 0x0152, 0x017D, 0x2018, 0x2019, 0x201C,
                                          0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A,
                                          0x0153, 0x017E, 0x0178, 0x0081, 0x008D, 0x008F, 0x0090, 0x009D};
    const char16_t u = c.unicode();
    return u < 0x80 || (u >= 0xA0 && u <= 0xFF)
        || std::find(std::begin(kUpper), std::end(kUpper), u) != std::end(kUpper);
}

// Whether a character set holds the text, for the sets old and new
// installations use; nothing for any other.
std::optional<bool> characterSetHolds(const QString &charset, const QString &text)
{
    const auto every = [&](bool (*fits)(QChar)) { return std::all_of(text.begin(), text.end(), fits); };
    if (charset.isEmpty() || charset == u"utf8mb4" || charset == u"utf16" || charset == u"utf16le"
        || charset == u"utf32")
        return true;
    // The Basic Multilingual Plane only: a character beyond it is a surrogate pair here.
    if (charset == u"utf8mb3" || charset == u"utf8" || charset == u"ucs2")
        return every([](QChar c) { return !c.isSurrogate(); });
    if (charset == u"ascii")
        return every([](QChar c) { return c.unicode() < 0x80; });
    if (charset == u"latin1")
        return every(inLatin1);
    return std::nullopt;
}

bool isIntegral(int type)
{
    switch (type) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Bool: return true;
    default: return false;
    }
}

} // namespace

bool hasSqlLiteral(const QVariant &value)
{
    const int type = value.typeId();
    return !value.isValid() || type == QMetaType::QString || type == qMetaTypeId<Decimal>() || isIntegral(type)
        || type == QMetaType::QDate;
}

void appendSqlLiteral(QString &sql, const QVariant &value)
{
    const int type = value.typeId();
    // As binding does: a null text or date is NULL.
    if (!value.isValid() || value.isNull()) {
        sql += QStringLiteral("NULL");
    } else if (type == QMetaType::QString) {
        // Text goes as the hexadecimal of its UTF-8 bytes: nothing in it can
        // end the literal or be read as an escape, whatever the session's
        // sql_mode says of backslashes.
        const QString text = value.toString();
        if (text.isNull())
            sql += QStringLiteral("NULL");
        else if (text.isEmpty())
            sql += QStringLiteral("''");
        else
            sql += QStringLiteral("_utf8mb4 X'") + QLatin1String(text.toUtf8().toHex()) + u'\'';
    } else if (type == QMetaType::QDate) {
        const QDate date = value.toDate();
        sql += date.isValid() ? u'\'' + date.toString(QStringLiteral("yyyy-MM-dd")) + u'\'' : QStringLiteral("NULL");
    } else if (type == qMetaTypeId<Decimal>()) {
        sql += value.value<Decimal>().toString();
    } else if (type == QMetaType::Bool) {
        sql += value.toBool() ? u'1' : u'0';
    } else if (isIntegral(type)) {
        sql += value.toString();
    } else {
        throw DbError(QStringLiteral("A value of type %1 has no literal form.").arg(QLatin1String(value.typeName())));
    }
}

SqlCondition anyOf(const QList<SqlCondition> &conditions)
{
    SqlCondition any;
    QStringList parts;
    for (const SqlCondition &c : conditions) {
        parts << c.sql;
        any.values << c.values;
    }
    any.sql = u'(' + parts.join(QStringLiteral(" or ")) + u')';
    return any;
}

QString likeText(const QString &text, bool wildcards)
{
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\"));
    if (!wildcards)
        escaped.replace(u'%', QStringLiteral("\\%")).replace(u'_', QStringLiteral("\\_"));
    return escaped;
}

SqlCondition likePattern(const QString &expression, const QString &pattern)
{
    return {expression + QStringLiteral(" like ? escape char(92)"), {pattern}};
}

DbError::DbError(const QString &serverText, int code)
    : std::runtime_error(serverText.toStdString()), m_text(serverText), m_code(code)
{
}

bool DbError::isLockConflict() const
{
    if (m_code != 0)
        return m_code == kDeadlock || m_code == kLockWaitTimeout;
    // An error made without the server's number: the server's words tell.
    return m_text.contains(QStringLiteral("try restarting transaction"), Qt::CaseInsensitive);
}

bool DbError::isConnectionLost() const
{
    return m_code == kServerGone || m_code == kServerLost || m_code == kServerLostExtended
        || m_code == kConnectionKilled || m_code == kClientInteractionTimeout;
}

ConnectionSpec ConnectionSpec::fromText(const QString &connectionText)
{
    ConnectionSpec s;
    s.port = 3306;
    const QStringList parts = connectionText.split(u';');
    for (const QString &part : parts) {
        const int eq = part.indexOf(u'=');
        if (eq < 0)
            continue;
        const QString key = part.left(eq).trimmed().toUpper();
        const QString value = part.mid(eq + 1);
        if (key == u"SERVER")
            s.server = value;
        else if (key == u"PORT")
            s.port = value.trimmed().toInt();
        else if (key == u"USER" || key == u"UID")
            s.user = value;
        else if (key == u"PASSWORD" || key == u"PWD")
            s.password = value;
        else if (key == u"DATABASE")
            s.database = value;
    }
    return s;
}

DbName::DbName(const QString &name) : m_name(name)
{
    if (!name.isEmpty() && !isValid(name))
        throw DbError(QStringLiteral("Invalid database name '%1'").arg(name));
}

bool DbName::isValid(const QString &name)
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z0-9_$]{1,64}$"));
    return re.match(name).hasMatch();
}

QString DbName::table(const char *tableName) const
{
    return m_name + u'.' + QLatin1String(tableName);
}

RecordSet::RecordSet(QSqlQuery &&query)
    : m_query(std::make_unique<QSqlQuery>(std::move(query))), m_record(m_query->record())
{
    // The field list is read once: the driver builds it anew on every call.
}

bool RecordSet::next()
{
    return m_query && m_query->next();
}

int RecordSet::indexOf(const QString &field) const
{
    const int i = m_query ? m_record.indexOf(field) : -1;
    if (i < 0)
        throw DbError(QStringLiteral("Item cannot be found in the collection: %1").arg(field));
    return i;
}

int RecordSet::checkedColumn(int column) const
{
    if (!m_query)
        throw DbError(QStringLiteral("Operation is not allowed when the object is closed."));
    if (column < 0 || column >= m_record.count())
        throw DbError(QStringLiteral("Item cannot be found in the collection: %1").arg(column));
    return column;
}

bool RecordSet::isNull(const QString &field) const
{
    return m_query->isNull(indexOf(field));
}
QVariant RecordSet::value(const QString &field) const
{
    return m_query->value(indexOf(field));
}
QVariant RecordSet::value(int column) const
{
    const int i = checkedColumn(column);
    return m_query->value(i);
}

static QString variantText(const QVariant &v)
{
    if (v.isNull())
        return QString();
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (v.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(v.toByteArray());
    return v.toString();
}

QString RecordSet::text(const QString &field) const
{
    return variantText(value(field));
}
QString RecordSet::text(int column) const
{
    return variantText(value(column));
}
Decimal RecordSet::decimal(const QString &field) const
{
    return Decimal::fromText(text(field));
}
qint64 RecordSet::integer(const QString &field) const
{
    return Decimal::fromText(text(field)).truncated();
}

QDate RecordSet::date(const QString &field) const
{
    return date(indexOf(field));
}

QDate RecordSet::date(int column) const
{
    const QVariant v = value(column);
    if (v.isNull())
        return QDate();
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    return QDate::fromString(v.toString().left(10), QStringLiteral("yyyy-MM-dd"));
}

int RecordSet::columnCount() const
{
    return m_query ? m_record.count() : 0;
}
QString RecordSet::columnName(int column) const
{
    const int i = checkedColumn(column);
    return m_record.fieldName(i);
}

void RecordSet::close()
{
    if (m_query)
        m_query->finish();
    m_query.reset();
    m_record = QSqlRecord();
}

Database::Database() : Database(QStringLiteral("velmora-") + QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

Database::Database(const QString &connectionName) : m_name(connectionName) {}

Database::~Database()
{
    // The global connection outlives the application object and Qt's own
    // connection registry; the process end closes it.
    if (!QCoreApplication::instance())
        return;
    close();
}

void Database::setEndpointOverride(const QString &unixSocket)
{
    g_socketOverride = unixSocket;
}
QString Database::endpointOverride()
{
    return g_socketOverride;
}

void Database::open(const ConnectionSpec &params)
{
    close();
    if (!params.database.isEmpty() && !DbName::isValid(params.database))
        throw DbError(QStringLiteral("Unknown database '%1'").arg(params.database));
    // An empty server would make the client library fall back to a local
    // socket; the connection text names no server, so there is none.
    if (g_socketOverride.isEmpty() && params.server.trimmed().isEmpty())
        throw DbError(QStringLiteral("Unknown MySQL server host '%1'").arg(params.server));
    m_spec = params;
    connect();
    m_wanted = true;
}

void Database::connect()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), m_name);
    QString options = QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=120;CLIENT_FOUND_ROWS");
    if (!g_socketOverride.isEmpty()) {
        db.setHostName(QStringLiteral("localhost"));
        options += QStringLiteral(";UNIX_SOCKET=") + g_socketOverride;
    } else {
        db.setHostName(m_spec.server);
        db.setPort(m_spec.port);
    }
    db.setUserName(m_spec.user.trimmed());
    db.setPassword(m_spec.password);
    db.setDatabaseName(m_spec.database);
    db.setConnectOptions(options);
    db.setNumericalPrecisionPolicy(QSql::HighPrecision);
    const auto giveUp = [&](const DbError &e) {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        throw e;
    };
    if (!db.open())
        giveUp(failure(db.lastError()));
    {
        // Strict for this session whatever the server's default: a too-long or
        // malformed value is refused with the server's text, never cut or zeroed.
        // A row held by another station is waited for a few seconds only, never
        // the server's default of minutes; a shorter server setting stays.
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral(
                        "SET SESSION sql_mode = CONCAT_WS(',', NULLIF(@@SESSION.sql_mode, ''), 'STRICT_ALL_TABLES'),"
                        " SESSION innodb_lock_wait_timeout = LEAST(@@GLOBAL.innodb_lock_wait_timeout, %1)")
                        .arg(kSessionLockWaitSeconds)))
            giveUp(failure(q.lastError()));
    }
    m_database = m_spec.database;
    m_inTransaction = false;
    ++m_session;
    // A table may have been altered while the connection was away.
    m_characterSets.clear();
}

void Database::reconnect()
{
    closeSession();
    connect();
}

void Database::ensureOpen()
{
    if (isOpen())
        return;
    if (!m_wanted)
        throw DbError(QStringLiteral("Operation is not allowed when the object is closed."));
    if (m_namedLocks > 0)
        throw m_lockedLoss;
    connect();
}

void Database::loseLockedSession(const DbError &e)
{
    m_lockedLoss = e;
    closeSession();
    throw e;
}

void Database::close()
{
    m_wanted = false;
    closeSession();
}

void Database::closeSession()
{
    if (!QSqlDatabase::contains(m_name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isOpen()) {
            if (m_inTransaction)
                db.rollback();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(m_name);
    m_inTransaction = false;
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen();
}

QSqlDatabase Database::handle() const
{
    return QSqlDatabase::database(m_name, false);
}

QSqlQuery Database::prepared(const QString &sql, const QVariantList &values)
{
    ensureOpen();
    try {
        return runOnce(sql, values);
    } catch (const DbError &e) {
        if (!e.isConnectionLost())
            throw;
        // Half a transaction must never be replayed on a new session: what ran
        // before the loss is gone with the old one.
        if (m_inTransaction) {
            rollback();
            if (m_namedLocks > 0)
                loseLockedSession(e);
            throw;
        }
        // Nor a locked section: the new session would not hold the lock.
        if (m_namedLocks > 0)
            loseLockedSession(e);
    }
    reconnect();
    return runOnce(sql, values);
}

QSqlQuery Database::runOnce(const QString &sql, const QVariantList &values)
{
    QSqlQuery q(handle());
    q.setForwardOnly(true);
    q.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (values.isEmpty()) {
        if (!q.exec(sql))
            throw failure(q.lastError());
        return q;
    }
    if (!q.prepare(sql))
        throw failure(q.lastError());
    for (const QVariant &v : values) {
        if (v.typeId() == qMetaTypeId<Decimal>())
            q.addBindValue(v.value<Decimal>().toString());
        else
            q.addBindValue(v);
    }
    if (!q.exec())
        throw failure(q.lastError());
    return q;
}

qint64 Database::execute(const QString &sql, const QVariantList &values)
{
    QSqlQuery q = prepared(sql, values);
    return q.numRowsAffected();
}

RecordSet Database::query(const QString &sql, const QVariantList &values)
{
    return RecordSet(prepared(sql, values));
}

QString Database::firstValue(const QString &sql, const QVariantList &values)
{
    RecordSet rs = query(sql, values);
    if (!rs.next())
        return QString();
    return rs.text(0);
}

void Database::runScript(const QString &script)
{
    QString statement;
    const QStringList lines = script.split(u'\n');
    for (const QString &line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QStringLiteral("--")) && statement.trimmed().isEmpty())
            continue;
        statement += line + u'\n';
        if (trimmed.endsWith(u';')) {
            prepared(statement.trimmed(), {});
            statement.clear();
        }
    }
    if (!statement.trimmed().isEmpty())
        prepared(statement.trimmed(), {});
}

void Database::begin()
{
    // The server would silently commit the open transaction on a second start.
    if (m_inTransaction)
        throw DbError(QStringLiteral("A transaction is already open on this connection."));
    ensureOpen();
    if (!handle().transaction()) {
        const DbError e = failure(handle().lastError());
        if (!e.isConnectionLost())
            throw e;
        if (m_namedLocks > 0)
            loseLockedSession(e);
        // Nothing has run in the transaction yet: a new session may begin it.
        reconnect();
        if (!handle().transaction())
            throw failure(handle().lastError());
    }
    m_inTransaction = true;
}

void Database::commit()
{
    QSqlDatabase db = handle();
    if (!db.commit())
        throw failure(db.lastError());
    m_inTransaction = false;
}

void Database::rollback()
{
    if (!isOpen())
        return;
    QSqlDatabase db = handle();
    db.rollback();
    m_inTransaction = false;
}

QHash<QString, QString> Database::columnsWith(const DbName &schema, const QString &table, const char *attribute)
{
    // The attribute is one of this file's own names, never typed text.
    RecordSet rs = query(QStringLiteral("Select COLUMN_NAME, %1 from information_schema.COLUMNS"
                                        " where TABLE_SCHEMA=? and TABLE_NAME=? and %1 is not null")
                             .arg(QLatin1String(attribute)),
                         {schema.str(), table});
    QHash<QString, QString> values;
    while (rs.next())
        values.insert(rs.text(0).toLower(), rs.text(1));
    return values;
}

QHash<QString, int> Database::columnLengths(const DbName &schema, const QString &table)
{
    QHash<QString, int> lengths;
    const QHash<QString, QString> columns = columnsWith(schema, table, "CHARACTER_MAXIMUM_LENGTH");
    for (auto c = columns.cbegin(); c != columns.cend(); ++c)
        lengths.insert(c.key(), c.value().toInt());
    return lengths;
}

QHash<QString, int> Database::boxLengths(const DbName &schema, const QString &table,
                                         std::initializer_list<std::pair<const char *, const char *>> boxes)
{
    const QHash<QString, int> columns = columnLengths(schema, table);
    QHash<QString, int> lengths;
    for (const auto &[box, column] : boxes)
        if (columns.contains(QLatin1String(column)))
            lengths.insert(QLatin1String(box), columns.value(QLatin1String(column)));
    return lengths;
}

QString Database::characterSet(const DbName &schema, const QString &table, const QString &column)
{
    const QString key = schema.str() + u'.' + table;
    auto columns = m_characterSets.constFind(key);
    if (columns == m_characterSets.constEnd())
        columns = m_characterSets.insert(key, columnsWith(schema, table, "CHARACTER_SET_NAME"));
    return columns->value(column.toLower()).toLower();
}

bool Database::holdsText(const DbName &schema, const QString &table, const QString &column, const QString &text)
{
    const QString charset = characterSet(schema, table, column);
    if (const std::optional<bool> known = characterSetHolds(charset, text))
        return *known;
    if (!DbName::isValid(charset))
        return true;
    // A set the program knows no table of: the server takes the text there
    // and back, and a character without a place comes back as "?".
    return firstValue(QStringLiteral("Select CONVERT(CONVERT(? USING %1) USING utf8mb4) = "
                                     "CONVERT(? USING utf8mb4) COLLATE utf8mb4_bin")
                          .arg(charset),
                      {text, text})
        == u"1";
}

SqlCondition Database::ifHeld(const DbName &schema, const QString &table, const QString &expression,
                              const QString &text, SqlCondition held)
{
    const QString column = expression.mid(expression.lastIndexOf(u'.') + 1);
    if (!holdsText(schema, table, column, text))
        return {QStringLiteral("false"), {}};
    return held;
}

SqlCondition Database::likeAnywhere(const DbName &schema, const QString &table, const QString &expression,
                                    const QString &text)
{
    return ifHeld(schema, table, expression, text, likePattern(expression, u'%' + likeText(text) + u'%'));
}

SqlCondition Database::equalsText(const DbName &schema, const QString &table, const QString &expression,
                                  const QString &text)
{
    return ifHeld(schema, table, expression, text, {expression + QStringLiteral("=?"), {text}});
}

NamedLock::NamedLock(Database &db, const QString &name, int timeoutSeconds) : m_db(db), m_name(name.left(64))
{
    const QString got = m_db.firstValue(QStringLiteral("Select GET_LOCK(?, ?)"), {m_name, timeoutSeconds});
    if (got != u"1")
        throw DbError(QStringLiteral("Lock wait timeout exceeded; try restarting transaction"), kLockWaitTimeout);
    m_session = m_db.m_session;
    ++m_db.m_namedLocks;
}

NamedLock::~NamedLock()
{
    --m_db.m_namedLocks;
    // A lost session has let go of its locks already; a new one never had this one.
    if (m_session != m_db.m_session || !m_db.isOpen())
        return;
    try {
        m_db.firstValue(QStringLiteral("Select RELEASE_LOCK(?)"), {m_name});
    } catch (const DbError &) {
    }
}

Transaction::Transaction(Database &db) : m_db(db)
{
    m_db.begin();
}

Transaction::~Transaction()
{
    if (!m_done)
        m_db.rollback();
}

void Transaction::commit()
{
    m_db.commit();
    m_done = true;
}

void insertRows(Database &db, const QString &insertHead, int columns, const QVariantList &values, int rowsPerStatement)
{
    if (columns <= 0 || rowsPerStatement <= 0)
        return;
    // Values of the plain kinds go into the statement as literals: one round
    // trip a statement, and none of the per-value cost of binding. Any other
    // kind keeps the whole batch on placeholders.
    const bool literal = std::all_of(values.begin(), values.end(), [](const QVariant &v) { return hasSqlLiteral(v); });
    QString one = QStringLiteral("(?");
    for (int c = 1; c < columns; ++c)
        one += QStringLiteral(",?");
    one += u')';
    const qsizetype rows = values.size() / columns;
    for (qsizetype from = 0; from < rows; from += rowsPerStatement) {
        const qsizetype to = std::min<qsizetype>(rows, from + rowsPerStatement);
        QString sql = insertHead;
        for (qsizetype r = from; r < to; ++r) {
            if (r > from)
                sql += u',';
            if (!literal) {
                sql += one;
                continue;
            }
            sql += u'(';
            for (int c = 0; c < columns; ++c) {
                if (c > 0)
                    sql += u',';
                appendSqlLiteral(sql, values.at(r * columns + c));
            }
            sql += u')';
        }
        try {
            if (literal)
                db.execute(sql);
            else
                db.execute(sql, values.mid(from * columns, (to - from) * columns));
        } catch (const DbError &e) {
            // The server counts "at row N" within one statement; the caller
            // knows the row by its place in the whole batch.
            static const QRegularExpression atRow(QStringLiteral("at row (\\d+)"));
            QString text = e.serverText();
            const QRegularExpressionMatch m = atRow.match(text);
            if (!m.hasMatch())
                throw;
            text.replace(m.capturedStart(1), m.capturedLength(1), QString::number(m.captured(1).toLongLong() + from));
            throw DbError(text, e.code());
        }
    }
}

QString ColumnValues::insertList() const
{
    QStringList marks;
    marks.fill(QStringLiteral("?"), m_columns.size());
    return u'(' + m_columns.join(QStringLiteral(", ")) + QStringLiteral(") Values(") + marks.join(u',') + u')';
}

QString ColumnValues::assignments() const
{
    return m_columns.join(QStringLiteral("=?, ")) + QStringLiteral("=?");
}
