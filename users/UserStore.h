#pragma once
#include "Database.h"
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// One row of the user list: a user of the current unit with its group.
struct UserListRow {
    QString groupCode;
    QString userName;
    QString groupName;
    QString userId;
};

// A unit as the permission lists show it.
struct UnitEntry {
    QString code;
    QString name;
    QString priority;
};

struct NewUser {
    QString unitCode;
    QString userName;
    QString groupCode;
    QString password;
};

// An edit of a user: name and group, and the units the user may work in
// from now on (they replace every unitaccess row of the user).
struct UserChange {
    QString userId;
    QString userName;
    QString groupCode;
    QStringList unitCodes;
};

// The central user tables: userdetails, usergroups (names only) and unitaccess.
class UserStore {
public:
    explicit UserStore(Database &db);

    // Users created in the unit that may sign on to any application and whose
    // group exists, in group-code order.
    QList<UserListRow> usersOfUnit(const QString &unitCode);
    // Units the user may work in / may not work in yet, in unit_priority order.
    // An empty id has no units.
    QList<UnitEntry> assignedUnits(const QString &userId);
    QList<UnitEntry> availableUnits(const QString &userId);
    QList<UnitEntry> allUnits();

    // Creates the user in one transaction under the largest id + 1 and
    // returns the id; nothing, with nothing written, when a user of any unit
    // has the name (as stored, trimmed). Every new user and rename on every
    // workstation is serialised, so neither two equal names nor two equal ids
    // pass and no save is refused for a deadlock.
    std::optional<qint64> addUser(const NewUser &user, qint64 createdBy);
    // Renames / regroups the user and rebuilds its unit access, in one
    // transaction; false, with nothing written, when a user other than the
    // one named `oldName` has the name. Throws DbError when the user does not
    // exist. Serialised as addUser.
    bool changeUser(const UserChange &change, const QString &oldName, qint64 modifiedBy);
    // How many characters the user name and the password columns hold (0: unknown).
    int userNameLength();
    int passwordLength();
    // Withdraws one unit from the user at once.
    void withdrawUnit(const QString &userId, const QString &unitCode);

private:
    qint64 insertUser(const NewUser &user, qint64 createdBy);
    void updateUser(qint64 id, const UserChange &change, qint64 modifiedBy);
    QList<UnitEntry> readUnits(const QString &sql, const QVariantList &values);
    Database &m_db;
};
