#pragma once
#include "ChildWindow.h"
#include <QColor>
#include <QFont>
#include <QList>
#include <functional>

class QAbstractItemModel;
class QPushButton;
class QTableView;

// How a switch window's pick list looks.
struct SwitchGridLook {
    QList<int> widthsInTwips; // 0 hides a column
    int designedRows = 0;
    QColor background;
    QFont font;
    int rowHeight = 20;
};

// Base of the unit and year switches: a pick list above a "Switch" button.
// Enter in the list and a double-click act as the button; Esc closes the
// window whichever control has the focus.
class SwitchWindow : public ChildWindow {
    Q_OBJECT
public:
    QTableView *GrUnit = nullptr;
    QPushButton *CmSwitch = nullptr;

    virtual void CmSwitch_Click() = 0;
    void GrUnit_DblClick() { CmSwitch_Click(); }
    // False when the load could not read the list; the clerk has seen the server's message.
    bool listRead() const { return m_listRead; }

protected:
    SwitchWindow(const QString &name, const QString &caption, QWidget *parent);
    void setUpGrid(QAbstractItemModel *model, const SwitchGridLook &look);
    // The list's current row (0 when there is none).
    int currentRow() const;
    // Runs the load's reading of the list; a database error shows its message.
    void readList(const std::function<void()> &read);

    bool formKeyDown(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_listRead = false;
};
