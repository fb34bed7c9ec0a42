#pragma once
#include "Database.h"
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
// The company's supplier heads of an accounts database by name, narrowed to
// the names that hold `nameText` when it is not empty.
LookupQuery supplierLookup(const DbName &accountsDb, const QString &compCode, const QString &nameText);
} // namespace ReportStore
