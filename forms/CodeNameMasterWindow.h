#pragma once
#include "CodeNameStore.h"
#include "RecordWindow.h"
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class GridTextModel;
class QGridLayout;
class QLabel;
class QLineEdit;
class QModelIndex;
class QTableView;

// One column of a master's grid: heading and width in twips.
struct GridColumn {
    QString heading;
    int width = 0;
};

// What sets one code/name master window apart from another.
struct CodeNameMasterConfig {
    QString windowName; // objectName of the window, e.g. "frmGSMMaster"
    QString caption;    // window caption
    QString title;      // text of the title label (Label3)
    QString gridName;   // objectName of the grid, e.g. "GrGSM"

    // The table behind the window, as its store uses it.
    const char *table = nullptr;
    QString codeColumn;
    QString nameColumn;
    QString groupColumn; // optional, e.g. "brand_group"
    QVariant groupValue;

    QString nameHeading; // heading of grid column 2
    // The counter series of new codes, built when used (it names the current company).
    std::function<QString()> seriesKey;

    QString emptyNameMessage;
    QString duplicateNewMessage;
    QString duplicateRenameMessage;
    // A rename that found no row to change.
    QString notChangedMessage = QStringLiteral("Nothing was changed: the record was not found.   ");

    // Grid columns 1 onwards (column 0 is always hidden). Empty: "Code" 1300
    // and `nameHeading` 4825.
    QList<GridColumn> gridColumns;
    QSize clientArea{6480, 5820}; // twips
    bool colouredHeading = true;  // white on RGB(49, 111, 147); otherwise the system's heading colours
    // objectNames in tab order. Empty: CmCancel, CmClose, CmEdit, CmNew, TxCode, TxName, the grid.
    QStringList tabOrder;

    // The rows and statements.
    std::function<std::unique_ptr<CodeNameStore>()> store;
};

// The code/name master window: the current scope's rows in a grid, New under
// the series' next code, Edit to rename; nothing deletes a row. Function keys
// and Esc act whichever control has the focus: F2/F5 New or Save, F3 Edit,
// F8 Cancel, F9 Close, Esc closes.
class CodeNameMasterWindow : public RecordWindow {
    Q_OBJECT
public:
    explicit CodeNameMasterWindow(CodeNameMasterConfig config, QWidget *parent = nullptr);
    ~CodeNameMasterWindow() override;

    const CodeNameMasterConfig &config() const { return m_config; }

    // The name of the row being renamed, as Edit or a later click on a row took it.
    QString oldName() const { return m_oldName; }

    GridTextModel *gridModel() const { return m_model; }
    QTableView *grid() const { return m_grid; }
    // Grid row (1 = first record) that counts as current.
    int currentGridRow() const;

public slots:
    void Grid_Click(const QModelIndex &index);

protected:
    bool SaveNew() override;
    bool SaveEdit() override;
    void FillGrid();
    void ClearFields() override;
    void enableInputs(bool on) override;
    bool readyForNew() override;
    void newStarted() override;
    QList<EntryCheck> entryChecks() override;
    void saved(bool wasEdit) override;
    void beginEdit() override;
    void cancelEntry() override;

    // The entry as the boxes hold it.
    virtual CodeNameEntry gatherEntry() const;
    // Where Enter in the name box moves the focus.
    virtual QWidget *afterNameBox() const;

    bool formKeyDown(QKeyEvent *event) override;
    QSize sizeHint() const override;

    // Row of input boxes (Code, Name) that windows with further inputs extend.
    QGridLayout *fieldsLayout() const { return m_fields; }
    void applyTabOrder(const QStringList &objectNames);
    CodeNameStore &store() { return *m_store; }

    QLabel *m_title = nullptr;
    QLineEdit *m_txCode = nullptr;
    QLineEdit *m_txName = nullptr;

private:
    // A name the save refused as empty: the empty-name message, the focus in the name box. Always false.
    bool refuseEmptyName();

    CodeNameMasterConfig m_config;
    std::unique_ptr<CodeNameStore> m_store;
    GridTextModel *m_model = nullptr;
    QTableView *m_grid = nullptr;
    QGridLayout *m_fields = nullptr;
    QString m_oldName;
    QString m_nextCode; // read from the series at New
};
