#pragma once
#include "Database.h"
#include <QString>
#include <QVariantList>

// A statement for the lookup list with its bound values.
using LookupQuery = SqlCondition;

class DbName;

// The report windows' shared statements.
namespace ReportStore {
// A derived table (code, name) with one name per master code: the company's
// own row when it has one, otherwise the smallest name. A code that two
// companies hold therefore never gives a row twice or doubles a sum. Binds the
// company once.
QString masterNames(const QString &table, const char *code, const char *name);
// The company's supplier heads in an accounts year, their names searched for
// the text when it is not empty, by name.
LookupQuery supplierLookup(const DbName &accountsDb, const QString &compCode, const QString &nameText);

// Units the signed-on user may work in whose flag is 0, in priority order:
// the circulation flag for the consumption report, the accounts flag else.
LookupQuery unitLookup(const QString &userId, bool byCirculation);
} // namespace ReportStore
