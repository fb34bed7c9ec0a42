#pragma once
#include "ChildWindow.h"
#include "EntryWindow.h"
#include "Ui.h"
#include <QHash>
#include <QList>
#include <QString>
#include <functional>

class QFrame;
class QLineEdit;
class QPushButton;

// The states of an entry window. New and Edit are the entry states.
enum class RecordState { View, New, Edit };

// One test of the Save command: when `fails` holds, `message` is shown in a
// box with `icon` and `then` runs (usually: focus to the box concerned); the
// command ends there.
struct EntryCheck {
    std::function<bool()> fails;
    QString message;
    MsgIcon icon = MsgIcon::Information;
    std::function<void()> then;
};

// How the view/entry switch treats a further button.
enum class ButtonRule {
    ViewOnly,  // enabled in the view state only, like Edit and Close
    EntryOnly, // enabled in the entry states only, like Cancel
    Untouched  // the window enables it itself
};

// Base of the windows that show one record and enter new ones: the New/Save
// button whose caption shows the state, Edit, Cancel, Close and any further
// buttons, and the function keys that press them. The state lives here, never
// in a caption. A window supplies its inputs and the hooks below.
//
// New in the view state: readyForNew(), ClearFields(), the new state, newStarted().
// Save in an entry state: prepareSave(), entryChecks() in order, then SaveNew() or SaveEdit();
// success: the view state, then saved().
// Edit: editAllowed(), beginEdit(), the edit state. Cancel: cancelEntry(), the view state.
class RecordWindow : public ChildWindow, public EntryWindow {
    Q_OBJECT
public:
    explicit RecordWindow(QWidget *parent = nullptr);

    RecordState state() const { return m_state; }
    // An entry (new or edit) is under way.
    bool isEntering() const { return m_state != RecordState::View; }
    // The entry under way changes a stored record.
    bool editMode() const { return m_state == RecordState::Edit; }

    QPushButton *newButton() const { return CmNew; }
    QPushButton *editButton() const { return CmEdit; }
    QPushButton *cancelButton() const { return CmCancel; }
    QPushButton *closeButton() const { return CmClose; }

public slots:
    void CmNew_Click() override;
    void CmEdit_Click();
    void CmCancel_Click() override;
    void CmClose_Click();

protected:
    // Keys that act whichever control has the focus, whether or not their
    // button is enabled. The default: F2 and F5 New/Save, F3 Edit, F8 Cancel,
    // F9 Close. An empty map: the captions name keys that nothing binds.
    using KeyMap = QHash<int, std::function<void()>>;
    static KeyMap entryKeys(RecordWindow *w);
    void setFunctionKeys(const KeyMap &keys);
    // Further keys the window wants before its controls (its formKeyDown
    // override handles them after this class's map).
    void alsoTakeKeys(const QSet<int> &keys);

    // A further command button, switched by the state as `rule` says.
    QPushButton *addButton(const QString &objectName, const QString &caption, ButtonRule rule,
                           std::function<void()> handler);
    // A framed bar holding `items` left to right; a null item is a stretch.
    QFrame *makeButtonBar(const QList<QWidget *> &items, const QString &objectName = QString());

    // Switches between the view state (false) and an entry state (true): a
    // new entry unless an edit is under way. Enables the inputs and buttons
    // and sets the New/Save caption.
    void SetEditMode(bool on);

    // The hooks.
    virtual void ClearFields() = 0;
    // Enables or disables the window's inputs; state() is already the new state.
    virtual void enableInputs(bool on) = 0;
    // Before anything of a New changes: false leaves the view state as it is.
    virtual bool readyForNew() { return true; }
    // After New has cleared the fields and entered the new state.
    virtual void newStarted() {}
    // Brings what Save reads up to date (worked-out figures); false ends the command.
    virtual bool prepareSave() { return true; }
    // Tests run by Save, in order, built as Save starts; the first that fails ends the command.
    virtual QList<EntryCheck> entryChecks() { return {}; }
    // Each true when the record was stored; a failure has shown its message.
    virtual bool SaveNew() = 0;
    virtual bool SaveEdit() = 0;
    // After a successful save, in the view state again; `wasEdit` tells which save ran.
    virtual void saved(bool wasEdit) { Q_UNUSED(wasEdit); }
    // Whether Edit may start (it shows its own refusal).
    virtual bool editAllowed() { return true; }
    // Before the edit state is entered; state() is still the one Edit was pressed in.
    virtual void beginEdit() {}
    // Before Cancel returns to the view state.
    virtual void cancelEntry() {}
    // Whether New/Save and Edit may act at all (a locked year refuses both).
    virtual bool commandsAllowed() { return true; }

    // A check that fails when the box holds no character at all (blanks pass),
    // and then puts the focus in the box.
    static EntryCheck emptyBoxCheck(QLineEdit *box, const QString &message, MsgIcon icon = MsgIcon::Information);

    bool formKeyDown(QKeyEvent *event) override;

    QPushButton *CmNew = nullptr;
    QPushButton *CmEdit = nullptr;
    QPushButton *CmCancel = nullptr;
    QPushButton *CmClose = nullptr;

private:
    void startNew();
    void save();
    void updateKeys();

    RecordState m_state = RecordState::View;
    KeyMap m_keyMap;
    QSet<int> m_extraKeys;
    QList<QPair<QPushButton *, ButtonRule>> m_buttons;
};
