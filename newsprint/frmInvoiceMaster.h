#pragma once
#include "InvoiceEntryWindow.h"
#include "InvoiceStore.h"

// The newsprint invoice window's boxes, Enter chain and Save checks.
InvoiceWindowConfig invoiceMasterConfig();

// Entry of one newsprint supplier invoice reel by reel: header, supplier and
// brand, the reel grid, taxes, rounding and totals; finalising and removing a
// finalisation; correcting the stored supplier's invoice number.
class frmInvoiceMaster : public InvoiceEntryWindow {
    Q_OBJECT
public:
    explicit frmInvoiceMaster(QWidget *parent = nullptr);

    QLabel *LbSerialNo = nullptr;
    QLineEdit *TxInvoiceNo = nullptr;
    QDateEdit *DtInvoice = nullptr;
    QDateEdit *DtReceipt = nullptr;
    LookupBox *TxSuppCode = nullptr;
    QLineEdit *TxSuppName = nullptr;
    LookupBox *TxBrandCode = nullptr;
    QLineEdit *TxBrandName = nullptr;
    QLineEdit *TxFreight = nullptr;
    QLineEdit *TxWeight = nullptr;
    QLineEdit *TxRoundOffPlus = nullptr;
    QLineEdit *TxRoundOffMinus = nullptr;
    QLineEdit *TxNet = nullptr;
    QLineEdit *TxTaxable = nullptr;
    QLineEdit *TxCGST = nullptr;
    QLineEdit *TxSGST = nullptr;
    QLineEdit *TxIGST = nullptr;
    QLineEdit *TxTCS = nullptr;
    QLineEdit *TxTotal = nullptr;
    QLineEdit *TxGrandTotal = nullptr;
    QPushButton *Cmrelease = nullptr;

    // The invoice as the window shows it: boxes, dates and the grid's lines.
    Invoice shownInvoice() const;

protected:
    QString nextTransactionId() override;
    void LoadRecord(const QString &transId) override;
    void CalculateTotals() override;
    std::optional<bool> storedFinalized() override;
    bool finalizeStored() override;
    bool removeFinalizeStored() override;
    bool mayRemoveFinalize() override;
    bool correctStoredNumber(const QString &invoiceNo) override;
    bool SaveNew() override;
    bool SaveEdit() override;

private:
    void showInvoice(const Invoice &inv);
    // The row now holds stored line `line`, with the GSM code it shows.
    void markStored(int row, int line);
};
