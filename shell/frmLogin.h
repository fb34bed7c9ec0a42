#pragma once
#include <QWidget>

class QLineEdit;
class QPushButton;

// The sign-on window: checks a user's name and password, fills the user
// values of the working context and opens the company choice.
class frmLogin : public QWidget {
    Q_OBJECT
public:
    explicit frmLogin(QWidget *parent = nullptr);
    // Shows a new sign-on window, centred on the screen, the caret in the password box.
    static frmLogin *showLogin();

    QLineEdit *TxtUserName = nullptr;
    QLineEdit *TxtPassword = nullptr;
    QPushButton *CmOk = nullptr;
    QPushButton *CmExit = nullptr;

    void CmOk_Click();
    void CmExit_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void refuse(const QString &text, int icon, bool emptyPassword);
    void signOn();
};
