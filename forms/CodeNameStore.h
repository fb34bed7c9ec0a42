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

// What a save did.
struct CodeNameSaveResult {
    bool duplicate = false; // another row holds the name: nothing was written
    QString code;           // a new entry: the code it was stored under
    qint64 matched = 0;     // a rename: the rows it matched (0: no such row in scope)
    bool emptyName = false; // the name is empty once its blanks are trimmed: nothing was written
};

// The rows and statements behind one code/name master window. Every value
// reaches the server as a bound parameter. Statements throw DbError.
class CodeNameStore {
public:
    virtual ~CodeNameStore() = default;

    // The rows the grid lists, in order: code, name, then any further grid columns.
    virtual QList<QStringList> rows() = 0;
    // How many characters the name column holds (0: unknown); the name box
    // takes it as its length, so the clerk cannot type past it.
    virtual int nameLength() = 0;

    // A name that is empty once its blanks are trimmed is refused by both
    // saves, with nothing written: a row without a name is lost to every list
    // that shows it by name.

    // Stores a new row under the code the series holds now (ClaimCode), unless
    // another row already holds the name (trimmed, as it will be stored). A
    // duplicate writes nothing and leaves the series as it was.
    CodeNameSaveResult addEntry(const CodeNameEntry &entry, const QString &seriesKey)
    {
        return hasName(entry) ? storeNew(entry, seriesKey) : emptyNameRefused();
    }
    // Renames the row of entry.code, unless another row holds the new name
    // (both compared trimmed; rows named `oldName` do not count).
    CodeNameSaveResult renameEntry(const CodeNameEntry &entry, const QString &oldName)
    {
        return hasName(entry) ? storeRename(entry, oldName) : emptyNameRefused();
    }

protected:
    // The saves' statements, for a name that is not empty. The duplicate check
    // runs inside the save's transaction (a new row's after its series row is
    // locked), and saves of the table are serialised across workstations, so
    // two stations can never both pass it.
    virtual CodeNameSaveResult storeNew(const CodeNameEntry &entry, const QString &seriesKey) = 0;
    virtual CodeNameSaveResult storeRename(const CodeNameEntry &entry, const QString &oldName) = 0;

private:
    static bool hasName(const CodeNameEntry &entry) { return !entry.name.trimmed().isEmpty(); }
    static CodeNameSaveResult emptyNameRefused()
    {
        CodeNameSaveResult refused;
        refused.emptyName = true;
        return refused;
    }
};
