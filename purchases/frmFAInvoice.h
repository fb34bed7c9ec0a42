#pragma once
#include "ListWindow.h"

class QLineEdit;

// The fixed-asset bill list columns and settings.
ListWindowConfig faInvoiceListConfig();

// The fixed-asset bill list: the company's bills of the current stores year,
// narrowed while the clerk types an invoice or purchase order number; the door
// to the bill window, which it hands the bill's code and stores database.
class frmFAInvoice : public ListWindow {
    Q_OBJECT
public:
    explicit frmFAInvoice(QWidget *parent = nullptr);

    QLineEdit *TxInvoiceNo = nullptr;

public slots:
    void TxInvoiceNo_Change();

protected:
    RecordSet runQuery() override;
};
