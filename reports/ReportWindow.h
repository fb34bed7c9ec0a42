#pragma once
#include "ChildWindow.h"
#include "PrintFile.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>

class QDateEdit;
class QGridLayout;
class QLineEdit;
class QPushButton;
class Sheet;
class SheetView;

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
};

// The report window frame: the sheet with three title rows and a heading row,
// the report's filters under it, Show / Print / Export / Close. A report sets
// its config, adds its own filters and writes FillSheet.
class ReportWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit ReportWindow(ReportConfig config, QWidget *parent = nullptr);
    ~ReportWindow() override;

    const ReportConfig &config() const { return m_config; }
    Sheet *sheet() const { return m_sheet; }
    SheetView *sheetView() const { return m_view; }
    // The last sheet row written: 4 after the layout.
    int rowCounter() const { return m_row; }

    // A code box keeps the looked-up code in its tag and shows the name.
    static QString tagOf(const QLineEdit *box);
    static void setCodeBox(QLineEdit *box, const QString &code, const QString &name);

    // The folder exports go to.
    static QString exportFolder();
    // The export's suggested file name: caption, unit, date.
    QString exportFileName() const;

public slots:
    void CmShow_Click();
    void CmExport_Click();
    void CmPrint_Click();
    void CmClose_Click();
    void TxUnitCode_Lookup();

protected:
    // The frame's layout steps with the config's values; clears no cell.
    virtual void LayoutSheet();
    // Builds the statement from the filters, runs it and writes the rows.
    // Returns normally after a refusal (a message shown); throws DbError.
    virtual void FillSheet() = 0;

    // Rows 5 to RowCount emptied; the row counter back to 4.
    void clearBody();
    void setTitle(const QString &title);
    int &row() { return m_row; }

    // Where a report puts its filters (below the sheet), and the frame's own.
    QGridLayout *filterGrid() const { return m_filters; }
    QDateEdit *DtFrom = nullptr;
    QDateEdit *Dtto = nullptr;
    QLineEdit *TxUnitCode = nullptr;
    QPushButton *CmShow = nullptr;
    QPushButton *CmPrint = nullptr;
    QPushButton *CmExport = nullptr;
    QPushButton *CmClose = nullptr;

    // Enter in each widget moves the focus to the next one of the list; a
    // window may have several chains.
    void setEnterChain(const QList<QWidget *> &chain);
    // F1 in the box runs the lookup; Del empties text and tag when asked.
    void addCodeBox(QLineEdit *box, std::function<void()> lookup, bool delClears);
    // The box selects its whole text when entered.
    void selectOnEntry(QLineEdit *box);

    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    ReportConfig m_config;
    Sheet *m_sheet = nullptr;
    SheetView *m_view = nullptr;
    QGridLayout *m_filters = nullptr;
    struct CodeBox {
        std::function<void()> lookup;
        bool delClears = false;
    };
    QHash<QLineEdit *, CodeBox> m_codeBoxes;
    QHash<QWidget *, QWidget *> m_enterNext;
    QList<QLineEdit *> m_selectOnEntry;
    int m_row = 4;
    bool m_busy = false;
    bool m_centred = false;
};
