#pragma once
#include "CodeNameMasterWindow.h"
#include "Lookup.h"
#include <optional>

// One item window: its name, caption and the item type it keeps to (none: every type).
struct ItemMasterKind {
    QString windowName;
    QString caption;
    std::optional<int> itemType;
};

// frmItemMasterGeneral (other-stores items, type 1) and frmFAItemMaster (items of both types).
QList<ItemMasterKind> itemMasterKinds();
CodeNameMasterConfig itemMasterConfig(const ItemMasterKind &kind);

// The code/name master with a third input, the measurement, chosen through the
// lookup (F1 in the measurement code box). The measurement boxes stay outside
// the entry cycle: they keep the last choice for the next new item.
class ItemMasterWindow : public CodeNameMasterWindow {
    Q_OBJECT
public:
    explicit ItemMasterWindow(const ItemMasterKind &kind, QWidget *parent = nullptr);

public slots:
    // F1 in TxMeasure.
    void TxMeasure_Lookup();

protected:
    QList<EntryCheck> entryChecks() override;
    CodeNameEntry gatherEntry() const override;
    QWidget *afterNameBox() const override;

private:
    LookupBox *m_txMeasure = nullptr;
    QLineEdit *m_txMeasureName = nullptr;
};
