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
    // Inserts the company in one transaction: the name as typed, every other
    // box trimmed, the creation stamps of `userId` now. Refused, with nothing
    // written, when another company holds the name (as typed) or the code (as
    // it will be stored, trimmed): false. The check runs inside the save, and
    // saves of the table are serialised across workstations.

    bool addCompany(const Company &company, qint64 userId);
    // Stores the boxes into the row of `key` in one transaction (the name as
    // typed, the rest trimmed; code, priority and stamps unchanged). Nothing,
    // with nothing written, when another company holds `name` (trimmed;
    // companies named `oldName`, the one being edited, do not count); else
    // the rows matched: 0 when no company has that code. Checked and
    // serialised as addCompany.
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
