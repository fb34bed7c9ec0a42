#pragma once
#include "ChildWindow.h"
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
class frmUserDetails : public ChildWindow {
    Q_OBJECT
public:
    explicit frmUserDetails(QWidget *parent = nullptr);
    ~frmUserDetails() override;

    void CmNew_Click();
    void CmEdit_Click();
    void CmCancel_Click();
    void CmClose_Click();
    void CmAllow_Click();
    void CmDisallow_Click();
    void GrUserDetails_Click();

    bool editMode() const { return m_editMode; }

protected:
    bool formKeyDown(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    bool SaveNew();
    bool SaveEdit();
    void SetEditMode(bool on);
    void FillGrid();
    void ClearFields();
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
    bool m_editMode = false;
    QString m_oldName;
    QString m_groupTag; // user_group_code of TxUserGroup
    QString m_userTag;  // user_id of the user being edited
    bool m_centred = false;

    QTabWidget *SSTab = nullptr;
    QTableView *GrUserDetails = nullptr;
    QLineEdit *TxUserGroup = nullptr;
    QLineEdit *TxUserName = nullptr;
    QLineEdit *TxPwd = nullptr;
    QTableView *LvAvailable = nullptr;
    QTableView *LvAssigned = nullptr;
    QPushButton *CmAllow = nullptr;
    QPushButton *CmDisallow = nullptr;
    QPushButton *CmNew = nullptr;
    QPushButton *CmEdit = nullptr;
    QPushButton *CmCancel = nullptr;
    QPushButton *CmClose = nullptr;
    GridTextModel *m_grid = nullptr;
    userwin::UnitListModel *m_available = nullptr;
    userwin::UnitListModel *m_assigned = nullptr;
};
