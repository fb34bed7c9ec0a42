#pragma once
#include "ReportWindow.h"

class QComboBox;
class QLineEdit;

// The lines of the company's fixed-asset bills as a stock list, in the store
// or issued to the press, under the unit that holds them, with the count and
// the totals of quantity and amount.
class frmrptFAStock : public ReportWindow {
    Q_OBJECT
public:
    explicit frmrptFAStock(QWidget *parent = nullptr);
    static ReportConfig reportConfig();

protected:
    void FillSheet() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QComboBox *CbStockType = nullptr;
    LookupBox *TxSuppCode = nullptr;
    LookupBox *TxBrandCode = nullptr;
    LookupBox *TxItem = nullptr;
    QLineEdit *TxSearch = nullptr;
};
