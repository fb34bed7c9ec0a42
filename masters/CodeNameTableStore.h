#pragma once
#include "CodeNameStore.h"
#include "mdlVelmora.h"
#include <QVariant>

// A code/name table of the stores database of the working year, rows scoped
// to the current company and, optionally, to one group of a shared table.
struct CodeNameTable {
    const char *table = nullptr; // e.g. "inv_gsm"; a constant of the program
    QString codeColumn;
    QString nameColumn;
    // Optional group column and value (brand_group): the grid, the insert and the
    // rename keep to the group; the name checks look at every group.
    QString groupColumn;
    QVariant groupValue;
};

// The statements of the code/name masters on their own table.
class CodeNameTableStore : public CodeNameStore {
public:
    // `db`: the connection the statements run on; the working context gives
    // the stores database, company, unit and user.
    explicit CodeNameTableStore(CodeNameTable table, Database &db = gConnection);

    QList<QStringList> rows() override;
    int nameLength() override;

protected:
    CodeNameSaveResult storeNew(const CodeNameEntry &entry, const QString &seriesKey) override;
    CodeNameSaveResult storeRename(const CodeNameEntry &entry, const QString &oldName) override;

private:
    QString qualifiedTable() const;
    CodeNameTable m_table;
    Database &m_db;
};
