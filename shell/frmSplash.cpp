#include "frmSplash.h"
#include "ImgIcon32.h"
#include "frmLogin.h"
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QTimer>

frmSplash::frmSplash(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setStyleSheet(QStringLiteral("frmSplash { background: #fdf6e3; border: 2px solid #6b4f2a; }"));

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(ImgIcon32::picture(9).scaled(64, 64));
    Label1 = new QLabel(QStringLiteral("Quillbase Inventory"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont f = Label1->font();
    f.setPointSize(20);
    f.setBold(true);
    Label1->setFont(f);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(30, 30, 30, 30);
    layout->setSpacing(20);
    layout->addWidget(picture);
    layout->addWidget(Label1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer1->start();
}

frmSplash *frmSplash::showSplash()
{
    auto *s = new frmSplash;
    s->adjustSize();
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect r = screen->availableGeometry();
        s->move(r.center() - s->rect().center());
    }
    s->show();
    return s;
}

void frmSplash::Timer1_Timer()
{
    // The level climbs to 50 in ten ticks and falls back in ten more.
    if (m_step < 50) {
        m_step += 5;
        m_level += 5;
    } else {
        m_level -= 5;
    }
    if (m_level <= 0) {
        Timer1->stop();
        close();
        frmLogin::showLogin();
    }
}
