#include "frmMain.h"
#include "ContextStore.h"
#include "ImgIcon32.h"
#include "MainCaption.h"
#include "Startup.h"
#include "WindowRegistry.h"
#include "frmChangeCompany.h"
#include "mdlVelmora.h"
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {
frmMain *g_main = nullptr;
bool g_everShown = false;

const QString kFixedAssetMenus[] = {QStringLiteral("mnuFixedAssets"), QStringLiteral("mnuFixedAssetsTrans")};
} // namespace

frmMain *frmMain::instance()
{
    return g_main;
}

frmMain &frmMain::load()
{
    if (!g_main) {
        g_main = new frmMain;
        g_main->MDIForm_Load();
    }
    return *g_main;
}

bool frmMain::everShown()
{
    return g_everShown;
}

frmMain::frmMain()
{
    setObjectName(QStringLiteral("frmMain"));
    m_area = new QMdiArea(this);
    m_area->setObjectName(QStringLiteral("MDIClient"));
    m_area->setBackground(QColor(96, 110, 130));
    // Closing a window returns the clerk to the one worked in before it (a
    // bill after its cheque details), not to whichever was opened next.
    m_area->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    setCentralWidget(m_area);
    WindowRegistry::instance().setArea(m_area);
    setCenterArea([] { return g_main ? static_cast<QWidget *>(g_main->area()->viewport()) : nullptr; });

    buildMenus();
    buildToolbar();

    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("SBar"));
    m_panel1 = new QLabel(bar);
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    bar->addWidget(m_panel1, 1);
    setStatusBar(bar);
    resize(1024, 700);
}

frmMain::~frmMain()
{
    if (g_main == this) {
        g_main = nullptr;
        g_everShown = false;
        setCenterArea({});
    }
}

QMenu *frmMain::addMenu(QMenu *parent, const QString &name, const QString &caption)
{
    QMenu *m = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
    m->setObjectName(name);
    m_menus.insert(name, m);
    m_items.insert(name, m->menuAction());
    return m;
}

QAction *frmMain::addItem(QMenu *parent, const QString &name, const QString &caption, const QString &window,
                          bool openRule)
{
    QAction *a = caption == u"-" ? parent->addSeparator() : parent->addAction(caption);
    a->setObjectName(name);
    m_items.insert(name, a);
    if (!window.isEmpty()) {
        m_windowNames << window;
        connect(a, &QAction::triggered, this, [this, window, openRule] { openWindow(window, openRule); });
    }
    return a;
}

void frmMain::buildMenus()
{
    QMenu *masters = addMenu(nullptr, QStringLiteral("mnuAdvtMasters"), QStringLiteral("&Masters"));
    QMenu *m = addMenu(masters, QStringLiteral("mnuNewsprintMaster"), QStringLiteral("Newsprint"));
    addItem(m, QStringLiteral("mnuBrandMaster"), QStringLiteral("Brand Master"), QStringLiteral("frmBrandMaster"),
            false);
    addItem(m, QStringLiteral("mnuReelType"), QStringLiteral("Reel Type"), QStringLiteral("frmReelTypeMaster"), false);
    addItem(m, QStringLiteral("mnuGsmMaster"), QStringLiteral("GSM Master"), QStringLiteral("frmGSMMaster"), false);
    m = addMenu(masters, QStringLiteral("mnuOtherStoresMaster"), QStringLiteral("Other Stores"));
    addItem(m, QStringLiteral("mnuOtherBrandMaster"), QStringLiteral("Brand Master"),
            QStringLiteral("frmOtherBrandMaster"), false);
    addItem(m, QStringLiteral("mnuItemMaster"), QStringLiteral("Item Master"), QStringLiteral("frmItemMasterGeneral"),
            false);
    addItem(m, QStringLiteral("mnuMeasurement"), QStringLiteral("Measurement"), QStringLiteral("frmMeasurementMaster"),
            false);
    m = addMenu(masters, QStringLiteral("mnuFixedAssets"), QStringLiteral("Fixed Assets"));
    addItem(m, QStringLiteral("mnuFABrandMater"), QStringLiteral("Brand Master"), QStringLiteral("frmFABrandMaster"),
            false);
    addItem(m, QStringLiteral("mnuFAItemMaster"), QStringLiteral("Item Master"), QStringLiteral("frmFAItemMaster"),
            false);
    addItem(masters, QStringLiteral("mnuCompanyMasterDash"), QStringLiteral("-"), QString(), false);
    addItem(masters, QStringLiteral("mnuCompanyMaster"), QStringLiteral("Company Master"), QStringLiteral("frmCompany"),
            false);

    QMenu *trans = addMenu(nullptr, QStringLiteral("mnuTransaction"), QStringLiteral("&Transaction"));
    m = addMenu(trans, QStringLiteral("mnuNewsprint"), QStringLiteral("Newsprint"));
    addItem(m, QStringLiteral("mnuInvoice"), QStringLiteral("Invoice"), QStringLiteral("frmInvoice"), false);
    addItem(m, QStringLiteral("mnuStockTransfer"), QStringLiteral("Newsprint Stock Transfer"),
            QStringLiteral("frmStockTransfer"), true);
    addItem(m, QStringLiteral("mnuTransfertoPress"), QStringLiteral("Newsprint Transfer To Press"),
            QStringLiteral("frmTransferCons"), true);
    addItem(m, QStringLiteral("mnuTrans1Dash"), QStringLiteral("-"), QString(), false);
    addItem(m, QStringLiteral("mnuConsumption"), QStringLiteral("Newsprint Consumption"),
            QStringLiteral("frmConsumption"), false);
    m = addMenu(trans, QStringLiteral("mnuOtherStores"), QStringLiteral("Other Stores"));
    addItem(m, QStringLiteral("mnuOtherInvoice"), QStringLiteral("Invoice"), QStringLiteral("frmOtherStoresInvoice"),
            false);
    m = addMenu(trans, QStringLiteral("mnuFixedAssetsTrans"), QStringLiteral("Fixed Assets"));
    addItem(m, QStringLiteral("mnuFAInvoice"), QStringLiteral("Invoice"), QStringLiteral("frmFAInvoice"), false);

    QMenu *reports = addMenu(nullptr, QStringLiteral("mnuReports"), QStringLiteral("Reports"));
    m = addMenu(reports, QStringLiteral("mnuRptNewsprint"), QStringLiteral("Newsprint"));
    addItem(m, QStringLiteral("mnuNewsPrintStock"), QStringLiteral("Newsprint Stock"),
            QStringLiteral("frmrptNewsprintStock"), false);
    addItem(m, QStringLiteral("mnuNewsprintCons"), QStringLiteral("Newsprint Consumption"),
            QStringLiteral("frmrptConsumption"), false);
    addItem(reports, QStringLiteral("mnuPendingBills"), QStringLiteral("Pending Bills"),
            QStringLiteral("frmrptFAPendingBills"), false);
    addItem(reports, QStringLiteral("mnuBillDetails"), QStringLiteral("Bill Details"), QStringLiteral("frmrptFABills"),
            false);

    QMenu *tools = addMenu(nullptr, QStringLiteral("mnuTools"), QStringLiteral("Tools"));
    addItem(tools, QStringLiteral("mnuChangeUnit"), QStringLiteral("Change Unit"), QStringLiteral("frmSwitch"), false)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    addItem(tools, QStringLiteral("mnuChangeFY"), QStringLiteral("Change Financial Year"),
            QStringLiteral("frmFinancialYear"), true)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    QAction *update =
        addItem(tools, QStringLiteral("mnuUpdateSoftware"), QStringLiteral("Update Software"), QString(), false);
    connect(update, &QAction::triggered, this, [this] { mnuUpdateSoftware_Click(); });
    addItem(tools, QStringLiteral("mnuChangePassword"), QStringLiteral("Change Password"),
            QStringLiteral("frmChangePassword"), false);
    addItem(tools, QStringLiteral("mnuCUG"), QStringLiteral("CUG Numbers"), QStringLiteral("frmCUGBSNL"), false);
}

void frmMain::buildToolbar()
{
    struct Button {
        const char *tooltip; // nullptr for a separator
        int picture;
    };
    static const Button buttons[] = {
        {"Account Heads", 1},
        {nullptr, 0},
        {"General Receipts", 2},
        {"Voucher", 3},
        {"Book Creation", 4},
        {nullptr, 0},
        {"Transfer Journals", 5},
        {"Transfer Cheques", 6},
        {nullptr, 0},
        {"Telephone", 7},
        {nullptr, 0},
        {"Change Financial Year", 8},
        {"Change Company", 9},
        {"Change Unit", 10},
        {nullptr, 0},
        {"Exit", 11},
    };
    // Buttons 12 and 14 open these; 13 opens the company choice, which is not a child window.
    m_windowNames << QStringLiteral("frmFinancialYear") << QStringLiteral("frmSwitch");
    // The fixed-asset stock report, opened by showFixedAssetStock alone.
    m_windowNames << QStringLiteral("frmrptFAStock");
    m_toolbar = new QToolBar(this);
    m_toolbar->setObjectName(QStringLiteral("tblMain"));
    m_toolbar->setIconSize(QSize(32, 32));
    m_toolbar->setMovable(false);
    addToolBar(Qt::TopToolBarArea, m_toolbar);
    m_buttons.append(nullptr);
    for (const Button &b : buttons) {
        const int index = int(m_buttons.size());
        QAction *a;
        if (!b.tooltip) {
            a = m_toolbar->addSeparator();
        } else {
            a = m_toolbar->addAction(ImgIcon32::icon(b.picture), QString::fromLatin1(b.tooltip));
            a->setToolTip(QString::fromLatin1(b.tooltip));
            connect(a, &QAction::triggered, this, [this, index] { tblMain_ButtonClick(index); });
        }
        a->setObjectName(QStringLiteral("tblMain_%1").arg(index));
        m_buttons.append(a);
    }
}

void frmMain::MDIForm_Load()
{
    guarded([] {
        if (const std::optional<AcYearRow> year = ContextStore(gConnection).unitDefaultAcYear(gUnitCode)) {
            gFromDate = year->fromDate;
            gToDate = year->toDate;
        }
    });
    const MainTexts t = mainWindowTexts(CaptionEvent::MainLoad, currentCaptionValues());
    setCaptionText(t.caption);
    setStatusPanel1(t.panel);
    if (gUnitCode != kFixedAssetUnit)
        disableFixedAssetMenus();
}

void frmMain::setCaptionText(const QString &caption)
{
    setWindowTitle(caption);
}

void frmMain::setStatusPanel1(const QString &text)
{
    m_panel1->setText(text);
}

QString frmMain::statusPanel1() const
{
    return m_panel1->text();
}

void frmMain::disableFixedAssetMenus()
{
    for (const QString &name : kFixedAssetMenus) {
        m_menus.value(name)->setEnabled(false);
        m_items.value(name)->setEnabled(false);
    }
}

bool frmMain::fixedAssetMenusEnabled() const
{
    for (const QString &name : kFixedAssetMenus)
        if (!m_items.value(name)->isEnabled())
            return false;
    return true;
}

QAction *frmMain::menuItem(const QString &name) const
{
    return m_items.value(name);
}

QMenu *frmMain::menu(const QString &name) const
{
    return m_menus.value(name);
}

QAction *frmMain::toolButton(int index) const
{
    return index >= 1 && index < m_buttons.size() ? m_buttons.at(index) : nullptr;
}

bool frmMain::openRuleAllows()
{
    // The company choice is not a child window, but it counts as loaded.
    const int others = WindowRegistry::instance().loadedCount() + (frmChangeCompany::current() ? 1 : 0);
    if (others == 0)
        return true;
    MsgBox(QStringLiteral("Close All forms and try again!!!!"), MsgButtons::Ok, MsgIcon::Information);
    return false;
}

void frmMain::openWindow(const QString &window, bool openRule)
{
    if (openRule && !openRuleAllows())
        return;
    WindowRegistry::instance().open(window);
}

void frmMain::tblMain_ButtonClick(int index)
{
    switch (index) {
    case 12: openWindow(QStringLiteral("frmFinancialYear"), true); break;
    case 13:
        if (openRuleAllows())
            frmChangeCompany::showChoice();
        break;
    case 14: openWindow(QStringLiteral("frmSwitch"), true); break;
    case 16:
        if (MsgBox(QStringLiteral("Are you sure you want to exit?"), MsgButtons::YesNo, MsgIcon::Question, gCompName)
            == MsgAnswer::Yes)
            ui().endProgram(0);
        break;
    default: break;
    }
}

void frmMain::mnuUpdateSoftware_Click()
{
    ui().openUrl(QStringLiteral("http://") + kWebHost + QStringLiteral("/update_erp"), QDir::rootPath());
    ui().endProgram(0);
}

QStringList frmMain::openedWindowNames() const
{
    QStringList names = m_windowNames;
    names.removeDuplicates();
    names.sort();
    return names;
}

QWidget *frmMain::showFixedAssetStock()
{
    return WindowRegistry::instance().open(QStringLiteral("frmrptFAStock"));
}

void frmMain::openWebPage()
{
    const bool intranet = gServerIp == u"127.0.0.1" || kIntranetServers.contains(gServerIp);
    ui().openUrl(intranet ? kIntranetPage : QStringLiteral("http://") + kWebHost + u'/', QDir::rootPath());
    ui().endProgram(0);
}

void frmMain::showEvent(QShowEvent *event)
{
    g_everShown = true;
    QMainWindow::showEvent(event);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // Closing the main window by its title bar ends the program, unasked.
    event->accept();
    QCoreApplication::quit();
}
