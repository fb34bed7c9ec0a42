#include "RecordWindow.h"
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString kNewCaption = QStringLiteral("New - F2");
const QString kSaveCaption = QStringLiteral("Save - F5");
} // namespace

RecordWindow::RecordWindow(QWidget *parent) : ChildWindow(parent)
{
    CmNew = makeButton(QStringLiteral("CmNew"), kNewCaption, this);
    CmEdit = makeButton(QStringLiteral("CmEdit"), QStringLiteral("Edit - F3"), this);
    CmCancel = makeButton(QStringLiteral("CmCancel"), QStringLiteral("Cancel - F8"), this);
    CmClose = makeButton(QStringLiteral("CmClose"), QStringLiteral("Close - F9"), this);
    connect(CmNew, &QPushButton::clicked, this, &RecordWindow::CmNew_Click);
    connect(CmEdit, &QPushButton::clicked, this, &RecordWindow::CmEdit_Click);
    connect(CmCancel, &QPushButton::clicked, this, &RecordWindow::CmCancel_Click);
    connect(CmClose, &QPushButton::clicked, this, &RecordWindow::CmClose_Click);
    // Until the window (or its opener) sets a state every button is enabled.
    m_buttons = {{CmEdit, ButtonRule::ViewOnly}, {CmCancel, ButtonRule::EntryOnly}, {CmClose, ButtonRule::ViewOnly}};
    setFunctionKeys(entryKeys(this));
}

RecordWindow::KeyMap RecordWindow::entryKeys(RecordWindow *w)
{
    return {
        {Qt::Key_F2, [w] { w->CmNew_Click(); }},   {Qt::Key_F5, [w] { w->CmNew_Click(); }},
        {Qt::Key_F3, [w] { w->CmEdit_Click(); }},  {Qt::Key_F8, [w] { w->CmCancel_Click(); }},
        {Qt::Key_F9, [w] { w->CmClose_Click(); }},
    };
}

void RecordWindow::setFunctionKeys(const KeyMap &keys)
{
    m_keyMap = keys;
    updateKeys();
}

void RecordWindow::alsoTakeKeys(const QSet<int> &keys)
{
    m_extraKeys = keys;
    updateKeys();
}

void RecordWindow::updateKeys()
{
    QSet<int> keys = m_extraKeys;
    for (auto it = m_keyMap.cbegin(); it != m_keyMap.cend(); ++it)
        keys.insert(it.key());
    takeKeysFirst(keys);
}

bool RecordWindow::formKeyDown(QKeyEvent *event)
{
    const auto it = m_keyMap.constFind(event->key());
    if (it == m_keyMap.cend())
        return false;
    it.value()();
    return true;
}

QPushButton *RecordWindow::addButton(const QString &objectName, const QString &caption, ButtonRule rule,
                                     std::function<void()> handler)
{
    QPushButton *b = makeButton(objectName, caption, this);
    // Without a handler the window connects the button itself.
    if (handler)
        connect(b, &QPushButton::clicked, this, std::move(handler));
    m_buttons.append({b, rule});
    return b;
}

QFrame *RecordWindow::makeButtonBar(const QList<QWidget *> &items, const QString &objectName)
{
    auto *bar = new QFrame(this);
    bar->setObjectName(objectName);
    bar->setFrameShape(QFrame::StyledPanel);
    auto *row = new QHBoxLayout(bar);
    for (QWidget *w : items) {
        if (w) {
            w->setParent(bar);
            row->addWidget(w);
        } else {
            row->addStretch(1);
        }
    }
    return bar;
}

EntryCheck RecordWindow::emptyBoxCheck(QLineEdit *box, const QString &message, MsgIcon icon)
{
    return {[box] { return box->text().isEmpty(); }, message, icon, [box] { box->setFocus(Qt::OtherFocusReason); }};
}

void RecordWindow::SetEditMode(bool on)
{
    if (!on)
        m_state = RecordState::View;
    else if (m_state == RecordState::View)
        m_state = RecordState::New;
    enableInputs(on);
    for (const auto &[button, rule] : std::as_const(m_buttons)) {
        if (rule != ButtonRule::Untouched)
            button->setEnabled((rule == ButtonRule::EntryOnly) == on);
    }
    CmNew->setText(on ? kSaveCaption : kNewCaption);
}

void RecordWindow::CmNew_Click()
{
    if (!commandsAllowed())
        return;
    if (m_state == RecordState::View)
        startNew();
    else
        save();
}

void RecordWindow::startNew()
{
    if (!readyForNew())
        return;
    ClearFields();
    SetEditMode(true);
    newStarted();
}

void RecordWindow::save()
{
    if (!prepareSave())
        return;
    const QList<EntryCheck> checks = entryChecks();
    for (const EntryCheck &c : checks) {
        if (c.fails()) {
            MsgBox(c.message, MsgButtons::Ok, c.icon);
            if (c.then)
                c.then();
            return;
        }
    }
    const bool wasEdit = m_state == RecordState::Edit;
    if (!(wasEdit ? SaveEdit() : SaveNew()))
        return;
    SetEditMode(false);
    saved(wasEdit);
}

void RecordWindow::CmEdit_Click()
{
    if (!commandsAllowed() || !editAllowed())
        return;
    beginEdit();
    m_state = RecordState::Edit;
    SetEditMode(true);
}

void RecordWindow::CmCancel_Click()
{
    cancelEntry();
    SetEditMode(false);
}

void RecordWindow::CmClose_Click()
{
    unload();
}
