#include "CodeNameMasterWindow.h"
#include "TextLimit.h"
#include "GridHeading.h"
#include "GridTextModel.h"
#include "ListTable.h"
#include "mdlVelmora.h"
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
// The grid starts with this many rows (the heading row included) and grows in steps.
constexpr int kGridRows = 30;
constexpr int kGridStep = 10;

// Typing in the grid moves nothing: only a click or the arrow keys choose a row.
class MasterGrid : public QTableView {
public:
    using QTableView::QTableView;
    void keyboardSearch(const QString &) override {}
};
} // namespace

CodeNameMasterWindow::CodeNameMasterWindow(CodeNameMasterConfig config, QWidget *parent)
    : RecordWindow(parent), m_config(std::move(config))
{
    m_store = m_config.store();
    if (m_config.gridColumns.isEmpty())
        m_config.gridColumns = {{QStringLiteral("Code"), 1300}, {m_config.nameHeading, 4825}};
    if (m_config.tabOrder.isEmpty())
        m_config.tabOrder = {QStringLiteral("CmCancel"), QStringLiteral("CmClose"), QStringLiteral("CmEdit"),
                             QStringLiteral("CmNew"),    QStringLiteral("TxCode"),  QStringLiteral("TxName"),
                             m_config.gridName};

    setObjectName(m_config.windowName);
    setCaption(m_config.caption);

    auto *outer = new QVBoxLayout(this);

    m_title = makeTitleLabel(m_config.title, QStringLiteral("Label3"), this);
    outer->addWidget(m_title);

    m_fields = new QGridLayout;
    auto *codeLabel = new QLabel(QStringLiteral("Code"), this);
    codeLabel->setObjectName(QStringLiteral("Label4"));
    m_txCode = new QLineEdit(this);
    m_txCode->setObjectName(QStringLiteral("TxCode"));
    m_txCode->setReadOnly(true); // codes come from the counter only
    m_txCode->setFixedWidth(twipsToPixels(1300));
    auto *nameLabel = new QLabel(QStringLiteral("Name"), this);
    nameLabel->setObjectName(QStringLiteral("Label2"));
    m_txName = new QLineEdit(this);
    m_txName->setObjectName(QStringLiteral("TxName"));
    // The box holds what the column holds; an unknown length leaves it open
    // and the server refuses what does not fit.
    try {
        if (const int length = m_store->nameLength(); length > 0)
            limitCharacters(m_txName, length);
    } catch (const DbError &) {
    }
    m_fields->addWidget(codeLabel, 0, 0);
    m_fields->addWidget(m_txCode, 0, 1, Qt::AlignLeft);
    m_fields->addWidget(nameLabel, 1, 0);
    m_fields->addWidget(m_txName, 1, 1, 1, 2);
    m_fields->setColumnStretch(2, 1);
    outer->addLayout(m_fields);

    m_model = new GridTextModel(this);
    QStringList headings{QString()};
    for (const GridColumn &c : std::as_const(m_config.gridColumns))
        headings << c.heading;
    m_model->setHeadings(headings);
    m_grid = new MasterGrid(this);
    m_grid->setObjectName(m_config.gridName);
    m_grid->setTabKeyNavigation(false); // Tab leaves the grid for the next control in tab order
    setUpListTable(m_grid, m_model);
    if (m_config.colouredHeading)
        paintHeadingRow(m_grid->horizontalHeader());
    m_grid->setColumnHidden(0, true);
    for (int c = 0; c < m_config.gridColumns.size(); ++c) {
        const int width = m_config.gridColumns.at(c).width;
        m_grid->setColumnWidth(c + 1, twipsToPixels(width));
        m_grid->setColumnHidden(c + 1, width == 0);
    }
    outer->addWidget(m_grid, 1);
    connect(m_grid, &QTableView::clicked, this, &CodeNameMasterWindow::Grid_Click);

    outer->addWidget(makeButtonBar({CmNew, CmEdit, CmCancel, nullptr, CmClose}));

    resize(sizeHint());
    alsoTakeKeys({Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter});
    selectTextOnEntry();
    applyTabOrder(m_config.tabOrder);

    m_txCode->setEnabled(false);
    m_txName->setEnabled(false);
    SetEditMode(false);
    FillGrid();
}

CodeNameMasterWindow::~CodeNameMasterWindow() = default;

QSize CodeNameMasterWindow::sizeHint() const
{
    return QSize(twipsToPixels(m_config.clientArea.width()), twipsToPixels(m_config.clientArea.height()));
}

int CodeNameMasterWindow::currentGridRow() const
{
    const QModelIndex i = m_grid->currentIndex();
    return i.isValid() ? i.row() + 1 : 0;
}

void CodeNameMasterWindow::applyTabOrder(const QStringList &objectNames)
{
    QList<QWidget *> order;
    for (const QString &name : objectNames)
        if (auto *w = findChild<QWidget *>(name))
            order << w;
    setTabChain(order);
}

bool CodeNameMasterWindow::formKeyDown(QKeyEvent *event)
{
    if (RecordWindow::formKeyDown(event))
        return true;
    switch (event->key()) {
    case Qt::Key_Escape: unload(); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        QWidget *focus = focusWidget();
        if (focus == m_txCode) {
            m_txName->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (focus == m_txName) {
            if (QWidget *next = afterNameBox())
                next->setFocus(Qt::TabFocusReason);
            return true;
        }
        return false;
    }
    default: return false;
    }
}

QWidget *CodeNameMasterWindow::afterNameBox() const
{
    return CmNew;
}

bool CodeNameMasterWindow::readyForNew()
{
    return guarded([&] { m_nextCode = GetNextNumber(m_config.seriesKey()); });
}

void CodeNameMasterWindow::newStarted()
{
    m_txCode->setText(m_nextCode);
    m_txName->setFocus(Qt::OtherFocusReason);
    FillGrid();
}

QList<EntryCheck> CodeNameMasterWindow::entryChecks()
{
    // A new entry: a box without any character is refused here; a name of
    // blanks, and a rename's empty name, by the save.
    if (editMode())
        return {};
    return {emptyBoxCheck(m_txName, m_config.emptyNameMessage)};
}

void CodeNameMasterWindow::saved(bool)
{
    FillGrid();
}

CodeNameEntry CodeNameMasterWindow::gatherEntry() const
{
    return CodeNameEntry{m_txCode->text(), m_txName->text(), {}};
}

bool CodeNameMasterWindow::SaveNew()
{
    // The name check runs inside the save, after the series is locked: two
    // stations can never both store one name.
    CodeNameSaveResult r;
    if (!guarded([&] { r = store().addEntry(gatherEntry(), m_config.seriesKey()); }))
        return false;
    if (r.emptyName)
        return refuseEmptyName();
    if (r.duplicate) {
        MsgBox(m_config.duplicateNewMessage, MsgButtons::Ok, MsgIcon::Information);
        m_txName->setFocus(Qt::OtherFocusReason);
        return false;
    }
    // Another station may have saved the shown code first: show the code stored.
    m_txCode->setText(r.code);
    return true;
}

bool CodeNameMasterWindow::SaveEdit()
{
    CodeNameSaveResult r;
    if (!guarded([&] { r = store().renameEntry(gatherEntry(), m_oldName); }))
        return false;
    if (r.emptyName)
        return refuseEmptyName();
    if (r.duplicate) {
        MsgBox(m_config.duplicateRenameMessage, MsgButtons::Ok, MsgIcon::Information);
        return false;
    }
    if (r.matched == 0) {
        // Nothing to rename (a new entry turned into a rename, or a row outside the scope).
        MsgBox(m_config.notChangedMessage, MsgButtons::Ok, MsgIcon::Information);
        return false;
    }
    return true;
}

bool CodeNameMasterWindow::refuseEmptyName()
{
    MsgBox(m_config.emptyNameMessage, MsgButtons::Ok, MsgIcon::Information);
    m_txName->setFocus(Qt::OtherFocusReason);
    return false;
}

void CodeNameMasterWindow::enableInputs(bool on)
{
    m_txCode->setEnabled(on);
    m_txName->setEnabled(on);
}

void CodeNameMasterWindow::FillGrid()
{
    QList<QStringList> rows;
    if (!guarded([&] { rows = store().rows(); }))
        return;
    int gridRows = kGridRows;
    for (int i = 1; i <= rows.size(); ++i)
        if (i >= gridRows)
            gridRows += kGridStep;
    for (QStringList &r : rows)
        r.prepend(QString()); // hidden column 0
    m_model->reset(rows, gridRows - 1);
    m_grid->setCurrentIndex(m_model->index(0, 1));
}

void CodeNameMasterWindow::ClearFields()
{
    m_txCode->clear();
    m_txName->clear();
}

void CodeNameMasterWindow::beginEdit()
{
    const int row = currentGridRow() - 1;
    if (!m_model->text(row, 1).isEmpty()) {
        m_txCode->setText(m_model->text(row, 1));
        m_txName->setText(m_model->text(row, 2));
    }
    m_oldName = m_txName->text();
}

void CodeNameMasterWindow::Grid_Click(const QModelIndex &index)
{
    if (!editMode() || !index.isValid())
        return;
    const int row = index.row();
    if (m_model->text(row, 1).isEmpty())
        return;
    m_txCode->setText(m_model->text(row, 1));
    m_txName->setText(m_model->text(row, 2));
    // The row now being renamed is the one its own name may stay on.
    m_oldName = m_txName->text();
}

void CodeNameMasterWindow::cancelEntry()
{
    ClearFields();
}
