#pragma once
#include <QHash>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QWidget>
#include <functional>

class QKeyEvent;
class QLabel;
class QPushButton;

// Base of the windows shown inside the main window. It centres itself in the
// main window when first shown, can take key presses before its controls
// (function keys and Esc act whichever control has the focus), let Enter move
// to the next field, select a text box's whole text when the box is entered,
// and hand the focus it receives on to one of its controls.

class ChildWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChildWindow(QWidget *parent = nullptr);

    // Caption of the window; also the subwindow's title.
    void setCaption(const QString &caption);
    QString caption() const { return windowTitle(); }

    // Closes the window (and its subwindow frame); the registry forgets it.
    void unload();

    // Set on a window of fixed size without minimise and maximise buttons;
    // the registry gives its subwindow frame the same.
    static constexpr const char *kFixedFrameProperty = "velmoraFixedFrame";

    // The window's title label: Times New Roman 14.25 pt bold, centred.
    static QLabel *makeTitleLabel(const QString &text, const QString &objectName, QWidget *parent);
    // A command button; Enter on the focused button presses it, as a click does.
    static QPushButton *makeButton(const QString &objectName, const QString &caption, QWidget *parent);

protected:
    // The window keeps its present size and offers no minimise or maximise
    // button; call once it has its size.
    void setFixedFrame();
    // Each text box named in what `read` gives (box name -> length) takes no
    // more characters than the column it fills. Lengths that cannot be read
    // leave the boxes open: the server refuses what does not fit.
    void limitBoxes(const std::function<QHash<QString, int>()> &read);
    // Keys the window wants before its controls; call once the controls exist.
    void takeKeysFirst(const QSet<int> &keys);
    // Enter in a text box moves to the next control in tab order.
    void enterMovesToNextField();
    // Enter in `from` moves the focus to `to`, before anything else takes the key.
    void enterMovesFocus(QWidget *from, QWidget *to, Qt::FocusReason reason);
    // Every text box selects its whole text when entered.
    void selectTextOnEntry();
    // Only these boxes do, by keyboard or mouse alike; may be called again to add boxes.
    void selectTextOnEntry(const QList<QWidget *> &boxes);
    // Called for a key registered with takeKeysFirst; return true when handled.
    virtual bool formKeyDown(QKeyEvent *event);

    // The window itself takes no typing: the focus it receives goes to the
    // first of these controls that is enabled and takes focus.
    void setFocusOrder(const QList<QWidget *> &controls);
    // Tab goes through these controls in this order, and the window opens
    // with the focus on the first of them (as setFocusOrder).
    void setTabChain(const QList<QWidget *> &controls);
    // ...unless a control of the window held the focus before and is still
    // enabled: the clerk gets back the control left when the window was.
    void returnToLastControl();

    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void watch(QWidget *w);
    QSet<int> m_keys;
    bool m_enterMoves = false;
    bool m_selectOnEntry = false;
    bool m_centred = false;
    bool m_returnToLast = false;
    QList<QPointer<QWidget>> m_focusOrder;
    QList<QPointer<QWidget>> m_selectBoxes;
    QPointer<QWidget> m_lastControl;
    struct EnterJump {
        QPointer<QWidget> to;
        Qt::FocusReason reason;
    };
    QHash<const QObject *, EnterJump> m_enterJumps;
};
