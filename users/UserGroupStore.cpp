#include "UserGroupStore.h"
#include "mdlVelmora.h"

QList<QStringList> UserGroupStore::rows()
{
    RecordSet rs = m_db.query(QStringLiteral("Select user_group_code, user_group_name from velmora.usergroups"));
    QList<QStringList> out;
    while (rs.next())
        out.append({rs.text(0), rs.text(1)});
    rs.close();
    return out;
}

CodeNameSaveResult UserGroupStore::storeNew(const CodeNameEntry &entry, const QString &seriesKey)
{
    return serialisedSave(m_db, QStringLiteral("velmora.usergroups"), [&] {
        // The series lies in the working year's stores database, the groups centrally.
        Transaction t(m_db);
        const QString code = ClaimCode(m_db, gInvDbName, seriesKey,
                                       {QStringLiteral("velmora.usergroups"), QStringLiteral("user_group_code"), {}});
        // Compared as it will be stored, so that " Stores" cannot sit beside "Stores".
        if (saveCheckFinds(m_db,
                           QStringLiteral("Select 1 from velmora.usergroups where user_group_name=? and unit_code=?"),
                           {entry.name.trimmed(), gUnitCode}))
            return CodeNameSaveResult{true, {}, 0};
        m_db.execute(QStringLiteral("Insert into velmora.usergroups (unit_code, user_group_code, "
                                    "user_group_name, created_by, created_date, created_time)"
                                    " values (?,?,?,?,?,?)"),
                     {gUnitCode, code, entry.name.trimmed(), userIdNumber(), auditDate(), auditTime()});
        t.commit();
        return CodeNameSaveResult{false, code, 1};
    });
}

CodeNameSaveResult UserGroupStore::storeRename(const CodeNameEntry &entry, const QString &oldName)
{
    return serialisedSave(m_db, QStringLiteral("velmora.usergroups"), [&] {
        Transaction t(m_db);
        if (saveCheckFinds(m_db,
                           QStringLiteral("Select 1 from velmora.usergroups where user_group_name<>?"
                                          " and user_group_name=? and unit_code=?"),
                           {oldName.trimmed(), entry.name.trimmed(), gUnitCode}))
            return CodeNameSaveResult{true, {}, 0};
        const qint64 matched = m_db.execute(
            QStringLiteral("Update velmora.usergroups set user_group_name=?, modified_by=?, modified_date=?,"
                           " modified_time=? where unit_code=? and user_group_code=?"),
            {entry.name, userIdNumber(), auditDate(), auditTime(), gUnitCode, entry.code});
        t.commit();
        return CodeNameSaveResult{false, entry.code, matched};
    });
}

int UserGroupStore::nameLength()
{
    return m_db.columnLengths(DbName(QStringLiteral("velmora")), QStringLiteral("usergroups"))
        .value(QStringLiteral("user_group_name"));
}
