#include "frmUserDetails.h"
#include "GridTextModel.h"
#include "ListTable.h"
#include "TextLimit.h"
#include "frmListView.h"
#include "mdlVelmora.h"
#include <QAbstractTableModel>
#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace userwin {

// One of the two unit lists: the unit name shows; code and priority ride along.
class UnitListModel : public QAbstractTableModel {
public:
    explicit UnitListModel(const QString &heading) : m_heading(heading) {}

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_units.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 1; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid())
            return {};
        const UnitEntry &u = m_units[index.row()];
        switch (role) {
        case Qt::DisplayRole: return u.name;
        case Qt::DecorationRole: return QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
        case Qt::UserRole: return u.code;
        default: return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return m_heading;
        return {};
    }
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    void setUnits(const QList<UnitEntry> &units)
    {
        beginResetModel();
        m_units = units;
        endResetModel();
    }
    const QList<UnitEntry> &units() const { return m_units; }
    QStringList codes() const
    {
        QStringList c;
        for (const UnitEntry &u : m_units)
            c.append(u.code);
        return c;
    }
    // Removes the rows and returns their units in list order.
    QList<UnitEntry> take(QList<int> rows)
    {
        std::sort(rows.begin(), rows.end());
        QList<UnitEntry> taken;
        for (int r : rows)
            taken.append(m_units[r]);
        for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
            beginRemoveRows({}, *it, *it);
            m_units.removeAt(*it);
            endRemoveRows();
        }
        return taken;
    }
    void append(const UnitEntry &u)
    {
        beginInsertRows({}, int(m_units.size()), int(m_units.size()));
        m_units.append(u);
        endInsertRows();
    }
    // Puts a unit back where its priority places it.
    void insertInOrder(const UnitEntry &u)
    {
        const qint64 p = u.priority.toLongLong();
        int at = 0;
        while (at < m_units.size() && m_units[at].priority.toLongLong() <= p)
            ++at;
        beginInsertRows({}, at, at);
        m_units.insert(at, u);
        endInsertRows();
    }

private:
    QString m_heading;
    QList<UnitEntry> m_units;
};

} // namespace userwin

using userwin::UnitListModel;

namespace {
// Columns of the user grid; 0 and 3 are hidden.
enum UserColumn { GroupCode = 0, UserName = 1, GroupName = 2, UserId = 3 };

// The grid starts with 29 empty rows and grows by 10, so that an empty row
// shows below a full page of users.
int gridRowsFor(int records)
{
    int rows = 30; // the heading row included
    for (int i = 1; i <= records; ++i)
        if (i >= rows)
            rows += 10;
    return rows - 1;
}

QTableView *unitList(QWidget *parent, const char *name, QAbstractItemModel *model,
                     QAbstractItemView::SelectionMode mode)
{
    auto *v = new QTableView(parent);
    v->setObjectName(QString::fromLatin1(name));
    setUpListTable(v, model, mode);
    v->setShowGrid(false);
    v->horizontalHeader()->setStretchLastSection(true);
    return v;
}

QList<int> selectedRowNumbers(const QTableView *view)
{
    QList<int> rows;
    for (const QModelIndex &i : view->selectionModel()->selectedRows())
        rows.append(i.row());
    return rows;
}
} // namespace

frmUserDetails::frmUserDetails(QWidget *parent) : RecordWindow(parent), m_store(gConnection)
{
    setObjectName(QStringLiteral("frmUserDetails"));
    setCaption(QStringLiteral("User Details"));

    m_grid = new GridTextModel(this);
    m_grid->setHeadings({QString(), QStringLiteral("User Name"), QStringLiteral("User Group"), QString()});
    m_available = new UnitListModel(QStringLiteral("Available Units"));
    m_available->setParent(this);
    m_assigned = new UnitListModel(QStringLiteral("Assigned Units"));
    m_assigned->setParent(this);

    SSTab = new QTabWidget(this);
    SSTab->setObjectName(QStringLiteral("SSTab"));

    // Page "User Details"
    auto *details = new QWidget;
    GrUserDetails = new QTableView(details);
    GrUserDetails->setObjectName(QStringLiteral("GrUserDetails"));
    setUpListTable(GrUserDetails, m_grid);
    GrUserDetails->setMinimumWidth(twipsToPixels(2965 + 4965) + 24);

    auto *lbGroup = new QLabel(QStringLiteral("User Group"), details);
    lbGroup->setObjectName(QStringLiteral("LbUserGroup"));
    TxUserGroup = new QLineEdit(details);
    TxUserGroup->setObjectName(QStringLiteral("TxUserGroup"));
    TxUserGroup->setReadOnly(true); // filled by the group lookup (F1) only
    auto *lbName = new QLabel(QStringLiteral("User Name"), details);
    lbName->setObjectName(QStringLiteral("LbUserName"));
    TxUserName = new QLineEdit(details);
    TxUserName->setObjectName(QStringLiteral("TxUserName"));
    auto *lbPwd = new QLabel(QStringLiteral("Password"), details);
    lbPwd->setObjectName(QStringLiteral("LbPwd"));
    TxPwd = new QLineEdit(details);
    TxPwd->setObjectName(QStringLiteral("TxPwd"));
    TxPwd->setEchoMode(QLineEdit::Password);
    // The boxes hold what their columns hold; an unknown length leaves them
    // open and the server refuses what does not fit.
    try {
        if (const int length = m_store.userNameLength(); length > 0)
            limitCharacters(TxUserName, length);
        if (const int length = m_store.passwordLength(); length > 0)
            limitCharacters(TxPwd, length);
    } catch (const DbError &) {
    }

    auto *boxes = new QGridLayout;
    boxes->addWidget(lbGroup, 0, 0);
    boxes->addWidget(TxUserGroup, 0, 1);
    boxes->addWidget(lbName, 1, 0);
    boxes->addWidget(TxUserName, 1, 1);
    boxes->addWidget(lbPwd, 2, 0);
    boxes->addWidget(TxPwd, 2, 1);
    auto *detailsLayout = new QVBoxLayout(details);
    detailsLayout->addWidget(GrUserDetails, 1);
    detailsLayout->addLayout(boxes);
    SSTab->addTab(details, QStringLiteral("User Details"));

    // Page "Permissions"
    auto *permissions = new QWidget;
    LvAvailable = unitList(permissions, "LvAvailable", m_available, QAbstractItemView::ExtendedSelection);
    LvAssigned = unitList(permissions, "LvAssigned", m_assigned, QAbstractItemView::SingleSelection);
    CmAllow = makeButton(QStringLiteral("CmAllow"), QString(), permissions);
    CmAllow->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    CmAllow->setToolTip(QStringLiteral("Allow"));
    CmDisallow = makeButton(QStringLiteral("CmDisallow"), QString(), permissions);
    CmDisallow->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    CmDisallow->setToolTip(QStringLiteral("Disallow"));
    auto *moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(CmAllow);
    moves->addWidget(CmDisallow);
    moves->addStretch();
    auto *permissionsLayout = new QHBoxLayout(permissions);
    permissionsLayout->addWidget(LvAvailable, 1);
    permissionsLayout->addLayout(moves);
    permissionsLayout->addWidget(LvAssigned, 1);
    SSTab->addTab(permissions, QStringLiteral("Permissions"));

    // The buttons, below the pages
    auto *frame = makeButtonBar({CmNew, CmEdit, CmCancel, CmClose}, QStringLiteral("Frame1"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(SSTab, 1);
    layout->addWidget(frame);
    resize(twipsToPixels(8600), twipsToPixels(7400));

    setTabOrder(TxUserGroup, TxUserName);
    setTabOrder(TxUserName, TxPwd);
    setTabOrder(TxPwd, CmNew);
    setTabOrder(CmNew, CmEdit);
    setTabOrder(CmEdit, CmCancel);
    setTabOrder(CmCancel, CmClose);

    connect(CmAllow, &QPushButton::clicked, this, [this] { CmAllow_Click(); });
    connect(CmDisallow, &QPushButton::clicked, this, [this] { CmDisallow_Click(); });
    connect(GrUserDetails, &QTableView::clicked, this, [this] { GrUserDetails_Click(); });

    Form_Load();
}

frmUserDetails::~frmUserDetails() = default;

void frmUserDetails::Form_Load()
{
    GrUserDetails->setColumnHidden(GroupCode, true);
    GrUserDetails->setColumnWidth(UserName, twipsToPixels(2965));
    GrUserDetails->setColumnWidth(GroupName, twipsToPixels(4965));
    GrUserDetails->setColumnHidden(UserId, true);
    SetEditMode(false);
    guarded([&] {
        FillGrid();
        SSTab->setCurrentIndex(0);
        LoadAllUnits();
    });
}

bool frmUserDetails::eventFilter(QObject *watched, QEvent *event)
{
    if (ChildWindow::eventFilter(watched, event))
        return true;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (watched == TxUserGroup) {
            if (key == Qt::Key_F1) {
                TxUserGroup_KeyDown(key);
                return true;
            }
            if (enter) {
                if (!TxUserGroup->text().isEmpty())
                    TxUserName->setFocus();
                return true;
            }
        } else if (watched == TxUserName && enter) {
            if (!TxUserName->text().trimmed().isEmpty())
                TxPwd->setFocus();
            return true;
        } else if (watched == TxPwd && enter) {
            CmNew->setFocus();
            return true;
        } else if (watched == LvAssigned && key != Qt::Key_Tab && key != Qt::Key_Backtab) {
            LvAssigned_KeyDown(key);
        }
    } else if (event->type() == QEvent::FocusIn && watched == TxUserGroup) {
        SelectAllText(TxUserGroup);
    }
    return false;
}

void frmUserDetails::enableInputs(bool on)
{
    TxUserName->setEnabled(on);
    TxUserGroup->setEnabled(on);
    TxPwd->setEnabled(on);
}

void frmUserDetails::ClearFields()
{
    TxUserGroup->clear();
    TxUserName->clear();
    TxPwd->clear();
    m_groupTag.clear();
    m_userTag.clear();
}

void frmUserDetails::FillGrid()
{
    QList<QStringList> records;
    for (const UserListRow &u : m_store.usersOfUnit(gUnitCode))
        records.append({u.groupCode, u.userName, u.groupName, u.userId});
    m_grid->reset(records, gridRowsFor(int(records.size())));
    GrUserDetails->setCurrentIndex(m_grid->index(0, UserName));
}

void frmUserDetails::LoadAllUnits()
{
    m_available->setUnits(m_store.allUnits());
}

int frmUserDetails::currentRow() const
{
    return GrUserDetails->currentIndex().isValid() ? GrUserDetails->currentIndex().row() : -1;
}

void frmUserDetails::takeRow(int row)
{
    TxUserGroup->setText(m_grid->text(row, GroupName));
    m_groupTag = m_grid->text(row, GroupCode);
    TxUserName->setText(m_grid->text(row, UserName));
    m_userTag = m_grid->text(row, UserId);
}

void frmUserDetails::loadUnitLists(const QString &userId)
{
    m_assigned->setUnits(m_store.assignedUnits(userId));
    m_available->setUnits(m_store.availableUnits(userId));
}

QString frmUserDetails::unitListUser() const
{
    if (editMode())
        return m_userTag;
    return m_grid->text(currentRow(), UserId);
}

void frmUserDetails::newStarted()
{
    TxUserGroup->setFocus();
}

QList<EntryCheck> frmUserDetails::entryChecks()
{
    // A user without a group would vanish from the list, one without a name
    // could never sign on: neither is saved.
    return {
        {[this] { return m_groupTag.isEmpty(); }, QStringLiteral("Please Enter the usergroup.   "),
         MsgIcon::Information, [this] { TxUserGroup->setFocus(); }},
        {[this] { return TxUserName->text().trimmed().isEmpty(); }, QStringLiteral("Please Enter the User Name.   "),
         MsgIcon::Information, [this] { TxUserName->setFocus(); }},
    };
}

void frmUserDetails::saved(bool wasEdit)
{
    if (wasEdit)
        showSavedUser();
    else
        guarded([&] { FillGrid(); });
}

bool frmUserDetails::SaveNew()
{
    // Compared as it will be stored: a name differing only in blanks is the
    // same user. The check runs inside the save, serialised with every other
    // station's new users.
    const QString name = TxUserName->text().trimmed();
    std::optional<qint64> id;
    if (!guarded([&] { id = m_store.addUser({gUnitCode, name, m_groupTag, TxPwd->text().trimmed()}, userIdNumber()); }))
        return false;
    if (!id) {
        MsgBox(QStringLiteral("User Already Exists.  May be in Other Units.   "), MsgButtons::Ok, MsgIcon::Information);
        TxUserName->setFocus();
        return false;
    }
    return true;
}

bool frmUserDetails::SaveEdit()
{
    bool changed = false;
    if (!guarded([&] {
            changed = m_store.changeUser({m_userTag, TxUserName->text(), m_groupTag, m_assigned->codes()}, m_oldName,
                                         userIdNumber());
        }))
        return false;
    if (!changed) {
        MsgBox(QStringLiteral("User Name Already Exists.   "), MsgButtons::Ok, MsgIcon::Information);
        return false;
    }
    return true;
}

void frmUserDetails::showSavedUser()
{
    // The row of the edited user, wherever the grid's current row has moved;
    // its hidden group code too, so that a later edit keeps the new group.
    QList<QStringList> records;
    for (int r = 0; r < m_grid->recordCount(); ++r) {
        QStringList cells;
        for (int c = GroupCode; c <= UserId; ++c)
            cells << m_grid->text(r, c);
        if (cells[UserId] == m_userTag)
            cells = {m_groupTag, TxUserName->text(), TxUserGroup->text(), m_userTag};
        records << cells;
    }
    const QModelIndex current = GrUserDetails->currentIndex();
    m_grid->reset(records, m_grid->rowCount());
    GrUserDetails->setCurrentIndex(m_grid->index(current.row(), current.column()));
}

bool frmUserDetails::editAllowed()
{
    // An empty row holds no user to edit.
    return !m_grid->text(currentRow(), UserName).isEmpty();
}

void frmUserDetails::beginEdit()
{
    takeRow(currentRow());
    m_oldName = TxUserName->text();
    // The unit lists must hold this user's units before the save rebuilds them.
    guarded([&] { loadUnitLists(m_userTag); });
}

void frmUserDetails::cancelEntry()
{
    ClearFields();
}

void frmUserDetails::GrUserDetails_Click()
{
    const int row = currentRow();
    guarded([&] {
        if (editMode()) {
            // An empty row leaves the edited user, and its unit lists, as they are.
            if (m_grid->text(row, UserName).isEmpty())
                return;
            takeRow(row);
        }
        loadUnitLists(unitListUser());
    });
}

void frmUserDetails::CmAllow_Click()
{
    for (const UnitEntry &u : m_available->take(selectedRowNumbers(LvAvailable)))
        m_assigned->append(u);
}

void frmUserDetails::CmDisallow_Click()
{
    for (const UnitEntry &u : m_assigned->take(selectedRowNumbers(LvAssigned)))
        m_available->insertInOrder(u);
}

void frmUserDetails::LvAssigned_KeyDown(int key)
{
    guarded([&] {
        if (key == Qt::Key_Delete && editMode()) {
            const QModelIndexList chosen = LvAssigned->selectionModel()->selectedRows();
            if (!chosen.isEmpty())
                m_store.withdrawUnit(m_userTag, m_assigned->units().at(chosen.first().row()).code);
        }
        // Any key brings back the lists as stored.
        loadUnitLists(unitListUser());
    });
}

void frmUserDetails::TxUserGroup_KeyDown(int key)
{
    if (key != Qt::Key_F1)
        return;
    guarded([&] {
        frmListView::ShowForm(QStringLiteral("Select user_group_code,user_group_name from velmora.usergroups"
                                             " Order by user_group_name "),
                              {}, 2, QStringLiteral("User Groups"), 3000,
                              {{0, QStringLiteral("Code")}, {3000, QStringLiteral("User Group")}});
        m_groupTag = gHelpCol1;
        TxUserGroup->setText(gHelpCol2);
        gHelpCol1.clear();
        gHelpCol2.clear();
    });
}
