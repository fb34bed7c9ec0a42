#include "frmChangePassword.h"
#include "SignOnStore.h"
#include "mdlVelmora.h"
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kInvalidPassword = QStringLiteral("Invalid Password.  ");

QLineEdit *passwordBox(QWidget *parent, const char *name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEchoMode(QLineEdit::Password);
    return box;
}
} // namespace

frmChangePassword::frmChangePassword(QWidget *parent) : ChildWindow(parent)
{
    setObjectName(QStringLiteral("frmChangePassword"));
    setCaption(QStringLiteral("Change Password"));

    LbUserName = new QLabel(this);
    LbUserName->setObjectName(QStringLiteral("LbUserName"));
    QFont bold(QStringLiteral("Verdana"));
    bold.setBold(true);
    LbUserName->setFont(bold);
    TxCurPwd = passwordBox(this, "TxCurPwd");
    TxNewPwd = passwordBox(this, "TxNewPwd");
    TxConfirmPwd = passwordBox(this, "TxConfirmPwd");
    CmAccept = makeButton(QStringLiteral("CmAccept"), QStringLiteral("&Accept - F5"), this);
    CmClose = makeButton(QStringLiteral("CmClose"), QStringLiteral("Close - F9"), this);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("User Name"), LbUserName);
    form->addRow(QStringLiteral("Current Password"), TxCurPwd);
    form->addRow(QStringLiteral("New Password"), TxNewPwd);
    form->addRow(QStringLiteral("Confirm Password"), TxConfirmPwd);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CmAccept);
    buttons->addWidget(CmClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    setTabOrder(TxCurPwd, TxNewPwd);
    setTabOrder(TxNewPwd, TxConfirmPwd);
    setTabOrder(TxConfirmPwd, CmAccept);
    setTabOrder(CmAccept, CmClose);

    connect(CmAccept, &QPushButton::clicked, this, [this] { guarded([this] { CmAccept_Click(); }); });
    connect(CmClose, &QPushButton::clicked, this, &frmChangePassword::CmClose_Click);

    // Enter moves on; in the confirmation box it only reaches Accept.
    enterMovesToNextField();
    selectTextOnEntry();
    // The window itself takes no typing: the current password box does, or
    // the control that had the focus when the window was left.
    setFocusOrder({TxCurPwd});
    returnToLastControl();

    LbUserName->setText(readSetting(QStringLiteral("Login"), QStringLiteral("AUser")));
    TxCurPwd->setFocus();
}

void frmChangePassword::CmAccept_Click()
{
    if (TxNewPwd->text().trimmed() != TxConfirmPwd->text().trimmed()) {
        MsgBox(QStringLiteral("Password not matching.   "), MsgButtons::Ok, MsgIcon::Information);
        TxConfirmPwd->setFocus();
        return;
    }
    const std::optional<std::optional<QString>> stored =
        SignOnStore(gConnection).storedPassword(gUserId, LbUserName->text().trimmed());
    // No row for the name and id, or a NULL password: nothing to match.
    if (!stored || !*stored || **stored != TxCurPwd->text().trimmed()) {
        MsgBox(kInvalidPassword, MsgButtons::Ok, MsgIcon::Information);
        TxCurPwd->setFocus();
        return;
    }
    if (SavePassword()) {
        MsgBox(QStringLiteral("Your password has been changed succssfully.   "), MsgButtons::Ok, MsgIcon::Information);
        unload();
    }
}

bool frmChangePassword::SavePassword()
{
    qint64 matched = 0;
    if (!guarded([&] {
            matched = SignOnStore(gConnection).changePassword(gUserId, userIdNumber(), TxNewPwd->text().trimmed());
        }))
        return false;
    // The row went away since the check: nothing was changed.
    if (matched == 0) {
        MsgBox(kInvalidPassword, MsgButtons::Ok, MsgIcon::Information);
        return false;
    }
    return true;
}
