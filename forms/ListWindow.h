#pragma once
#include "ChildWindow.h"
#include "Database.h"
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QPushButton;
class Sheet;
class SheetView;

// One column of a list window's sheet.
struct ListColumn {
    enum Kind { Text, Number };

    QString heading;
    int width = 0; // twips; 0 hides the column
    // The query's column written into the cell; unused when `value` is set.
    QString field;
    Kind kind = Text;
    // Computes the cell's text instead of `field` (a number cell: its exact
    // decimal text). recordNumber counts the query's records from 1.
    std::function<QString(const RecordSet &record, int recordNumber)> value;
    // Right-aligned and vertically centred heading.
    bool headingAlignRight = false;
    // Right-aligned and vertically centred data cells.
    bool alignRight = false;
    // Number format of the data cells, e.g. "0.00"; empty keeps General.
    QString numberFormat;
};

// What one list window sets for itself.
struct ListWindowConfig {
    QString windowName;            // registry name and objectName, e.g. "frmCompany"
    QString caption;               // caption, title label and first part of the export's file name
    QSize clientArea{11550, 6675}; // twips
    QSize sheetSize{11535, 5055};  // twips
    QList<ListColumn> columns;
    int keyColumn = 1;   // the column whose text a double-click hands over
    QString entryWindow; // registry name of the entry window (an EntryWindow)
    // Runs the list's query; throws DbError. Windows with filter controls
    // override ListWindow::runQuery instead.
    std::function<RecordSet()> query;
    // New's precondition: the message that refuses New, or empty text to allow it.
    std::function<QString()> newRefusal;
    bool deleteButton = true; // Command2 "Delete - F6", which has no action
    // The bottom bar's buttons from the left, by objectName.
    QStringList buttonOrder{QStringLiteral("CmNew"), QStringLiteral("Command2"), QStringLiteral("CmExport"),
                            QStringLiteral("CmView"), QStringLiteral("CmClose")};
};

// The spreadsheet list window: the records of one query, one per sheet row
// under a heading row, and the door to their entry window. F5 fills, F2 or New
// opens the entry window on a new record, a double-click opens it on the row's
// record, Export writes the sheet as an .xls file; F9 and Esc close.
class ListWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit ListWindow(ListWindowConfig config, QWidget *parent = nullptr);
    ~ListWindow() override;

    const ListWindowConfig &config() const { return m_config; }
    Sheet *sheet() const { return m_sheet; }
    SheetView *sheetView() const { return m_view; }

    // The heading row: column count and widths, headings, their font, lines and fill.
    static void layoutSheet(Sheet &sheet, const QList<ListColumn> &columns);
    // Replaces the rows below the heading with the records, one per row from
    // row 2, without a record limit, and formats them; returns how many were
    // written. A column the records lack throws DbError before the sheet changes.
    static int fillSheet(Sheet &sheet, RecordSet &records, const QList<ListColumn> &columns);
    // The folder exports go to: "Excel Files" under the program's folder.
    static QString exportFolder();

public slots:
    // Refills the sheet from the query. A failing query shows the server's
    // text and leaves the sheet as it was.
    virtual void FillList();
    void CmNew_Click();
    void CmExport_Click();
    void CmClose_Click();
    void FbookClient_RowDoubleClick(int row, int column);

protected:
    virtual RecordSet runQuery();
    bool formKeyDown(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    QSize sizeHint() const override;
    // Empty bar between the title and the sheet, for a window's filter controls.
    QHBoxLayout *filterBar() const { return m_filterBar; }

private:
    QWidget *showEntryWindow();

    ListWindowConfig m_config;
    Sheet *m_sheet = nullptr;
    SheetView *m_view = nullptr;
    QLabel *m_title = nullptr;
    QHBoxLayout *m_filterBar = nullptr;
    bool m_centred = false;
};
