#pragma once
#include "ListWindow.h"

class QDateEdit;
class LookupBox;

// The other-stores invoice list columns and settings.
ListWindowConfig otherStoresInvoiceListConfig();

// The other-stores invoice list: the invoices of the company and unit dated
// in a range, optionally only those holding a line of one chosen item; the
// door to the other-stores invoice entry window.
class frmOtherStoresInvoice : public ListWindow {
    Q_OBJECT
public:
    explicit frmOtherStoresInvoice(QWidget *parent = nullptr);

    QDateEdit *DtFrom = nullptr;
    QDateEdit *DtTo = nullptr;
    // Shows the chosen item's name; its Tag holds the code that filters.
    LookupBox *TxItem = nullptr;

protected:
    RecordSet runQuery() override;
};
