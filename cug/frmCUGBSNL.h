#pragma once
#include "SheetWindow.h"

#include <QStringList>

class QLineEdit;
class Sheet;

// The lines of the phone-suite contact file for what the list sheet shows:
// one contact for each row from row 3 whose "Mobile" cell is not empty, each
// three lines and an empty line after it. A control character inside a cell
// is written as a blank, so no cell breaks the layout.
QStringList cugContactLines(const Sheet &list);

// The closed-user-group phone list: the company's numbers of one operator
// with their holders, searched by a text, saved as a spreadsheet file, as a
// phone-suite contact file, or as a contact sheet.
class frmCUGBSNL : public SheetWindow {
    Q_OBJECT
public:
    explicit frmCUGBSNL(QWidget *parent = nullptr);

    QLineEdit *searchBox() const { return m_search; }

    // Where the exports' save dialogs start: the user's home folder.
    static QString exportStartFolder();

public slots:
    void cmdExcel_Click();
    void cmdNotepad_Click();
    void CmBlackberry_Click();
    void cmdLoad_Click();
    void cmdExit_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void LayoutCugSheet();
    void ShowCugList();
    void LayoutBlackberrySheet();
    bool FillBlackberrySheet();
    // A key with a character reached the search box.
    void txtSearch_KeyPress(int keyAscii);

    QLineEdit *m_search = nullptr;
};
