#pragma once
#include "CodeNameStore.h"
#include "mdlVelmora.h"

// The user groups of the central table velmora.usergroups. The grid lists the
// groups of every unit; new groups, name checks and renames keep to the
// current unit (gUnitCode).
class UserGroupStore : public CodeNameStore {
public:
    explicit UserGroupStore(Database &db = gConnection) : m_db(db) {}
    QList<QStringList> rows() override;
    int nameLength() override;

protected:
    CodeNameSaveResult storeNew(const CodeNameEntry &entry, const QString &seriesKey) override;
    CodeNameSaveResult storeRename(const CodeNameEntry &entry, const QString &oldName) override;

private:
    Database &m_db;
};
