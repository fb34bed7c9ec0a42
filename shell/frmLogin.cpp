#include "frmLogin.h"
#include "ChildWindow.h"
#include "ImgIcon32.h"
#include "SignOnStore.h"
#include "frmChangeCompany.h"
#include "mdlVelmora.h"
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {
const QString kDenied = QStringLiteral("Login Denied!.... Please Contact System Administrator.   ");
const QString kInvalidPassword = QStringLiteral("Invalid Password.   ");

// A NULL stored password matches nothing, not even an empty typed one.
bool passwordMatches(const std::optional<QString> &stored, const QString &typed)
{
    return stored && *stored == typed;
}
} // namespace

frmLogin::frmLogin(QWidget *parent) : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("frmLogin"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Orvane Velmora  (P) Ltd"));

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(ImgIcon32::picture(9).scaled(64, 64));

    TxtUserName = new QLineEdit(this);
    TxtUserName->setObjectName(QStringLiteral("TxtUserName"));
    TxtPassword = new QLineEdit(this);
    TxtPassword->setObjectName(QStringLiteral("TxtPassword"));
    TxtPassword->setEchoMode(QLineEdit::Password);
    TxtPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    CmOk = ChildWindow::makeButton(QStringLiteral("CmOk"), QStringLiteral("&OK"), this);
    CmExit = ChildWindow::makeButton(QStringLiteral("CmExit"), QStringLiteral("E&xit"), this);

    auto *fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("User Name"), this), 0, 0);
    fields->addWidget(TxtUserName, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Password"), this), 1, 0);
    fields->addWidget(TxtPassword, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CmOk);
    buttons->addWidget(CmExit);
    fields->addLayout(buttons, 2, 0, 1, 2);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(image, 0, Qt::AlignTop);
    layout->addLayout(fields);

    setTabOrder(TxtPassword, CmOk);
    setTabOrder(CmOk, CmExit);
    setTabOrder(CmExit, TxtUserName);

    TxtUserName->installEventFilter(this);
    TxtPassword->installEventFilter(this);
    connect(TxtUserName, &QLineEdit::returnPressed, this, [this] { TxtPassword->setFocus(); });
    connect(TxtPassword, &QLineEdit::returnPressed, this, [this] {
        CmOk->setFocus();
        CmOk_Click();
    });
    connect(CmOk, &QPushButton::clicked, this, &frmLogin::CmOk_Click);
    connect(CmExit, &QPushButton::clicked, this, [this] { CmExit_Click(); });

    TxtUserName->setText(readSetting(QStringLiteral("Login"), QStringLiteral("AUser")));
    TxtPassword->setFocus();
}

frmLogin *frmLogin::showLogin()
{
    auto *w = new frmLogin;
    w->adjustSize();
    if (QScreen *screen = QGuiApplication::primaryScreen())
        w->move(screen->availableGeometry().center() - w->rect().center());
    w->show();
    w->activateWindow();
    w->TxtPassword->setFocus();
    return w;
}

bool frmLogin::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn)
        SelectAllText(qobject_cast<QLineEdit *>(watched));
    return QWidget::eventFilter(watched, event);
}

void frmLogin::keyPressEvent(QKeyEvent *event)
{
    // Esc does nothing here; Exit is the way out.
    if (event->key() == Qt::Key_Escape)
        return;
    QWidget::keyPressEvent(event);
}

void frmLogin::refuse(const QString &text, int icon, bool emptyPassword)
{
    MsgBox(text, MsgButtons::Ok, MsgIcon(icon));
    if (emptyPassword)
        TxtPassword->clear();
    TxtPassword->setFocus();
    SelectAllText(TxtPassword);
}

void frmLogin::CmOk_Click()
{
    guarded([this] { signOn(); });
}

void frmLogin::signOn()
{
    SignOnStore store(gConnection);
    const std::optional<SignOnUser> user = store.userByName(TxtUserName->text().trimmed());
    if (!user) {
        MsgBox(QStringLiteral("Invalid User Name    "), MsgButtons::Ok, MsgIcon::Information);
        TxtPassword->setFocus();
        return;
    }
    const QString typed = TxtPassword->text().trimmed();
    const bool admin = user->userId == kAdminUserId;
    if (!passwordMatches(user->password, typed)) {
        if (admin)
            refuse(kInvalidPassword, int(MsgIcon::Information), true);
        else
            refuse(kInvalidPassword, int(MsgIcon::Critical), false);
        return;
    }

    if (admin) {
        writeSetting(QStringLiteral("Login"), QStringLiteral("AUser"), TxtUserName->text());
        gUserName = TxtUserName->text();
        gUserId = user->userId;
        gSelectedCode = user->userAdmin;
        // The administrator signs on by the flag of the company's other program.
        if (user->loginAdvt != 1) {
            MsgBox(kDenied, MsgButtons::Ok, MsgIcon::Critical);
            return;
        }
    } else {
        if (user->loginInv != 1) {
            MsgBox(kDenied, MsgButtons::Ok, MsgIcon::Critical);
            return;
        }
        // Cleared first, so that a failure leaves nothing half done.
        store.clearLocks(gInvDbName, Decimal::fromText(user->userId).truncated());
        writeSetting(QStringLiteral("Login"), QStringLiteral("AUser"), TxtUserName->text());
        gUserName = TxtUserName->text();
        gUserId = user->userId;
        gSelectedCode = user->userAdmin;
        gUserType = user->userType;
    }
    close();
    frmChangeCompany::showChoice();
}

void frmLogin::CmExit_Click()
{
    ui().endProgram(0);
}
