#pragma once
#include "BillReportStore.h"
#include "ReportWindow.h"

class QComboBox;

// What the four bill reports share: the type list of the pending reports,
// the hand-over of a fixed-asset bill to its window, and the summary sheet of
// bills per supplier.

// "Newsprint", "Other Stores", "Fixed Assets", none chosen.
QComboBox *billTypeList(QWidget *parent);
BillKind billKindOf(int index);

// "Fixed Asset Bills as on <date>", or "... from <date> to <date>".
QString billsTitle(const QDate &from, const QDate &to);

// Opens the fixed-asset bill window on the bill `code` of the stores
// database `stores`, read-only. The window belongs to another subsystem and
// is reached by its registry name.
void openFixedAssetBill(const QString &code, const QString &storesDb);

// A report of one row per supplier (bills and amount) with a total row; a
// double-click on a supplier's row hands the supplier to a deeper report.
class BillSummaryWindow : public ReportWindow {
    Q_OBJECT
public:
    static constexpr int kAcCodeKey = 5; // the supplier's account code, kept off the sheet

protected:
    BillSummaryWindow(ReportConfig config, QWidget *parent);
    // The columns, widths and key column both summaries share.
    static void summaryColumns(ReportConfig &c);
    // Writes the suppliers from row 5, the total row under them and the end of fill.
    void writeSummary(const QList<BillSummaryRow> &rows);
    void drillDown(int row) override;
    virtual void openSupplier(const QString &code, const QString &name) = 0;

    LookupBox *TxSuppCode = nullptr;
};
