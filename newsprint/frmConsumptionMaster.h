#pragma once
#include "ChildWindow.h"
#include "ConsumptionStore.h"
#include "EntryWindow.h"
#include <QString>

class QDateEdit;
class QLineEdit;
class QPushButton;

// Books newsprint taken from one reel at the press: date, reel, product,
// quantity, rate and consuming unit. Opened by the consumption list, which
// calls CmNew_Click or CmCancel_Click right after showing it. F2/F5 New or
// Save, F3 Edit, F8 Cancel, F9 Close, whichever control has the focus.
class frmConsumptionMaster : public ChildWindow, public EntryWindow {
    Q_OBJECT
public:
    explicit frmConsumptionMaster(QWidget *parent = nullptr);
    ~frmConsumptionMaster() override;

    bool editMode() const { return m_editMode; }
    // An entry is open: CmNew reads "Save - F5".
    bool isEntering() const;
    // The invoice transaction id of the reel the entry books against.
    QString reelTag() const { return m_reelTag; }
    // What the chosen reel held before this booking, as plain number text.
    QString qtyAvailTag() const { return m_qtyAvailTag; }

public slots:
    void CmNew_Click() override;
    void CmEdit_Click();
    void CmCancel_Click() override;
    void CmClose_Click();

protected:
    bool formKeyDown(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    QSize sizeHint() const override;

private:
    bool SaveNew();
    bool SaveEdit();
    void LoadRecord(const QString &code);
    void SetEditMode(bool on);
    void ClearFields();
    ConsumptionStore store() const;

    void reelLookup();
    void productLookup();
    void unitLookup();
    void TxQty_Change();
    void TxRate_Change();
    void TxReelNo_Edited();
    void showAmount();

    QLineEdit *m_txConsumptionCode = nullptr;
    QDateEdit *m_dtCons = nullptr;
    QLineEdit *m_txReelNo = nullptr;
    QLineEdit *m_txSupplierName = nullptr;
    QLineEdit *m_txBrandName = nullptr;
    QLineEdit *m_txGSM = nullptr;
    QLineEdit *m_txReelType = nullptr;
    QLineEdit *m_txRate = nullptr;
    QLineEdit *m_txProductCode = nullptr;
    QLineEdit *m_txQty = nullptr;
    QLineEdit *m_txAmount = nullptr;
    QLineEdit *m_txProductName = nullptr;
    QLineEdit *m_txQtyAvail = nullptr;
    QLineEdit *m_txUnitCode = nullptr;
    QLineEdit *m_txUnitName = nullptr;
    QPushButton *m_cmNew = nullptr;
    QPushButton *m_cmEdit = nullptr;
    QPushButton *m_cmCancel = nullptr;
    QPushButton *m_cmClose = nullptr;

    bool m_editMode = false;
    bool m_loading = false;
    QString m_reelTag;
    QString m_qtyAvailTag = QStringLiteral("0");
    bool m_centred = false;
};
