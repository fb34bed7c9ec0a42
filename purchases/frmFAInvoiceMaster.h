#pragma once
#include "FAInvoiceStore.h"
#include "InvoiceEntryWindow.h"

// The fixed-asset bill window's boxes, command bar, Enter chain and Save checks.
InvoiceWindowConfig faInvoiceMasterConfig();

// Entry of one fixed-asset bill line by line: header with the purchase order,
// the asset lines with warranty dates, service charge, taxes and round-off;
// finalising, marking the cheque received and showing the cheque details. A
// bill of the previous year (opened from a report) is shown from its own
// stores database and cannot be edited here.
class frmFAInvoiceMaster : public InvoiceEntryWindow {
    Q_OBJECT
public:
    explicit frmFAInvoiceMaster(QWidget *parent = nullptr);

    static QString yearLockMessage();

    QLabel *LbSerialNo = nullptr;
    QLineEdit *TxInvoiceNo = nullptr;
    QLineEdit *TxPO = nullptr;
    QDateEdit *DtPO = nullptr;
    QDateEdit *DtInvoice = nullptr;
    QDateEdit *DtReceipt = nullptr;
    LookupBox *TxSuppCode = nullptr;
    QLineEdit *TxSuppName = nullptr;
    QLineEdit *TxNarration = nullptr;
    QLineEdit *TxFreight = nullptr;
    QLineEdit *TxVat = nullptr;
    QLineEdit *TxCess = nullptr;
    QLineEdit *TxRoundOffPlus = nullptr;
    QLineEdit *TxRoundOffMinus = nullptr;
    QLineEdit *TxTotal = nullptr;
    QLineEdit *TxGrandTotal = nullptr;
    QLineEdit *TxPreparedBy = nullptr;
    QPushButton *CmChqReceived = nullptr;
    QPushButton *CmChqDetails = nullptr;
    QLabel *LbChq = nullptr;

    // The bill as the window shows it: boxes, dates and the grid's lines.
    FABill shownBill() const;

public slots:
    void CmChqReceived_Click();
    void CmChqDetails_Click();

protected:
    QString nextTransactionId() override;
    void LoadRecord(const QString &transId) override;
    void loadRecordFrom(const QString &code, const DbName &storesDb) override;
    bool prepareSave() override;
    void CalculateTotals() override;
    std::optional<bool> storedFinalized() override;
    bool finalizeStored() override;
    bool SaveNew() override;
    bool SaveEdit() override;
    bool commandsAllowed() override;
    bool editAllowed() override;
    void newStarted() override;
    void saved(bool wasEdit) override;

private:
    void showBill(const FABill &bill);
};
