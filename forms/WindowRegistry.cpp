#include "WindowRegistry.h"
#include "ChildWindow.h"
#include <QApplication>
#include <QMdiSubWindow>

WindowRegistry &WindowRegistry::instance()
{
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::registerWindow(const QString &name, Factory factory, Kind kind)
{
    m_factories.insert(name, Entry{std::move(factory), kind});
}

bool WindowRegistry::isRegistered(const QString &name) const
{
    return m_factories.contains(name);
}

QStringList WindowRegistry::registeredNames() const
{
    QStringList names = m_factories.keys();
    names.sort();
    return names;
}

WindowRegistry::Kind WindowRegistry::kind(const QString &name) const
{
    return m_factories.value(name).kind;
}

void WindowRegistry::setArea(QMdiArea *area)
{
    m_area = area;
}

QList<QWidget *> WindowRegistry::instances(const QString &name) const
{
    QList<QWidget *> live;
    for (const QPointer<QWidget> &w : m_loaded.value(name))
        if (w)
            live << w.data();
    return live;
}

QWidget *WindowRegistry::find(const QString &name) const
{
    const QList<QWidget *> live = instances(name);
    return live.isEmpty() ? nullptr : live.last();
}

QWidget *WindowRegistry::create(const QString &name)
{
    const auto f = m_factories.constFind(name);
    if (f == m_factories.constEnd())
        return nullptr;
    QWidget *w = f->factory();
    if (!w)
        return nullptr;
    w->setObjectName(name);
    w->setAttribute(Qt::WA_DeleteOnClose);
    if (m_area) {
        const bool fixed = w->property(ChildWindow::kFixedFrameProperty).toBool();
        QMdiSubWindow *sub = fixed ? m_area->addSubWindow(w, Qt::SubWindow | Qt::CustomizeWindowHint
                                                                 | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                                                 | Qt::WindowCloseButtonHint)
                                   : m_area->addSubWindow(w);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setWindowTitle(w->windowTitle());
        sub->adjustSize();
        if (fixed)
            sub->setFixedSize(sub->size());
        sub->hide();
        QObject::connect(w, &QWidget::windowTitleChanged, sub, &QWidget::setWindowTitle);
    }
    QList<QPointer<QWidget>> &loaded = m_loaded[name];
    // Closed windows leave null pointers behind; drop them as the list grows.
    loaded.removeIf([](const QPointer<QWidget> &p) { return p.isNull(); });
    loaded.append(w);
    return w;
}

QWidget *WindowRegistry::load(const QString &name)
{
    if (kind(name) == Kind::Single)
        if (QWidget *w = find(name))
            return w;
    return create(name);
}

QWidget *WindowRegistry::open(const QString &name)
{
    const bool fresh = kind(name) == Kind::Many || !find(name);
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
    // Showing a new subwindow already focused the first control of its focus
    // chain; the window's own focus order comes first, where it has one.
    if (!fresh && w->metaObject()->indexOfMethod("reopenedByName()") >= 0)
        QMetaObject::invokeMethod(w, "reopenedByName");
    QWidget *last = w->focusWidget();
    if (fresh || !last || last == w || !w->isAncestorOf(last)) {
        w->setFocus(Qt::OtherFocusReason);
        if (QApplication::focusWidget() != w || !last || last == w || !w->isAncestorOf(last))
            return w;
    }
    last->setFocus(Qt::OtherFocusReason);
    return w;
}

int WindowRegistry::loadedCount() const
{
    int n = 0;
    for (const auto &list : m_loaded)
        for (const auto &w : list)
            if (w)
                ++n;
    return n;
}

void WindowRegistry::unloadAll()
{
    for (auto &list : m_loaded) {
        for (auto &w : list) {
            if (!w)
                continue;
            if (auto *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget()))
                delete sub;
            else
                delete w.data();
        }
    }
    m_loaded.clear();
}
