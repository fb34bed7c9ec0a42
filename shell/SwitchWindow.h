#pragma once
#include "ChildWindow.h"
#include <QColor>
#include <QFont>
#include <QList>

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

protected:
    SwitchWindow(const QString &name, const QString &caption, QWidget *parent);
    void setUpGrid(QAbstractItemModel *model, const SwitchGridLook &look);
    // The list's current row (0 when there is none).
    int currentRow() const;

    bool formKeyDown(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};
