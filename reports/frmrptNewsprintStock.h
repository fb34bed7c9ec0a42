#pragma once
#include "ReportWindow.h"

class QComboBox;
class QLineEdit;

// The newsprint reels the company holds, in the godown or at the press, under
// the unit that holds them, with the count and the totals of weight and amount.
class frmrptNewsprintStock : public ReportWindow {
    Q_OBJECT
public:
    explicit frmrptNewsprintStock(QWidget *parent = nullptr);
    static ReportConfig reportConfig();

protected:
    void FillSheet() override;

private:
    QComboBox *CbStockType = nullptr;
    LookupBox *TxSuppCode = nullptr;
    LookupBox *TxBrandCode = nullptr;
    LookupBox *TxGSM = nullptr;
    LookupBox *TxReelType = nullptr;
    QLineEdit *TxSearch = nullptr;
};
