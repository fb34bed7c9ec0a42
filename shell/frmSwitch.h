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

private:
    void Form_Load();
};
