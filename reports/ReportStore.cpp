#include "ReportStore.h"
#include "Database.h"
#include "SupplierHeads.h"

QString ReportStore::masterNames(const QString &table, const char *code, const char *name)
{
    return QStringLiteral("(SELECT %2 AS code, COALESCE(MAX(CASE WHEN comp_code=? THEN %3 END), MIN(%3)) AS name "
                          "FROM %1 GROUP BY %2)")
        .arg(table, QLatin1String(code), QLatin1String(name));
}

LookupQuery ReportStore::unitLookup(const QString &userId, bool byCirculation)
{
    // The flag's column cannot be bound: one of two fixed texts.
    const QString flag = byCirculation ? QStringLiteral("unit_app_circ") : QStringLiteral("unit_app_acc");
    return {
        QStringLiteral("Select unitaccess.unit_code,unit_name from velmora.unitmaster inner join velmora.unitaccess "
                       "on unitaccess.unit_code=unitmaster.unit_code where unitaccess.user_id=? and %1=0 "
                       "order by unit_priority")
            .arg(flag),
        {userId}};
}

LookupQuery ReportStore::supplierLookup(const DbName &accountsDb, const QString &compCode, const QString &nameText)
{
    const SqlCondition q = supplierLookupQuery(accountsDb, compCode, QStringLiteral("ac_code, ac_name"), nameText);
    return {q.sql, q.values};
}
