#pragma once
#include <QWidget>
#include <QSet>

class QKeyEvent;
class QLabel;

// Base of the windows shown inside the main window. It can take key presses
// before its controls (function keys and Esc act whichever control has the
// focus), let Enter move to the next field, and select a text box's whole
// text when the box is entered.
// The function keys every entry window maps onto its buttons, whatever their
// state: F2 and F5 New/Save, F3 Edit, F8 Cancel, F9 Close. True when handled.
template <class Window> bool entryWindowKey(Window *w, int key)
{
    switch (key) {
    case Qt::Key_F2:
    case Qt::Key_F5: w->CmNew_Click(); return true;
    case Qt::Key_F3: w->CmEdit_Click(); return true;
    case Qt::Key_F8: w->CmCancel_Click(); return true;
    case Qt::Key_F9: w->CmClose_Click(); return true;
    default: return false;
    }
}

class ChildWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChildWindow(QWidget *parent = nullptr);

    // Caption of the window; also the subwindow's title.
    void setCaption(const QString &caption);
    QString caption() const { return windowTitle(); }

    // Closes the window (and its subwindow frame); the registry forgets it.
    void unload();

    // The window's title label: Times New Roman 14.25 pt bold, centred.
    static QLabel *makeTitleLabel(const QString &text, const QString &objectName, QWidget *parent);

protected:
    // Keys the window wants before its controls; call once the controls exist.
    void takeKeysFirst(const QSet<int> &keys);
    // Enter in a text box moves to the next control in tab order.
    void enterMovesToNextField();
    // Every text box selects its whole text when entered.
    void selectTextOnEntry();
    // Called for a key registered with takeKeysFirst; return true when handled.
    virtual bool formKeyDown(QKeyEvent *event);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QWidget *w);
    QSet<int> m_keys;
    bool m_enterMoves = false;
    bool m_selectOnEntry = false;
};
