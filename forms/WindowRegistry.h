#pragma once
#include <QHash>
#include <QList>
#include <QMdiArea>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

// The child windows of the main window, by the window's name ("frmGSMMaster").
// A window is created (loaded) on open and shown as a subwindow of the main
// window's area. A single-instance kind is loaded once and brought to the
// front when it is already loaded; a many-instance kind (the reports) gives a
// fresh, independent window on every open.
class WindowRegistry {
public:
    using Factory = std::function<QWidget *()>;
    enum class Kind { Single, Many };

    static WindowRegistry &instance();

    void registerWindow(const QString &name, Factory factory, Kind kind = Kind::Single);
    bool isRegistered(const QString &name) const;
    // Names of every registered kind.
    QStringList registeredNames() const;
    Kind kind(const QString &name) const;
    void setArea(QMdiArea *area);
    QMdiArea *area() const { return m_area; }

    // Loads the window when needed (always, for a many-instance kind), shows
    // it and gives it the focus; nullptr for a kind nobody registered. A
    // window that was loaded already and has a slot reopenedByName() is told
    // so after it is shown: a window that takes a hand-over as it loads can
    // take the next one then.
    QWidget *open(const QString &name);
    // Loads the window without showing it (it stays hidden until opened); a
    // single-instance kind that is loaded already is returned as it is.
    QWidget *load(const QString &name);
    // The loaded instance (of a many-instance kind: the latest), or nullptr.
    QWidget *find(const QString &name) const;
    template <class T> T *find(const QString &name) const { return qobject_cast<T *>(find(name)); }
    // Every loaded instance of a kind, oldest first.
    QList<QWidget *> instances(const QString &name) const;
    // Child windows loaded now, shown or hidden, every instance counted.
    int loadedCount() const;
    void unloadAll();

private:
    QWidget *create(const QString &name);

    struct Entry {
        Factory factory;
        Kind kind = Kind::Single;
    };
    QHash<QString, Entry> m_factories;
    QHash<QString, QList<QPointer<QWidget>>> m_loaded;
    QPointer<QMdiArea> m_area;
};
