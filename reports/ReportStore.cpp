#include "ReportStore.h"

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
