#include "SheetWindow.h"
#include "Hourglass.h"
#include "Sheet.h"
#include "SheetView.h"
#include "Twips.h"
#include "mdlVelmora.h"
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <vector>

namespace {
constexpr ColorNumber kHeadingGrey = 12632256; // RGB(192, 192, 192)
const QString kSheetFont = QStringLiteral("ARIAL");

// A sheet action under way in any sheet window.
bool g_running = false;

class Running {
public:
    Running() { g_running = true; }
    ~Running() { g_running = false; }
    Running(const Running &) = delete;
    Running &operator=(const Running &) = delete;
};

bool writableFolder(const QString &folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}
} // namespace

SheetWindow::SheetWindow(SheetWindowConfig frame, QWidget *parent) : ChildWindow(parent), m_frame(std::move(frame))
{
    setObjectName(m_frame.windowName);
    setCaption(m_frame.caption);

    auto *outer = new QVBoxLayout(this);
    if (!m_frame.title.isEmpty()) {
        m_title = makeTitleLabel(m_frame.title, QStringLiteral("LbTitle"), this);
        outer->addWidget(m_title);
    }

    m_sheet = new Sheet(this);
    m_view = new SheetView(m_sheet, this);
    m_view->setObjectName(m_frame.sheetName);
    m_view->setMinimumSize(twipsToPixels(m_frame.sheetSize.width()) / 2, twipsToPixels(m_frame.sheetSize.height()) / 2);

    m_filterBar = new QHBoxLayout;
    auto *bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("ButtonBar"));
    bar->setFrameShape(QFrame::StyledPanel);
    QBoxLayout *sheetAndFilters = outer;
    if (m_frame.buttonsBeside) {
        auto *v = new QVBoxLayout(bar);
        v->addStretch(); // the buttons at the top of their frame
        m_buttons = v;
        auto *beside = new QHBoxLayout;
        sheetAndFilters = new QVBoxLayout;
        beside->addLayout(sheetAndFilters, 1);
        beside->addWidget(bar);
        outer->addLayout(beside, 1);
    } else {
        m_buttons = new QHBoxLayout(bar);
    }

    if (m_frame.controlsBelowSheet) {
        sheetAndFilters->addWidget(m_view, 1);
        sheetAndFilters->addLayout(m_filterBar);
    } else {
        sheetAndFilters->addLayout(m_filterBar);
        sheetAndFilters->addWidget(m_view, 1);
    }
    if (!m_frame.buttonsBeside)
        outer->addWidget(bar);
    resize(sizeHint());
}

SheetWindow::~SheetWindow() = default;

QPushButton *SheetWindow::addButton(const QString &name, const QString &caption)
{
    QWidget *bar = m_buttons->parentWidget();
    QPushButton *b = makeButton(name, caption, bar);
    if (m_frame.buttonsBeside)
        m_buttons->insertWidget(m_buttons->count() - 1, b);
    else
        m_buttons->addWidget(b);
    return b;
}

void SheetWindow::orderButtons(const QStringList &names)
{
    QWidget *bar = m_buttons->parentWidget();
    QList<QPushButton *> ordered;
    for (const QString &name : names)
        if (auto *b = bar->findChild<QPushButton *>(name, Qt::FindDirectChildrenOnly))
            ordered << b;
    const auto all = bar->findChildren<QPushButton *>(Qt::FindDirectChildrenOnly);
    for (QPushButton *b : all)
        if (!ordered.contains(b))
            ordered << b;
    for (QPushButton *b : std::as_const(ordered))
        m_buttons->removeWidget(b);
    for (QPushButton *b : std::as_const(ordered)) {
        if (m_frame.buttonsBeside)
            m_buttons->insertWidget(m_buttons->count() - 1, b);
        else
            m_buttons->addWidget(b);
    }
}

QSize SheetWindow::sizeHint() const
{
    return QSize(twipsToPixels(m_frame.clientArea.width()), twipsToPixels(m_frame.clientArea.height()));
}

bool SheetWindow::busy()
{
    return g_running || hourglassShown();
}

bool SheetWindow::runGuarded(const std::function<void()> &action, bool hourglass)
{
    if (busy())
        return false;
    Running run;
    Hourglass pointer(hourglass);
    action();
    return true;
}

void SheetWindow::layoutSheet(Sheet &sheet, const QList<SheetColumn> &columns, int headingRow)
{
    const int count = int(columns.size());
    sheet.setColumnCount(count);
    for (int c = 1; c <= count; ++c)
        sheet.setColumnWidth(c, columns.at(c - 1).width);
    for (int c = 1; c <= count; ++c)
        sheet.setCellText(headingRow, c, columns.at(c - 1).heading);
    if (count == 0)
        return;
    sheet.SelectCells(headingRow, 1, headingRow, count);
    sheet.SetSelectionBorder(1, 1, 1, 1, 1, 1, 1, 1, 1, -1, -1);
    sheet.SetSelectionFont(kSheetFont, 8, true, false, false, false, 0, false, false);
    sheet.SetSelectionPattern(1, kHeadingGrey, kHeadingGrey);
    for (int c = 1; c <= count; ++c) {
        if (columns.at(c - 1).headingAlignRight) {
            sheet.SelectCells(headingRow, c, headingRow, c);
            sheet.SetSelectionAlignment(CellFormat::AlignRight, false, CellFormat::AlignMiddle, 0);
        }
    }
}

int SheetWindow::fillSheet(Sheet &sheet, RecordSet &records, const QList<SheetColumn> &columns, int firstRow)
{
    // Field positions are looked up once: a lookup by name per cell would cost
    // more than the fetch itself on a long list.
    const int count = int(columns.size());
    std::vector<int> position(count, -1);
    const int fields = records.columnCount();
    for (int c = 0; c < count; ++c) {
        const SheetColumn &column = columns.at(c);
        if (column.value || column.serial || column.field.isEmpty())
            continue;
        for (int f = 0; f < fields && position[c] < 0; ++f)
            if (records.columnName(f).compare(column.field, Qt::CaseInsensitive) == 0)
                position[c] = f;
        if (position[c] < 0)
            throw DbError(QStringLiteral("Item cannot be found in the collection: %1").arg(column.field));
    }

    sheet.beginFill();
    sheet.ClearCells(firstRow, 1, sheet.RowCount(), sheet.ColumnCount(), 1);
    // A plain int: the sheet has no record limit of its own.
    int row = firstRow - 1;
    while (records.next()) {
        ++row;
        const int recordNumber = row - firstRow + 1;
        // Last column first, so a row's cells are allocated once.
        for (int c = count - 1; c >= 0; --c) {
            const SheetColumn &column = columns.at(c);
            QString text;
            if (column.serial)
                text = QString::number(recordNumber);
            else if (column.value)
                text = column.value(records, recordNumber);
            else if (position[c] >= 0 && column.kind == SheetColumn::Date)
                text = dateText(records.date(position[c]));
            else if (position[c] >= 0)
                text = records.text(position[c]);
            if (text.isEmpty())
                continue; // NULL or empty: the cleared cell stays empty
            Decimal number;
            if (column.kind == SheetColumn::Number && !column.serial && Decimal::tryParse(text, &number))
                sheet.setCellNumber(row, c + 1, number);
            else
                sheet.setCellText(row, c + 1, text);
        }
    }
    const int written = row - firstRow + 1;
    if (written > 0 && count > 0) {
        // One block per format instead of one call per row: the same cells get the same look.
        sheet.SelectCells(firstRow, 1, row, count);
        sheet.SetSelectionFont(kSheetFont, 8, false, false, false, false, 0, false, false);
        for (int c = 1; c <= count; ++c) {
            const SheetColumn &column = columns.at(c - 1);
            if (!column.numberFormat.isEmpty()) {
                sheet.SelectCells(firstRow, c, row, c);
                sheet.setSelectionNumberFormat(column.numberFormat);
            }
            if (column.alignRight) {
                sheet.SelectCells(firstRow, c, row, c);
                sheet.SetSelectionAlignment(CellFormat::AlignRight, false, CellFormat::AlignMiddle, 0);
            }
        }
    }
    sheet.endFill();
    return written;
}

QString SheetWindow::exportFolder()
{
    const QString program = programFolder();
    const QString folder = QDir(program).filePath(QStringLiteral("Excel Files"));
    if (writableFolder(folder) || (!QFileInfo::exists(folder) && QDir().mkpath(folder)))
        return folder;
    // An installed program's folder is often closed to the clerk: the
    // per-user data folder takes the files instead.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (QFileInfo(program).isDir() && !data.isEmpty())
        return QDir(data).filePath(QStringLiteral("Excel Files"));
    return folder; // not a folder at all: the export reports it
}

bool SheetWindow::exportSheet(const SheetExport &request)
{
    bool written = false;
    runGuarded(
        [&] {
            if (!request.hasContent) {
                MsgBox(request.nothingMessage, MsgButtons::Ok, MsgIcon::Information);
                return;
            }
            const QString folder = request.initialFolder.isEmpty() ? exportFolder() : request.initialFolder;
            if (request.initialFolder.isEmpty() && !QFileInfo(folder).isDir() && !QDir().mkpath(folder)) {
                MsgBox(QStringLiteral("Cannot create the folder %1.").arg(QDir::toNativeSeparators(folder)),
                       MsgButtons::Ok, MsgIcon::Information);
                return;
            }
            SaveRequest dialog;
            dialog.initialFolder = folder;
            dialog.filter = request.filter;
            dialog.proposedName = request.proposedName;
            if (request.appendXls)
                dialog.defaultSuffix = QStringLiteral("xls");
            const std::optional<QString> path = ui().saveFile(dialog);
            if (!path)
                return; // Cancel: no message
            if (QFileInfo::exists(*path)
                && MsgBox(QStringLiteral("Are you sure you want to overwrite"), MsgButtons::YesNo, MsgIcon::Information)
                    != MsgAnswer::Yes)
                return;
            // The file takes the whole sheet, every row, whatever is selected.
            SaveResult saved;
            {
                // Shown while the file is written only: the dialog and the
                // question keep the ordinary pointer.
                Hourglass pointer;
                m_sheet->SelectCells(1, 1, m_sheet->ColumnCount(), m_sheet->ColumnCount());
                saved = m_sheet->SaveWorkbook(*path, 4);
            }
            if (!saved.ok)
                MsgBox(saved.error, MsgButtons::Ok, MsgIcon::Information);
            written = saved.ok;
        },
        false);
    return written;
}
