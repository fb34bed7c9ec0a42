#include "UserStore.h"
#include "Desktop.h"
#include "mdlVelmora.h"
#include <optional>

namespace {
// user_id is a whole number; anything else names no user.
std::optional<qint64> idNumber(const QString &userId)
{
    bool ok = false;
    const qint64 id = userId.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return id;
}
} // namespace

UserStore::UserStore(Database &db) : m_db(db) {}

QList<UserListRow> UserStore::usersOfUnit(const QString &unitCode)
{
    // Columns named one by one: both tables carry unit_code and the audit columns.
    RecordSet rs = m_db.query(
        QStringLiteral(
            "Select userdetails.user_group_code, userdetails.user_name, usergroups.user_group_name, userdetails.user_id"
            " From velmora.userdetails Inner Join velmora.usergroups"
            " On userdetails.user_group_code=usergroups.user_group_code"
            " where userdetails.unit_code=? and (user_login_circ=1 or user_login_advt=1 or user_login_inv=1"
            " or user_login_hr=1 or user_login_sys=1)"
            " order by userdetails.user_group_code, userdetails.user_id"),
        {unitCode});
    QList<UserListRow> rows;
    while (rs.next())
        rows.append({rs.text(QStringLiteral("user_group_code")), rs.text(QStringLiteral("user_name")),
                     rs.text(QStringLiteral("user_group_name")), rs.text(QStringLiteral("user_id"))});
    rs.close();
    return rows;
}

QList<UnitEntry> UserStore::readUnits(const QString &sql, const QVariantList &values)
{
    RecordSet rs = m_db.query(sql, values);
    QList<UnitEntry> units;
    while (rs.next())
        units.append({rs.text(QStringLiteral("unit_code")), rs.text(QStringLiteral("unit_name")),
                      rs.text(QStringLiteral("unit_priority"))});
    rs.close();
    return units;
}

QList<UnitEntry> UserStore::assignedUnits(const QString &userId)
{
    const auto id = idNumber(userId);
    if (!id)
        return {};
    // The unit comes from unitmaster alone: userdetails has a unit_code of its own.
    return readUnits(
        QStringLiteral(
            "Select unitmaster.unit_code, unitmaster.unit_name, unitmaster.unit_priority"
            " from velmora.userdetails Inner join velmora.unitaccess on userdetails.user_id=unitaccess.user_id"
            " Inner join velmora.unitmaster on unitmaster.unit_code=unitaccess.unit_code"
            " where userdetails.user_id=? order by unitmaster.unit_priority, unitmaster.unit_code"),
        {*id});
}

QList<UnitEntry> UserStore::availableUnits(const QString &userId)
{
    const auto id = idNumber(userId);
    if (!id)
        return allUnits();
    return readUnits(QStringLiteral("Select unit_code, unit_name, unit_priority from velmora.unitmaster"
                                    " where unit_code not in (select unit_code from velmora.unitaccess where user_id=?)"
                                    " order by unit_priority, unit_code"),
                     {*id});
}

QList<UnitEntry> UserStore::allUnits()
{
    return readUnits(QStringLiteral("Select unit_code, unit_name, unit_priority from velmora.unitmaster"
                                    " order by unit_priority, unit_code"),
                     {});
}

namespace {
// New users and renames of every workstation take this lock first, so they
// run one after another instead of deadlocking on the highest id.
const QString kUserSaves = QStringLiteral("velmora.userdetails");
} // namespace

std::optional<qint64> UserStore::addUser(const NewUser &user, qint64 createdBy)
{
    return serialisedSave(m_db, kUserSaves, [&]() -> std::optional<qint64> {
        Transaction t(m_db);
        if (saveCheckFinds(m_db, QStringLiteral("Select 1 from velmora.userdetails Where user_name=?"),
                           {user.userName.trimmed()}))
            return std::nullopt;
        const qint64 id = insertUser(user, createdBy);
        t.commit();
        return id;
    });
}

bool UserStore::changeUser(const UserChange &change, const QString &oldName, qint64 modifiedBy)
{
    const auto id = idNumber(change.userId);
    if (!id)
        throw DbError(QStringLiteral("No user is chosen."));
    return serialisedSave(m_db, kUserSaves, [&] {
        Transaction t(m_db);
        if (saveCheckFinds(m_db, QStringLiteral("Select 1 from velmora.userdetails Where user_name=? And user_name<>?"),
                           {change.userName.trimmed(), oldName}))
            return false;
        updateUser(*id, change, modifiedBy);
        t.commit();
        return true;
    });
}

qint64 UserStore::insertUser(const NewUser &user, qint64 createdBy)
{
    // Locking the highest row makes a second workstation wait here until this
    // save is over, and then read the id stored by it.
    const QString top = m_db.firstValue(
        QStringLiteral("Select user_id from velmora.userdetails order by user_id desc limit 1 for update"));
    const qint64 id = top.isEmpty() ? 1 : top.toLongLong() + 1;
    m_db.execute(QStringLiteral("Insert into velmora.userdetails(unit_code,user_id,user_name,user_group_code,"
                                "user_password,created_by,created_date,created_time) Values(?,?,?,?,?,?,?,?)"),
                 {user.unitCode, id, user.userName.trimmed(), user.groupCode, user.password, createdBy, auditDate(),
                  auditTime()});
    return id;
}

void UserStore::updateUser(qint64 id, const UserChange &change, qint64 modifiedBy)
{
    const qint64 matched =
        m_db.execute(QStringLiteral("Update velmora.userdetails Set user_name=?,user_group_code=?,modified_by=?,"
                                    "modified_date=?,modified_time=? Where user_id=?"),
                     {change.userName, change.groupCode, modifiedBy, auditDate(), auditTime(), id});
    if (matched == 0)
        throw DbError(QStringLiteral("The user no longer exists."));
    m_db.execute(QStringLiteral("Delete from velmora.unitaccess where user_id=?"), {id});
    for (const QString &unit : change.unitCodes)
        m_db.execute(QStringLiteral("Insert into velmora.unitaccess (user_id,unit_code) values (?,?)"), {id, unit});
}

void UserStore::withdrawUnit(const QString &userId, const QString &unitCode)
{
    const auto id = idNumber(userId);
    if (!id)
        return;
    retryOnLockConflict([&] {
        Transaction t(m_db);
        m_db.execute(QStringLiteral("Delete from velmora.unitaccess where user_id=? and unit_code=?"), {*id, unitCode});
        t.commit();
    });
}

int UserStore::userNameLength()
{
    return m_db.columnLengths(DbName(QStringLiteral("velmora")), QStringLiteral("userdetails"))
        .value(QStringLiteral("user_name"));
}

int UserStore::passwordLength()
{
    return m_db.columnLengths(DbName(QStringLiteral("velmora")), QStringLiteral("userdetails"))
        .value(QStringLiteral("user_password"));
}
