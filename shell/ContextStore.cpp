#include "ContextStore.h"
#include "Desktop.h"

QStringList ContextStore::firstColumn(const QString &sql, const QDate &date)
{
    QStringList values;
    RecordSet rs = m_db.query(sql, {sqlDate(date)});
    while (rs.next())
        values.append(rs.text(0));
    return values;
}

std::optional<QString> ContextStore::versionCode()
{
    RecordSet rs = m_db.query(QStringLiteral("Select version_code from velmora.versionmaster where pack_code=?"),
                              {QStringLiteral("inv")});
    if (!rs.next())
        return std::nullopt;
    return rs.text(QStringLiteral("version_code"));
}

QVector<AcYearRow> ContextStore::defaultAcYears()
{
    QVector<AcYearRow> rows;
    RecordSet rs = m_db.query(
        QStringLiteral("Select ac_from_date, ac_to_date, ac_db_name from velmora.ac_fin_year where ac_default=1"));
    while (rs.next())
        rows.append({rs.date(QStringLiteral("ac_from_date")), rs.date(QStringLiteral("ac_to_date")),
                     rs.text(QStringLiteral("ac_db_name"))});
    return rows;
}

std::optional<AcYearRow> ContextStore::unitDefaultAcYear(const QString &unitCode)
{
    RecordSet rs = m_db.query(QStringLiteral("Select ac_from_date, ac_to_date, ac_db_name from velmora.ac_fin_year "
                                             "where unit_code=? and ac_default=1"),
                              {unitCode});
    if (!rs.next())
        return std::nullopt;
    return AcYearRow{rs.date(QStringLiteral("ac_from_date")), rs.date(QStringLiteral("ac_to_date")),
                     rs.text(QStringLiteral("ac_db_name"))};
}

QStringList ContextStore::acDbNamesEndingOn(const QDate &toDate)
{
    return firstColumn(QStringLiteral("Select ac_db_name from velmora.ac_fin_year where ac_to_date=?"), toDate);
}

QVector<InvYearRow> ContextStore::invYears(const QString &sql, const QVariantList &values)
{
    QVector<InvYearRow> rows;
    RecordSet rs = m_db.query(sql, values);
    while (rs.next()) {
        InvYearRow r;
        r.unitCode = rs.text(QStringLiteral("unit_code"));
        r.fromDate = rs.date(QStringLiteral("inv_from_date"));
        r.toDate = rs.date(QStringLiteral("inv_to_date"));
        r.period = rs.text(QStringLiteral("inv_period"));
        r.isDefault = rs.flag(QStringLiteral("inv_default"));
        r.defaultText = rs.text(QStringLiteral("inv_default"));
        r.dbName = rs.text(QStringLiteral("inv_db_name"));
        r.acDbName = rs.text(QStringLiteral("ac_db_name"));
        rows.append(r);
    }
    return rows;
}

QVector<InvYearRow> ContextStore::defaultInvYears()
{
    return invYears(QStringLiteral("Select * from velmora.inv_fin_year where inv_default=1"), {});
}

QStringList ContextStore::invDbNamesEndingOn(const QDate &toDate)
{
    return firstColumn(QStringLiteral("Select inv_db_name from velmora.inv_fin_year where inv_to_date=?"), toDate);
}

bool ContextStore::databaseExists(const QString &name)
{
    RecordSet rs =
        m_db.query(QStringLiteral("Select SCHEMA_NAME from information_schema.SCHEMATA where SCHEMA_NAME=?"), {name});
    return rs.next();
}

QVector<InvYearRow> ContextStore::allInvYears()
{
    return invYears(QStringLiteral("Select * from velmora.inv_fin_year order by inv_from_date"), {});
}

QVector<InvYearRow> ContextStore::invYearsByDates(const QDate &from, const QDate &to)
{
    return invYears(QStringLiteral("Select * from velmora.inv_fin_year where inv_from_date=? and inv_to_date=?"),
                    {sqlDate(from), sqlDate(to)});
}

std::optional<UnitRow> ContextStore::unit(const QString &code)
{
    RecordSet rs =
        m_db.query(QStringLiteral("Select unit_code, unit_name from velmora.unitmaster where unit_code=?"), {code});
    if (!rs.next())
        return std::nullopt;
    return UnitRow{rs.text(0), rs.text(1)};
}

std::optional<UnitRow> ContextStore::firstListedUnit()
{
    RecordSet rs = m_db.query(QStringLiteral("Select unit_code, unit_name from velmora.unitmaster "
                                             "where unit_app_acc=0 order by unit_priority, unit_code"));
    if (!rs.next())
        return std::nullopt;
    return UnitRow{rs.text(0), rs.text(1)};
}

QVector<UnitRow> ContextStore::unitsOfUser(const QString &userId)
{
    QVector<UnitRow> rows;
    RecordSet rs = m_db.query(
        QStringLiteral("Select unitaccess.unit_code, unit_name from velmora.unitmaster inner join velmora.unitaccess "
                       "on unitaccess.unit_code = unitmaster.unit_code "
                       "where unitaccess.user_id=? and unit_app_acc=0 order by unit_priority"),
        {userId});
    while (rs.next())
        rows.append({rs.text(0), rs.text(1)});
    return rows;
}
