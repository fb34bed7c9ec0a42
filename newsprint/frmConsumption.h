#pragma once
#include "ListWindow.h"

class QDateEdit;
class QLineEdit;
class QPushButton;

// The valid newsprint bookings of the unit between two dates, with the total
// of their amounts two rows below them; the door to the consumption window
// and the one place where a booking is cancelled.
class frmConsumption : public ListWindow {
    Q_OBJECT
public:
    explicit frmConsumption(QWidget *parent = nullptr);

    // The user ids besides the administrator's that may cancel a booking.
    static bool mayCancel(const QString &userId);

public slots:
    void FillList() override;
    void CmSearch_Click();
    void CmDelete_Click();

protected:
    RecordSet runQuery() override;

private:
    QDateEdit *m_dtFrom = nullptr;
    QDateEdit *m_dtTo = nullptr;
    QLineEdit *m_txSearch = nullptr;
    QPushButton *m_cmSearch = nullptr;
    // Bookings written by the last fill, in rows 2 onwards.
    int m_dataRows = 0;
};
