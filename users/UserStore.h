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

    // Whether any user of any unit has this name.
    bool nameExists(const QString &userName);
    // Whether a user other than the one named `oldName` has this name.
    bool nameExistsBesides(const QString &userName, const QString &oldName);

    // Creates the user in one transaction under the largest id + 1, read under
    // a lock so that two workstations never take the same id. Returns the id.
    qint64 addUser(const NewUser &user, qint64 createdBy);
    // Renames / regroups the user and rebuilds its unit access, in one
    // transaction. Throws DbError when the user does not exist.
    void changeUser(const UserChange &change, qint64 modifiedBy);
    // addUser with the name check of nameExists (on the name as stored,
    // trimmed) inside its transaction; every new user and rename on every
    // workstation is serialised, so neither two equal names nor two equal ids
    // pass and no save is refused for a deadlock. Nothing when the name exists.
    std::optional<qint64> addNewUser(const NewUser &user, qint64 createdBy);
    // changeUser with the check of nameExistsBesides inside its transaction,
    // serialised as addNewUser: false, with nothing written, when another
    // user has the name.
    bool changeUserChecked(const UserChange &change, const QString &oldName, qint64 modifiedBy);
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
