#include "ItemMasterWindow.h"
#include "ItemStore.h"
#include "mdlVelmora.h"
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QList<ItemMasterKind> itemMasterKinds()
{
    return {
        {QStringLiteral("frmItemMasterGeneral"), QStringLiteral("Item Master - Other Stores"), 1},
        {QStringLiteral("frmFAItemMaster"), QStringLiteral("Item Master - Fixed Assets"), std::nullopt},
    };
}

CodeNameMasterConfig itemMasterConfig(const ItemMasterKind &kind)
{
    CodeNameMasterConfig c;
    c.windowName = kind.windowName;
    c.caption = kind.caption;
    c.title = kind.caption;
    c.gridName = QStringLiteral("GrItem");
    c.table = "inv_itemmaster";
    c.codeColumn = QStringLiteral("item_code");
    c.nameColumn = QStringLiteral("item_name");
    c.nameHeading = QStringLiteral("Item Name");
    c.seriesKey = [] { return QStringLiteral("ITEM_") + gCompCode + QStringLiteral("_NO"); };
    c.emptyNameMessage = QStringLiteral("Please Enter the Item Name.   ");
    c.duplicateNewMessage = QStringLiteral("The Same Brand Already Exists.   ");
    c.duplicateRenameMessage = QStringLiteral("Item Name Already Exists.   ");
    c.gridColumns = {
        {QStringLiteral("Code"), 1300}, {QStringLiteral("Item Name"), 4825}, {QStringLiteral("Measurement"), 1750}};
    c.clientArea = QSize(8340, 5820);
    c.tabOrder = {QStringLiteral("CmCancel"), QStringLiteral("CmClose"),   QStringLiteral("CmEdit"),
                  QStringLiteral("CmNew"),    QStringLiteral("TxCode"),    QStringLiteral("TxName"),
                  QStringLiteral("GrItem"),   QStringLiteral("TxMeasure"), QStringLiteral("TxMeasureName")};
    const std::optional<int> type = kind.itemType;
    c.store = [type] { return std::make_unique<ItemStore>(type); };
    return c;
}

ItemMasterWindow::ItemMasterWindow(const ItemMasterKind &kind, QWidget *parent)
    : CodeNameMasterWindow(itemMasterConfig(kind), parent)
{
    auto *label = new QLabel(QStringLiteral("Measured In"), this);
    label->setObjectName(QStringLiteral("Label1"));
    m_txMeasure = new LookupBox(this);
    m_txMeasure->setObjectName(QStringLiteral("TxMeasure"));
    m_txMeasure->setReadOnly(true); // filled by the lookup only
    m_txMeasure->setShows(LookupBox::Shows::Code);
    // Nothing chosen (no measurement, or a row below the list): the boxes keep their choice.
    m_txMeasure->setOnNothing(LookupBox::OnNothing::Keep);
    m_txMeasure->setLookup([] {
        return Lookup{ItemStore::measurementLookup(),
                      {},
                      QStringLiteral("Measurement"),
                      5000,
                      {{1500, QStringLiteral("Code")}, {3500, QStringLiteral("Measurement")}}};
    });
    m_txMeasure->setFixedWidth(m_txCode->width());
    m_txMeasureName = new QLineEdit(this);
    m_txMeasureName->setObjectName(QStringLiteral("TxMeasureName"));
    connect(m_txMeasure, &LookupBox::picked, m_txMeasureName,
            [this](const LookupRow &row) { m_txMeasureName->setText(row.name()); });
    fieldsLayout()->addWidget(label, 2, 0);
    fieldsLayout()->addWidget(m_txMeasure, 2, 1, Qt::AlignLeft);
    fieldsLayout()->addWidget(m_txMeasureName, 2, 2);

    applyTabOrder(config().tabOrder);
    // Enter in the measurement code box moves on to New (F1 is the box's own).
    enterMovesFocus(m_txMeasure, CmNew, Qt::TabFocusReason);
}

QWidget *ItemMasterWindow::afterNameBox() const
{
    return m_txMeasure;
}

QList<EntryCheck> ItemMasterWindow::entryChecks()
{
    QList<EntryCheck> checks = CodeNameMasterWindow::entryChecks();
    if (editMode())
        return checks;
    // The code box is what the item stores; the name box beside it is free text.
    checks.append({[this] { return m_txMeasure->text().trimmed().isEmpty(); },
                   QStringLiteral("Please Select the Measurement.   "), MsgIcon::Critical,
                   [this] { m_txMeasure->setFocus(Qt::OtherFocusReason); }});
    return checks;
}

CodeNameEntry ItemMasterWindow::gatherEntry() const
{
    CodeNameEntry e = CodeNameMasterWindow::gatherEntry();
    e.more = QStringList{m_txMeasure->text()};
    return e;
}

void ItemMasterWindow::TxMeasure_Lookup()
{
    m_txMeasure->lookUp();
}
