#include "SupplierHeads.h"
#include "mdlVelmora.h"

SqlCondition supplierHeadCondition(const QString &compCode, const QString &alias)
{
    const QString p = alias.isEmpty() ? QString() : alias + u'.';
    // AND binds before OR in the accounts application's own definition; the
    // parentheses here only say so.
    SqlCondition c;
    c.sql = QStringLiteral("(") + p + QStringLiteral("ac_comp_code=? and (") + p
        + QStringLiteral("ac_code like '4412000%' or (") + p + QStringLiteral("ac_code like '441100%' and ") + p
        + QStringLiteral("ac_code not like '%000000000')))");
    c.values = {compCode};
    return c;
}

SqlCondition supplierHeadJoin(const QString &supplierColumn, const QString &compCode, const QString &alias)
{
    return {QStringLiteral("%1.ac_code=%2 and %1.ac_comp_code=?").arg(alias, supplierColumn), {compCode}};
}

SqlCondition supplierLookupQuery(const DbName &accountsDb, const QString &compCode, const QString &fields,
                                 const QString &nameText)
{
    const SqlCondition supplier = supplierHeadCondition(compCode);
    SqlCondition q;
    q.sql = QStringLiteral("SELECT ") + fields + QStringLiteral(" FROM ") + accountsDb.table("acc_accountheads")
        + QStringLiteral(" where ") + supplier.sql;
    q.values = supplier.values;
    if (!nameText.isEmpty()) {
        // The lookup list runs it on the shared connection.
        const SqlCondition named = gConnection.likeAnywhere(accountsDb, QStringLiteral("acc_accountheads"),
                                                            QStringLiteral("ac_name"), nameText);
        q.sql += QStringLiteral(" and ") + named.sql;
        q.values << named.values;
    }
    q.sql += QStringLiteral(" order by ac_name");
    return q;
}
