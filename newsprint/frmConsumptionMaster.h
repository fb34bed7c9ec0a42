#pragma once
#include "ConsumptionStore.h"
#include "RecordWindow.h"
#include <QString>
#include <optional>

class LookupBox;
class QDateEdit;
class QLineEdit;
struct Lookup;
struct LookupRow;

// Books newsprint taken from one reel at the press: date, reel, product,
// quantity, rate and consuming unit. Opened by the consumption list, which
// calls CmNew_Click or CmCancel_Click right after showing it. F2/F5 New or
// Save, F3 Edit, F8 Cancel, F9 Close, whichever control has the focus.
class frmConsumptionMaster : public RecordWindow {
    Q_OBJECT
public:
    explicit frmConsumptionMaster(QWidget *parent = nullptr);
    ~frmConsumptionMaster() override;

    // The invoice transaction id of the reel the entry books against.
    QString reelTag() const { return m_reelTag; }
    // What the chosen reel held before this booking, as plain number text.
    QString qtyAvailTag() const { return m_qtyAvailTag; }

protected:
    bool formKeyDown(QKeyEvent *event) override;
    QSize sizeHint() const override;

    void ClearFields() override;
    void enableInputs(bool on) override;
    void newStarted() override;
    QList<EntryCheck> entryChecks() override;
    bool SaveNew() override;
    bool SaveEdit() override;

private:
    void LoadRecord(const QString &code);
    void showBooking(const ConsumptionRecord &found);
    // The stores year, company, unit and user the window works in now.
    static ConsumptionContext workingContext();
    ConsumptionStore store() const;
    Lookup reelLookup() const;
    void reelPicked(const LookupRow &row);
    void reelCleared();
    void TxReelNo_Edited();
    void TxQty_Change();
    void showAmount();

    QLineEdit *m_txConsumptionCode = nullptr;
    QDateEdit *m_dtCons = nullptr;
    LookupBox *m_txReelNo = nullptr;
    QLineEdit *m_txSupplierName = nullptr;
    QLineEdit *m_txBrandName = nullptr;
    QLineEdit *m_txGSM = nullptr;
    QLineEdit *m_txReelType = nullptr;
    QLineEdit *m_txRate = nullptr;
    LookupBox *m_txProductCode = nullptr;
    QLineEdit *m_txQty = nullptr;
    QLineEdit *m_txAmount = nullptr;
    QLineEdit *m_txProductName = nullptr;
    QLineEdit *m_txQtyAvail = nullptr;
    LookupBox *m_txUnitCode = nullptr;
    QLineEdit *m_txUnitName = nullptr;

    // The booking on view as stored, and where: what an edit's save acts on,
    // whatever the code box shows. Nothing after New or before a load.
    struct ShownBooking {
        QString code;
        ConsumptionContext where;
    };
    std::optional<ShownBooking> m_shown;

    bool m_loading = false;
    QString m_reelTag;
    QString m_qtyAvailTag = QStringLiteral("0");
};
