#pragma once
#include "ChildWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

// Lets the signed-on user replace the password the sign-on checks.
class frmChangePassword : public ChildWindow {
    Q_OBJECT
public:
    explicit frmChangePassword(QWidget *parent = nullptr);

    QLabel *LbUserName = nullptr;
    QLineEdit *TxCurPwd = nullptr;
    QLineEdit *TxNewPwd = nullptr;
    QLineEdit *TxConfirmPwd = nullptr;
    QPushButton *CmAccept = nullptr;
    QPushButton *CmClose = nullptr;

    void CmAccept_Click();
    void CmClose_Click() { unload(); }

private:
    bool SavePassword();
};
