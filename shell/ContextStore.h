#pragma once
#include "Database.h"
#include <QDate>
#include <QString>
#include <QVector>
#include <optional>

// Reads of the central tables that set the working context: the version row,
// the financial years and the units.

struct AcYearRow {
    QDate fromDate;
    QDate toDate;
    QString dbName;
};

struct InvYearRow {
    QString unitCode;
    QDate fromDate;
    QDate toDate;
    QString period;
    bool isDefault = false; // inv_default not 0
    QString defaultText;    // inv_default as stored
    QString dbName;
    QString acDbName;
};

struct UnitRow {
    QString code;
    QString name;
};

class ContextStore {
public:
    explicit ContextStore(Database &db) : m_db(db) {}

    // version_code of the program's row; nothing when there is no row.
    std::optional<QString> versionCode();
    // Default accounts years of every unit, in the server's order.
    QVector<AcYearRow> defaultAcYears();
    // The default accounts year of one unit (first row only).
    std::optional<AcYearRow> unitDefaultAcYear(const QString &unitCode);
    // Accounts databases of the years that end on `toDate`.
    QStringList acDbNamesEndingOn(const QDate &toDate);
    QVector<InvYearRow> defaultInvYears();
    QStringList invDbNamesEndingOn(const QDate &toDate);
    // Every stores year, by first day.
    QVector<InvYearRow> allInvYears();
    QVector<InvYearRow> invYearsByDates(const QDate &from, const QDate &to);

    // Whether the server holds a database (schema) of this name.
    bool databaseExists(const QString &name);

    std::optional<UnitRow> unit(const QString &code);
    // The first unit, by priority, that the unit lists offer.
    std::optional<UnitRow> firstListedUnit();
    // The units the user may switch to, by priority.
    QVector<UnitRow> unitsOfUser(const QString &userId);

private:
    QVector<InvYearRow> invYears(const QString &sql, const QVariantList &values);
    QStringList firstColumn(const QString &sql, const QDate &date);
    Database &m_db;
};
