#include "ListWindow.h"
#include "EntryWindow.h"
#include "Sheet.h"
#include "WindowRegistry.h"
#include "mdlVelmora.h"
#include <QKeyEvent>
#include <QPushButton>

namespace {
SheetWindowConfig listFrame(const ListWindowConfig &c)
{
    SheetWindowConfig f;
    f.windowName = c.windowName;
    f.caption = c.caption;
    f.title = c.caption;
    f.clientArea = c.clientArea;
    f.sheetSize = c.sheetSize;
    f.sheetName = QStringLiteral("FbookClient");
    return f;
}
} // namespace

ListWindow::ListWindow(ListWindowConfig config, QWidget *parent)
    : SheetWindow(listFrame(config), parent), m_config(std::move(config))
{
    connect(sheet(), &Sheet::RowDoubleClick, this, &ListWindow::FbookClient_RowDoubleClick);

    QPushButton *cmNew = addButton(QStringLiteral("CmNew"), QStringLiteral("New - F2"));
    addButton(QStringLiteral("CmView"), QStringLiteral("View - F3"));
    QPushButton *cmExport = addButton(QStringLiteral("CmExport"), QStringLiteral("Export - F11"));
    QPushButton *cmClose = addButton(QStringLiteral("CmClose"), QStringLiteral("Close - F9"));
    if (m_config.deleteButton)
        addButton(QStringLiteral("Command2"), QStringLiteral("Delete - F6"));
    orderButtons(m_config.buttonOrder);
    connect(cmNew, &QPushButton::clicked, this, &ListWindow::CmNew_Click);
    connect(cmExport, &QPushButton::clicked, this, &ListWindow::CmExport_Click);
    connect(cmClose, &QPushButton::clicked, this, &ListWindow::CmClose_Click);

    layoutSheet(*sheet(), m_config.columns);
    takeKeysFirst({Qt::Key_F2, Qt::Key_F5, Qt::Key_F9, Qt::Key_Escape});
}

ListWindow::~ListWindow() = default;

RecordSet ListWindow::runQuery()
{
    if (!m_config.query)
        throw DbError(QStringLiteral("The list has no query."));
    return m_config.query();
}

void ListWindow::FillList()
{
    guarded([&] {
        RecordSet records = runQuery();
        fillSheet(*sheet(), records, m_config.columns);
    });
}

QWidget *ListWindow::showEntryWindow()
{
    return WindowRegistry::instance().open(m_config.entryWindow);
}

void ListWindow::CmNew_Click()
{
    if (m_config.newRefusal) {
        const QString refusal = m_config.newRefusal();
        if (!refusal.isEmpty()) {
            MsgBox(refusal, MsgButtons::Ok, m_config.newRefusalIcon);
            return;
        }
    }
    QWidget *w = showEntryWindow();
    if (auto *entry = dynamic_cast<EntryWindow *>(w))
        entry->CmNew_Click();
}

void ListWindow::FbookClient_RowDoubleClick(int row, int)
{
    if (sheet()->CellText(row, 1).isEmpty())
        return;
    gSelectedCode = sheet()->CellText(sheet()->ActiveRow(), m_config.keyColumn);
    if (m_config.listedDatabase)
        gSelectedDbName = m_config.listedDatabase();
    QWidget *w = showEntryWindow();
    if (!w)
        return;
    if (auto *entry = dynamic_cast<EntryWindow *>(w))
        entry->CmCancel_Click();
    w->setFocus(Qt::OtherFocusReason);
}

void ListWindow::CmExport_Click()
{
    SheetExport request;
    request.proposedName = m_config.caption + u' ' + gUnitCode;
    exportSheet(request);
}

void ListWindow::CmClose_Click()
{
    unload();
}

bool ListWindow::formKeyDown(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_F5: FillList(); return true;
    case Qt::Key_F2: CmNew_Click(); return true;
    case Qt::Key_F9: CmClose_Click(); return true;
    case Qt::Key_Escape: unload(); return true;
    default: return false;
    }
}
