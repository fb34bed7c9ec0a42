#pragma once
#include "ChildWindow.h"
#include "Database.h"
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

class QBoxLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class Sheet;
class SheetView;

// One column of a sheet that a query fills.
struct SheetColumn {
    // Date: the field's date as dateText ("01-Apr-2024"), empty for none.
    enum Kind { Text, Number, Date };

    QString heading;
    int width = 0; // twips; 0 hides the column
    // The query's column written into the cell; unused when `value` is set or
    // the column is the serial column.
    QString field;
    Kind kind = Text;
    // Computes the cell's text instead of `field` (a number cell: its exact
    // decimal text). recordNumber counts the query's records from 1.
    std::function<QString(const RecordSet &record, int recordNumber)> value;
    // The running number of the record (1, 2, ...) as text.
    bool serial = false;
    // Right-aligned and vertically centred heading.
    bool headingAlignRight = false;
    // Right-aligned and vertically centred data cells.
    bool alignRight = false;
    // Number format of the data cells, e.g. "0.00"; empty keeps General.
    QString numberFormat;
};

// The frame of a sheet window.
struct SheetWindowConfig {
    QString windowName;                                // objectName (and registry name), e.g. "frmCompany"
    QString caption;                                   // the window's caption
    QString title;                                     // the title label above everything; empty: no label
    QSize clientArea{11550, 6675};                     // twips
    QSize sheetSize{11535, 5055};                      // twips, the least the sheet is given
    QString sheetName = QStringLiteral("FbookClient"); // objectName of the sheet view
    // Filters and buttons under the sheet (report windows) instead of the
    // filters above and the buttons below it (list windows).
    bool controlsBelowSheet = false;
    // The buttons stacked in a frame at the right of the sheet instead of a
    // bar along the bottom.
    bool buttonsBeside = false;
};

// What an export offers and how it starts.
struct SheetExport {
    QString proposedName; // file name offered in the save dialog, without folder or extension
    // A name confirmed without an extension gets ".xls"; otherwise the file is
    // written under exactly the confirmed name.
    bool appendXls = true;
    // False: the export shows `nothingMessage` and stops before the dialog.
    bool hasContent = true;
    QString nothingMessage = QStringLiteral("No details found.   ");
    // Where the save dialog starts; empty: exportFolder(), made when missing.
    QString initialFolder;
    // The save dialog's file filter.
    QString filter = QStringLiteral("Excel Files (*.xls)");
};

// A child window around one sheet: an optional title, a filter bar, the sheet
// and a bar of buttons, plus what the list and report windows share: the
// busy guard, the export to an .xls file and the fast fill of rows from a
// query. Subclasses add their buttons, filters and keys.
class SheetWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit SheetWindow(SheetWindowConfig frame, QWidget *parent = nullptr);
    ~SheetWindow() override;

    const SheetWindowConfig &frame() const { return m_frame; }
    Sheet *sheet() const { return m_sheet; }
    SheetView *sheetView() const { return m_view; }
    QLabel *titleLabel() const { return m_title; }

    // A button at the end of the button bar (Enter on it presses it).
    QPushButton *addButton(const QString &name, const QString &caption);
    // Puts the bar's buttons in this order, by objectName; the others follow.
    void orderButtons(const QStringList &names);
    // Where a window puts its filter controls.
    QHBoxLayout *filterBar() const { return m_filterBar; }

    // True while a sheet action of any window runs or the hourglass shows
    // (for other work): a second action then does nothing.
    static bool busy();
    // Runs `action` unless busy(); `hourglass` shows the hourglass while it
    // runs. False when it did not run.
    static bool runGuarded(const std::function<void()> &action, bool hourglass = true);

    // Writes the heading row `headingRow`: column count and widths, headings,
    // their font ("ARIAL" 8 bold), thin lines and light grey fill.
    static void layoutSheet(Sheet &sheet, const QList<SheetColumn> &columns, int headingRow = 1);
    // Replaces the rows from `firstRow` down with the records, one per row,
    // without a record limit, in "ARIAL" 8 with the columns' formats. Returns
    // how many were written. A column the records lack throws DbError before
    // the sheet changes.
    static int fillSheet(Sheet &sheet, RecordSet &records, const QList<SheetColumn> &columns, int firstRow = 2);

    // The folder exports go to: "Excel Files" under the program's folder
    // (created when missing), or under the per-user data folder when it
    // cannot be made or written there.
    static QString exportFolder();

    // The export: the folder, the save dialog, the overwrite question, the
    // whole sheet written as an .xls workbook. Does nothing while busy();
    // Cancel is silent; a failure shows its reason. True when a file was written.
    bool exportSheet(const SheetExport &request);

protected:
    QSize sizeHint() const override;

private:
    SheetWindowConfig m_frame;
    Sheet *m_sheet = nullptr;
    SheetView *m_view = nullptr;
    QLabel *m_title = nullptr;
    QHBoxLayout *m_filterBar = nullptr;
    QBoxLayout *m_buttons = nullptr;
};
