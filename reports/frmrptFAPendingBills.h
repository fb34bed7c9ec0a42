#pragma once
#include "BillReportKit.h"

class QComboBox;

// Pending bills of one kind (newsprint, other stores, fixed assets) per
// supplier over the previous and the current year; a double-click on a
// supplier opens its pending invoices.
class frmrptFAPendingBills : public BillSummaryWindow {
    Q_OBJECT
public:
    explicit frmrptFAPendingBills(QWidget *parent = nullptr);
    static ReportConfig reportConfig();

protected:
    void FillSheet() override;
    void openSupplier(const QString &code, const QString &name) override;

private:
    QComboBox *CbType = nullptr;
    // What the last fill read, handed on by the double-click.
    BillKind m_kind = BillKind::None;
    QString m_unitCode;
    QString m_unitName;
};
