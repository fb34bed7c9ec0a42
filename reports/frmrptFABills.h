#pragma once
#include "BillReportKit.h"

// Fixed-asset bills of a date range per supplier, over the previous and the
// current year; a double-click on a supplier opens its bill details.
class frmrptFABills : public BillSummaryWindow {
    Q_OBJECT
public:
    explicit frmrptFABills(QWidget *parent = nullptr);
    static ReportConfig reportConfig();

protected:
    void FillSheet() override;
    void openSupplier(const QString &code, const QString &name) override;

private:
    // What the last fill read, handed on by the double-click.
    QString m_unitCode;
    QString m_unitName;
    QDate m_from;
    QDate m_to;
};
