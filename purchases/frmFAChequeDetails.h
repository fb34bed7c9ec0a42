#pragma once
#include "SheetWindow.h"

class QLabel;

// The payments the accounts application set against one fixed-asset bill,
// with the cheque number of each payment's voucher and the amount set
// against the bill; cancelled payments are listed too.
//
// The bill window opens it by registry name and names the bill:
//   QWidget *w = WindowRegistry::instance().open("frmFAChequeDetails");
//   QMetaObject::invokeMethod(w, "showBill", Q_ARG(QString, code), Q_ARG(QString, storesDb));
// showBill refills the window whenever it is called. An opener that hands the
// bill over in gSelectedCode and gSelectedDbName instead is served too: the
// window takes them (and empties gSelectedCode) as it loads and each time it
// is opened again by name, so a window left open shows the bill it is opened for.
class frmFAChequeDetails : public SheetWindow {
    Q_OBJECT
public:
    explicit frmFAChequeDetails(QWidget *parent = nullptr);

    QLabel *LbInvoice = nullptr;

    // The bill shown: its code and stores database (the current one when none was named).
    const QString &billCode() const { return m_code; }
    const DbName &billDatabase() const { return m_database; }

    // Shows the payments of bill `code` held in the stores database
    // `storesDb` (empty: the current one).
    Q_INVOKABLE void showBill(const QString &code, const QString &storesDb);

public slots:
    void CmClose_Click();
    // Opened again by name: takes the bill handed over now.
    void reopenedByName();

private:
    void takeHandOver();
    void fill();

    QString m_code;
    DbName m_database;
};
