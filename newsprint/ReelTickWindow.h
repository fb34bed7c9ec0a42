#pragma once
#include "ChildWindow.h"
#include <QString>

class QKeyEvent;
class QLabel;
class LookupBox;
class QLineEdit;
class QPushButton;
class QTableView;
class ReelTickModel;

// The tick list of the reels in the godown of the current unit: the clerk
// ticks reels and moves them in one batch, either to the press or, after
// choosing a destination unit and setting it for the ticked reels, to
// another unit. One class, two configurations.
class ReelTickWindow : public ChildWindow {
    Q_OBJECT
public:
    enum Kind { ToPress, ToUnit };
    static inline const QString kToPressName = QStringLiteral("frmTransferCons");
    static inline const QString kToUnitName = QStringLiteral("frmStockTransfer");

    explicit ReelTickWindow(Kind kind, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    ReelTickModel *model() const { return m_model; }
    QTableView *grid() const { return m_grid; }
    // The select-all toggle's state; it lives for the program run, across
    // refills and across closing and reopening the window.
    bool AllSelected() const;

public slots:
    void FillGrid();
    void GrInvoice_Scroll();
    void GrInvoice_Click();
    void GrInvoice_DblClick();
    void CmSelectAll_Click();
    void CmTransfer_Click();
    void CmSet_Click();
    void CmClose_Click();
    void TxInvoiceNo_KeyPress();

protected:
    bool formKeyDown(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // The designed size: the subwindow frame opens at it, grid columns in view.
    QSize sizeHint() const override;

private:
    void buildGrid(QWidget *parent);
    void placeSelectAll();
    void emptyGrid();
    void toggleCurrentRow();
    // Grid rows from the first up to the first whose cell in `column` is empty.
    int leadingRows(int column) const;
    bool anyTicked(int rows) const;
    // Asks, then moves the ticked reels (to the press, or each to its set
    // unit), refills and tells how many could not be moved.
    void runBatch(const QString &question, bool toUnit);
    void transferToPress();
    void transferToUnit();
    void tellNotMoved(int notMoved, int meant);

    Kind m_kind;
    ReelTickModel *m_model = nullptr;
    QTableView *m_grid = nullptr;
    QPushButton *m_cmSelectAll = nullptr;
    QPushButton *m_cmTransfer = nullptr;
    QPushButton *m_cmClose = nullptr;
    QPushButton *m_cmSet = nullptr;
    QLineEdit *m_txSearch = nullptr;
    QLineEdit *m_txInvoiceNo = nullptr;
    LookupBox *m_txUnitCode = nullptr;
    QLineEdit *m_txUnitName = nullptr;
};
