#pragma once
#include "CompanyStore.h"
#include "RecordWindow.h"
#include <QList>
#include <QString>
#include <optional>

class QLineEdit;

// The group-company master: adds a company under a typed code and edits the
// shown one. Opened by the company list, which calls CmNew_Click or
// CmCancel_Click right after showing it. F2/F5 New or Save, F3 Edit, F8
// Cancel, F9 Close, whichever control has the focus.
class frmCompanyMaster : public RecordWindow {
    Q_OBJECT
public:
    explicit frmCompanyMaster(QWidget *parent = nullptr);
    ~frmCompanyMaster() override;

    QString oldName() const { return m_oldName; }

protected:
    QSize sizeHint() const override;
    void ClearFields() override;
    void enableInputs(bool on) override;
    void newStarted() override;
    QList<EntryCheck> entryChecks() override;
    bool SaveNew() override;
    bool SaveEdit() override;
    void beginEdit() override;

private:
    void LoadRecord(const QString &code);
    Company gatherFields() const;

    QLineEdit *m_txCompanyCode = nullptr;
    QLineEdit *m_txCompanyName = nullptr;
    QLineEdit *m_txAddress = nullptr;
    QLineEdit *m_txAddress1 = nullptr;
    QLineEdit *m_txAddress2 = nullptr;
    QLineEdit *m_txAddress3 = nullptr;
    QLineEdit *m_txPhone = nullptr;
    QLineEdit *m_txFax = nullptr;
    QLineEdit *m_txEmail = nullptr;
    QLineEdit *m_txTin = nullptr;
    QLineEdit *m_txVat = nullptr;
    QList<QLineEdit *> m_boxes; // in tab order

    QString m_oldName;
    // The stored code of the company on show (loaded or just saved); an edit
    // updates this row and no other.
    std::optional<QString> m_shownCode;
    // Its name as stored: what the edit's name check leaves out, even when the
    // boxes hold text an earlier, cancelled edit typed.
    QString m_shownName;
    std::optional<QString> m_editKey;
};
