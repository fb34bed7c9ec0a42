#pragma once
#include <QWidget>

class QLabel;
class QTimer;

// The splash window: shown by the start-up, it opens the sign-on window by
// itself after twenty ticks of its timer.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget *parent = nullptr);
    // Shows a new splash window, centred on the screen.
    static frmSplash *showSplash();

    QTimer *Timer1 = nullptr;
    QLabel *Label1 = nullptr;

public slots:
    void Timer1_Timer();

private:
    int m_step = 0;
    int m_level = 0;
};
