#include "ItemGrid.h"
#include "GridHeading.h"
#include "Decimal.h"
#include "Desktop.h"
#include "Lookup.h"
#include "TextLengths.h"
#include "TextLimit.h"
#include "Twips.h"
#include "Ui.h"
#include "mdlVelmora.h"
#include <QAbstractTableModel>
#include <QClipboard>
#include <QDateEdit>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>
#include <utility>

// The grid's cells as texts. Grid row 0 is the view's header, so grid row r is
// model row r - 1.
class ItemGridModel : public QAbstractTableModel {
public:
    explicit ItemGridModel(const ItemGridConfig &config, QObject *parent) : QAbstractTableModel(parent)
    {
        for (const ItemGridColumn &c : config.columns) {
            m_headings.append(c.heading);
            m_alignment.append(c.alignment);
        }
    }

    int rows() const { return int(m_cells.size()) + 1; }
    void setRows(int rows)
    {
        const int lines = std::max(rows, 1) - 1;
        const int now = int(m_cells.size());
        if (lines > now) {
            beginInsertRows(QModelIndex(), now, lines - 1);
            m_cells.resize(lines, QStringList(m_headings.size()));
            endInsertRows();
        } else if (lines < now) {
            beginRemoveRows(QModelIndex(), lines, now - 1);
            m_cells.resize(lines);
            endRemoveRows();
        }
    }
    void removeLine(int row)
    {
        if (row < 1 || row >= rows())
            return;
        beginRemoveRows(QModelIndex(), row - 1, row - 1);
        m_cells.removeAt(row - 1);
        endRemoveRows();
    }
    QString cell(int row, int column) const
    {
        if (row < 1 || row >= rows() || column < 0 || column >= m_headings.size())
            return QString();
        return m_cells.at(row - 1).at(column);
    }
    void setCell(int row, int column, const QString &text)
    {
        if (row < 1 || row >= rows() || column < 0 || column >= m_headings.size())
            return;
        QString &c = m_cells[row - 1][column];
        if (c == text)
            return;
        c = text;
        const QModelIndex i = index(row - 1, column);
        emit dataChanged(i, i, {Qt::DisplayRole});
    }
    // Row numbers of every line, announced as one change.
    void numberRows(int column)
    {
        if (m_cells.isEmpty() || column < 0 || column >= m_headings.size())
            return;
        for (int i = 0; i < m_cells.size(); ++i)
            m_cells[i][column] = QString::number(i + 1);
        emit dataChanged(index(0, column), index(int(m_cells.size()) - 1, column), {Qt::DisplayRole});
    }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_cells.size());
    }
    int columnCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_headings.size());
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid())
            return QVariant();
        if (role == Qt::DisplayRole)
            return m_cells.at(index.row()).at(index.column());
        if (role == Qt::TextAlignmentRole && m_alignment.at(index.column()) != Qt::Alignment())
            return int(m_alignment.at(index.column()));
        return QVariant();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_headings.size())
            return m_headings.at(section);
        return QVariant();
    }
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

private:
    QStringList m_headings;
    QList<Qt::Alignment> m_alignment;
    QList<QStringList> m_cells;
};

namespace {

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

ItemGridLookup gridLookup(std::function<Lookup(const QString &editorText)> make)
{
    return [make = std::move(make)](const QString &text) -> std::optional<ItemGridChoice> {
        const std::optional<LookupRow> row = make(text).pick();
        if (!row || row->isEmpty())
            return std::nullopt;
        return ItemGridChoice{row->code(), row->name()};
    };
}

ItemGrid::ItemGrid(ItemGridConfig config, QWidget *parent) : QTableView(parent), m_config(std::move(config))
{
    setObjectName(QStringLiteral("GrInvoice"));
    m_model = new ItemGridModel(m_config, this);
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // One line per row: a long name or a date is cut at the cell's edge, not
    // wrapped after its first word onto a line that is not shown.
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsClickable(false);
    // The invoice grids draw their heading row in white on blue.
    paintHeadingRow(horizontalHeader());
    for (int c = 0; c < m_config.columns.size(); ++c) {
        const int width = m_config.columns.at(c).width;
        if (width <= 0)
            setColumnHidden(c, true);
        else
            setColumnWidth(c, twipsToPixels(width));
    }

    m_editor = new QLineEdit(viewport());
    m_editor->setObjectName(QStringLiteral("TxMove"));
    m_editor->setFrame(false);
    m_editor->setStyleSheet(QStringLiteral("QLineEdit { background-color: rgb(192, 192, 255); }"));
    m_editor->hide();
    // Installed first so that the grid's own filter, installed next, sees every key before it.
    m_numeric = new NumericKeyFilter(m_editor, std::nullopt, std::nullopt);
    m_editor->installEventFilter(this);
    connect(m_editor, &QLineEdit::textChanged, this, [this] { CalculateTotals(); });

    m_datePicker = new QDateEdit(viewport());
    m_datePicker->setObjectName(QStringLiteral("DtMove"));
    m_datePicker->setLocale(QLocale::c());
    m_datePicker->setDisplayFormat(QStringLiteral("dd-MMM-yyyy"));
    m_datePicker->setCalendarPopup(true);
    m_datePicker->hide();
    m_datePicker->installEventFilter(this);

    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex &i) { GrInvoice_Click(i.row() + 1, i.column()); });
    // The second press of a double-click took the focus from the editor: it is placed as a click places it.
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &i) { GrInvoice_Click(i.row() + 1, i.column()); });

    m_model->setRows(m_config.initialRows);
    RenumberRows();
}

ItemGrid::~ItemGrid()
{
    // The editors outlive this part of the grid by a moment; no late focus event may reach it.
    m_editor->removeEventFilter(this);
    m_datePicker->removeEventFilter(this);
}

int ItemGrid::rows() const
{
    return m_model->rows();
}

void ItemGrid::setRows(int rows)
{
    m_model->setRows(rows);
}

void ItemGrid::clearRows(int rows)
{
    m_choice.reset();
    m_model->setRows(1);
    m_model->setRows(rows);
}

QString ItemGrid::cell(int row, int column) const
{
    return m_model->cell(row, column);
}

void ItemGrid::setCell(int row, int column, const QString &text)
{
    m_model->setCell(row, column, text);
}

bool ItemGrid::keyEmpty(int row) const
{
    return cell(row, m_config.keyColumn).trimmed().isEmpty();
}

int ItemGrid::filledRows() const
{
    int n = 0;
    while (n + 1 < rows() && !keyEmpty(n + 1))
        ++n;
    return n;
}

int ItemGrid::lineCount() const
{
    if (m_config.lineCells.isEmpty())
        return filledRows();
    int n = 0;
    while (n + 1 < rows()) {
        const int r = n + 1;
        const bool empty = std::all_of(m_config.lineCells.cbegin(), m_config.lineCells.cend(),
                                       [&](int c) { return cell(r, c).trimmed().isEmpty(); });
        if (empty)
            break;
        ++n;
    }
    return n;
}

std::optional<ItemGrid::LineGap> ItemGrid::firstGap() const
{
    const int lines = lineCount();
    for (int r = 1; r <= lines; ++r) {
        for (const ItemGridNeed &need : m_config.lineNeeds) {
            const QString text = cell(r, need.column);
            // An optional cell left empty holds no code either: a code there
            // is a stored line's own (see codeWithoutName) or is sent back.
            const bool noCode = need.codeColumn < 0 || cell(r, need.codeColumn).trimmed().isEmpty();
            if (text.trimmed().isEmpty() && ((need.optional && noCode) || keepsCodeWithoutName(r, need)))
                continue;
            const bool missing = need.number
                ? Decimal::fromText(text).isZero()
                : (text.trimmed().isEmpty() || (need.codeColumn >= 0 && cell(r, need.codeColumn).trimmed().isEmpty()));
            if (missing)
                return LineGap{r, need.column, need.message};
        }
    }
    // A key emptied above rows that still hold something would drop them all
    // from the save: the clerk fills that key or removes the row.
    for (int r = lines + 1; r < rows(); ++r) {
        if (holdsEntry(r))
            return LineGap{lines + 1, m_config.keyColumn, m_config.belowLinesRefusal};
    }
    return std::nullopt;
}

bool ItemGrid::keepsCodeWithoutName(int row, const ItemGridNeed &need) const
{
    if (!need.codeWithoutName)
        return false;
    const QString code = cell(row, need.codeColumn).trimmed();
    return !code.isEmpty() && (need.loadedCodeColumn < 0 || code == cell(row, need.loadedCodeColumn).trimmed());
}

bool ItemGrid::holdsEntry(int row) const
{
    for (int c = 0; c < m_config.columns.size(); ++c) {
        const ItemGridColumn &col = m_config.columns.at(c);
        const bool entered = c == m_config.keyColumn || col.lookup || col.datePicker
            || col.enter.write != ItemGridEnter::Write::Nothing;
        const QString text = cell(row, c).trimmed();
        if (c == m_config.numberColumn || col.width <= 0 || !entered || text.isEmpty())
            continue;
        // A figure of zero is nothing: Up and Down leave "0.00" in an empty number cell.
        Decimal figure;
        if ((col.numeric || col.enter.write == ItemGridEnter::Write::Fixed2) && Decimal::tryParse(text, &figure)
            && figure.isZero())
            continue;
        return true;
    }
    return false;
}

int ItemGrid::proposedRow() const
{
    return m_choice && m_choice->repeat ? m_choice->row : 0;
}

int ItemGrid::shownLines() const
{
    if (!m_config.lineCells.isEmpty())
        return lineCount();
    const int proposed = proposedRow();
    int n = 0;
    while (n + 1 < rows() && (n + 1 == proposed || !keyEmpty(n + 1)))
        ++n;
    return n;
}

void ItemGrid::dropChoice()
{
    const bool proposal = proposedRow() > 0;
    m_choice.reset();
    // A window closing hides the grid first: its totals are no longer anyone's.
    if (proposal && isVisible())
        CalculateTotals();
}

void ItemGrid::settleCode(const QString &text)
{
    const int codeColumn = column(CurCol).lookupCodeColumn;
    const std::optional<Choice> choice = std::exchange(m_choice, std::nullopt);
    if (codeColumn < 0)
        return;
    const auto names = [&text](const QString &name) {
        return text.trimmed().compare(name.trimmed(), Qt::CaseInsensitive) == 0;
    };
    if (choice && choice->row == CurRow && choice->column == CurCol && names(choice->name))
        setCell(CurRow, codeColumn, choice->code);
    else if (!names(cell(CurRow, CurCol)))
        setCell(CurRow, codeColumn, QString());
}

const ItemGridColumn &ItemGrid::column(int c) const
{
    static const ItemGridColumn none;
    return c >= 0 && c < m_config.columns.size() ? m_config.columns.at(c) : none;
}

bool ItemGrid::isBlank(const QString &text, const ItemGridColumn &c) const
{
    return c.numeric ? Decimal::fromText(text).isZero() : text.isEmpty();
}

void ItemGrid::RenumberRows()
{
    m_model->numberRows(m_config.numberColumn);
}

void ItemGrid::setMaxLength(int column, int length)
{
    if (column >= 0 && column < m_config.columns.size())
        m_config.columns[column].maxLength = length;
}

bool ItemGrid::CalculateTotals()
{
    try {
        if (m_calculate)
            m_calculate();
    } catch (const DecimalOverflow &) {
        return false;
    }
    return true;
}

bool ItemGrid::refuseLongerInCapitals(const QString &text)
{
    // Capitals may be longer than what was typed (ß becomes SS): a cell that
    // would not fit its column is refused here, not by the save.
    const int limit = column(CurCol).maxLength;
    if (limit <= 0 || characterCount(text.toUpper()) <= limit)
        return false;
    tellTextTooLong();
    m_editor->setFocus(Qt::OtherFocusReason);
    return true;
}

bool ItemGrid::fitsRange(const QString &text)
{
    try {
        Decimal::fromText(text);
    } catch (const DecimalOverflow &) {
        return false;
    }
    return true;
}

bool ItemGrid::refuseOverflow(const QString &before)
{
    setCell(CurRow, CurCol, before);
    CalculateTotals();
    MsgBox(Decimal::overflowMessage(), MsgButtons::Ok, MsgIcon::Critical);
    return true;
}

void ItemGrid::placeOverCell(QWidget *w)
{
    const QModelIndex i = m_model->index(CurRow - 1, CurCol);
    scrollTo(i);
    w->setGeometry(visualRect(i));
    w->show();
    w->raise();
    w->setFocus(Qt::OtherFocusReason);
}

void ItemGrid::MoveEditor()
{
    // However far the editor was sent past the last row, the grid grows to reach it.
    while (CurRow >= rows())
        setRows(rows() + std::max(m_config.growthStep, 1));
    CurRow = std::max(CurRow, 1);
    if (m_choice && (m_choice->row != CurRow || m_choice->column != CurCol))
        dropChoice();
    RenumberRows();
    const ItemGridColumn &c = column(CurCol);
    limitCharacters(m_editor, c.maxLength);
    m_numeric->setKeyPress(c.numericFilter);
    setCurrentIndex(m_model->index(CurRow - 1, CurCol));

    if (c.datePicker) {
        m_editor->hide();
        m_datePicker->setDate(m_config.dateInitial ? m_config.dateInitial() : today());
        placeOverCell(m_datePicker);
        return;
    }
    m_datePicker->hide();
    m_editor->setText(cell(CurRow, CurCol));
    if (c.editorAlignment)
        m_editor->setAlignment(*c.editorAlignment);
    m_editor->setReadOnly(c.locked);
    placeOverCell(m_editor);
    m_editor->deselect();
    m_editor->setCursorPosition(int(m_editor->text().size()));
}

bool ItemGrid::IsDuplicateRow()
{
    const QString text = m_config.trimKey ? m_editor->text().trimmed() : m_editor->text();
    if (text.trimmed().isEmpty())
        return false;
    const QString wanted = text.toUpper();
    for (int i = 1; i < rows(); ++i) {
        if (keyEmpty(i))
            return false;
        const QString key = m_config.trimKey ? cell(i, m_config.keyColumn).trimmed() : cell(i, m_config.keyColumn);
        if (key.toUpper() == wanted && i != CurRow) {
            MsgBox(QStringLiteral("Same Contractor exists in row no: ") + QString::number(i)
                       + QStringLiteral(", Duplication not allowed.   "),
                   MsgButtons::Ok, MsgIcon::Information);
            return true;
        }
    }
    return false;
}

void ItemGrid::GrInvoice_Click(int row, int column)
{
    if (m_entryState && !m_entryState())
        return;
    if (row < 1 || row >= rows())
        return;
    const int key = m_config.keyColumn;
    CurRow = row;
    CurCol = column;
    if (keyEmpty(1)) {
        CurRow = 1;
        CurCol = key;
    }
    if (m_config.clickOpensFirstEmptyRow) {
        if (keyEmpty(CurRow)) {
            CurRow = 1;
            while (CurRow < rows() && !keyEmpty(CurRow))
                ++CurRow;
            CurCol = key;
        }
        if (CurCol <= m_config.clickSnapUpTo)
            CurCol = key;
    } else {
        CurCol = key;
    }
    MoveEditor();
}

int ItemGrid::lastRowWithContent() const
{
    for (int r = rows() - 1; r >= 1; --r) {
        for (int c = 0; c < m_config.columns.size(); ++c) {
            if (c != m_config.numberColumn && !cell(r, c).isEmpty())
                return r;
        }
    }
    return 0;
}

void ItemGrid::removeCurrentRow()
{
    m_choice.reset();
    m_model->removeLine(CurRow);
    // The grid is cut back to its short size, but never below a line that still holds something.
    setRows(std::max(m_config.shiftDelRows, lastRowWithContent() + 1));
    RenumberRows();
    CurCol = m_config.keyColumn;
    CalculateTotals();
    MoveEditor();
}

void ItemGrid::copyRowAbove()
{
    // Row 1 has only the heading above it: nothing to repeat.
    if (CurRow <= 1)
        return;
    QGuiApplication::clipboard()->clear();
    m_choice.reset();
    setCell(CurRow, m_config.keyColumn, QString());
    for (int c = m_config.copyFirst; c <= m_config.copyLast; ++c)
        setCell(CurRow, c, cell(CurRow - 1, c));
    // From whichever column, the proposal stands in the row's key, where Enter commits it.
    CurCol = m_config.keyColumn;
    MoveEditor();
    m_editor->setText(NextCode(cell(CurRow - 1, m_config.keyColumn)));
    m_editor->setCursorPosition(int(m_editor->text().size()));
    // The repeated name stands for the item copied with it until it is edited.
    const int codeColumn = column(m_config.keyColumn).lookupCodeColumn;
    m_choice = Choice{CurRow, m_config.keyColumn, codeColumn >= 0 ? cell(CurRow, codeColumn) : QString(),
                      m_editor->text(), true};
    CalculateTotals();
}

void ItemGrid::lookup()
{
    const ItemGridColumn &c = column(CurCol);
    if (!c.lookup)
        return;
    const std::optional<ItemGridChoice> chosen = c.lookup(m_editor->text());
    // The list took the focus; the editor comes back on the same cell.
    m_editor->show();
    m_editor->setFocus(Qt::OtherFocusReason);
    // Nothing chosen leaves the cell and its code as they were: a name must never lose its code.
    if (!chosen)
        return;
    // What the list gave replaces whatever waited for this cell, a proposal of Ctrl+A too.
    m_choice.reset();
    const ItemGridChoice &choice = *chosen;
    m_editor->setText(choice.name);
    m_editor->setCursorPosition(int(choice.name.size()));
    if (c.lookupWritesCell) {
        if (c.lookupCodeColumn >= 0)
            setCell(CurRow, c.lookupCodeColumn, choice.code);
        setCell(CurRow, CurCol, m_editor->text().toUpper());
    } else {
        // Name and code reach the row together, with Enter; leaving the cell
        // any other way drops the choice.
        m_choice = Choice{CurRow, CurCol, choice.code, choice.name};
    }
}

// Enter in the key column; true when the handler ends.
bool ItemGrid::enterKeyColumn()
{
    // A key of blanks alone is an empty key in every grid.
    if (m_config.trimKey || m_editor->text().trimmed().isEmpty())
        m_editor->setText(m_editor->text().trimmed());
    const QString text = m_editor->text();
    if (text.isEmpty()) {
        // An empty key ends the line entry, except on the first line where there is none yet.
        if (CurRow != 1) {
            m_editor->hide();
            if (m_leave)
                m_leave();
        }
        return true;
    }
    if (refuseLongerInCapitals(text))
        return true;
    settleCode(text);
    setCell(CurRow, CurCol, text.toUpper());
    if (m_config.duplicateTest && IsDuplicateRow()) {
        for (int c : m_config.duplicateClears)
            setCell(CurRow, c, QString());
    } else if (m_config.keyCodeColumn >= 0 && cell(CurRow, m_config.keyCodeColumn).isEmpty()) {
        if (m_config.keyCodeRefusal.isEmpty())
            return true;
        MsgBox(m_config.keyCodeRefusal, MsgButtons::Ok, MsgIcon::Critical);
        MoveEditor();
        return true;
    } else {
        CurCol = column(CurCol).enter.next;
    }
    MoveEditor();
    return false;
}

bool ItemGrid::enterKey()
{
    if (CurCol == m_config.keyColumn)
        return enterKeyColumn();
    const ItemGridColumn &c = column(CurCol);
    const ItemGridEnter &rule = c.enter;
    const QString text = m_editor->text();
    // A number beyond the range (typed into a filtered cell or one written as
    // an amount), or one whose amount or total would be, is
    // refused as typed; the cell and the totals keep what they held.
    const QString before = cell(CurRow, CurCol);
    if ((c.numeric || rule.write == ItemGridEnter::Write::Fixed2) && !fitsRange(text))
        return refuseOverflow(before);
    if (!rule.refusal.isEmpty() && isBlank(text, c)) {
        MsgBox(rule.refusal, MsgButtons::Ok, MsgIcon::Critical);
        return true;
    }
    if (rule.write == ItemGridEnter::Write::Upper && refuseLongerInCapitals(text))
        return true;
    if (c.lookupCodeColumn >= 0) {
        settleCode(text);
        if (cell(CurRow, c.lookupCodeColumn).trimmed().isEmpty()) {
            // A name no lookup chose has nothing behind it: the clerk looks it up.
            setCell(CurRow, CurCol, text.toUpper());
            if (!rule.refusal.isEmpty())
                MsgBox(rule.refusal, MsgButtons::Ok, MsgIcon::Critical);
            MoveEditor();
            return true;
        }
    }
    switch (rule.write) {
    case ItemGridEnter::Write::Nothing: MoveEditor(); return false;
    case ItemGridEnter::Write::Upper: setCell(CurRow, CurCol, text.toUpper()); break;
    case ItemGridEnter::Write::AsTyped: setCell(CurRow, CurCol, text); break;
    case ItemGridEnter::Write::Fixed2: {
        try {
            setCell(CurRow, CurCol, Decimal::fromText(text).toText(2));
        } catch (const DecimalOverflow &) {
            return refuseOverflow(before);
        }
        break;
    }
    }
    if (rule.needs >= 0 && Decimal::fromText(cell(CurRow, rule.needs)).isZero()) {
        MsgBox(rule.needsRefusal, MsgButtons::Ok, MsgIcon::Critical);
        setCell(CurRow, rule.needs, QString());
        MoveEditor();
        return true;
    }
    if (!CalculateTotals())
        return refuseOverflow(before);
    if (rule.next == ItemGridEnter::kNextRow) {
        CurCol = m_config.keyColumn;
        ++CurRow;
    } else if (rule.next >= 0) {
        CurCol = rule.next;
    }
    MoveEditor();
    return false;
}

void ItemGrid::arrowKey(bool up)
{
    const ItemGridArrow rule = up ? column(CurCol).up : column(CurCol).down;
    const QString text = m_editor->text();
    const int step = up ? -1 : 1;
    switch (rule) {
    case ItemGridArrow::Stay: break;
    case ItemGridArrow::Key: {
        // A key of blanks alone is stored empty in every grid: the lines end there.
        const bool trim = CurCol == m_config.keyColumn && (m_config.trimKey || text.trimmed().isEmpty());
        const QString committed = trim ? text.trimmed() : text;
        settleCode(committed);
        if (trim)
            m_editor->setText(committed);
        setCell(CurRow, CurCol, committed);
        // The first line is checked too, though the editor does not leave it.
        if (m_config.duplicateTest && IsDuplicateRow()) {
            for (int c : m_config.duplicateClears)
                setCell(CurRow, c, QString());
        } else if (CurRow > 1) {
            CurRow += step;
        }
        break;
    }
    case ItemGridArrow::NumberMove: {
        const QString before = cell(CurRow, CurCol);
        if (!fitsRange(text)) {
            refuseOverflow(before);
            return;
        }
        if (Decimal::fromText(text).isZero()) {
            setCell(CurRow, CurCol, QStringLiteral("0.00"));
        } else {
            setCell(CurRow, CurCol, text);
            if (!CalculateTotals()) {
                refuseOverflow(before);
                return;
            }
            CurRow = std::max(1, CurRow + step);
        }
        break;
    }
    }
    MoveEditor();
    if (!up || m_config.selectAllAfterUp)
        m_editor->selectAll();
}

bool ItemGrid::TxMove_KeyDown(int key, Qt::KeyboardModifiers shift)
{
    const Qt::KeyboardModifiers mods = shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    bool used = false;
    if (key == Qt::Key_Delete) {
        if (mods == Qt::ShiftModifier)
            removeCurrentRow();
        else
            m_editor->clear();
        used = true;
    }
    if (key == Qt::Key_A && mods == Qt::ControlModifier) {
        copyRowAbove();
        used = true;
    }
    m_editor->setReadOnly(column(CurCol).locked);
    if (key == Qt::Key_F1) {
        lookup();
        used = true;
    }
    if (isEnter(key)) {
        if (enterKey())
            return true;
        used = true;
    }
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        arrowKey(key == Qt::Key_Up);
        used = true;
    }
    CalculateTotals();
    return used;
}

void ItemGrid::DtMove_KeyDown(int key)
{
    if (!isEnter(key))
        return;
    const bool set = MsgBox(m_config.dateQuestion, MsgButtons::YesNo) == MsgAnswer::Yes;
    setCell(CurRow, CurCol, set ? dateText(m_datePicker->date()) : QString());
    CurCol = column(CurCol).enter.next;
    MoveEditor();
}

bool ItemGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editor || watched == m_datePicker) {
        if (event->type() == QEvent::KeyPress) {
            const auto *e = static_cast<QKeyEvent *>(event);
            if (watched == m_datePicker) {
                if (isEnter(e->key())) {
                    DtMove_KeyDown(e->key());
                    return true;
                }
            } else if (TxMove_KeyDown(e->key(), e->modifiers())) {
                return true;
            }
        } else if (event->type() == QEvent::ShortcutOverride && watched == m_editor) {
            // The editor's own keys reach it even where the window maps them.
            const auto *e = static_cast<QKeyEvent *>(event);
            const auto mods = e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
            if (e->key() == Qt::Key_F1 || (e->key() == Qt::Key_A && mods == Qt::ControlModifier)
                || e->key() == Qt::Key_Delete)
                event->accept();
        } else if (event->type() == QEvent::Hide && watched == m_editor) {
            // However the editor leaves its cell (a click elsewhere, Tab, a
            // scroll, Save), a choice that Enter did not commit goes with it.
            dropChoice();
        } else if (event->type() == QEvent::FocusOut && watched == m_editor) {
            // A message box or another window going on top is no reason to
            // hide; the clerk moving elsewhere in the window is.
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                m_editor->hide();
        }
    }
    return QTableView::eventFilter(watched, event);
}

void ItemGrid::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    if (m_config.hideEditorOnScroll)
        m_editor->hide();
}

ItemGridColumn shownColumn(const char *heading, int width, Qt::Alignment alignment)
{
    ItemGridColumn c;
    c.heading = QString::fromLatin1(heading);
    c.width = width;
    c.alignment = alignment;
    return c;
}
