#pragma once
#include "RecordWindow.h"
#include "UserStore.h"
#include <QString>

class GridTextModel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;

namespace userwin {
class UnitListModel;
}

// The users of the current unit: list, create, rename or regroup a user, and
// grant or withdraw the units the user may work in.
class frmUserDetails : public RecordWindow {
    Q_OBJECT
public:
    explicit frmUserDetails(QWidget *parent = nullptr);
    ~frmUserDetails() override;

    void CmAllow_Click();
    void CmDisallow_Click();
    void GrUserDetails_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void ClearFields() override;
    void enableInputs(bool on) override;
    void newStarted() override;
    QList<EntryCheck> entryChecks() override;
    bool SaveNew() override;
    bool SaveEdit() override;
    void saved(bool wasEdit) override;
    bool editAllowed() override;
    void beginEdit() override;
    void cancelEntry() override;

private:
    void Form_Load();
    void FillGrid();
    void LoadAllUnits();
    void LvAssigned_KeyDown(int key);
    void TxUserGroup_KeyDown(int key);

    // Loads the boxes from a grid row (0 = the first user).
    void takeRow(int row);
    int currentRow() const;
    // Rewrites the edited user's grid row with what the save stored.
    void showSavedUser();
    void loadUnitLists(const QString &userId);
    // The user whose units the lists must hold: the edited user during an
    // edit, otherwise the user of the grid's current row.
    QString unitListUser() const;

    UserStore m_store;
    QString m_oldName;
    QString m_groupTag; // user_group_code of TxUserGroup
    QString m_userTag;  // user_id of the user being edited

    QTabWidget *SSTab = nullptr;
    QTableView *GrUserDetails = nullptr;
    QLineEdit *TxUserGroup = nullptr;
    QLineEdit *TxUserName = nullptr;
    QLineEdit *TxPwd = nullptr;
    QTableView *LvAvailable = nullptr;
    QTableView *LvAssigned = nullptr;
    QPushButton *CmAllow = nullptr;
    QPushButton *CmDisallow = nullptr;
    GridTextModel *m_grid = nullptr;
    userwin::UnitListModel *m_available = nullptr;
    userwin::UnitListModel *m_assigned = nullptr;
};
