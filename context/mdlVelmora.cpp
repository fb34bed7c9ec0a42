#include "mdlVelmora.h"
#include <stdexcept>
#include <string>
#include <QLineEdit>
#include <QWidget>
#include <cstdlib>

namespace {
std::function<QWidget *()> g_centerArea;

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Adds one to a string of decimal digits.
QString incrementDigits(const QString &digits)
{
    QString s = digits.isEmpty() ? QStringLiteral("0") : digits;
    int i = s.size() - 1;
    while (i >= 0) {
        if (s[i] == u'9') {
            s[i] = u'0';
            --i;
        } else {
            s[i] = QChar(s[i].unicode() + 1);
            break;
        }
    }
    if (i < 0)
        s.prepend(u'1');
    return s;
}

QString stripLeadingZeros(const QString &digits)
{
    int i = 0;
    while (i < digits.size() - 1 && digits[i] == u'0')
        ++i;
    return digits.mid(i);
}
} // namespace

QString &gHelpCol(int n)
{
    switch (n) {
    case 1: return gHelpCol1;
    case 2: return gHelpCol2;
    case 3: return gHelpCol3;
    case 4: return gHelpCol4;
    case 5: return gHelpCol5;
    case 6: return gHelpCol6;
    case 7: return gHelpCol7;
    case 8: return gHelpCol8;
    default:
        // A caller's mistake: there is no ninth hand-over value to write into.
        throw std::out_of_range("gHelpCol: no hand-over value " + std::to_string(n) + ", only 1 to 8");
    }
}

void clearHelpCols()
{
    for (int i = 1; i <= 8; ++i)
        gHelpCol(i).clear();
}

void resetWorkingContext()
{
    gServerIp.clear();
    gVersion.clear();
    gConnected = false;
    gFromDate = QDate();
    gToDate = QDate();
    gInvPeriod.clear();
    gInvDbName = DbName();
    gInvDefault = false;
    gAcDbName = DbName();
    gPrevAcDbName = DbName();
    gPrevInvDbName = DbName();
    gUnitCode.clear();
    gUnitName.clear();
    gCompCode.clear();
    gCompName.clear();
    gUserId.clear();
    gUserName.clear();
    gUserType = false;
    gSelectedCode.clear();
    gSelectedDbName = DbName();
    clearHelpCols();
}

qint64 userIdNumber()
{
    return Decimal::fromText(gUserId).truncated();
}

void SelectAllText(QLineEdit *box)
{
    if (box)
        box->setSelection(0, box->text().size());
}

QString NextCode(QString &code)
{
    code = code.trimmed();
    const int n = code.size();
    int i = n;
    while (i > 0 && isDigit(code[i - 1]))
        --i;
    const QString prefix = code.left(i);
    const QString digits = code.mid(i);
    const QString next = stripLeadingZeros(incrementDigits(digits));
    const int width = n - prefix.size();
    return prefix + next.rightJustified(width, u'0');
}

QString NextCode(const QString &code)
{
    QString copy = code;
    return NextCode(copy);
}

QString PadText(const QString &text, int width, const QString &alignment)
{
    if (width <= 0)
        return QString();
    const QString cut = text.left(width);
    if (alignment == u"R")
        return cut.rightJustified(width, u' ');
    return cut.leftJustified(width, u' ');
}

void setCenterArea(std::function<QWidget *()> area)
{
    g_centerArea = std::move(area);
}

void CenterForm(QWidget *window)
{
    if (!window || !g_centerArea)
        return;
    QWidget *area = g_centerArea();
    if (!area)
        return;
    // A child window is a subwindow of the MDI area; move its frame.
    QWidget *frame = window->parentWidget() && window->parentWidget() != area ? window->parentWidget() : window;
    const QSize inner = area->size();
    frame->move((inner.width() - frame->width()) / 2, (inner.height() - frame->height()) / 2);
}

void NumberSetupFailure()
{
    MsgBox(QStringLiteral("Error in Number Setup!!!.   ") + u'\n' + QStringLiteral("Contact System Administrator.   "),
           MsgButtons::Ok, MsgIcon::Critical);
    ui().endProgram(1);
    std::abort(); // endProgram never returns
}

namespace {
// A series value the program can count on: a code ending in its number.
bool isSoundSeriesValue(const QString &value)
{
    const QString v = value.trimmed();
    return !v.isEmpty() && isDigit(v.back());
}
} // namespace

QString GetNextNumber(const QString &seriesKey)
{
    RecordSet rs = gConnection.query(QStringLiteral("Select * from ") + gInvDbName.table("numbersetup")
                                         + QStringLiteral(" Where no_id=?"),
                                     {seriesKey});
    if (!rs.next()) {
        rs.close();
        NumberSetupFailure();
    }
    const QString v = rs.text(QStringLiteral("no_value"));
    rs.close();
    // An empty value would give records an empty code and lose the prefix.
    if (!isSoundSeriesValue(v))
        NumberSetupFailure();
    return v;
}

QString ClaimCode(const QString &seriesKey, const CodeTarget &target)
{
    return ClaimCode(gConnection, gInvDbName, seriesKey, target);
}

QString ClaimCode(Database &db, const DbName &storesDb, const QString &seriesKey, const CodeTarget &target)
{
    if (!db.inTransaction())
        throw DbError(QStringLiteral("A code is taken only inside the save's transaction."));
    // Column names are constants of the program; refuse anything else before it reaches a statement.
    QString used = QStringLiteral("Select 1 from %1 where %2=?").arg(target.table, target.codeColumn);
    if (!DbName::isValid(target.codeColumn))
        throw DbError(QStringLiteral("Invalid column name: ") + target.codeColumn);
    for (const auto &[column, value] : target.scope) {
        if (!DbName::isValid(column))
            throw DbError(QStringLiteral("Invalid column name: ") + column);
        used += QStringLiteral(" and %1=?").arg(column);
    }
    used += QStringLiteral(" limit 1 FOR UPDATE");
    RecordSet rs = db.query(QStringLiteral("Select no_value from ") + storesDb.table("numbersetup")
                                + QStringLiteral(" Where no_id=? FOR UPDATE"),
                            {seriesKey});
    if (!rs.next()) {
        rs.close();
        NumberSetupFailure();
    }
    QString code = rs.text(0);
    rs.close();
    if (!isSoundSeriesValue(code))
        NumberSetupFailure();
    code = code.trimmed();

    const auto isUsed = [&](const QString &c) {
        QVariantList values{c};
        for (const auto &[column, value] : target.scope)
            values << value;
        RecordSet found = db.query(used, values);
        return found.next();
    };
    // A lagging counter moves past the codes already used from it on in one
    // step: to the end of the run of consecutive codes that starts at it, so
    // it never walks over them one by one while the caller holds its locks,
    // and never leaps into a range that another series of the same pattern
    // numbers further on. Read only in that case: the scan keeps what it
    // reads locked until the caller commits.
    const auto pastUsedRun = [&](const QString &c) {
        int i = int(c.size());
        while (i > 0 && isDigit(c[i - 1]))
            --i;
        const QString prefix = c.left(i);
        const int width = int(c.size()) - i;
        // A "_" or "%" of the prefix stands for itself.
        const SqlCondition samePrefix =
            likePattern(QStringLiteral("a.") + target.codeColumn, likeText(prefix, false) + u'%');
        const QString next = QStringLiteral("concat(?, lpad(cast(substring(a.%1, ?) as unsigned)+1, "
                                            "greatest(?, char_length(cast(substring(a.%1, ?) as unsigned)+1)), '0'))")
                                 .arg(target.codeColumn);
        QString sql = QStringLiteral("Select a.%2 from %1 a where %3 and char_length(a.%2)=? and a.%2>=? and "
                                     "substring(a.%2, ?) regexp '^[0-9]+$'")
                          .arg(target.table, target.codeColumn, samePrefix.sql);
        QVariantList values = samePrefix.values;
        values << int(c.size()) << c << i + 1;
        QString scopeA, scopeB;
        QVariantList scopeValues;
        for (const auto &[column, value] : target.scope) {
            scopeA += QStringLiteral(" and a.%1=?").arg(column);
            scopeB += QStringLiteral(" and b.%1=?").arg(column);
            scopeValues << value;
        }
        sql += scopeA;
        values += scopeValues;
        sql += QStringLiteral(" and not exists (Select 1 from %1 b where b.%2=%3%4) order by a.%2 limit 1 "
                              "LOCK IN SHARE MODE")
                   .arg(target.table, target.codeColumn, next, scopeB);
        values << prefix << i + 1 << width << i + 1;
        values += scopeValues;
        RecordSet last = db.query(sql, values);
        return last.next() ? NextCode(last.text(0)) : NextCode(c);
    };
    int jumps = 0;
    while (isUsed(code)) {
        // Another workstation of a series with the same prefix may have
        // stored a code just now; a few jumps settle that.
        if (++jumps > kMaxCounterJumps)
            throw DbError(QStringLiteral("The number setup of %1 could not be moved past the codes already used; "
                                         "contact the system administrator.")
                              .arg(seriesKey));
        code = pastUsedRun(code);
    }
    const QString next = NextCode(code);
    db.execute(QStringLiteral("Update ") + storesDb.table("numbersetup")
                   + QStringLiteral(" set no_value=? Where no_id=?"),
               {next, seriesKey});
    return code;
}

bool saveCheckFinds(Database &db, const QString &selectSql, const QVariantList &values)
{
    if (!db.inTransaction())
        throw DbError(QStringLiteral("A duplicate check runs only inside the save's transaction."));
    RecordSet rs = db.query(selectSql + QStringLiteral(" limit 1 LOCK IN SHARE MODE"), values);
    return rs.next();
}

QString GetUnitName(const QString &unitCode)
{
    RecordSet rs =
        gConnection.query(QStringLiteral("Select unit_name from velmora.unitmaster Where unit_code=?"), {unitCode});
    if (!rs.next()) {
        rs.close();
        MsgBox(QStringLiteral("Error in Unit Master!!!.   ") + u'\n'
                   + QStringLiteral("Contact System Administrator.   "),
               MsgButtons::Ok, MsgIcon::Information);
        return QString();
    }
    const QString name = rs.text(QStringLiteral("unit_name"));
    rs.close();
    return name;
}

QString shownText(const RecordSet &rs, int column)
{
    // A date becomes text as every date shown as text does.
    const QVariant v = rs.value(column);
    if (!v.isNull() && v.typeId() == QMetaType::QDate)
        return dateText(v.toDate());
    if (!v.isNull() && v.typeId() == QMetaType::QDateTime) {
        const QDateTime at = v.toDateTime();
        if (at.time() == QTime(0, 0))
            return dateText(at.date());
        return dateText(at.date()) + u' ' + at.time().toString(QStringLiteral("HH:mm:ss"));
    }
    return rs.text(column);
}

QString GetFirstValue(const QString &sql, const QVariantList &values)
{
    RecordSet rs = gConnection.query(sql, values);
    if (!rs.next())
        return QString();
    return shownText(rs, 0);
}

QString CombineCode(const QString &pattern, const QString &typed)
{
    int i = pattern.size();
    while (i > 0 && isDigit(pattern[i - 1]))
        --i;
    const QString prefix = pattern.left(i);
    const int d = pattern.size() - i;
    int j = typed.size();
    while (j > 0 && isDigit(typed[j - 1]))
        --j;
    const QString digits = typed.mid(j);
    if (digits.isEmpty() || d == 0)
        return prefix;
    // Written as a number: leading zeros of the typed text do not count.
    const QString number = stripLeadingZeros(digits).rightJustified(d, u'0');
    return prefix + number.right(d);
}

QString SqlQuote(QString &text)
{
    text.replace(u'\'', QStringLiteral("''"));
    return text;
}

QString SqlQuote(const QString &text)
{
    QString copy = text;
    return SqlQuote(copy);
}
