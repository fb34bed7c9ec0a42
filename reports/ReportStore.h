#pragma once
#include <QString>
#include <QVariantList>

// A statement for the lookup list with its bound values.
struct LookupQuery {
    QString sql;
    QVariantList values;
};

// The report windows' shared statements.
namespace ReportStore {
// Units the signed-on user may work in whose flag is 0, in priority order:
// the circulation flag for the consumption report, the accounts flag else.
LookupQuery unitLookup(const QString &userId, bool byCirculation);
} // namespace ReportStore
