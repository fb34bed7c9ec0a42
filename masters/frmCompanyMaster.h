#pragma once
#include "ChildWindow.h"
#include "CompanyStore.h"
#include "EntryWindow.h"
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QLineEdit;
class QPushButton;

// The group-company master: adds a company under a typed code and edits the
// shown one. Opened by the company list, which calls CmNew_Click or
// CmCancel_Click right after showing it. F2/F5 New or Save, F3 Edit, F8
// Cancel, F9 Close, whichever control has the focus.
class frmCompanyMaster : public ChildWindow, public EntryWindow {
    Q_OBJECT
public:
    explicit frmCompanyMaster(QWidget *parent = nullptr);
    ~frmCompanyMaster() override;

    bool editMode() const { return m_editMode; }
    QString oldName() const { return m_oldName; }
    // An entry is open: CmNew reads "Save - F5".
    bool isEntering() const;

public slots:
    void CmNew_Click() override;
    void CmEdit_Click();
    void CmCancel_Click() override;
    void CmClose_Click();

protected:
    bool formKeyDown(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    QSize sizeHint() const override;

private:
    bool SaveNew();
    bool SaveEdit();
    void LoadRecord(const QString &code);
    void SetEditMode(bool on);
    void ClearFields();
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
    QPushButton *m_cmNew = nullptr;
    QPushButton *m_cmEdit = nullptr;
    QPushButton *m_cmCancel = nullptr;
    QPushButton *m_cmClose = nullptr;

    bool m_editMode = false;
    QString m_oldName;
    // The stored code of the company on show (loaded or just saved); an edit
    // updates this row and no other.
    std::optional<QString> m_shownCode;
    // Its name as stored: what the edit's name check leaves out, even when the
    // boxes hold text an earlier, cancelled edit typed.
    QString m_shownName;
    std::optional<QString> m_editKey;
    bool m_centred = false;
};
