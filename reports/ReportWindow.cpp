#include "ReportWindow.h"
#include "ReportStore.h"
#include "Sheet.h"
#include "SheetView.h"
#include "frmListView.h"
#include "mdlVelmora.h"

#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr ColorNumber kDarkBlue = 8388608;
constexpr ColorNumber kLightGrey = 12632256;
const QString kTitleFont = QStringLiteral("Book Antiqua");

bool hourglassShown()
{
    const QCursor *c = QGuiApplication::overrideCursor();
    return c && c->shape() == Qt::WaitCursor;
}

class Hourglass {
public:
    Hourglass() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Hourglass() { QGuiApplication::restoreOverrideCursor(); }
    Hourglass(const Hourglass &) = delete;
    Hourglass &operator=(const Hourglass &) = delete;
};

class BusyMark {
public:
    explicit BusyMark(bool &busy) : m_busy(busy) { m_busy = true; }
    ~BusyMark() { m_busy = false; }
    BusyMark(const BusyMark &) = delete;
    BusyMark &operator=(const BusyMark &) = delete;

private:
    bool &m_busy;
};

QPushButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(true);
    return b;
}

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

const QString kFileCannotBePrinted = QStringLiteral("File Cannot be Printed.   ");
} // namespace

ReportWindow::ReportWindow(ReportConfig config, QWidget *parent) : ChildWindow(parent), m_config(std::move(config))
{
    setObjectName(m_config.windowName);
    setCaption(m_config.caption);

    auto *outer = new QVBoxLayout(this);
    m_sheet = new Sheet(this);
    m_view = new SheetView(m_sheet, this);
    m_view->setObjectName(m_config.sheetName);
    m_view->setMinimumSize(480, 240);
    outer->addWidget(m_view, 1);

    m_filters = new QGridLayout;
    outer->addLayout(m_filters);
    DtFrom = datePicker(QStringLiteral("DtFrom"), this);
    if (m_config.dateRange)
        Dtto = datePicker(QStringLiteral("Dtto"), this);
    TxUnitCode = new QLineEdit(this);
    TxUnitCode->setObjectName(QStringLiteral("TxUnitCode"));
    addCodeBox(
        TxUnitCode, [this] { TxUnitCode_Lookup(); }, true);

    auto *bar = new QFrame(this);
    bar->setFrameShape(QFrame::StyledPanel);
    auto *buttons = new QHBoxLayout(bar);
    CmShow = button(QStringLiteral("CmShow"), QStringLiteral("Show - F5"), bar);
    buttons->addWidget(CmShow);
    if (m_config.print != ReportConfig::NoPrint) {
        CmPrint = button(QStringLiteral("CmPrint"), QStringLiteral("Print - F7"), bar);
        buttons->addWidget(CmPrint);
        if (m_config.print == ReportConfig::Prints)
            connect(CmPrint, &QPushButton::clicked, this, &ReportWindow::CmPrint_Click);
    }
    CmExport = button(QStringLiteral("CmExport"), QStringLiteral("Export- F11"), bar);
    CmClose = button(QStringLiteral("CmClose"), QStringLiteral("Close- F9"), bar);
    buttons->addWidget(CmExport);
    buttons->addWidget(CmClose);
    buttons->addStretch(1);
    outer->addWidget(bar);
    connect(CmShow, &QPushButton::clicked, this, &ReportWindow::CmShow_Click);
    connect(CmExport, &QPushButton::clicked, this, &ReportWindow::CmExport_Click);
    connect(CmClose, &QPushButton::clicked, this, &ReportWindow::CmClose_Click);

    ReportWindow::LayoutSheet();
    setCodeBox(TxUnitCode, gUnitCode, gUnitName);
    selectOnEntry(TxUnitCode);
    resize(900, 600);
}

ReportWindow::~ReportWindow() = default;

void ReportWindow::showEvent(QShowEvent *event)
{
    ChildWindow::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        CenterForm(this);
    }
}

QString ReportWindow::tagOf(const QLineEdit *box)
{
    return box->property("Tag").toString();
}

void ReportWindow::setCodeBox(QLineEdit *box, const QString &code, const QString &name)
{
    box->setProperty("Tag", code);
    box->setText(name);
}

void ReportWindow::LayoutSheet()
{
    Sheet &s = *m_sheet;
    const int columns = int(m_config.columns.size());
    s.beginFill();
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
    m_sheet->ClearCells(5, 1, m_sheet->RowCount(), m_sheet->ColumnCount(), 1);
}

void ReportWindow::setTitle(const QString &title)
{
    m_sheet->setCellText(3, 1, title);
}

void ReportWindow::CmShow_Click()
{
    if (m_busy)
        return;
    BusyMark busy(m_busy);
    Hourglass hourglass;
    m_sheet->beginFill();
    LayoutSheet();
    guarded([this] { FillSheet(); });
    m_sheet->endFill();
    m_sheet->SetActiveCell(m_sheet->RowCount(), m_sheet->ColumnCount());
}

QString ReportWindow::exportFolder()
{
    return QDir(programFolder()).filePath(QStringLiteral("Excel Files"));
}

QString ReportWindow::exportFileName() const
{
    const QDate date = m_config.exportDateIsTo && Dtto ? Dtto->date() : DtFrom->date();
    return m_config.caption + u' ' + gUnitCode + u' ' + dateText(date);
}

void ReportWindow::CmExport_Click()
{
    if (m_busy || hourglassShown())
        return;
    BusyMark busy(m_busy);
    if (m_row <= 4) {
        MsgBox(QStringLiteral("No details found.   "), MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    const QString folder = exportFolder();
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder)) {
        MsgBox(QStringLiteral("Cannot create the folder %1.").arg(QDir::toNativeSeparators(folder)), MsgButtons::Ok,
               MsgIcon::Information);
        return;
    }
    SaveRequest request;
    request.initialFolder = folder;
    request.filter = QStringLiteral("Excel Files (*.xls)");
    request.proposedName = exportFileName();
    // No default extension: the file takes exactly the name confirmed.
    const std::optional<QString> path = ui().saveFile(request);
    if (!path)
        return;
    if (QFileInfo::exists(*path)
        && MsgBox(QStringLiteral("Are you sure you want to overwrite"), MsgButtons::YesNo, MsgIcon::Information)
            != MsgAnswer::Yes)
        return;
    SaveResult saved;
    {
        Hourglass hourglass;
        const int n = m_sheet->ColumnCount();
        m_sheet->SelectCells(1, 1, n, n);
        saved = m_sheet->SaveWorkbook(*path, 4);
    }
    if (!saved.ok)
        MsgBox(saved.error, MsgButtons::Ok, MsgIcon::Information);
}

void ReportWindow::CmPrint_Click()
{
    if (m_busy)
        return;
    BusyMark busy(m_busy);
    const QString path = printFilePath();
    bool printed = writePrintFile(path, printFileBytes(printDocumentFromSheet(*m_sheet, m_config.printMapping)));
    if (printed) {
        const QString spooler = spoolerPath();
        printed = !spooler.isEmpty() && ui().startProgram(spooler, {path}, QFileInfo(path).absolutePath());
    }
    if (!printed)
        MsgBox(kFileCannotBePrinted, MsgButtons::Ok, MsgIcon::Information);
}

void ReportWindow::CmClose_Click()
{
    unload();
}

void ReportWindow::TxUnitCode_Lookup()
{
    const LookupQuery q = ReportStore::unitLookup(gUserId, m_config.unitLookupByCirculation);
    clearHelpCols();
    frmListView::ShowForm(q.sql, q.values, 2, QStringLiteral("Unit Help"), 4000,
                          {{0, QStringLiteral("Unit Code")}, {4000, QStringLiteral("Unit Name")}});
    setCodeBox(TxUnitCode, gHelpCol1, gHelpCol2);
    gHelpCol1.clear();
    gHelpCol2.clear();
}

void ReportWindow::setEnterChain(const QList<QWidget *> &chain)
{
    for (int i = 0; i + 1 < chain.size(); ++i) {
        m_enterNext.insert(chain.at(i), chain.at(i + 1));
        chain.at(i)->installEventFilter(this);
    }
}

void ReportWindow::addCodeBox(QLineEdit *box, std::function<void()> lookup, bool delClears)
{
    m_codeBoxes.insert(box, {std::move(lookup), delClears});
    box->installEventFilter(this);
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
        if (auto *box = qobject_cast<QLineEdit *>(watched); box && m_codeBoxes.contains(box)) {
            const CodeBox &cb = m_codeBoxes[box];
            if (ke->key() == Qt::Key_F1 && cb.lookup) {
                guarded(cb.lookup);
                return true;
            }
            if (ke->key() == Qt::Key_Delete && cb.delClears) {
                setCodeBox(box, QString(), QString());
                return true;
            }
        }
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
