#pragma once
#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include <QMdiArea>

// The child windows of the main window, one instance per kind, by the
// window's name ("frmGSMMaster"). A window is created (loaded) on first open,
// shown as a subwindow of the main window's area, and brought to the front
// when it is already loaded.
class WindowRegistry {
public:
    using Factory = std::function<QWidget *()>;
    static WindowRegistry &instance();

    void registerWindow(const QString &name, Factory factory);
    bool isRegistered(const QString &name) const;
    void setArea(QMdiArea *area);
    QMdiArea *area() const { return m_area; }

    // Loads the window when needed, shows it and gives it the focus; nullptr
    // for a kind nobody registered.
    QWidget *open(const QString &name);
    // Loads the window without showing it (it stays hidden until opened).
    QWidget *load(const QString &name);
    // The loaded instance, or nullptr.
    QWidget *find(const QString &name) const;
    template <class T> T *find(const QString &name) const { return qobject_cast<T *>(find(name)); }
    // Child windows loaded now, shown or hidden.
    int loadedCount() const;
    void unloadAll();

private:
    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<QWidget>> m_loaded;
    QPointer<QMdiArea> m_area;
};
