#include "SignOnStore.h"
#include "Desktop.h"

std::optional<SignOnUser> SignOnStore::userByName(const QString &userName)
{
    // A name the user table cannot hold is nobody's name (an older installation's table may be Latin-1).
    const SqlCondition named = m_db.equalsText(DbName(QStringLiteral("velmora")), QStringLiteral("userdetails"),
                                               QStringLiteral("user_name"), userName);
    RecordSet rs = m_db.query(QStringLiteral("Select * from velmora.userdetails Where ") + named.sql, named.values);
    if (!rs.next())
        return std::nullopt;
    SignOnUser u;
    u.userId = rs.text(QStringLiteral("user_id"));
    if (!rs.isNull(QStringLiteral("user_password")))
        u.password = rs.text(QStringLiteral("user_password"));
    u.loginInv = rs.integer(QStringLiteral("user_login_inv"));
    u.loginAdvt = rs.integer(QStringLiteral("user_login_advt"));
    u.userAdmin = rs.text(QStringLiteral("user_admin"));
    u.userType = rs.flag(QStringLiteral("user_type"));
    return u;
}

void SignOnStore::clearLocks(const DbName &storesDb, qint64 userId)
{
    m_db.execute(QStringLiteral("Delete from ") + storesDb.table("inv_lockmaster") + QStringLiteral(" where user_id=?"),
                 {userId});
}

QVector<CompanyRow> SignOnStore::companies(const DbName &storesDb)
{
    QVector<CompanyRow> rows;
    RecordSet rs = m_db.query(QStringLiteral("Select comp_code,comp_name from ") + storesDb.table("inv_companymaster")
                              + QStringLiteral(" order by comp_priority"));
    while (rs.next())
        rows.append({rs.text(0), rs.text(1)});
    return rows;
}

bool SignOnStore::isBarred(const QString &userId, const QString &compCode)
{
    RecordSet rs = m_db.query(QStringLiteral("Select * from velmora.compaccess where user_id=? and comp_code=?"),
                              {userId, compCode});
    return rs.next();
}

std::optional<std::optional<QString>> SignOnStore::storedPassword(const QString &userId, const QString &userName)
{
    RecordSet rs =
        m_db.query(QStringLiteral("Select user_password from velmora.userdetails where user_name=? and user_id=?"),
                   {userName, userId});
    if (!rs.next())
        return std::nullopt;
    if (rs.isNull(QStringLiteral("user_password")))
        return std::optional<QString>();
    return std::optional<QString>(rs.text(QStringLiteral("user_password")));
}

qint64 SignOnStore::changePassword(const QString &userId, qint64 modifiedBy, const QString &newPassword)
{
    return retryOnLockConflict([&] {
        Transaction t(m_db);
        const qint64 matched = m_db.execute(
            QStringLiteral("Update velmora.userdetails set user_password=?, modified_by=?, modified_date=?, "
                           "modified_time=? where user_id=?"),
            {newPassword, modifiedBy, auditDate(), auditTime(), userId});
        if (matched > 0)
            t.commit();
        return matched;
    });
}
