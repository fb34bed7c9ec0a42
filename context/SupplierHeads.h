#pragma once
#include "Database.h"
#include <QString>
#include <QVariantList>

// The one definition of a supplier: an account head of the company whose code
// begins with "4412000", or begins with "441100" and does not end in nine
// zeros. The condition reads the columns of acc_accountheads, qualified with
// `alias` when one is given; every supplier lookup puts it into its statement.
SqlCondition supplierHeadCondition(const QString &compCode, const QString &alias = QString());
// The join from an invoice to its supplier's head: the code and the company
// alone. An invoice whose supplier code lies outside the lookup's pattern is
// still the company's invoice, listed, loaded and counted like any other.
SqlCondition supplierHeadJoin(const QString &supplierColumn, const QString &compCode, const QString &alias);

// The lookup of the company's suppliers in an accounts database: `fields`
// (e.g. "ac_code,ac_name") of the heads whose name contains `nameText` (all
// when empty), ordered by name.
SqlCondition supplierLookupQuery(const DbName &accountsDb, const QString &compCode, const QString &fields,
                                 const QString &nameText);
