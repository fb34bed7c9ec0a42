#include "ChildWindow.h"
#include "Database.h"
#include "TextLimit.h"
#include "mdlVelmora.h"
#include <QChildEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>

ChildWindow::ChildWindow(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void ChildWindow::setCaption(const QString &caption)
{
    setWindowTitle(caption);
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->setWindowTitle(caption);
}

void ChildWindow::unload()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

QLabel *ChildWindow::makeTitleLabel(const QString &text, const QString &objectName, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(14.25);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QPushButton *ChildWindow::makeButton(const QString &objectName, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(objectName);
    // Outside a dialog a button ignores Enter unless told otherwise.
    b->setAutoDefault(true);
    return b;
}

void ChildWindow::setFixedFrame()
{
    setFixedSize(size());
    setProperty(kFixedFrameProperty, true);
}

void ChildWindow::limitBoxes(const std::function<QHash<QString, int>()> &read)
{
    try {
        const QHash<QString, int> lengths = read();
        for (auto it = lengths.cbegin(); it != lengths.cend(); ++it)
            if (auto *box = findChild<QLineEdit *>(it.key()); box && it.value() > 0)
                limitCharacters(box, it.value());
    } catch (const DbError &) {
    }
}

void ChildWindow::setFocusOrder(const QList<QWidget *> &controls)
{
    m_focusOrder.clear();
    for (QWidget *w : controls)
        m_focusOrder << w;
}

void ChildWindow::setTabChain(const QList<QWidget *> &controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        setTabOrder(controls.at(i - 1), controls.at(i));
    setFocusOrder(controls);
}

void ChildWindow::returnToLastControl()
{
    m_returnToLast = true;
    watch(this);
}

void ChildWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        CenterForm(this);
    }
}

void ChildWindow::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (m_returnToLast && m_lastControl && m_lastControl->isEnabled()) {
        m_lastControl->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (const QPointer<QWidget> &w : std::as_const(m_focusOrder)) {
        if (w && w->isEnabled() && w->focusPolicy() != Qt::NoFocus) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void ChildWindow::takeKeysFirst(const QSet<int> &keys)
{
    m_keys = keys;
    watch(this);
}

void ChildWindow::enterMovesToNextField()
{
    m_enterMoves = true;
    watch(this);
}

void ChildWindow::enterMovesFocus(QWidget *from, QWidget *to, Qt::FocusReason reason)
{
    m_enterJumps.insert(from, EnterJump{to, reason});
    from->removeEventFilter(this);
    from->installEventFilter(this);
}

void ChildWindow::selectTextOnEntry()
{
    m_selectOnEntry = true;
    watch(this);
}

void ChildWindow::selectTextOnEntry(const QList<QWidget *> &boxes)
{
    for (QWidget *w : boxes)
        m_selectBoxes << w;
    watch(this);
}

bool ChildWindow::formKeyDown(QKeyEvent *)
{
    return false;
}

void ChildWindow::watch(QWidget *w)
{
    w->removeEventFilter(this);
    w->installEventFilter(this);
    const auto children = w->findChildren<QWidget *>();
    for (QWidget *c : children) {
        c->removeEventFilter(this);
        c->installEventFilter(this);
    }
}

bool ChildWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ChildAdded: {
        auto *ce = static_cast<QChildEvent *>(event);
        // A control may arrive with controls of its own (a page put into a tab).
        if (ce->child()->isWidgetType())
            watch(static_cast<QWidget *>(ce->child()));
        break;
    }
    case QEvent::KeyPress: {
        auto *ke = static_cast<QKeyEvent *>(event);
        if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) {
            const auto jump = m_enterJumps.constFind(watched);
            if (jump != m_enterJumps.cend() && jump->to) {
                jump->to->setFocus(jump->reason);
                return true;
            }
        }
        if (m_keys.contains(ke->key()) && formKeyDown(ke))
            return true;
        if (m_enterMoves && (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter)
            && qobject_cast<QLineEdit *>(watched)) {
            focusNextChild();
            return true;
        }
        break;
    }
    case QEvent::FocusIn:
        if (m_returnToLast && watched != this && watched->isWidgetType()
            && isAncestorOf(static_cast<QWidget *>(watched)))
            m_lastControl = static_cast<QWidget *>(watched);
        if (m_selectOnEntry || (watched->isWidgetType() && m_selectBoxes.contains(static_cast<QWidget *>(watched)))) {
            if (auto *box = qobject_cast<QLineEdit *>(watched)) {
                SelectAllText(box);
                // A mouse click places the caret after the focus arrives.
                QTimer::singleShot(0, box, [box] {
                    if (box->hasFocus())
                        SelectAllText(box);
                });
            }
        }
        break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}
