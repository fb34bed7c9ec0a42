#pragma once
#include "Database.h"
#include <QString>
#include <QVector>
#include <optional>

// The user rows, record locks, company bars and companies that sign-on,
// company choice and password change read and write.

struct SignOnUser {
    QString userId;
    std::optional<QString> password; // nothing for a NULL password
    qint64 loginInv = 0;
    qint64 loginAdvt = 0;
    QString userAdmin;
    bool userType = false;
};

struct CompanyRow {
    QString code;
    QString name;
};

class SignOnStore {
public:
    explicit SignOnStore(Database &db) : m_db(db) {}

    // The first user row of that name.
    std::optional<SignOnUser> userByName(const QString &userName);
    // Removes the user's record locks in a stores database.
    void clearLocks(const DbName &storesDb, qint64 userId);
    // Companies of a stores database, by priority.
    QVector<CompanyRow> companies(const DbName &storesDb);
    // True when a bar row keeps the user from the company.
    bool isBarred(const QString &userId, const QString &compCode);
    // The user row of that id and name: its stored password (nothing for
    // NULL), or no row at all.
    std::optional<std::optional<QString>> storedPassword(const QString &userId, const QString &userName);
    // Writes a new password with the audit columns in one transaction;
    // returns the rows matched.
    qint64 changePassword(const QString &userId, qint64 modifiedBy, const QString &newPassword);

private:
    Database &m_db;
};
