#include "frmCUGBSNL.h"
#include "CugStore.h"
#include "Sheet.h"
#include "TextFile.h"
#include "Ui.h"
#include "mdlVelmora.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString kTitle = QStringLiteral("CUG List - Vodafone");
const QString kCompany = QStringLiteral("Vodafone@Velmora");
const QString kSheetFont = QStringLiteral("ARIAL");
constexpr int kFirstListRow = 3;

// Widths as the sheet states them, in 1/256 of a digit.
int width(int units)
{
    return Sheet::twipsFromCharUnits(units);
}

QList<SheetColumn> listColumns()
{
    auto column = [](const char *heading, int units, const char *field) {
        SheetColumn c;
        c.heading = QString::fromLatin1(heading);
        c.width = width(units);
        c.field = QString::fromLatin1(field);
        return c;
    };
    return {column("Mobile", 3000, "tel_no"), column("Name", 6000, "emp_name"), column("Department", 5000, "dept_name"),
            column("Unit", 6000, "unit_name"), column("e-mail", 6000, "emp_mail")};
}

QList<SheetColumn> contactColumns()
{
    SheetColumn name;
    name.heading = QStringLiteral("Name");
    name.width = width(9000);
    // The unit's code, not its name; an empty part keeps its separators.
    name.value = [](const RecordSet &r, int) {
        return r.text(QStringLiteral("emp_name")) + QStringLiteral(", ") + r.text(QStringLiteral("dept_name"))
            + QStringLiteral(", ") + r.text(QStringLiteral("emp_unit_code"));
    };
    SheetColumn phone;
    phone.heading = QStringLiteral("Business Phone");
    phone.width = width(6000);
    phone.field = QStringLiteral("tel_no");
    SheetColumn mail;
    mail.heading = QStringLiteral("E-mail Address");
    mail.width = width(5000);
    mail.field = QStringLiteral("emp_mail");
    SheetColumn company;
    company.heading = QStringLiteral("Company");
    company.width = width(6000);
    company.value = [](const RecordSet &, int) { return kCompany; };
    return {name, phone, mail, company};
}

// Empties every cell and drops the rows below the headings, so that nothing
// of a longer earlier sheet is shown or saved.
void clearSheet(Sheet &sheet)
{
    sheet.ClearCells(1, 1, sheet.RowCount(), sheet.ColumnCount(), 1);
    sheet.setRowCount(Sheet::kDefaultRowCount);
}
} // namespace

QStringList cugContactLines(const Sheet &list)
{
    QStringList lines;
    for (int row = kFirstListRow; row <= list.RowCount(); ++row) {
        if (list.CellText(row, 1).isEmpty())
            continue;
        // A line break or tab kept in a holder's record would split or shift
        // the three lines the phone suite reads as one contact: every control
        // character of a cell is written as a blank.
        auto cell = [&](int column) { return printableText(list.CellText(row, column)); };
        lines << QStringLiteral("First name:\t") + cell(2) + QStringLiteral(" - ") + cell(3) + QStringLiteral(" - ")
                + cell(4)
              << QStringLiteral("Company:\t") + kCompany << QStringLiteral("General mobile:\t") + cell(1) << QString();
    }
    return lines;
}

frmCUGBSNL::frmCUGBSNL(QWidget *parent)
    : SheetWindow(
        [] {
            SheetWindowConfig f;
            f.windowName = QStringLiteral("frmCUGBSNL");
            f.caption = kTitle;
            f.sheetName = QStringLiteral("FBook");
            f.controlsBelowSheet = true;
            f.buttonsBeside = true;
            f.clientArea = QSize(13000, 7500);
            f.sheetSize = QSize(11000, 6000);
            return f;
        }(),
        parent)
{
    auto *label = new QLabel(QStringLiteral("Search"), this);
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("txtSearch"));
    label->setBuddy(m_search);
    filterBar()->addWidget(label);
    filterBar()->addWidget(m_search, 1);
    m_search->installEventFilter(this);

    connect(addButton(QStringLiteral("CmBlackberry"), QStringLiteral("Blackberry")), &QPushButton::clicked, this,
            &frmCUGBSNL::CmBlackberry_Click);
    connect(addButton(QStringLiteral("cmdNotepad"), QStringLiteral("Nokia PC Suite")), &QPushButton::clicked, this,
            &frmCUGBSNL::cmdNotepad_Click);
    connect(addButton(QStringLiteral("cmdExcel"), QStringLiteral("Excel")), &QPushButton::clicked, this,
            &frmCUGBSNL::cmdExcel_Click);
    connect(addButton(QStringLiteral("cmdLoad"), QStringLiteral("View All")), &QPushButton::clicked, this,
            &frmCUGBSNL::cmdLoad_Click);
    connect(addButton(QStringLiteral("cmdExit"), QStringLiteral("Exit")), &QPushButton::clicked, this,
            &frmCUGBSNL::cmdExit_Click);
    setFocusOrder({m_search});
    Form_Load();
}

QString frmCUGBSNL::exportStartFolder()
{
    // The exports once started in the root of drive C:, which is no place
    // for a clerk's files; the home folder is where a clerk looks first.
    return QDir::homePath();
}

void frmCUGBSNL::Form_Load()
{
    LayoutCugSheet();
}

void frmCUGBSNL::LayoutCugSheet()
{
    Sheet &s = *sheet();
    s.beginFill();
    clearSheet(s);
    s.setHeadingRowCount(2);
    layoutSheet(s, listColumns(), 2);
    s.setCellText(1, 1, kTitle);
    s.SelectCells(1, 1, 1, s.ColumnCount());
    s.SetSelectionFont(kSheetFont, 10, true, false, false, false, 0, false, false);
    s.endFill();
}

void frmCUGBSNL::ShowCugList()
{
    guarded([this] {
        RecordSet rs = CugStore(gConnection).phoneList(m_search->text());
        fillSheet(*sheet(), rs, listColumns(), kFirstListRow);
    });
}

void frmCUGBSNL::txtSearch_KeyPress(int keyAscii)
{
    LayoutCugSheet();
    if (keyAscii == 13)
        ShowCugList();
}

bool frmCUGBSNL::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_search && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        int ascii = 0;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: ascii = 13; break;
        case Qt::Key_Backspace: ascii = 8; break;
        case Qt::Key_Escape: ascii = 27; break;
        default:
            if (!key->text().isEmpty() && key->text().at(0).unicode() >= 0x20)
                ascii = key->text().at(0).unicode();
        }
        // Keys without a character (Delete, arrows) leave the list alone; the
        // key itself goes on to the box either way.
        if (ascii != 0)
            txtSearch_KeyPress(ascii);
    }
    return SheetWindow::eventFilter(watched, event);
}

void frmCUGBSNL::cmdLoad_Click()
{
    ShowCugList();
}

void frmCUGBSNL::cmdExit_Click()
{
    unload();
}

void frmCUGBSNL::cmdExcel_Click()
{
    SheetExport request;
    request.proposedName = QStringLiteral("CUG List");
    request.initialFolder = exportStartFolder();
    request.filter = QStringLiteral("Excel Files (*.xls)");
    exportSheet(request);
}

void frmCUGBSNL::cmdNotepad_Click()
{
    if (busy() || sheet()->CellText(kFirstListRow, 1).isEmpty())
        return; // nothing listed: no dialog, no file
    SaveRequest dialog;
    dialog.initialFolder = exportStartFolder();
    dialog.filter = QStringLiteral("Text Files (*.txt)");
    dialog.proposedName = QStringLiteral("Vodafone");
    dialog.defaultSuffix = QStringLiteral("txt");
    const std::optional<QString> path = ui().saveFile(dialog);
    if (!path)
        return; // Cancel writes nothing
    // Replaced without a question, as the phone suite expects a fresh file.
    const SaveResult saved = writeCrLfTextFile(*path, cugContactLines(*sheet()));
    if (!saved.ok)
        MsgBox(saved.error, MsgButtons::Ok, MsgIcon::Information);
}

void frmCUGBSNL::CmBlackberry_Click()
{
    if (busy())
        return;
    LayoutBlackberrySheet();
    // A contact sheet the database could not fill is not saved.
    if (FillBlackberrySheet())
        cmdExcel_Click();
    // The list comes back whatever became of the export.
    LayoutCugSheet();
    ShowCugList();
}

void frmCUGBSNL::LayoutBlackberrySheet()
{
    Sheet &s = *sheet();
    s.beginFill();
    clearSheet(s);
    s.setHeadingRowCount(1);
    layoutSheet(s, contactColumns(), 1);
    s.endFill();
}

bool frmCUGBSNL::FillBlackberrySheet()
{
    return guarded([this] {
        RecordSet rs = CugStore(gConnection).contactList(m_search->text());
        fillSheet(*sheet(), rs, contactColumns(), 2);
    });
}
