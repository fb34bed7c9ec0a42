#pragma once
#include "BillReportKit.h"

class QComboBox;

// The pending bills of one kind for one supplier and unit, from the previous
// and the current year, in bill-date order, with "Generated" where a payment
// has been set against a fixed-asset bill. Opened by the pending-bills
// report; prints; a double-click on a fixed-asset bill opens it read-only.
class frmrptFixedAssetInvoice : public ReportWindow {
    Q_OBJECT
public:
    static constexpr int kCode = 6;        // hidden within the sheet: the print's marker too
    static constexpr int kInvDatabase = 8; // keys beyond the shown columns
    static constexpr int kAcDatabase = 9;

    explicit frmrptFixedAssetInvoice(QWidget *parent = nullptr);
    static ReportConfig reportConfig();

    // Puts the unit, the supplier and the kind ("0" to "2", "-1" none) into
    // the boxes and shows the list.
    void SetValues(const QString &xUnitCode, const QString &xUnitName, const QString &xSuppCode,
                   const QString &xSuppName, const QString &xType);

protected:
    void FillSheet() override;
    void drillDown(int row) override;

private:
    QComboBox *CbType = nullptr;
    LookupBox *TxSuppCode = nullptr;
    BillKind m_kind = BillKind::None; // of the last fill
};
