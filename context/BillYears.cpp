#include "BillYears.h"
#include "mdlVelmora.h"

QList<BillYear> billYears()
{
    QList<BillYear> years{{gInvDbName, gAcDbName, false}};
    const bool hasPrevious = !gPrevInvDbName.isEmpty() && !gPrevAcDbName.isEmpty();
    if (hasPrevious && gPrevInvDbName != gInvDbName)
        years.append({gPrevInvDbName, gPrevAcDbName, true});
    return years;
}

QList<BillYear> billYearsFor(const DbName &billStores)
{
    QList<BillYear> years{{gInvDbName, gAcDbName, false}};
    if (!billStores.isEmpty() && billStores != gInvDbName)
        years.append({billStores, gPrevAcDbName, true});
    return years;
}
