#pragma once
#include <QDialog>
#include <QList>
#include <QString>
#include <QVariantList>
#include <functional>

// Width (twips) and heading of one lookup column; width 0 hides it.
struct LookupColumn {
    int width = 0;
    QString heading;
};

// The one lookup window: shows a query's rows, finds a row by the start of its
// name, and hands the chosen row over in gHelpCol1 .. gHelpCol8. Modal;
// not shown at all when the query gives no row.
class frmListView : public QDialog {
    Q_OBJECT
public:
    // `columns` gives columns 1 to 10 in order (fewer means the rest are empty
    // and hidden). `values` are bound to the query's placeholders.
    static void ShowForm(const QString &HelpQry, const QVariantList &values, int DisplayFields,
                         const QString &HelpText, int FormWidth, const QList<LookupColumn> &columns);

    // Tests: instead of waiting for the clerk, this runs on the filled, shown
    // window and must close it (for example by choosing a row).
    static void setTestDriver(std::function<void(frmListView &)> driver);

    explicit frmListView(QWidget *parent = nullptr);
};
