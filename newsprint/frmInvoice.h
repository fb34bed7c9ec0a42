#pragma once
#include "ListWindow.h"

class QDateEdit;
class QLineEdit;

// The newsprint invoice list columns and settings.
ListWindowConfig invoiceListConfig();

// The newsprint invoice list: the invoices of the company and unit dated in a
// range, optionally only those holding a reel whose number contains a text;
// the door to the invoice entry window.
class frmInvoice : public ListWindow {
    Q_OBJECT
public:
    explicit frmInvoice(QWidget *parent = nullptr);

    QDateEdit *DtFrom = nullptr;
    QDateEdit *DtTo = nullptr;
    QLineEdit *TxReelNo = nullptr;

protected:
    RecordSet runQuery() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};
