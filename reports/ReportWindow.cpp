#include "ReportWindow.h"
#include "ReportStore.h"
#include "Sheet.h"
#include "mdlVelmora.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr ColorNumber kDarkBlue = 8388608;
constexpr ColorNumber kDarkRed = 128;
constexpr ColorNumber kLightGrey = 12632256;
const QString kTitleFont = QStringLiteral("Book Antiqua");
const QString kFileCannotBePrinted = QStringLiteral("File Cannot be Printed.   ");

QDateEdit *datePicker(const QString &name, QWidget *parent)
{
    auto *d = new QDateEdit(parent);
    d->setObjectName(name);
    d->setLocale(QLocale::c());
    d->setDisplayFormat(QStringLiteral("dd-MMM-yyyy"));
    d->setCalendarPopup(true);
    d->setDate(today());
    return d;
}

SheetWindowConfig frameOf(const ReportConfig &c)
{
    SheetWindowConfig f;
    f.windowName = c.windowName;
    f.caption = c.caption;
    f.sheetName = c.sheetName;
    f.controlsBelowSheet = true;
    f.clientArea = QSize(15000, 9000);
    f.sheetSize = QSize(14800, 6000);
    return f;
}
} // namespace

ReportWindow::ReportWindow(ReportConfig config, QWidget *parent)
    : SheetWindow(frameOf(config), parent), m_config(std::move(config))
{
    m_filters = new QGridLayout;
    filterBar()->addLayout(m_filters);
    filterBar()->addStretch(1);
    DtFrom = datePicker(QStringLiteral("DtFrom"), this);
    if (m_config.dateRange)
        Dtto = datePicker(QStringLiteral("Dtto"), this);
    const bool byCirculation = m_config.unitLookupByCirculation;
    TxUnitCode = codeBox(
        QStringLiteral("TxUnitCode"),
        [byCirculation] {
            return Lookup::of(ReportStore::unitLookup(gUserId, byCirculation), QStringLiteral("Unit Help"), 4000,
                              {{0, QStringLiteral("Unit Code")}, {4000, QStringLiteral("Unit Name")}});
        },
        true);

    CmShow = addButton(QStringLiteral("CmShow"), QStringLiteral("Show - F5"));
    if (m_config.print != ReportConfig::NoPrint) {
        CmPrint = addButton(QStringLiteral("CmPrint"), QStringLiteral("Print - F7"));
        if (m_config.print == ReportConfig::Prints)
            connect(CmPrint, &QPushButton::clicked, this, &ReportWindow::CmPrint_Click);
    }
    CmExport = addButton(QStringLiteral("CmExport"), QStringLiteral("Export- F11"));
    CmClose = addButton(QStringLiteral("CmClose"), QStringLiteral("Close- F9"));
    connect(CmShow, &QPushButton::clicked, this, &ReportWindow::CmShow_Click);
    connect(CmExport, &QPushButton::clicked, this, &ReportWindow::CmExport_Click);
    connect(CmClose, &QPushButton::clicked, this, &ReportWindow::CmClose_Click);

    connect(sheet(), &Sheet::RowDoubleClick, this, [this](int row, int) {
        // Nothing happens while a Show (or any sheet action) runs: the row
        // may belong to a fill that is being replaced.
        if (busy() || !isDataRow(row))
            return;
        drillDown(row);
    });

    LayoutSheet();
    TxUnitCode->setChoice(gUnitCode, gUnitName);
    selectOnEntry(TxUnitCode);
}

ReportWindow::~ReportWindow() = default;

LookupBox *ReportWindow::codeBox(const QString &name, std::function<Lookup()> lookup, bool delClears)
{
    auto *box = new LookupBox(this);
    box->setObjectName(name);
    box->setLookup(std::move(lookup));
    box->setDelClears(delClears);
    return box;
}

LookupBox *ReportWindow::nameSearchBox(const QString &name, std::function<Lookup(const QString &text)> lookup)
{
    LookupBox *box = codeBox(name, {}, false);
    box->setLookup([box, lookup] { return lookup(box->text()); });
    return box;
}

QComboBox *ReportWindow::makeStockTypeBox()
{
    auto *box = new QComboBox(this);
    box->setObjectName(QStringLiteral("CbStockType"));
    box->addItems({QStringLiteral("Godown"), QStringLiteral("Press")});
    box->setCurrentIndex(0);
    return box;
}

std::optional<QString> ReportWindow::filterCode(const LookupBox *box)
{
    if (box->text().isEmpty())
        return std::nullopt;
    return box->tag();
}

void ReportWindow::LayoutSheet()
{
    Sheet &s = *sheet();
    const int columns = int(m_config.columns.size());
    s.beginFill();
    m_dataRows.clear();
    m_groupHeadings.clear();
    s.setColumnCount(columns);
    s.setRowHeight(1, 500);
    s.setTopVisibleRow(4);
    const QString titles[3] = {gCompCode + QStringLiteral(" - ") + gUnitName, gUnitName, m_config.placeholderTitle};
    const int sizes[3] = {14, 10, 8};
    for (int r = 1; r <= 3; ++r) {
        s.setCellText(r, 1, titles[r - 1]);
        s.SelectCells(r, 1, r, 1);
        s.SetSelectionFont(kTitleFont, sizes[r - 1], true, false, false, false, kDarkBlue, false, false);
    }
    s.setHeadingRowCount(4);
    for (int c = 1; c <= columns; ++c)
        s.setColumnWidthChars(c, m_config.columns.at(c - 1).width);
    m_row = 4;
    for (int c = 1; c <= columns; ++c)
        s.setCellText(4, c, m_config.columns.at(c - 1).heading);
    s.SelectCells(4, 1, 4, columns);
    if (m_config.headingAlignedLeft)
        s.SetSelectionAlignment(CellFormat::AlignLeft, false, CellFormat::AlignMiddle, 0);
    s.SetSelectionFont(QStringLiteral("ARIAL"), 8, true, false, false, false, 0, false, false);
    s.SetSelectionBorder(-1, 1, 1, 1, 1, 1, 1, -1, -1, -1, -1);
    s.SetSelectionPattern(1, kLightGrey, kLightGrey);
    if (m_config.firstNumericColumn > 0) {
        s.SelectCells(4, m_config.firstNumericColumn, s.RowCount(), m_config.lastNumericColumn);
        s.SetSelectionAlignment(CellFormat::AlignRight, false, CellFormat::AlignMiddle, 0);
        if (m_config.numericFormat)
            s.setSelectionNumberFormat(QStringLiteral("0.00"));
    }
    s.setShowRowHeadings(false);
    s.setShowColumnHeadings(false);
    s.setShowGridLines(false);
    s.SetActiveCell(1, 1);
    s.endFill();
}

void ReportWindow::clearBody()
{
    m_row = 4;
    m_dataRows.clear();
    m_groupHeadings.clear();
    sheet()->ClearCells(5, 1, sheet()->RowCount(), sheet()->ColumnCount(), 1);
}

void ReportWindow::drillDown(int) {}

void ReportWindow::markDataRow(int row)
{
    if (!m_dataRows.contains(row))
        m_dataRows.insert(row, QStringList(m_config.keyColumns.size()));
}

void ReportWindow::setRowKey(int row, int column, const QString &value)
{
    const int index = column - int(m_config.columns.size()) - 1;
    Q_ASSERT(index >= 0 && index < m_config.keyColumns.size());
    markDataRow(row);
    m_dataRows[row][index] = value;
}

QString ReportWindow::rowKey(int row, int column) const
{
    const int index = column - int(m_config.columns.size()) - 1;
    const auto it = m_dataRows.constFind(row);
    if (it == m_dataRows.constEnd() || index < 0 || index >= it->size())
        return QString();
    return it->at(index);
}

int ReportWindow::addGroupHeading(int column, const QString &text)
{
    ++m_row;
    sheet()->setCellText(m_row, column, text);
    m_groupHeadings.append(m_row);
    return m_row;
}

void ReportWindow::styleGroupHeadings(int firstColumn, int lastColumn, int size)
{
    Sheet &s = *sheet();
    for (int h : std::as_const(m_groupHeadings)) {
        s.SelectCells(h, firstColumn, h, lastColumn);
        s.SetSelectionFont(m_config.bodyFont, size, true, false, false, false, kDarkRed, false, false);
    }
}

void ReportWindow::styleBody(int firstRow, int lastRow, int rightFrom, int rightTo, bool amounts)
{
    if (lastRow < firstRow)
        return;
    Sheet &s = *sheet();
    s.SelectCells(firstRow, 1, lastRow, s.ColumnCount());
    s.SetSelectionFont(m_config.bodyFont, 8, false, false, false, false, 0, false, false);
    if (m_config.bodyAlignedLeft)
        s.SetSelectionAlignment(CellFormat::AlignLeft, false, CellFormat::AlignMiddle, 0);
    if (rightFrom <= 0)
        return;
    s.SelectCells(firstRow, rightFrom, lastRow, rightTo);
    s.SetSelectionAlignment(CellFormat::AlignRight, false, CellFormat::AlignMiddle, 0);
    if (amounts)
        s.setSelectionNumberFormat(QStringLiteral("0.00"));
}

int ReportWindow::nextTotalRow()
{
    m_row += 2;
    return m_row;
}

void ReportWindow::styleTotalRow(int row, int labelColumn, int firstAmountColumn, int lastAmountColumn)
{
    Sheet &s = *sheet();
    s.SelectCells(row, labelColumn, row, labelColumn);
    s.SetSelectionFont(m_config.bodyFont, 10, true, false, false, false, kDarkRed, false, false);
    s.SetSelectionAlignment(CellFormat::AlignLeft, false, CellFormat::AlignMiddle, 0);
    s.SelectCells(row, firstAmountColumn, row, lastAmountColumn);
    s.SetSelectionFont(m_config.bodyFont, 10, true, false, false, false, kDarkRed, false, false);
    s.SetSelectionAlignment(CellFormat::AlignRight, false, CellFormat::AlignMiddle, 0);
    s.setSelectionNumberFormat(QStringLiteral("0.00"));
}

void ReportWindow::finishFill(int lastRow, const EndOfFill &end)
{
    Sheet &s = *sheet();
    if (lastRow > end.growPast)
        s.setRowCount(lastRow + end.rowsAfter);
    if (lastRow > end.scrollPast)
        s.setTopVisibleRow(lastRow - end.rowsAbove);
}

void ReportWindow::writeCountTotals(const QString &label, int count, const QList<std::pair<int, Decimal>> &sums)
{
    Sheet &s = *sheet();
    const int t = nextTotalRow();
    s.setCellText(t, 2, label + QString::number(count));
    for (const auto &[column, sum] : sums)
        s.setCellNumber(t, column, sum);
    styleTotalRow(t, 2, sums.isEmpty() ? s.ColumnCount() : sums.first().first, s.ColumnCount());
    finishFill(t);
}

void ReportWindow::setTitle(const QString &title)
{
    sheet()->setCellText(3, 1, title);
}

void ReportWindow::CmShow_Click()
{
    runGuarded([this] {
        Sheet &s = *sheet();
        s.beginFill();
        LayoutSheet();
        guarded([this] { FillSheet(); });
        s.endFill();
        s.SetActiveCell(s.RowCount(), s.ColumnCount());
    });
}

QString ReportWindow::exportFileName() const
{
    const QDate date = m_config.exportDateIsTo && Dtto ? Dtto->date() : DtFrom->date();
    return m_config.caption + u' ' + gUnitCode + u' ' + dateText(date);
}

void ReportWindow::CmExport_Click()
{
    SheetExport request;
    request.proposedName = exportFileName();
    // No extension is added: the file takes exactly the name confirmed.
    request.appendXls = false;
    request.hasContent = m_row > 4;
    exportSheet(request);
}

void ReportWindow::CmPrint_Click()
{
    runGuarded(
        [this] {
            const QString path = printFilePath();
            QByteArray bytes;
            try {
                bytes = printFileBytes(printDocumentFromSheet(*sheet(), m_config.printMapping));
            } catch (const DecimalOverflow &) {
                MsgBox(Decimal::overflowMessage(), MsgButtons::Ok, MsgIcon::Critical);
                return;
            }
            bool printed = writePrintFile(path, bytes);
            if (printed) {
                const QString spooler = spoolerPath();
                printed = !spooler.isEmpty() && ui().startProgram(spooler, {path}, QFileInfo(path).absolutePath());
            }
            if (!printed)
                MsgBox(kFileCannotBePrinted, MsgButtons::Ok, MsgIcon::Information);
        },
        false);
}

void ReportWindow::CmClose_Click()
{
    unload();
}

void ReportWindow::setEnterChain(const QList<QWidget *> &chain)
{
    for (int i = 0; i + 1 < chain.size(); ++i) {
        m_enterNext.insert(chain.at(i), chain.at(i + 1));
        chain.at(i)->installEventFilter(this);
    }
}

void ReportWindow::selectOnEntry(QLineEdit *box)
{
    m_selectOnEntry.append(box);
    box->installEventFilter(this);
}

bool ReportWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *ke = static_cast<QKeyEvent *>(event);
        if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) {
            if (QWidget *next = m_enterNext.value(qobject_cast<QWidget *>(watched))) {
                next->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
    } else if (event->type() == QEvent::FocusIn) {
        if (auto *box = qobject_cast<QLineEdit *>(watched); box && m_selectOnEntry.contains(box)) {
            SelectAllText(box);
            QTimer::singleShot(0, box, [box] {
                if (box->hasFocus())
                    SelectAllText(box);
            });
        }
    }
    return ChildWindow::eventFilter(watched, event);
}

QLineEdit *ReportWindow::makeBox(const QString &name, QWidget *parent)
{
    auto *b = new QLineEdit(parent);
    b->setObjectName(name);
    return b;
}
