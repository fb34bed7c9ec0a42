#pragma once
#include "InvoiceEntryWindow.h"
#include "GstGrid.h"
#include "OtherInvoiceStore.h"

// The other-stores invoice window's boxes, Enter chain and Save checks.
InvoiceWindowConfig otherInvoiceMasterConfig();

// Entry of one purchase invoice of other-stores items line by line: header,
// supplier with its GST number, the item lines with their CGST, SGST and IGST,
// tax totals that may be typed over, freight, TCS and round-offs; finalising
// and removing a finalisation, open to every user.
class frmOtherInvoiceMaster : public InvoiceEntryWindow {
    Q_OBJECT
public:
    explicit frmOtherInvoiceMaster(QWidget *parent = nullptr);

    QLabel *LbSerialNo = nullptr;
    QLineEdit *TxInvoiceNo = nullptr;
    QDateEdit *DtInvoice = nullptr;
    QDateEdit *DtReceipt = nullptr;
    LookupBox *TxSuppCode = nullptr;
    QLineEdit *TxSuppName = nullptr;
    QLineEdit *TxGST = nullptr;
    QLineEdit *TxNarration = nullptr;
    QLineEdit *TxTCS = nullptr;
    QLineEdit *TxFreight = nullptr;
    QLineEdit *TxRoundOffPlus = nullptr;
    QLineEdit *TxRoundOffMinus = nullptr;
    QLineEdit *TxTotal = nullptr;
    QLineEdit *TxCGST = nullptr;
    QLineEdit *TxSGST = nullptr;
    QLineEdit *TxIGST = nullptr;
    QLineEdit *TxGrandTotal = nullptr;
    QPushButton *CmRemove = nullptr;

    // The invoice as the window shows it: boxes, dates and the filled lines.
    OtherInvoice shownInvoice() const;
    // The tax totals from the boxes as typed, without the TCS.
    void CalculateGrandTotal();

protected:
    QString nextTransactionId() override;
    void LoadRecord(const QString &transId) override;
    void CalculateTotals() override;
    std::optional<bool> storedFinalized() override;
    bool finalizeStored() override;
    bool removeFinalizeStored() override;
    bool prepareSave() override;
    bool SaveNew() override;
    bool SaveEdit() override;

private:
    void showInvoice(const OtherInvoice &inv);
    // The boxes and lines as typed; nothing, after the message, for a figure beyond range.
    std::optional<OtherInvoice> typedInvoice();
    // The store of the shown invoice's year, unit and company; nothing before a load or save.
    std::optional<OtherInvoiceStore> shownStore() const;
    GstGrid::Boxes totalBoxes() const;
    // A figure beyond range: shown once until the totals work out again.
    bool m_tooLargeShown = false;
};
