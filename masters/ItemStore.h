#pragma once
#include "CodeNameStore.h"
#include "mdlVelmora.h"
#include <optional>

// The statements of the item masters on inv_itemmaster. An item window keeps
// to one item type (the other-stores items) or to every type (the fixed-asset
// window, whose new items take the column's default type 0).
class ItemStore : public CodeNameStore {
public:
    explicit ItemStore(std::optional<int> itemType, Database &db = gConnection);

    // Code, name and measurement name of the current company's items, by name.
    // Every item is listed once, also one whose measurement is missing; its
    // company's measurement of that code comes first.
    QList<QStringList> rows() override;
    // As saveNew and saveEdit, with the name check inside the save.
    int nameLength() override;

    // The measurement lookup: code and name of every measurement, by name.
    static QString measurementLookup();

protected:
    CodeNameSaveResult storeNew(const CodeNameEntry &entry, const QString &seriesKey) override;
    CodeNameSaveResult storeRename(const CodeNameEntry &entry, const QString &oldName) override;

private:
    QString typeCondition(QVariantList &values, const QString &column = QStringLiteral("item_type")) const;
    std::optional<int> m_type;
    Database &m_db;
};
