#pragma once
#include "SwitchWindow.h"

class GridTextModel;

// The unit switch: lists the units the signed-on user may work in and makes
// the chosen one the current unit.
class frmSwitch : public SwitchWindow {
    Q_OBJECT
public:
    explicit frmSwitch(QWidget *parent = nullptr);

    GridTextModel *units = nullptr;

    void CmSwitch_Click() override;
    // False when the load could not read the user's units.
    bool unitsRead() const { return m_unitsRead; }

private:
    void Form_Load();
    bool m_unitsRead = false;
};
