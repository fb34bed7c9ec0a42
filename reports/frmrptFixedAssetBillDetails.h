#pragma once
#include "BillReportKit.h"

// The fixed-asset bills of one supplier over a date range, from the previous
// and the current year, each with the payments set against it; a bill with
// two or more payment lines stands in a boxed, tinted block. Opened by the
// bills-by-supplier report; a double-click on a bill opens it read-only.
class frmrptFixedAssetBillDetails : public ReportWindow {
    Q_OBJECT
public:
    explicit frmrptFixedAssetBillDetails(QWidget *parent = nullptr);
    static ReportConfig reportConfig();

    // Puts the unit, the supplier and the dates into the boxes and shows the list.
    void SetValues(const QString &xUnitCode, const QString &xUnitName, const QString &xSuppCode,
                   const QString &xSuppName, const QDate &xDtFrom, const QDate &xDtTo);

protected:
    void FillSheet() override;
    void drillDown(int row) override;

private:
    LookupBox *TxSuppCode = nullptr;
};
