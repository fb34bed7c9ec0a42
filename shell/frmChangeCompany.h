#pragma once
#include <QWidget>

class GridTextModel;
class QPushButton;
class QTableView;

// The company choice: lists the companies of the current stores database and
// makes the chosen one the working company, then shows the main window.
// Not a child window of the main window; it opens on top of it.
class frmChangeCompany : public QWidget {
    Q_OBJECT
public:
    explicit frmChangeCompany(QWidget *parent = nullptr);
    ~frmChangeCompany() override;

    // Loads and shows a new company choice.
    static frmChangeCompany *showChoice();
    // The company choice now open, or nullptr.
    static frmChangeCompany *current();

    QTableView *GrCompany = nullptr;
    GridTextModel *companies = nullptr;
    QPushButton *CmSwitch = nullptr;
    QPushButton *CmClose = nullptr;

    void CmSwitch_Click();
    void GrCompany_DblClick() { CmSwitch_Click(); }
    void CmClose_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();
};
