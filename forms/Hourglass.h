#pragma once
#include <QCursor>
#include <QGuiApplication>

// The hourglass pointer is the busy mark of the batch handlers (transfers,
// exports, long fills): while it shows, such a handler does nothing.
inline bool hourglassShown()
{
    const QCursor *c = QGuiApplication::overrideCursor();
    return c && c->shape() == Qt::WaitCursor;
}

// Shows the hourglass for its lifetime (when `show`), so that every way out
// of a handler brings the normal pointer back.
class Hourglass {
public:
    explicit Hourglass(bool show = true) : m_shown(show)
    {
        if (m_shown)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~Hourglass()
    {
        if (m_shown)
            QGuiApplication::restoreOverrideCursor();
    }
    Hourglass(const Hourglass &) = delete;
    Hourglass &operator=(const Hourglass &) = delete;

private:
    bool m_shown;
};
