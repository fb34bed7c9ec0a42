#pragma once
#include <QHash>
#include <QMainWindow>
#include <QStringList>
#include <QVector>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

// The main window: the inner area that holds the child windows, the menus,
// the toolbar and the status bar. Loaded once per run (hidden, by the
// company choice) and shown once a company is chosen. Exports ask for their
// file through ui().saveFile; the pictures are ImgIcon32's.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // The loaded main window, or nullptr.
    static frmMain *instance();
    // Loads the main window when it is not loaded yet (hidden); runs its load.
    static frmMain &load();
    // True once the main window has been shown in this run.
    static bool everShown();
    ~frmMain() override;

    QMdiArea *area() const { return m_area; }

    void setCaptionText(const QString &caption);
    QString captionText() const { return windowTitle(); }
    // Status panel 1.
    void setStatusPanel1(const QString &text);
    QString statusPanel1() const;

    // The two Fixed Assets menus; once disabled they stay so for the run.
    void disableFixedAssetMenus();
    bool fixedAssetMenusEnabled() const;

    // A menu item or submenu by name (a submenu by its menu action).
    QAction *menuItem(const QString &name) const;
    QMenu *menu(const QString &name) const;
    // Toolbar entry 1 to 16 (separators count).
    QAction *toolButton(int index) const;

    // The open rule: true when no window but the main window is loaded;
    // otherwise says so and returns false.
    static bool openRuleAllows();

    // Every child window name a menu item or toolbar button opens, sorted.
    QStringList openedWindowNames() const;

    void tblMain_ButtonClick(int index);
    void mnuUpdateSoftware_Click();
    // Shows the fixed-asset stock report and gives it the focus. No menu
    // item or button calls it. Returns the window (nullptr when none opened).
    QWidget *showFixedAssetStock();
    // Opens the company's web page and ends the program: the intranet page on
    // a local or intranet server, the maker's web site otherwise. No menu
    // item or button calls it.
    void openWebPage();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    frmMain();
    void MDIForm_Load();
    void buildMenus();
    void buildToolbar();
    QMenu *addMenu(QMenu *parent, const QString &name, const QString &caption);
    QAction *addItem(QMenu *parent, const QString &name, const QString &caption, const QString &window, bool openRule);
    void openWindow(const QString &window, bool openRule);

    QMdiArea *m_area = nullptr;
    QToolBar *m_toolbar = nullptr;
    QLabel *m_panel1 = nullptr;
    QHash<QString, QAction *> m_items;
    QHash<QString, QMenu *> m_menus;
    QVector<QAction *> m_buttons; // index 0 unused
    QStringList m_windowNames;
};
