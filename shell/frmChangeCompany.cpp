#include "frmChangeCompany.h"
#include "ChildWindow.h"
#include "MainCaption.h"
#include "PickGrid.h"
#include "SignOnStore.h"
#include "frmMain.h"
#include "mdlVelmora.h"
#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

namespace {
QPointer<frmChangeCompany> g_current;
const int kDesignedRows = 7;
} // namespace

frmChangeCompany::frmChangeCompany(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("frmChangeCompany"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Change Company"));
    // Esc acts only while the window itself holds the focus.
    setFocusPolicy(Qt::ClickFocus);

    companies = new GridTextModel(this);
    companies->setHeadings({QString(), QString(), QString()});
    companies->setAlignment(1, Qt::AlignCenter);
    companies->clear(kDesignedRows);
    GrCompany = new QTableView(this);
    GrCompany->setObjectName(QStringLiteral("GrCompany"));
    setUpPickGrid(GrCompany, companies, {0, 6000, 0});
    GrCompany->setMinimumWidth(twipsToPixels(6000) + 4);
    GrCompany->verticalHeader()->setDefaultSectionSize(24);
    GrCompany->setMinimumHeight(7 * 24 + 4);

    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    CmSwitch = ChildWindow::makeButton(QStringLiteral("CmSwitch"), QStringLiteral("Login"), frame);
    CmClose = ChildWindow::makeButton(QStringLiteral("CmClose"), QStringLiteral("Close"), frame);
    auto *buttons = new QHBoxLayout(frame);
    buttons->addStretch();
    buttons->addWidget(CmSwitch);
    buttons->addWidget(CmClose);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(GrCompany);
    layout->addWidget(frame);

    connect(CmSwitch, &QPushButton::clicked, this, [this] { guarded([this] { CmSwitch_Click(); }); });
    connect(CmClose, &QPushButton::clicked, this, [this] { CmClose_Click(); });
    connect(GrCompany, &QTableView::doubleClicked, this, [this] { guarded([this] { GrCompany_DblClick(); }); });
    GrCompany->installEventFilter(this);

    g_current = this;
    Form_Load();
}

frmChangeCompany::~frmChangeCompany() = default;

frmChangeCompany *frmChangeCompany::current()
{
    return g_current;
}

frmChangeCompany *frmChangeCompany::showChoice()
{
    auto *w = new frmChangeCompany;
    w->show();
    w->raise();
    w->activateWindow();
    w->GrCompany->setFocus();
    return w;
}

void frmChangeCompany::Form_Load()
{
    // Centring reads the main window's inner area: at sign-on this is when
    // the main window is loaded, hidden, before any company is chosen.
    frmMain &main = frmMain::load();
    // Not a child window, but it stays above the main window.
    setParent(&main, windowFlags());
    adjustSize();
    const QRect outer = main.isVisible() ? main.geometry() : QApplication::primaryScreen()->availableGeometry();
    move(outer.center() - rect().center());

    guarded([this] {
        QList<QStringList> rows;
        for (const CompanyRow &c : SignOnStore(gConnection).companies(gInvDbName))
            rows.append({c.code, c.name, QString()});
        companies->reset(rows, kDesignedRows);
    });
    GrCompany->setCurrentIndex(companies->index(0, 1));
}

void frmChangeCompany::CmSwitch_Click()
{
    const int row = currentPickRow(GrCompany);
    const QString code = companies->text(row, 0);
    if (code.isEmpty())
        return;
    const QString name = companies->text(row, 1);
    if (MsgBox(QStringLiteral("Do you want to Log On To ") + u'\n' + name, MsgButtons::OkCancel, MsgIcon::Information)
        != MsgAnswer::Ok)
        ui().endProgram(0);
    if (SignOnStore(gConnection).isBarred(gUserId, code)) {
        MsgBox(QStringLiteral(" my_printf_error(ER_UNKNOWN_ERROR,") + u'\n'
                   + QStringLiteral("Some error text here, with the '%-.64s' parameter value") + u'\n'
                   + QStringLiteral("MYF(0), a_parameter);"),
               MsgButtons::Ok, MsgIcon::Exclamation);
        ui().endProgram(1);
    }
    gCompCode = code;
    gCompName = name;
    frmMain &main = frmMain::load();
    refreshMainWindowTexts(CaptionEvent::CompanyChoice);
    close();
    if (!main.isVisible())
        main.showMaximized();
}

void frmChangeCompany::CmClose_Click()
{
    ui().endProgram(0);
}

bool frmChangeCompany::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == GrCompany && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guarded([this] { GrCompany_DblClick(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmChangeCompany::keyPressEvent(QKeyEvent *event)
{
    // Before the main window was ever shown, closing this would leave a
    // running program with no window at all.
    if (event->key() == Qt::Key_Escape && focusWidget() == this && frmMain::everShown()) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
