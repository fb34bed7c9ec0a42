#include "WindowRegistry.h"
#include <QMdiArea>
#include <QMdiSubWindow>

WindowRegistry &WindowRegistry::instance()
{
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::registerWindow(const QString &name, Factory factory)
{
    m_factories.insert(name, std::move(factory));
}

bool WindowRegistry::isRegistered(const QString &name) const
{
    return m_factories.contains(name);
}

void WindowRegistry::setArea(QMdiArea *area)
{
    m_area = area;
}

QWidget *WindowRegistry::find(const QString &name) const
{
    const auto it = m_loaded.constFind(name);
    return it == m_loaded.constEnd() ? nullptr : it->data();
}

QWidget *WindowRegistry::load(const QString &name)
{
    if (QWidget *w = find(name))
        return w;
    const auto f = m_factories.constFind(name);
    if (f == m_factories.constEnd())
        return nullptr;
    QWidget *w = (*f)();
    if (!w)
        return nullptr;
    w->setObjectName(name);
    w->setAttribute(Qt::WA_DeleteOnClose);
    if (m_area) {
        QMdiSubWindow *sub = m_area->addSubWindow(w);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setWindowTitle(w->windowTitle());
        sub->adjustSize();
        sub->hide();
        QObject::connect(w, &QWidget::windowTitleChanged, sub, &QWidget::setWindowTitle);
    }
    m_loaded.insert(name, w);
    return w;
}

QWidget *WindowRegistry::open(const QString &name)
{
    QWidget *w = load(name);
    if (!w)
        return nullptr;
    if (auto *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget())) {
        sub->show();
        sub->raise();
        if (m_area)
            m_area->setActiveSubWindow(sub);
    } else {
        w->show();
        w->raise();
    }
    w->show();
    w->activateWindow();
    // A window brought back keeps the control the clerk left; a new one takes
    // the focus itself and passes it to its first control.
    QWidget *last = w->focusWidget();
    if (last && last != w && w->isAncestorOf(last))
        last->setFocus(Qt::OtherFocusReason);
    else
        w->setFocus(Qt::OtherFocusReason);
    return w;
}

int WindowRegistry::loadedCount() const
{
    int n = 0;
    for (const auto &w : m_loaded)
        if (w)
            ++n;
    return n;
}

void WindowRegistry::unloadAll()
{
    for (auto &w : m_loaded) {
        if (!w)
            continue;
        if (auto *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget()))
            delete sub;
        else
            delete w.data();
    }
    m_loaded.clear();
}
