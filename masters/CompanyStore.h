#pragma once
#include "Database.h"
#include <QHash>
#include <QString>
#include <optional>

// A group company as its master window shows it, box by box.
struct Company {
    QString code;
    QString name;
    QString address;
    QString address1;
    QString address2;
    QString address3;
    QString phone;
    QString fax;
    QString email;
    QString tin;
    QString vat;

    bool operator==(const Company &) const = default;
};

// The statements on inv_companymaster of one stores database. Every value
// reaches the server as a bound parameter; statements throw DbError.
class CompanyStore {
public:
    CompanyStore(Database &db, const DbName &storesDb);

    // The company of exactly this code; nothing when there is none. NULL
    // columns read as empty text.
    std::optional<Company> load(const QString &code);
    // True when a new company may not be saved: another company holds the name
    // (as typed) or the code (as it will be stored, trimmed).
    bool newClashes(const QString &code, const QString &name);
    // True when another company already holds `name` (trimmed); companies named
    // `oldName` (trimmed), the one being edited, are not counted.
    bool renameClashes(const QString &oldName, const QString &name);
    // Inserts the company in one transaction: the name as typed, every other
    // box trimmed, the creation stamps of `userId` now.
    void saveNew(const Company &company, qint64 userId);
    // Stores the boxes into the row of `key` in one transaction (the name as
    // typed, the rest trimmed; code, priority and stamps unchanged). Returns the
    // rows matched: 0 when no company has that code.
    qint64 saveEdit(const QString &key, const Company &company);
    // saveNew with the clash check of newClashes inside its transaction, and
    // saves of the table serialised across workstations: false, with nothing
    // written, when another company holds the name or the code.
    bool addCompany(const Company &company, qint64 userId);
    // saveEdit with the check of renameClashes inside its transaction, and
    // serialised as addCompany: nothing when another company holds the name,
    // else the rows matched.
    std::optional<qint64> editCompany(const QString &key, const Company &company, const QString &oldName);
    // How many characters each box may hold, by the box's name (TxCompanyCode
    // ...): the length of its column; a box left out has no known length.
    QHash<QString, int> boxLengths();
    // Every company, ordered by code: the company list's query.
    RecordSet list();

private:
    QString table() const;
    void insertCompany(const Company &company, qint64 userId);
    qint64 updateCompany(const QString &key, const Company &company);
    Database &m_db;
    DbName m_storesDb;
};
