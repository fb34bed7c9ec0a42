#pragma once
#include <QCursor>
#include <QGuiApplication>

// The hourglass pointer is the busy mark of the batch handlers (transfers,
// exports): while it shows, such a handler does nothing.
inline bool hourglassShown()
{
    const QCursor *c = QGuiApplication::overrideCursor();
    return c && c->shape() == Qt::WaitCursor;
}

// Shows the hourglass for its lifetime, so that every way out of a handler
// brings the normal pointer back.
class Hourglass {
public:
    Hourglass() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Hourglass() { QGuiApplication::restoreOverrideCursor(); }
    Hourglass(const Hourglass &) = delete;
    Hourglass &operator=(const Hourglass &) = delete;
};
