#include "Sheet.h"
#include "XlsWriter.h"

#include <QColor>

#include <cmath>
#include <utility>

namespace {

const std::vector<SheetCell> kNoCells;

// Decimal places of a "0" / "0.00..." format, or -1 for any other format.
int placesOf(const QString &format)
{
    if (format == QLatin1String("0"))
        return 0;
    if (format.size() < 3 || !format.startsWith(QLatin1String("0.")))
        return -1;
    for (int i = 2; i < format.size(); ++i)
        if (format[i] != u'0')
            return -1;
    return int(format.size()) - 2;
}

// Column letters as a spreadsheet heads its columns: A..Z, AA..
QString columnLetters(int column)
{
    QString s;
    for (int n = column; n > 0; n = (n - 1) / 26)
        s.prepend(QChar(u'A' + (n - 1) % 26));
    return s;
}

} // namespace

bool CellFormat::showsWhenEmpty() const
{
    if (pattern != 0)
        return true;
    for (quint8 s : borderStyle)
        if (s != 0)
            return true;
    return false;
}

QFont CellFormat::font() const
{
    QFont f(fontName);
    f.setPointSize(qMax(1, fontSize));
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setStrikeOut(strikeout);
    return f;
}

size_t qHash(const CellFormat &f, size_t seed)
{
    QtPrivate::QHashCombine combine;
    seed = combine(seed, f.fontName);
    seed = combine(seed, f.fontSize);
    seed = combine(seed,
                   (f.bold ? 1 : 0) | (f.italic ? 2 : 0) | (f.underline ? 4 : 0) | (f.strikeout ? 8 : 0)
                       | (f.wrap ? 16 : 0));
    seed = combine(seed, f.fontColor);
    for (int i = 0; i < 4; ++i) {
        seed = combine(seed, f.borderStyle[i]);
        seed = combine(seed, f.borderColor[i]);
    }
    seed = combine(seed, f.pattern);
    seed = combine(seed, f.patternForeground);
    seed = combine(seed, f.patternBackground);
    seed = combine(seed, f.horizontal);
    seed = combine(seed, f.vertical);
    seed = combine(seed, f.numberFormat);
    return seed;
}

Sheet::Sheet(QObject *parent) : QAbstractTableModel(parent)
{
    intern(CellFormat());
}

Sheet::~Sheet() = default;

// --- size ---

void Sheet::setColumnCount(int count)
{
    count = qMax(0, count);
    if (count == m_columnCount)
        return;
    const bool signal = m_fillDepth == 0;
    if (count > m_columnCount) {
        if (signal)
            beginInsertColumns(QModelIndex(), m_columnCount, count - 1);
        m_columnCount = count;
        if (signal)
            endInsertColumns();
    } else {
        if (signal)
            beginRemoveColumns(QModelIndex(), count, m_columnCount - 1);
        m_columnCount = count;
        if (signal)
            endRemoveColumns();
    }
}

void Sheet::setRowCount(int count)
{
    count = qMax(0, count);
    if (count == m_rowCount)
        return;
    const bool signal = m_fillDepth == 0;
    if (count > m_rowCount) {
        if (signal)
            beginInsertRows(QModelIndex(), m_rowCount, count - 1);
        m_rowCount = count;
        if (signal)
            endInsertRows();
        return;
    }
    if (signal)
        beginRemoveRows(QModelIndex(), count, m_rowCount - 1);
    m_rowCount = count;
    if (int(m_rows.size()) > count) {
        m_rows.resize(count);
        m_rows.shrink_to_fit();
    }
    m_rowHeights.erase(m_rowHeights.upper_bound(count), m_rowHeights.end());
    if (signal)
        endRemoveRows();
}

void Sheet::growRowsTo(int row)
{
    if (row <= m_rowCount)
        return;
    if (m_fillDepth == 0) {
        beginInsertRows(QModelIndex(), m_rowCount, row - 1);
        m_rowCount = row;
        endInsertRows();
    } else {
        m_rowCount = row;
    }
}

int Sheet::ColumnWidth(int column) const
{
    if (column < 1 || column > int(m_columnWidths.size()) || m_columnWidths[column - 1] < 0)
        return kDefaultColumnWidth;
    return m_columnWidths[column - 1];
}

bool Sheet::hasColumnWidth(int column) const
{
    return column >= 1 && column <= int(m_columnWidths.size()) && m_columnWidths[column - 1] >= 0;
}

void Sheet::setColumnWidth(int column, int twips)
{
    if (column < 1)
        return;
    if (column > int(m_columnWidths.size()))
        m_columnWidths.resize(column, -1);
    m_columnWidths[column - 1] = qMax(0, twips);
    if (m_fillDepth == 0)
        emit columnWidthChanged(column);
}

int Sheet::RowHeight(int row) const
{
    auto it = m_rowHeights.find(row);
    return it == m_rowHeights.end() ? kDefaultRowHeight : it->second;
}

void Sheet::setRowHeight(int row, int twips)
{
    if (row < 1)
        return;
    growRowsTo(row);
    m_rowHeights[row] = qMax(0, twips);
    if (m_fillDepth == 0)
        emit rowHeightChanged(row);
}

// --- values ---

const SheetCell *Sheet::cellAt(int row, int column) const
{
    if (row < 1 || column < 1 || row > int(m_rows.size()))
        return nullptr;
    const auto &cells = m_rows[row - 1];
    if (column > int(cells.size()))
        return nullptr;
    return &cells[column - 1];
}

SheetCell &Sheet::cellForWrite(int row, int column)
{
    growRowsTo(row);
    if (row > int(m_rows.size()))
        m_rows.resize(row);
    auto &cells = m_rows[row - 1];
    if (column > int(cells.size()))
        cells.resize(column);
    return cells[column - 1];
}

const std::vector<SheetCell> &Sheet::rowCells(int row) const
{
    if (row < 1 || row > int(m_rows.size()))
        return kNoCells;
    return m_rows[row - 1];
}

const CellFormat &Sheet::formatAt(int row, int column) const
{
    const SheetCell *cell = cellAt(row, column);
    return m_formats[cell ? cell->format() : 0];
}

quint32 Sheet::formatIndexAt(int row, int column) const
{
    const SheetCell *cell = cellAt(row, column);
    return cell ? cell->format() : 0;
}

Qt::Alignment Sheet::alignmentAt(int row, int column) const
{
    const CellFormat &f = formatAt(row, column);
    Qt::Alignment a;
    switch (f.horizontal) {
    case CellFormat::AlignCenter:
    case CellFormat::AlignCenterAcross: a = Qt::AlignHCenter; break;
    case CellFormat::AlignRight: a = Qt::AlignRight; break;
    case CellFormat::General: {
        const SheetCell *cell = cellAt(row, column);
        a = cell && cell->kind() == SheetCell::Number ? Qt::AlignRight : Qt::AlignLeft;
        break;
    }
    default: a = Qt::AlignLeft;
    }
    if (f.vertical == CellFormat::AlignTop)
        return a | Qt::AlignTop;
    return a | (f.vertical == CellFormat::AlignMiddle ? Qt::AlignVCenter : Qt::AlignBottom);
}

QString Sheet::CellText(int row, int column) const
{
    const SheetCell *cell = cellAt(row, column);
    if (!cell)
        return QString();
    switch (cell->kind()) {
    case SheetCell::Text: return cell->text();
    case SheetCell::Number: return formatNumber(cell->number(), m_formats[cell->format()].numberFormat);
    case SheetCell::Empty: break;
    }
    return QString();
}

void Sheet::setCellText(int row, int column, const QString &text)
{
    if (row < 1 || column < 1)
        return;
    if (text.isEmpty()) {
        const SheetCell *cell = cellAt(row, column);
        if (!cell || !cell->hasValue()) {
            growRowsTo(row);
            return;
        }
        cellForWrite(row, column).clearValue();
        trimCells(row);
        trimRows();
    } else {
        cellForWrite(row, column).setText(text);
    }
    cellChanged(row, column);
}

Decimal Sheet::CellNumber(int row, int column) const
{
    const SheetCell *cell = cellAt(row, column);
    if (!cell)
        return Decimal();
    if (cell->kind() == SheetCell::Number)
        return cell->number();
    Decimal value;
    if (cell->kind() == SheetCell::Text && Decimal::tryParse(cell->text(), &value))
        return value;
    return Decimal();
}

void Sheet::setCellNumber(int row, int column, Decimal value)
{
    if (row < 1 || column < 1)
        return;
    cellForWrite(row, column).setNumber(value);
    cellChanged(row, column);
}

void Sheet::setCellNumber(int row, int column, double value)
{
    setCellNumber(row, column, Decimal::fromUnits(std::llround(value * double(Decimal::kUnit))));
}

void Sheet::ClearCells(int firstRow, int firstColumn, int lastRow, int lastColumn, int kind)
{
    if (kind != 1)
        return;
    if (firstRow > lastRow)
        std::swap(firstRow, lastRow);
    if (firstColumn > lastColumn)
        std::swap(firstColumn, lastColumn);
    firstRow = qMax(1, firstRow);
    firstColumn = qMax(1, firstColumn);
    const int last = qMin(lastRow, int(m_rows.size()));
    // Lines and fills go with the values: a refill must not leave an earlier
    // row's box or tint on a row that now holds other data. Font, alignment
    // and number format stay, as the layout set them.
    QHash<quint32, quint32> plain;
    // Neighbouring cells mostly share their format: the last answer is kept
    // beside the table, so a long list is cleared without a lookup per cell.
    quint32 lastIndex = 0;
    quint32 lastPlain = 0;
    for (int r = firstRow; r <= last; ++r) {
        auto &cells = m_rows[r - 1];
        const int end = qMin(lastColumn, int(cells.size()));
        for (int c = firstColumn; c <= end; ++c) {
            SheetCell &cell = cells[c - 1];
            cell.clearValue();
            const quint32 index = cell.format();
            if (index == 0)
                continue;
            if (index == lastIndex) {
                cell.setFormat(lastPlain);
                continue;
            }
            auto it = plain.constFind(index);
            if (it == plain.constEnd()) {
                CellFormat f = m_formats[index];
                const CellFormat defaults;
                f.borderStyle = defaults.borderStyle;
                f.borderColor = defaults.borderColor;
                f.pattern = defaults.pattern;
                f.patternForeground = defaults.patternForeground;
                f.patternBackground = defaults.patternBackground;
                it = plain.insert(index, intern(f));
            }
            lastIndex = index;
            lastPlain = *it;
            cell.setFormat(*it);
        }
        trimCells(r);
    }
    trimRows();
    blockChanged(firstRow, firstColumn, lastRow, lastColumn);
}

// Drops empty default cells from the end of a row, so that a cleared block
// gives its memory back.
void Sheet::trimCells(int row)
{
    auto &cells = m_rows[row - 1];
    while (!cells.empty() && !cells.back().hasValue() && cells.back().format() == 0)
        cells.pop_back();
    if (cells.empty())
        cells.shrink_to_fit();
}

void Sheet::trimRows()
{
    while (!m_rows.empty() && m_rows.back().empty())
        m_rows.pop_back();
}

// --- selection and formats ---

void Sheet::SelectCells(int firstRow, int firstColumn, int lastRow, int lastColumn)
{
    if (firstRow > lastRow)
        std::swap(firstRow, lastRow);
    if (firstColumn > lastColumn)
        std::swap(firstColumn, lastColumn);
    m_selection.firstRow = qMax(1, firstRow);
    m_selection.firstColumn = qMax(1, firstColumn);
    m_selection.lastRow = qMax(1, lastRow);
    m_selection.lastColumn = qMax(1, lastColumn);
}

quint32 Sheet::intern(const CellFormat &format)
{
    auto it = m_formatIndex.constFind(format);
    if (it != m_formatIndex.constEnd())
        return it.value();
    const quint32 index = quint32(m_formats.size());
    m_formats.push_back(format);
    m_formatIndex.insert(format, index);
    return index;
}

// Gives every cell of the selection the format `change` makes of its present
// one. A block usually holds few distinct formats, so each is changed and
// interned once per call.
template <typename Change> void Sheet::changeSelectionFormat(bool usesEdges, Change change)
{
    const Block b = m_selection;
    growRowsTo(b.lastRow);
    if (b.lastRow > int(m_rows.size()))
        m_rows.resize(b.lastRow);
    struct Mapping {
        quint32 from;
        quint8 edges;
        quint32 to;
    };
    std::vector<Mapping> done;
    for (int r = b.firstRow; r <= b.lastRow; ++r) {
        auto &cells = m_rows[r - 1];
        if (int(cells.size()) < b.lastColumn)
            cells.resize(b.lastColumn);
        quint8 rowEdges = 0;
        if (usesEdges)
            rowEdges = (r == b.firstRow ? EdgeTop : 0) | (r == b.lastRow ? EdgeBottom : 0);
        for (int c = b.firstColumn; c <= b.lastColumn; ++c) {
            SheetCell &cell = cells[c - 1];
            quint8 edges = rowEdges;
            if (usesEdges)
                edges |= (c == b.firstColumn ? EdgeLeft : 0) | (c == b.lastColumn ? EdgeRight : 0);
            const quint32 from = cell.format();
            quint32 to = 0;
            bool found = false;
            for (const Mapping &m : done) {
                if (m.from == from && m.edges == edges) {
                    to = m.to;
                    found = true;
                    break;
                }
            }
            if (!found) {
                CellFormat f = m_formats[from];
                change(f, edges);
                to = intern(f);
                done.push_back({from, edges, to});
            }
            cell.setFormat(to);
        }
        trimCells(r);
    }
    trimRows();
    // Neighbours share the lines of the block's edges on screen.
    blockChanged(b.firstRow - 1, b.firstColumn - 1, b.lastRow + 1, b.lastColumn + 1);
}

void Sheet::SetSelectionFont(const QString &name, int size, bool bold, bool italic, bool underline, bool strikeout,
                             ColorNumber color, bool outline, bool shadow)
{
    Q_UNUSED(outline);
    Q_UNUSED(shadow);
    changeSelectionFormat(false, [&](CellFormat &f, quint8) {
        f.fontName = name;
        f.fontSize = size;
        f.bold = bold;
        f.italic = italic;
        f.underline = underline;
        f.strikeout = strikeout;
        f.fontColor = color < 0 ? -1 : color;
    });
}

void Sheet::SetSelectionBorder(int outline, int left, int right, int top, int bottom, int shade,
                               ColorNumber outlineColor, ColorNumber leftColor, ColorNumber rightColor,
                               ColorNumber topColor, ColorNumber bottomColor)
{
    Q_UNUSED(shade);
    auto setSide = [](CellFormat &f, int side, int style, ColorNumber color) {
        if (style < 0)
            return;
        f.borderStyle[side] = quint8(qMin(style, 13));
        f.borderColor[side] = style == 0 || color < 0 ? -1 : color;
    };
    changeSelectionFormat(true, [&](CellFormat &f, quint8 edges) {
        setSide(f, CellFormat::Left, left, leftColor);
        setSide(f, CellFormat::Right, right, rightColor);
        setSide(f, CellFormat::Top, top, topColor);
        setSide(f, CellFormat::Bottom, bottom, bottomColor);
        if (edges & EdgeLeft)
            setSide(f, CellFormat::Left, outline, outlineColor);
        if (edges & EdgeRight)
            setSide(f, CellFormat::Right, outline, outlineColor);
        if (edges & EdgeTop)
            setSide(f, CellFormat::Top, outline, outlineColor);
        if (edges & EdgeBottom)
            setSide(f, CellFormat::Bottom, outline, outlineColor);
    });
}

void Sheet::SetSelectionPattern(int pattern, ColorNumber foreground, ColorNumber background)
{
    if (pattern < 0 || pattern > 18)
        return;
    changeSelectionFormat(false, [&](CellFormat &f, quint8) {
        f.pattern = quint8(pattern);
        f.patternForeground = pattern == 0 || foreground < 0 ? -1 : foreground;
        f.patternBackground = pattern == 0 || background < 0 ? -1 : background;
    });
}

void Sheet::SetSelectionAlignment(int horizontal, bool wrap, int vertical, int orientation)
{
    Q_UNUSED(orientation);
    changeSelectionFormat(false, [&](CellFormat &f, quint8) {
        if (horizontal >= CellFormat::General && horizontal <= CellFormat::AlignCenterAcross)
            f.horizontal = quint8(horizontal);
        if (vertical >= CellFormat::AlignTop && vertical <= CellFormat::AlignBottom)
            f.vertical = quint8(vertical);
        f.wrap = wrap;
    });
}

void Sheet::setSelectionNumberFormat(const QString &format)
{
    const QString stored = format.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0 ? QString() : format;
    changeSelectionFormat(false, [&](CellFormat &f, quint8) { f.numberFormat = stored; });
}

// --- display options ---

void Sheet::setShowRowHeadings(bool show)
{
    if (std::exchange(m_showRowHeadings, show) != show)
        emit displayOptionsChanged();
}

void Sheet::setShowColumnHeadings(bool show)
{
    if (std::exchange(m_showColumnHeadings, show) != show)
        emit displayOptionsChanged();
}

void Sheet::setShowGridLines(bool show)
{
    if (std::exchange(m_showGridLines, show) != show)
        emit displayOptionsChanged();
}

// --- active cell, scrolling, double-click ---

void Sheet::SetActiveCell(int row, int column)
{
    row = qMax(1, row);
    column = qMax(1, column);
    if (row == m_activeRow && column == m_activeColumn)
        return;
    m_activeRow = row;
    m_activeColumn = column;
    if (m_fillDepth == 0)
        emit activeCellChanged(row, column);
}

void Sheet::setTopVisibleRow(int row)
{
    row = qMax(1, row);
    if (row == m_topRow)
        return;
    m_topRow = row;
    if (m_fillDepth == 0)
        emit topVisibleRowChanged(row);
}

void Sheet::doubleClickCell(int row, int column)
{
    SetActiveCell(row, column);
    emit RowDoubleClick(row, column);
}

// --- file ---

SaveResult Sheet::SaveWorkbook(const QString &path, int fileType) const
{
    if (fileType != 4) {
        SaveResult result;
        result.error = tr("File type %1 cannot be written; only type 4, an Excel workbook (.xls), can.").arg(fileType);
        return result;
    }
    return XlsWriter::save(*this, path);
}

// --- bulk fill ---

void Sheet::beginFill()
{
    if (m_fillDepth++ == 0)
        beginResetModel();
}

void Sheet::endFill()
{
    if (m_fillDepth == 0)
        return;
    if (--m_fillDepth == 0)
        endResetModel();
}

// --- signals for views ---

void Sheet::cellChanged(int row, int column)
{
    if (m_fillDepth != 0 || row > m_rowCount || column > m_columnCount)
        return;
    const QModelIndex i = index(row - 1, column - 1);
    emit dataChanged(i, i);
}

void Sheet::blockChanged(int firstRow, int firstColumn, int lastRow, int lastColumn)
{
    if (m_fillDepth != 0)
        return;
    firstRow = qMax(1, firstRow);
    firstColumn = qMax(1, firstColumn);
    lastRow = qMin(lastRow, m_rowCount);
    lastColumn = qMin(lastColumn, m_columnCount);
    if (firstRow > lastRow || firstColumn > lastColumn)
        return;
    emit dataChanged(index(firstRow - 1, firstColumn - 1), index(lastRow - 1, lastColumn - 1));
}

// --- model ---

int Sheet::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int Sheet::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columnCount;
}

QVariant Sheet::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rowCount || index.column() >= m_columnCount)
        return QVariant();
    const int row = index.row() + 1;
    const int column = index.column() + 1;
    switch (role) {
    case Qt::DisplayRole: return CellText(row, column);
    case Qt::FontRole: return formatAt(row, column).font();
    case Qt::ForegroundRole: return toColor(formatAt(row, column).fontColor, Qt::black);
    case Qt::BackgroundRole: {
        const CellFormat &f = formatAt(row, column);
        if (f.pattern == 0)
            return QVariant();
        return toColor(f.patternForeground, Qt::white);
    }
    case Qt::TextAlignmentRole: return QVariant::fromValue(alignmentAt(row, column));
    default: return QVariant();
    }
}

QVariant Sheet::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || section < 0)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return columnLetters(section + 1);
    return section + 1;
}

Qt::ItemFlags Sheet::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QColor Sheet::toColor(ColorNumber color, const QColor &automatic)
{
    if (color < 0)
        return automatic;
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QString Sheet::formatNumber(Decimal value, const QString &format)
{
    const int places = placesOf(format);
    if (places < 0 || places > Decimal::kScale)
        return value.toString();
    return value.toText(places);
}
