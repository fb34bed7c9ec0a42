#include "SwitchWindow.h"
#include "PickGrid.h"
#include "mdlVelmora.h"
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

SwitchWindow::SwitchWindow(const QString &name, const QString &caption, QWidget *parent) : ChildWindow(parent)
{
    setObjectName(name);
    setCaption(caption);
    GrUnit = new QTableView(this);
    GrUnit->setObjectName(QStringLiteral("GrUnit"));
    CmSwitch = makeButton(QStringLiteral("CmSwitch"), QStringLiteral("Switch"), this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(GrUnit);
    layout->addWidget(CmSwitch);

    connect(CmSwitch, &QPushButton::clicked, this, [this] { guarded([this] { CmSwitch_Click(); }); });
    connect(GrUnit, &QTableView::doubleClicked, this, [this] { guarded([this] { GrUnit_DblClick(); }); });
    takeKeysFirst({Qt::Key_Escape});
    // The window itself takes no keys: the list does (Enter offers its current
    // row), or the control that had the focus when the window was left.
    setFocusOrder({GrUnit, CmSwitch});
    returnToLastControl();
}

void SwitchWindow::setUpGrid(QAbstractItemModel *model, const SwitchGridLook &look)
{
    setUpPickGrid(GrUnit, model, look.widthsInTwips);
    GrUnit->setStyleSheet(QStringLiteral("QTableView { background: %1; }").arg(look.background.name()));
    GrUnit->setFont(look.font);
    GrUnit->verticalHeader()->setDefaultSectionSize(look.rowHeight);
    int width = 4;
    for (int twips : look.widthsInTwips)
        width += twipsToPixels(twips);
    GrUnit->setFixedSize(width, look.designedRows * look.rowHeight + 4);
}

void SwitchWindow::readList(const std::function<void()> &read)
{
    m_listRead = guarded(read);
}

int SwitchWindow::currentRow() const
{
    return currentPickRow(GrUnit);
}

bool SwitchWindow::formKeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        unload();
        return true;
    }
    return false;
}

bool SwitchWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == GrUnit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guarded([this] { GrUnit_DblClick(); });
            return true;
        }
    }
    return ChildWindow::eventFilter(watched, event);
}
