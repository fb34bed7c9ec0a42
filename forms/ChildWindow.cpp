#include "ChildWindow.h"
#include "mdlVelmora.h"
#include <QChildEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
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

void ChildWindow::selectTextOnEntry()
{
    m_selectOnEntry = true;
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
        if (ce->child()->isWidgetType()) {
            auto *w = static_cast<QWidget *>(ce->child());
            w->removeEventFilter(this);
            w->installEventFilter(this);
        }
        break;
    }
    case QEvent::KeyPress: {
        auto *ke = static_cast<QKeyEvent *>(event);
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
        if (m_selectOnEntry) {
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
