#pragma once
#include "SheetWindow.h"
#include "Ui.h"

class QKeyEvent;

using ListColumn = SheetColumn;

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
    MsgIcon newRefusalIcon = MsgIcon::Information;
    // The database the listed records are held in, when the entry window needs
    // it to find the record: a double-click hands it over in gSelectedDbName
    // beside the key. Unset: gSelectedDbName is left alone.
    std::function<DbName()> listedDatabase;
    bool deleteButton = true; // Command2 "Delete - F6", which has no action
    // The bottom bar's buttons from the left, by objectName.
    QStringList buttonOrder{QStringLiteral("CmNew"), QStringLiteral("Command2"), QStringLiteral("CmExport"),
                            QStringLiteral("CmView"), QStringLiteral("CmClose")};
};

// The spreadsheet list window: the records of one query, one per sheet row
// under a heading row, and the door to their entry window. F5 fills, F2 or New
// opens the entry window on a new record, a double-click opens it on the row's
// record, Export writes the sheet as an .xls file; F9 and Esc close.
class ListWindow : public SheetWindow {
    Q_OBJECT
public:
    explicit ListWindow(ListWindowConfig config, QWidget *parent = nullptr);
    ~ListWindow() override;

    const ListWindowConfig &config() const { return m_config; }

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

private:
    QWidget *showEntryWindow();

    ListWindowConfig m_config;
};
