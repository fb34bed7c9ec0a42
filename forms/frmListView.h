#pragma once
#include <QDialog>
#include <QList>
#include <QString>
#include <QVariantList>
#include <QVector>
#include <functional>

class GridTextModel;
class QKeyEvent;
class QLineEdit;
class QTableView;
class RecordSet;

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
    static void ShowForm(const QString &HelpQry, const QVariantList &values, int DisplayFields, const QString &HelpText,
                         int FormWidth, const QList<LookupColumn> &columns);

    // Tests: instead of waiting for the clerk, this runs on the filled, shown
    // window and must close it (for example by choosing a row).
    static void setTestDriver(std::function<void(frmListView &)> driver);

    explicit frmListView(QWidget *parent = nullptr);

    // What the clerk sees, by grid row (row 0 is the heading row, records
    // begin at row 1) and grid column (0 hidden, 1 to 10 the query's fields).
    QLineEdit *searchBox() const { return m_search; }
    QTableView *grid() const { return m_grid; }
    int gridRowCount() const;
    QString cellText(int row, int column) const;
    int currentRow() const;
    int topVisibleRow() const;
    int searchRow() const { return m_searchRow; }
    // Width of a grid column in twips as the window set it.
    int columnWidth(int column) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fill(RecordSet &rs, int displayFields);
    void layOut(const QString &caption, int formWidth, const QList<LookupColumn> &columns);
    void setCurrentRow(int row);
    void setTopRow(int row);
    void handOverCurrentRow();
    void handOverSearchRow();
    void chooseCurrentRow();
    void chooseSearchRow();
    void search(const QString &text);

    QLineEdit *m_search = nullptr;
    QTableView *m_grid = nullptr;
    GridTextModel *m_model = nullptr;
    QVector<int> m_widths;
    int m_searchRow = 1;
    int m_topRow = 1;
    bool m_filling = false;
};
