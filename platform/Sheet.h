#pragma once
#include "Decimal.h"
#include "SaveResult.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QHash>
#include <QString>

#include <array>
#include <map>
#include <new>
#include <vector>

// A colour as the sheet operations take it: red + 256 * green + 65536 * blue
// (0x00BBGGRR). A negative number means automatic: the default colour (black
// for text and lines).
using ColorNumber = qint32;

// Everything a cell looks like. Formats are interned by the sheet: a cell
// stores an index into the sheet's format table, so a block of cells with one
// look shares one format.
struct CellFormat {
    enum Side { Left, Right, Top, Bottom };
    // Horizontal alignment codes of SetSelectionAlignment.
    enum Horizontal : quint8 {
        General = 1,
        AlignLeft = 2,
        AlignCenter = 3,
        AlignRight = 4,
        AlignFill = 5,
        AlignJustify = 6,
        AlignCenterAcross = 7
    };
    // Vertical alignment codes of SetSelectionAlignment.
    enum Vertical : quint8 { AlignTop = 1, AlignMiddle = 2, AlignBottom = 3 };

    QString fontName = QStringLiteral("Arial");
    int fontSize = 10; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    ColorNumber fontColor = -1;
    // Line style per side, numbered as in .xls files: 0 none, 1 thin, 2 medium,
    // 3 dashed, 4 dotted, 5 thick, 6 double, 7 hair.
    std::array<quint8, 4> borderStyle{};
    std::array<ColorNumber, 4> borderColor{-1, -1, -1, -1};
    // Fill pattern as in .xls files: 0 none, 1 solid, 2 to 18 the hatchings.
    quint8 pattern = 0;
    ColorNumber patternForeground = -1;
    ColorNumber patternBackground = -1;
    quint8 horizontal = General;
    quint8 vertical = AlignBottom;
    bool wrap = false;
    QString numberFormat; // empty: General

    bool operator==(const CellFormat &) const = default;
    // True when the format shows on an empty cell (a line or a fill).
    bool showsWhenEmpty() const;
    QFont font() const;
};
size_t qHash(const CellFormat &f, size_t seed = 0);

// One stored cell: no value, a text or an exact number, and a format index.
// Kept to 32 bytes: a filled list has millions of them.
class SheetCell {
public:
    enum Kind : quint8 { Empty, Text, Number };

    SheetCell() : m_units(0) {}
    ~SheetCell() { destroyText(); }
    SheetCell(const SheetCell &o) : m_format(o.m_format), m_kind(o.m_kind)
    {
        if (m_kind == Text)
            new (&m_text) QString(o.m_text);
        else
            m_units = o.m_units;
    }
    SheetCell(SheetCell &&o) noexcept : m_format(o.m_format), m_kind(o.m_kind)
    {
        if (m_kind == Text)
            new (&m_text) QString(std::move(o.m_text));
        else
            m_units = o.m_units;
    }
    SheetCell &operator=(const SheetCell &o)
    {
        if (this != &o) {
            SheetCell copy(o);
            *this = std::move(copy);
        }
        return *this;
    }
    SheetCell &operator=(SheetCell &&o) noexcept
    {
        if (this != &o) {
            destroyText();
            m_format = o.m_format;
            m_kind = o.m_kind;
            if (m_kind == Text)
                new (&m_text) QString(std::move(o.m_text));
            else
                m_units = o.m_units;
        }
        return *this;
    }

    Kind kind() const { return m_kind; }
    bool hasValue() const { return m_kind != Empty; }
    // Valid only for a text cell.
    const QString &text() const { return m_text; }
    // Valid only for a number cell.
    Decimal number() const { return Decimal::fromUnits(m_units); }
    quint32 format() const { return m_format; }

    void setText(const QString &text)
    {
        if (m_kind == Text) {
            m_text = text;
        } else {
            new (&m_text) QString(text);
            m_kind = Text;
        }
    }
    void setNumber(Decimal value)
    {
        destroyText();
        m_units = value.units();
        m_kind = Number;
    }
    void clearValue()
    {
        destroyText();
        m_units = 0;
        m_kind = Empty;
    }
    void setFormat(quint32 format) { m_format = format; }

private:
    void destroyText()
    {
        if (m_kind == Text) {
            m_text.~QString();
            m_kind = Empty;
        }
    }

    union {
        QString m_text;
        qint64 m_units;
    };
    quint32 m_format = 0;
    Kind m_kind = Empty;
};

// The spreadsheet behind list, report and export windows: a sparse table of
// cells with formats, column widths and row heights, and the model that
// SheetView shows.
//
// The sheet operations carry the names the windows use. Rows and columns count
// from 1. Properties read with the operation's name and are written with
// set + name: CellText(r, c) / setCellText(r, c, text), RowCount() /
// setRowCount(n). Methods keep their names: SelectCells, ClearCells,
// SetActiveCell, SetSelectionFont, SetSelectionBorder, SetSelectionPattern,
// SetSelectionAlignment; SelectionNumberFormat is written with
// setSelectionNumberFormat; SaveWorkbook writes the file.
//
// Size: RowCount grows when a value or a format is put below the last row; a
// put of RowCount makes the sheet exactly that long and drops what lay below.
// ColumnCount changes only by a put: cells to the right of it keep their values
// (windows keep keys in hidden columns there) but are not shown.
//
// Units: column widths and row heights in twips; 0 hides a column (its cells
// keep their values). Font sizes in points.
//
// A long fill should run between beginFill() and endFill(): no signal per cell,
// one model reset at the end.
class Sheet : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kDefaultColumnWidth = 960; // twips: 64 pixels, Excel's default column
    static constexpr int kDefaultRowHeight = 255;   // twips: 17 pixels, Excel's default row
    // A new sheet shows a screenful of empty cells until a window sizes it.
    static constexpr int kDefaultRowCount = 20;
    static constexpr int kDefaultColumnCount = 10;

    explicit Sheet(QObject *parent = nullptr);
    ~Sheet() override;

    // --- Sheet operations ---
    int ColumnCount() const { return m_columnCount; }
    void setColumnCount(int count);
    int RowCount() const { return m_rowCount; }
    void setRowCount(int count);
    int ColumnWidth(int column) const;
    void setColumnWidth(int column, int twips);
    // Widths given in 1/256 of a digit's width (the report layouts' unit) as
    // twips: a digit of the sheet's Arial 10 is 7 pixels, 105 twips.
    static int twipsFromCharUnits(int units) { return int((qint64(units) * 105 + 128) / 256); }
    // A width given in whole digits, as the small grids state it.
    static int twipsFromChars(int characters) { return twipsFromCharUnits(characters * 256); }
    // The same width given in 1/256 of a digit's width, as report layouts state it.
    void setColumnWidthChars(int column, int units) { setColumnWidth(column, twipsFromCharUnits(units)); }
    int RowHeight(int row) const;
    // 0 hides the row.
    void setRowHeight(int row, int twips);

    // The cell's text as shown: a number cell gives its number in the cell's
    // number format; an empty cell gives "".
    QString CellText(int row, int column) const;
    // Writes the text unchanged; "" empties the cell. Text that reads as a
    // number stays text.
    void setCellText(int row, int column, const QString &text);
    // The cell's number; a text cell gives the number its whole text reads as,
    // otherwise 0.
    Decimal CellNumber(int row, int column) const;
    void setCellNumber(int row, int column, Decimal value);
    // For callers that hold a double: kept rounded to the nearest millionth.
    void setCellNumber(int row, int column, double value);

    // Selects the block the SetSelection... operations act on; the corners may
    // come in any order.
    void SelectCells(int firstRow, int firstColumn, int lastRow, int lastColumn);
    // Kind 1 empties the values of the block and takes away its lines and
    // fills; font, alignment and number format stay. No other kind is used,
    // and any other kind leaves the sheet unchanged.
    void ClearCells(int firstRow, int firstColumn, int lastRow, int lastColumn, int kind);
    void SetActiveCell(int row, int column);
    int ActiveRow() const { return m_activeRow; }
    int ActiveColumn() const { return m_activeColumn; }
    int TopVisibleRow() const { return m_topRow; }
    void setTopVisibleRow(int row);
    // Rows above the data; kept for the windows that set it, not drawn
    // differently.
    int HeadingRowCount() const { return m_headingRows; }
    void setHeadingRowCount(int rows) { m_headingRows = qMax(0, rows); }

    // The sheet's three display options, all on in a new sheet; the report
    // layouts switch them off. Row numbers at the left, column letters at the
    // top, grid lines between the cells. The view and the file follow them.
    bool ShowRowHeadings() const { return m_showRowHeadings; }
    void setShowRowHeadings(bool show);
    bool ShowColumnHeadings() const { return m_showColumnHeadings; }
    void setShowColumnHeadings(bool show);
    bool ShowGridLines() const { return m_showGridLines; }
    void setShowGridLines(bool show);

    // Outline and shadow are accepted and not drawn.
    void SetSelectionFont(const QString &name, int size, bool bold, bool italic, bool underline, bool strikeout,
                          ColorNumber color, bool outline, bool shadow);
    // Line styles: `outline` for the edges of the block, `left`, `right`, `top`,
    // `bottom` for those sides of every cell of the block; 0 no line, 1 thin (see
    // CellFormat::borderStyle), a negative style leaves that side as it was.
    // The outline is applied after the sides. `shade` is accepted and not drawn.
    void SetSelectionBorder(int outline, int left, int right, int top, int bottom, int shade, ColorNumber outlineColor,
                            ColorNumber leftColor, ColorNumber rightColor, ColorNumber topColor,
                            ColorNumber bottomColor);
    // Pattern 0 none, 1 solid in the foreground colour, 2 to 18 hatchings.
    void SetSelectionPattern(int pattern, ColorNumber foreground, ColorNumber background);
    // Horizontal: 1 general (numbers right, text left), 2 left, 3 centre,
    // 4 right, 5 fill, 6 justify, 7 centre across; vertical: 1 top, 2 centre,
    // 3 bottom. A code outside these leaves that setting as it was. Text is
    // always drawn horizontally: orientation is accepted and ignored.
    void SetSelectionAlignment(int horizontal, bool wrap, int vertical, int orientation);
    // "0.00", "0.000", "0" or "" (General); other format texts are written to
    // the file as given and shown in General.
    void setSelectionNumberFormat(const QString &format);

    // File type 4 is an Excel 97-2003 workbook (.xls), the only type written;
    // any other type is refused with a message and writes nothing.
    SaveResult SaveWorkbook(const QString &path, int fileType) const;

    // --- Bulk fill ---
    // Between these, puts send no signals; endFill resets the model once.
    // Calls may nest.
    void beginFill();
    void endFill();

    // What a double-click on a cell does: the cell becomes active, then
    // RowDoubleClick is raised.
    void doubleClickCell(int row, int column);

    // --- Read access for the view and the file writer ---
    const CellFormat &formatAt(int row, int column) const;
    // Index of the cell's format in formats().
    quint32 formatIndexAt(int row, int column) const;
    // Where the cell's text sits: General puts numbers right and text left.
    Qt::Alignment alignmentAt(int row, int column) const;
    // The format table; index 0 is the default format.
    const std::vector<CellFormat> &formats() const { return m_formats; }
    // Rows 1..storedRowCount() may hold cells; rows below hold none.
    int storedRowCount() const { return int(m_rows.size()); }
    // The stored cells of a row, column 1 first; columns past the end are empty.
    const std::vector<SheetCell> &rowCells(int row) const;
    // Rows with a height set, row -> twips.
    const std::map<int, int> &rowHeights() const { return m_rowHeights; }
    // Columns 1..n where n is the last column whose width was set.
    int widthColumnCount() const { return int(m_columnWidths.size()); }
    bool hasColumnWidth(int column) const;

    // --- QAbstractTableModel: rows and columns from 0 ---
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    static QColor toColor(ColorNumber color, const QColor &automatic);
    // The text of a number in a number format.
    static QString formatNumber(Decimal value, const QString &format);

signals:
    // A cell was double-clicked; the active cell is already that cell.
    void RowDoubleClick(int row, int column);
    void activeCellChanged(int row, int column);
    void topVisibleRowChanged(int row);
    void columnWidthChanged(int column);
    void rowHeightChanged(int row);
    void displayOptionsChanged();

private:
    struct Block {
        int firstRow = 1, firstColumn = 1, lastRow = 1, lastColumn = 1;
    };
    // Edges of the selection a cell lies on, for the outline.
    enum Edge : quint8 { EdgeLeft = 1, EdgeRight = 2, EdgeTop = 4, EdgeBottom = 8 };

    SheetCell &cellForWrite(int row, int column);
    const SheetCell *cellAt(int row, int column) const;
    void growRowsTo(int row);
    quint32 intern(const CellFormat &format);
    template <typename Change> void changeSelectionFormat(bool usesEdges, Change change);
    void trimCells(int row);
    void trimRows();
    void cellChanged(int row, int column);
    void blockChanged(int firstRow, int firstColumn, int lastRow, int lastColumn);

    std::vector<std::vector<SheetCell>> m_rows;
    std::vector<CellFormat> m_formats;
    QHash<CellFormat, quint32> m_formatIndex;
    std::vector<int> m_columnWidths; // -1: default
    std::map<int, int> m_rowHeights;
    int m_rowCount = kDefaultRowCount;
    int m_columnCount = kDefaultColumnCount;
    Block m_selection;
    int m_activeRow = 1;
    int m_activeColumn = 1;
    int m_topRow = 1;
    int m_headingRows = 0;
    int m_fillDepth = 0;
    bool m_showRowHeadings = true;
    bool m_showColumnHeadings = true;
    bool m_showGridLines = true;
};
