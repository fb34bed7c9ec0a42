#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// The fields of a code/name master entry, as the window's boxes hold them.
struct CodeNameEntry {
    QString code;     // as the code box shows it
    QString name;     // as typed, blanks included
    QStringList more; // further inputs of windows that have them (an item's measurement code)
};

// The rows and statements behind one code/name master window. Every value
// reaches the server as a bound parameter. Statements throw DbError.
class CodeNameStore {
public:
    virtual ~CodeNameStore() = default;

    // The rows the grid lists, in order: code, name, then any further grid columns.
    virtual QList<QStringList> rows() = 0;
    // True when a new entry may not take `name` (trimmed, as it will be stored).
    virtual bool nameTaken(const QString &name) = 0;
    // True when renaming the entry that was called `oldName` to `name` would
    // repeat another row's name (both compared trimmed).
    virtual bool renameClashes(const QString &oldName, const QString &name) = 0;
    // Stores a new row in one transaction, under the code the series holds now
    // (ClaimCode), and advances the series. Returns the code used.
    virtual QString saveNew(const CodeNameEntry &entry, const QString &seriesKey) = 0;
    // Gives the row of entry.code its new name in one transaction; returns the
    // rows the update matched (0: no such row where the window may rename).
    virtual qint64 saveEdit(const CodeNameEntry &entry) = 0;
};
