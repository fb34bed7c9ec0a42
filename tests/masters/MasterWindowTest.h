#pragma once
#include "TestSupport.h"
#include "mdlVelmora.h"
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <memory>

// What the master window tests share: the clerk's context on fresh fixtures,
// a fixed clock, scripted message boxes, and a window shown as the active one.
struct MasterWindowFixture {
    std::unique_ptr<ScopedScriptedUi> scripted;

    void setUp()
    {
        connectAndReset();
        setClerkContext();
        fixClock(QDateTime(QDate(2024, 5, 6), QTime(10, 11, 12))); // audit "2024/05/06", "10:11:12"
        scripted = std::make_unique<ScopedScriptedUi>();
    }
    void tearDown()
    {
        scripted.reset();
        releaseClock();
    }
    ScriptedUi &ui() { return scripted->ui; }
};

// Shows the window and makes it the active one, so that keys reach the focused control.
inline void showActive(QWidget *w)
{
    w->show();
    w->activateWindow();
    w->setFocus();
    if (!QTest::qWaitForWindowActive(w))
        qWarning("window not active");
}

// The named controls in the order Tab visits them, starting from `first`.
inline QStringList tabOrder(QWidget *window, const QString &first, const QStringList &names)
{
    QStringList seen;
    QWidget *start = window->findChild<QWidget *>(first);
    QWidget *w = start;
    do {
        if (names.contains(w->objectName()) && !seen.contains(w->objectName()))
            seen << w->objectName();
        w = w->nextInFocusChain();
    } while (w && w != start);
    return seen;
}

// The controls the focus visits while Tab is pressed `presses` times from the focused one.
inline QStringList tabWalk(int presses)
{
    QStringList seen;
    for (int i = 0; i < presses && QApplication::focusWidget(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString());
    }
    return seen;
}

inline QString value(const QString &sql, const QVariantList &values = {})
{
    return GetFirstValue(sql, values);
}
