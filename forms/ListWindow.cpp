#include "ListWindow.h"
#include "EntryWindow.h"
#include "Hourglass.h"
#include "Sheet.h"
#include "SheetView.h"
#include "mdlVelmora.h"
#include <QMdiArea> // WindowRegistry.h reads the area inline
#include "WindowRegistry.h"
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

namespace {
constexpr ColorNumber kHeadingGrey = 12632256; // RGB(192, 192, 192)
const QString kListFont = QStringLiteral("ARIAL");

QPushButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(true); // Enter on a focused button presses it
    return b;
}

// Busy marks: an export under way in any list window, or the hourglass of
// other work. Either makes Export do nothing.
bool g_exporting = false;

class ExportRun {
public:
    ExportRun() { g_exporting = true; }
    ~ExportRun() { g_exporting = false; }
    ExportRun(const ExportRun &) = delete;
    ExportRun &operator=(const ExportRun &) = delete;
};

} // namespace

ListWindow::ListWindow(ListWindowConfig config, QWidget *parent) : ChildWindow(parent), m_config(std::move(config))
{
    setObjectName(m_config.windowName);
    setCaption(m_config.caption);

    auto *outer = new QVBoxLayout(this);
    m_title = makeTitleLabel(m_config.caption, QStringLiteral("LbTitle"), this);
    outer->addWidget(m_title);

    m_filterBar = new QHBoxLayout;
    outer->addLayout(m_filterBar);

    m_sheet = new Sheet(this);
    m_view = new SheetView(m_sheet, this);
    m_view->setObjectName(QStringLiteral("FbookClient"));
    m_view->setMinimumSize(SheetView::twipsToPixels(m_config.sheetSize.width()) / 2,
                           SheetView::twipsToPixels(m_config.sheetSize.height()) / 2);
    outer->addWidget(m_view, 1);
    connect(m_sheet, &Sheet::RowDoubleClick, this, &ListWindow::FbookClient_RowDoubleClick);

    auto *bar = new QFrame(this);
    bar->setFrameShape(QFrame::StyledPanel);
    auto *buttons = new QHBoxLayout(bar);
    auto *cmNew = button(QStringLiteral("CmNew"), QStringLiteral("New - F2"), bar);
    auto *cmView = button(QStringLiteral("CmView"), QStringLiteral("View - F3"), bar);
    auto *cmExport = button(QStringLiteral("CmExport"), QStringLiteral("Export - F11"), bar);
    auto *cmClose = button(QStringLiteral("CmClose"), QStringLiteral("Close - F9"), bar);
    QPushButton *command2 = nullptr;
    if (m_config.deleteButton)
        command2 = button(QStringLiteral("Command2"), QStringLiteral("Delete - F6"), bar);
    for (const QString &name : std::as_const(m_config.buttonOrder))
        if (auto *b = bar->findChild<QPushButton *>(name))
            buttons->addWidget(b);
    for (QPushButton *b : {cmNew, cmView, cmExport, cmClose, command2})
        if (b && buttons->indexOf(b) < 0)
            buttons->addWidget(b);
    outer->addWidget(bar);
    connect(cmNew, &QPushButton::clicked, this, &ListWindow::CmNew_Click);
    connect(cmExport, &QPushButton::clicked, this, &ListWindow::CmExport_Click);
    connect(cmClose, &QPushButton::clicked, this, &ListWindow::CmClose_Click);

    layoutSheet(*m_sheet, m_config.columns);
    resize(sizeHint());
    takeKeysFirst({Qt::Key_F2, Qt::Key_F5, Qt::Key_F9, Qt::Key_Escape});
}

ListWindow::~ListWindow() = default;

QSize ListWindow::sizeHint() const
{
    return QSize(SheetView::twipsToPixels(m_config.clientArea.width()),
                 SheetView::twipsToPixels(m_config.clientArea.height()));
}

void ListWindow::showEvent(QShowEvent *event)
{
    ChildWindow::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        CenterForm(this);
    }
}

void ListWindow::layoutSheet(Sheet &sheet, const QList<ListColumn> &columns)
{
    const int count = int(columns.size());
    sheet.setColumnCount(count);
    for (int c = 1; c <= count; ++c)
        sheet.setColumnWidth(c, columns.at(c - 1).width);
    for (int c = 1; c <= count; ++c)
        sheet.setCellText(1, c, columns.at(c - 1).heading);
    if (count == 0)
        return;
    sheet.SelectCells(1, 1, 1, count);
    sheet.SetSelectionBorder(1, 1, 1, 1, 1, 1, 1, 1, 1, -1, -1);
    sheet.SetSelectionFont(kListFont, 8, true, false, false, false, 0, false, false);
    sheet.SetSelectionPattern(1, kHeadingGrey, kHeadingGrey);
    for (int c = 1; c <= count; ++c) {
        if (columns.at(c - 1).headingAlignRight) {
            sheet.SelectCells(1, c, 1, c);
            sheet.SetSelectionAlignment(CellFormat::AlignRight, false, CellFormat::AlignMiddle, 0);
        }
    }
}

int ListWindow::fillSheet(Sheet &sheet, RecordSet &records, const QList<ListColumn> &columns)
{
    // Field positions are looked up once: a lookup by name per cell would cost
    // more than the fetch itself on a long list.
    const int count = int(columns.size());
    std::vector<int> position(count, -1);
    const int fields = records.columnCount();
    for (int c = 0; c < count; ++c) {
        const ListColumn &column = columns.at(c);
        if (column.value || column.field.isEmpty())
            continue;
        for (int f = 0; f < fields && position[c] < 0; ++f)
            if (records.columnName(f).compare(column.field, Qt::CaseInsensitive) == 0)
                position[c] = f;
        if (position[c] < 0)
            throw DbError(QStringLiteral("Item cannot be found in the collection: %1").arg(column.field));
    }

    sheet.beginFill();
    sheet.ClearCells(2, 1, sheet.RowCount(), sheet.ColumnCount(), 1);
    // A plain int: the list has no record limit of its own.
    int row = 1;
    while (records.next()) {
        ++row;
        // Last column first, so a row's cells are allocated once.
        for (int c = count - 1; c >= 0; --c) {
            const ListColumn &column = columns.at(c);
            QString text;
            if (column.value)
                text = column.value(records, row - 1);
            else if (position[c] >= 0)
                text = records.text(position[c]);
            if (text.isEmpty())
                continue; // NULL or empty: the cleared cell stays empty
            Decimal number;
            if (column.kind == ListColumn::Number && Decimal::tryParse(text, &number))
                sheet.setCellNumber(row, c + 1, number);
            else
                sheet.setCellText(row, c + 1, text);
        }
    }
    const int written = row - 1;
    if (written > 0 && count > 0) {
        // One block per format instead of one call per row: the same cells get the same look.
        sheet.SelectCells(2, 1, row, count);
        sheet.SetSelectionFont(kListFont, 8, false, false, false, false, 0, false, false);
        for (int c = 1; c <= count; ++c) {
            const ListColumn &column = columns.at(c - 1);
            if (!column.numberFormat.isEmpty()) {
                sheet.SelectCells(2, c, row, c);
                sheet.setSelectionNumberFormat(column.numberFormat);
            }
            if (column.alignRight) {
                sheet.SelectCells(2, c, row, c);
                sheet.SetSelectionAlignment(CellFormat::AlignRight, false, CellFormat::AlignMiddle, 0);
            }
        }
    }
    sheet.endFill();
    return written;
}

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
        fillSheet(*m_sheet, records, m_config.columns);
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
            MsgBox(refusal, MsgButtons::Ok, MsgIcon::Information);
            return;
        }
    }
    QWidget *w = showEntryWindow();
    if (auto *entry = dynamic_cast<EntryWindow *>(w))
        entry->CmNew_Click();
}

void ListWindow::FbookClient_RowDoubleClick(int row, int)
{
    if (m_sheet->CellText(row, 1).isEmpty())
        return;
    gSelectedCode = m_sheet->CellText(m_sheet->ActiveRow(), m_config.keyColumn);
    QWidget *w = showEntryWindow();
    if (!w)
        return;
    if (auto *entry = dynamic_cast<EntryWindow *>(w))
        entry->CmCancel_Click();
    w->setFocus(Qt::OtherFocusReason);
}

QString ListWindow::exportFolder()
{
    return QDir(programFolder()).filePath(QStringLiteral("Excel Files"));
}

void ListWindow::CmExport_Click()
{
    if (g_exporting || hourglassShown())
        return;
    ExportRun run;
    const QString folder = exportFolder();
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder)) {
        MsgBox(QStringLiteral("Cannot create the folder %1.").arg(QDir::toNativeSeparators(folder)), MsgButtons::Ok,
               MsgIcon::Information);
        return;
    }
    SaveRequest request;
    request.initialFolder = folder;
    request.filter = QStringLiteral("Excel Files (*.xls)");
    request.proposedName = m_config.caption + u' ' + gUnitCode;
    request.defaultSuffix = QStringLiteral("xls");
    const std::optional<QString> path = ui().saveFile(request);
    if (!path)
        return; // Cancel: no message
    if (QFileInfo::exists(*path)
        && MsgBox(QStringLiteral("Are you sure you want to overwrite"), MsgButtons::YesNo, MsgIcon::Information)
            != MsgAnswer::Yes)
        return;
    // The file takes the whole sheet, every row of the list, whatever is selected.
    SaveResult saved;
    {
        // Shown while the file is written only: the save dialog and the question keep the ordinary pointer.
        Hourglass busy;
        m_sheet->SelectCells(1, 1, m_sheet->ColumnCount(), m_sheet->ColumnCount());
        saved = m_sheet->SaveWorkbook(*path, 4);
    }
    if (!saved.ok)
        MsgBox(saved.error, MsgButtons::Ok, MsgIcon::Information);
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
