#pragma once
#include "SwitchWindow.h"

class MarkedGridModel;

// The financial-year switch: lists the stores years and makes the chosen one
// the working year (its dates, stores and accounts databases).
class frmFinancialYear : public SwitchWindow {
    Q_OBJECT
public:
    explicit frmFinancialYear(QWidget *parent = nullptr);

    MarkedGridModel *years = nullptr;

    void CmSwitch_Click() override;

private:
    void Form_Load();
    // Shows why the year cannot be worked in; the working year stays.
    void refuse(const QString &period, const QString &why);
    int m_yearRows = 0;
};
