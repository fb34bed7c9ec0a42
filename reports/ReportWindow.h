#pragma once
#include "Lookup.h"
#include "PrintFile.h"
#include "SheetWindow.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>

class QComboBox;
class QDateEdit;
class QGridLayout;
class QLineEdit;
class QPushButton;

// One column of a report sheet: heading and width in 1/256 of a digit.
struct ReportColumn {
    QString heading;
    int width = 0;
};

// What one report window sets for itself on the frame.
struct ReportConfig {
    QString windowName; // registry name and objectName, e.g. "frmrptConsumption"
    QString caption;    // caption and first part of the export's file name
    QString sheetName = QStringLiteral("FBInvoice");
    bool dateRange = false;      // Dtto beside DtFrom
    bool exportDateIsTo = false; // the export's file name takes Dtto's date
    enum PrintButton { NoPrint, PrintDoesNothing, Prints };
    PrintButton print = Prints;
    // The unit lookup offers units whose flag is 0: the circulation flag
    // (consumption report) or the accounts flag (all others).
    bool unitLookupByCirculation = false;
    QString placeholderTitle;
    QList<ReportColumn> columns;
    // Heading row aligned left, centred vertically, before its style.
    bool headingAlignedLeft = false;
    // Columns aligned right from the heading row down; 0 for none.
    int firstNumericColumn = 0;
    int lastNumericColumn = 0;
    bool numericFormat = false; // "0.00" on those columns too
    PrintMapping printMapping;
    // The font of the body, its group headings and totals; whether the body
    // is aligned left (else General: text left, numbers right).
    QString bodyFont = QStringLiteral("ARIAL");
    bool bodyAlignedLeft = true;
    // Keys a drill-down reads, numbered on from the shown columns (the first
    // is column columns.size() + 1). They are kept by the window, never in the
    // sheet, so no export or print carries them, and every fill starts them
    // empty.
    QList<ReportColumn> keyColumns;
};

// How a fill leaves the sheet: RowCount some rows past the last row written
// and the view scrolled so that row stays in sight.
struct EndOfFill {
    int rowsAfter = 5;   // RowCount = last row + rowsAfter
    int growPast = 0;    // RowCount is set only when the last row lies past this
    int scrollPast = 10; // the view scrolls when the last row lies past this
    int rowsAbove = 9;   // ... to TopVisibleRow = last row - rowsAbove
};

// The report window frame: the sheet with three title rows and a heading row,
// the report's filters under it, Show / Print / Export / Close. A report sets
// its config, adds its own filters and writes FillSheet. No function key is
// mapped: the keys in the captions are captions only.
class ReportWindow : public SheetWindow {
    Q_OBJECT
public:
    explicit ReportWindow(ReportConfig config, QWidget *parent = nullptr);
    ~ReportWindow() override;

    const ReportConfig &config() const { return m_config; }
    // The last sheet row written: 4 after the layout.
    int rowCounter() const { return m_row; }
    // The export's suggested file name: caption, current unit, date.
    QString exportFileName() const;

    // True for a row the current fill wrote as a data row (never a title,
    // heading, group, total or empty row).
    bool isDataRow(int row) const { return m_dataRows.contains(row); }
    // A key column's value on a data row of the current fill; empty elsewhere.
    QString rowKey(int row, int column) const;

public slots:
    void CmShow_Click();
    void CmExport_Click();
    void CmPrint_Click();
    void CmClose_Click();

protected:
    // The frame's layout steps with the config's values; clears no cell.
    void LayoutSheet();
    // Builds the statement from the filters, runs it and writes the rows.
    // Returns after a refusal (its message shown); throws DbError.
    virtual void FillSheet() = 0;

    // Rows 5 to RowCount emptied; the row counter back to 4; the data rows
    // and their keys forgotten.
    void clearBody();
    void setTitle(const QString &title);
    int &row() { return m_row; }

    // --- Fill helpers ---
    // Marks `row` as a data row of this fill: the one kind of row a
    // double-click acts on.
    void markDataRow(int row);
    // A key column's value for a data row (marks the row as one).
    void setRowKey(int row, int column, const QString &value);
    // A group heading (a unit, a brand) in its own row under the last one
    // written; styleGroupHeadings formats them all at the end of the fill.
    int addGroupHeading(int column, const QString &text);
    void styleGroupHeadings(int firstColumn, int lastColumn, int size);
    // The body's look: the body font 8, black, left and centred vertically; columns
    // `rightFrom` to `rightTo` right-aligned, with "0.00" when asked.
    void styleBody(int firstRow, int lastRow, int rightFrom, int rightTo, bool amounts = true);
    // The total row, two rows under the last row written: the row counter
    // moves there. styleTotalRow gives it the body font 10 bold dark red, the label
    // left and the amounts right in "0.00".
    int nextTotalRow();
    void styleTotalRow(int row, int labelColumn, int firstAmountColumn, int lastAmountColumn);
    // RowCount and the scroll after the last row written.
    void finishFill(int lastRow, const EndOfFill &end = {});
    // The stock lists' end: the total row with the label and the count in
    // column 2 and each sum in its column, styled from the first sum's column
    // to the last column, then finishFill.
    void writeCountTotals(const QString &label, int count, const QList<std::pair<int, Decimal>> &sums);

    // A double-click on a data row of the current fill; rows of any other
    // kind, and a double-click while a Show runs, never get here.
    virtual void drillDown(int row);

    // A code box: F1 opens `lookup`; Del empties text and code when asked.
    LookupBox *codeBox(const QString &name, std::function<Lookup()> lookup, bool delClears);
    // The code a box filters on: none while its text is empty, else the code
    // of its last lookup (empty when the text was typed without one).
    static std::optional<QString> filterCode(const LookupBox *box);
    // A code box whose F1 opens the list `lookup` gives for the box's text.
    LookupBox *nameSearchBox(const QString &name, std::function<Lookup(const QString &text)> lookup);
    // "CbStockType": "Godown" (chosen) and "Press", nothing typed.
    QComboBox *makeStockTypeBox();
    // A plain filter box carrying its control name.
    static QLineEdit *makeBox(const QString &name, QWidget *parent);

    // Where a report puts its filters (below the sheet), and the frame's own.
    QGridLayout *filterGrid() const { return m_filters; }
    QDateEdit *DtFrom = nullptr;
    QDateEdit *Dtto = nullptr;
    LookupBox *TxUnitCode = nullptr;
    QPushButton *CmShow = nullptr;
    QPushButton *CmPrint = nullptr;
    QPushButton *CmExport = nullptr;
    QPushButton *CmClose = nullptr;

    // Enter in each widget moves the focus to the next one of the list; a
    // window may have several chains.
    void setEnterChain(const QList<QWidget *> &chain);
    // The box selects its whole text when entered.
    void selectOnEntry(QLineEdit *box);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ReportConfig m_config;
    QGridLayout *m_filters = nullptr;
    QHash<QWidget *, QWidget *> m_enterNext;
    QList<QLineEdit *> m_selectOnEntry;
    int m_row = 4;
    QHash<int, QStringList> m_dataRows; // data row -> its key columns' values
    QList<int> m_groupHeadings;
};
