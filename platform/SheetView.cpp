#include "SheetView.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <cmath>
#include <utility>

namespace {

const QColor kGridColor(0xD0, 0xD0, 0xD0);

Qt::BrushStyle hatchOf(int pattern)
{
    switch (pattern) {
    case 2: return Qt::Dense4Pattern; // 50 % grey
    case 3: return Qt::Dense2Pattern; // 75 % grey
    case 4: return Qt::Dense6Pattern; // 25 % grey
    case 5:
    case 11: return Qt::HorPattern;
    case 6:
    case 12: return Qt::VerPattern;
    case 7:
    case 13: return Qt::BDiagPattern;
    case 8:
    case 14: return Qt::FDiagPattern;
    case 9:
    case 15: return Qt::CrossPattern;
    case 10:
    case 16: return Qt::DiagCrossPattern;
    default: return Qt::Dense7Pattern;
    }
}

// Paints a cell from its Sheet format. Each cell draws the lines on its own
// right and bottom pixels: its own right border or its right neighbour's left
// border, else a grid line. So a line shared by two cells is one pixel line,
// and repainting either cell alone draws it the same way.
class SheetDelegate : public QStyledItemDelegate {
public:
    SheetDelegate(Sheet *sheet, QTableView *view) : QStyledItemDelegate(view), m_sheet(sheet), m_view(view) {}

    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const int row = index.row() + 1;
        const int column = index.column() + 1;
        const quint32 formatIndex = m_sheet->formatIndexAt(row, column);
        const CellFormat &f = m_sheet->formats()[formatIndex];
        const QRect r = option.rect;
        p->save();
        p->setClipRect(r);

        if (f.pattern == 1) {
            p->fillRect(r, Sheet::toColor(f.patternForeground, Qt::black));
        } else if (f.pattern > 1) {
            p->fillRect(r, Sheet::toColor(f.patternBackground, Qt::white));
            p->fillRect(r, QBrush(Sheet::toColor(f.patternForeground, Qt::black), hatchOf(f.pattern)));
        } else {
            p->fillRect(r, Qt::white);
        }
        if (option.state & QStyle::State_Selected) {
            QColor highlight = option.palette.color(QPalette::Highlight);
            highlight.setAlpha(70);
            p->fillRect(r, highlight);
        }

        m_gridLines = m_sheet->ShowGridLines();
        const QString text = m_sheet->CellText(row, column);
        const int rightNeighbour = nextVisibleColumn(column);
        bool textGoesOn = false; // text runs on over this cell's right edge
        if (!text.isEmpty()) {
            drawText(p, r, row, column, formatIndex, f, text);
            textGoesOn = overflows(row, column, column, rightNeighbour);
        } else if (const int origin = overflowOrigin(row, column)) {
            // An empty cell shows the part of a text from the left that runs into it.
            const quint32 originFormat = m_sheet->formatIndexAt(row, origin);
            const CellFormat &of = m_sheet->formats()[originFormat];
            const QString originText = m_sheet->CellText(row, origin);
            const QRect originRect = m_view->visualRect(m_sheet->index(row - 1, origin - 1));
            drawText(p, QRect(originRect.left(), r.top(), r.right() - originRect.left() + 1, r.height()), row, origin,
                     originFormat, of, originText);
            textGoesOn = overflows(row, origin, column, rightNeighbour);
        }

        // Right and bottom lines, shared with the neighbours.
        const CellFormat &right = m_sheet->formatAt(row, rightNeighbour);
        const CellFormat &below = m_sheet->formatAt(row + 1, column);
        drawLine(p, QLine(r.right(), r.top(), r.right(), r.bottom()), QPoint(-1, 0), f.borderStyle[CellFormat::Right],
                 f.borderColor[CellFormat::Right], rightNeighbour > 0 ? right.borderStyle[CellFormat::Left] : 0,
                 right.borderColor[CellFormat::Left], !textGoesOn);
        drawLine(p, QLine(r.left(), r.bottom(), r.right(), r.bottom()), QPoint(0, -1),
                 f.borderStyle[CellFormat::Bottom], f.borderColor[CellFormat::Bottom],
                 below.borderStyle[CellFormat::Top], below.borderColor[CellFormat::Top], true);
        // The sheet's outer edges have no neighbour to draw them.
        if (f.borderStyle[CellFormat::Left] != 0 && isFirstVisibleColumn(column))
            drawLine(p, QLine(r.left(), r.top(), r.left(), r.bottom()), QPoint(1, 0), f.borderStyle[CellFormat::Left],
                     f.borderColor[CellFormat::Left], 0, -1, false);
        if (f.borderStyle[CellFormat::Top] != 0 && row == 1)
            drawLine(p, QLine(r.left(), r.top(), r.right(), r.top()), QPoint(0, 1), f.borderStyle[CellFormat::Top],
                     f.borderColor[CellFormat::Top], 0, -1, false);

        if (option.state & QStyle::State_HasFocus) {
            p->setPen(QPen(Qt::black, 2));
            p->setBrush(Qt::NoBrush);
            p->drawRect(r.adjusted(1, 1, -1, -1));
        }
        p->restore();
    }

private:
    // A line of `style` (or, when that is none, of `otherStyle`), made thicker
    // towards `inward` for medium and thick styles; when neither cell has a
    // border there, a grid line if `grid` and the sheet shows grid lines.
    void drawLine(QPainter *p, QLine line, QPoint inward, int style, ColorNumber color, int otherStyle,
                  ColorNumber otherColor, bool grid) const
    {
        if (style == 0) {
            style = otherStyle;
            color = otherColor;
        }
        if (style == 0) {
            if (grid && m_gridLines) {
                p->setPen(QPen(kGridColor, 1));
                p->drawLine(line);
            }
            return;
        }
        QPen pen(Sheet::toColor(color, Qt::black), 1);
        if (style == 3)
            pen.setStyle(Qt::DashLine);
        else if (style == 4 || style == 7)
            pen.setStyle(Qt::DotLine);
        p->setPen(pen);
        p->drawLine(line);
        const int extra = style == 2 ? 1 : style == 5 || style == 6 ? 2 : 0;
        for (int i = 1; i <= extra; ++i)
            p->drawLine(line.translated(inward * i));
    }

    // `text` of the cell (row, column) in its format, in `r` (the cell's
    // rectangle, or a wider one for text running on), clipped by the painter.
    void drawText(QPainter *p, const QRect &r, int row, int column, quint32 formatIndex, const CellFormat &f,
                  const QString &text) const
    {
        p->setFont(fontOf(formatIndex, f));
        p->setPen(Sheet::toColor(f.fontColor, Qt::black));
        // The painter clips to the cell; text running on must not stop short of its edge.
        const int flags = Qt::TextDontClip | (f.wrap ? Qt::TextWordWrap : Qt::TextSingleLine)
            | int(m_sheet->alignmentAt(row, column));
        p->drawText(r.adjusted(2, 1, -3, -2), flags, text);
    }

    // Text runs on into empty cells to its right, as in a spreadsheet, when it
    // is left-aligned text on one line.
    bool canRunOn(int row, int column, const CellFormat &f) const
    {
        return !f.wrap && (m_sheet->alignmentAt(row, column) & Qt::AlignLeft);
    }

    // Whether the text of (row, origin) reaches past the right edge of
    // (row, column) into an empty right neighbour.
    bool overflows(int row, int origin, int column, int rightNeighbour) const
    {
        const quint32 fi = m_sheet->formatIndexAt(row, origin);
        const CellFormat &f = m_sheet->formats()[fi];
        if (rightNeighbour == 0 || !canRunOn(row, origin, f) || !m_sheet->CellText(row, rightNeighbour).isEmpty())
            return false;
        const int width = QFontMetrics(fontOf(fi, f)).horizontalAdvance(m_sheet->CellText(row, origin));
        const QRect from = m_view->visualRect(m_sheet->index(row - 1, origin - 1));
        const QRect here = m_view->visualRect(m_sheet->index(row - 1, column - 1));
        return from.left() + 2 + width > here.right();
    }

    // The column of the text that runs on into the empty cell (row, column),
    // or 0.
    int overflowOrigin(int row, int column) const
    {
        const auto &cells = m_sheet->rowCells(row);
        for (int c = qMin(column - 1, int(cells.size())); c >= 1 && c >= column - 30; --c) {
            if (!cells[c - 1].hasValue())
                continue;
            if (m_view->isColumnHidden(c - 1) || !canRunOn(row, c, m_sheet->formats()[cells[c - 1].format()]))
                return 0;
            const QRect origin = m_view->visualRect(m_sheet->index(row - 1, c - 1));
            const quint32 fi = cells[c - 1].format();
            const int width = QFontMetrics(fontOf(fi, m_sheet->formats()[fi])).horizontalAdvance(cells[c - 1].text());
            const QRect here = m_view->visualRect(m_sheet->index(row - 1, column - 1));
            return origin.left() + 2 + width > here.left() ? c : 0;
        }
        return 0;
    }

    int nextVisibleColumn(int column) const
    {
        const int count = m_sheet->ColumnCount();
        for (int c = column + 1; c <= count; ++c)
            if (!m_view->isColumnHidden(c - 1))
                return c;
        return 0;
    }

    bool isFirstVisibleColumn(int column) const
    {
        for (int c = 1; c < column; ++c)
            if (!m_view->isColumnHidden(c - 1))
                return false;
        return true;
    }

    const QFont &fontOf(quint32 formatIndex, const CellFormat &f) const
    {
        // Formats never change once interned, so a font per format index stays right.
        auto it = m_fonts.find(formatIndex);
        if (it == m_fonts.end()) {
            it = m_fonts.insert(formatIndex, f.font());
        }
        return it.value();
    }

    Sheet *m_sheet;
    QTableView *m_view;
    mutable QHash<quint32, QFont> m_fonts;
    mutable bool m_gridLines = true;
};

} // namespace

SheetView::SheetView(QWidget *parent) : SheetView(nullptr, parent) {}

SheetView::SheetView(Sheet *sheet, QWidget *parent) : QTableView(parent), m_sheet(sheet)
{
    if (!m_sheet)
        m_sheet = new Sheet(this);
    setModel(m_sheet);
    setItemDelegate(new SheetDelegate(m_sheet, this));
    setShowGrid(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(twipsToPixels(Sheet::kDefaultColumnWidth));
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(twipsToPixels(Sheet::kDefaultRowHeight));

    connect(m_sheet, &Sheet::columnWidthChanged, this, &SheetView::applyColumnWidth);
    connect(m_sheet, &Sheet::rowHeightChanged, this, &SheetView::applyRowHeight);
    connect(m_sheet, &Sheet::modelReset, this, &SheetView::applyAllSizes);
    connect(m_sheet, &Sheet::columnsInserted, this, [this](const QModelIndex &, int first, int last) {
        for (int c = first + 1; c <= last + 1; ++c)
            applyColumnWidth(c);
    });
    connect(m_sheet, &Sheet::activeCellChanged, this, &SheetView::showActiveCell);
    connect(m_sheet, &Sheet::topVisibleRowChanged, this, [this] {
        m_topRowPending = true;
        applyTopRow();
    });
    connect(m_sheet, &Sheet::RowDoubleClick, this, &SheetView::RowDoubleClick);
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { m_sheet->doubleClickCell(index.row() + 1, index.column() + 1); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &SheetView::userScrolled);
    connect(m_sheet, &Sheet::displayOptionsChanged, this, &SheetView::applyDisplayOptions);

    applyDisplayOptions();
    applyAllSizes();
}

void SheetView::applyDisplayOptions()
{
    verticalHeader()->setVisible(m_sheet->ShowRowHeadings());
    horizontalHeader()->setVisible(m_sheet->ShowColumnHeadings());
    viewport()->update();
}

void SheetView::applyColumnWidth(int column)
{
    if (column < 1 || column > m_sheet->ColumnCount())
        return;
    const int twips = m_sheet->ColumnWidth(column);
    const int pixels = twipsToPixels(twips);
    setColumnHidden(column - 1, pixels == 0);
    if (pixels > 0)
        setColumnWidth(column - 1, pixels);
}

void SheetView::applyRowHeight(int row)
{
    if (row < 1 || row > m_sheet->RowCount())
        return;
    const int pixels = twipsToPixels(m_sheet->RowHeight(row));
    setRowHidden(row - 1, pixels == 0);
    if (pixels > 0)
        setRowHeight(row - 1, pixels);
}

void SheetView::applyAllSizes()
{
    for (int c = 1; c <= m_sheet->ColumnCount(); ++c)
        applyColumnWidth(c);
    for (const auto &[row, twips] : m_sheet->rowHeights()) {
        Q_UNUSED(twips);
        applyRowHeight(row);
    }
    showActiveCell();
    m_topRowPending = true;
    applyTopRow();
}

void SheetView::showActiveCell()
{
    const QModelIndex index = m_sheet->index(m_sheet->ActiveRow() - 1, m_sheet->ActiveColumn() - 1);
    if (!index.isValid() || index == currentIndex())
        return;
    const bool wasSyncing = std::exchange(m_syncing, true);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    m_syncing = wasSyncing;
}

void SheetView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (!m_syncing && current.isValid())
        m_sheet->SetActiveCell(current.row() + 1, current.column() + 1);
}

// Scrolls so that the sheet's TopVisibleRow is the first row shown; until the
// view is laid out far enough for that, the wish stays pending.
void SheetView::applyTopRow()
{
    if (!m_topRowPending)
        return;
    const int wanted = qMin(m_sheet->TopVisibleRow(), m_sheet->RowCount());
    if (wanted < 1)
        return;
    int hiddenAbove = 0;
    for (const auto &[row, twips] : m_sheet->rowHeights()) {
        if (row >= wanted)
            break;
        if (twipsToPixels(twips) == 0)
            ++hiddenAbove;
    }
    const bool wasSyncing = std::exchange(m_syncing, true);
    // Rows just added reach the scroll bar's range only with the layout.
    executeDelayedItemsLayout();
    verticalScrollBar()->setValue(wanted - 1 - hiddenAbove);
    m_syncing = wasSyncing;
    if (rowAt(0) == wanted - 1)
        m_topRowPending = false;
}

void SheetView::userScrolled()
{
    if (m_syncing)
        return;
    m_topRowPending = false;
    const int top = rowAt(0);
    if (top >= 0)
        m_sheet->setTopVisibleRow(top + 1);
}

// A scroll bar that moves because rows came or went is not the user scrolling.
void SheetView::updateGeometries()
{
    const bool wasSyncing = std::exchange(m_syncing, true);
    QTableView::updateGeometries();
    m_syncing = wasSyncing;
    applyTopRow();
}
