#include "XlsWriter.h"
#include "Sheet.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QHash>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

// The file is built in two layers. The workbook stream is a sequence of BIFF8
// records (a 2-byte type, a 2-byte length, at most 8224 bytes of data): the
// workbook globals (fonts, number formats, cell formats, palette, the sheet
// list, the shared string table) and then the one worksheet (column widths,
// rows and cells in blocks of 32 rows, window settings). The stream is then
// stored as "Workbook" in an OLE2 compound document of 512-byte sectors.

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("XlsWriter", text);
}

// --- BIFF record types ---
constexpr quint16 kBof = 0x0809;
constexpr quint16 kEof = 0x000A;
constexpr quint16 kCodePage = 0x0042;
constexpr quint16 kWindow1 = 0x003D;
constexpr quint16 kFont = 0x0031;
constexpr quint16 kFormat = 0x041E;
constexpr quint16 kXf = 0x00E0;
constexpr quint16 kStyle = 0x0293;
constexpr quint16 kPalette = 0x0092;
constexpr quint16 kBoundSheet = 0x0085;
constexpr quint16 kSst = 0x00FC;
constexpr quint16 kContinue = 0x003C;
constexpr quint16 kExtSst = 0x00FF;
constexpr quint16 kIndex = 0x020B;
constexpr quint16 kDefaultRowHeight = 0x0225;
constexpr quint16 kDefColWidth = 0x0055;
constexpr quint16 kColInfo = 0x007D;
constexpr quint16 kDimensions = 0x0200;
constexpr quint16 kRow = 0x0208;
constexpr quint16 kDbCell = 0x00D7;
constexpr quint16 kLabelSst = 0x00FD;
constexpr quint16 kNumber = 0x0203;
constexpr quint16 kRk = 0x027E;
constexpr quint16 kMulRk = 0x00BD;
constexpr quint16 kBlank = 0x0201;
constexpr quint16 kMulBlank = 0x00BE;
constexpr quint16 kWindow2 = 0x023E;

constexpr int kMaxRecordData = 8224;
constexpr int kRowsPerBlock = 32;
constexpr quint16 kDefaultCellXf = 15; // XFs 0-14 are style XFs
constexpr quint16 kFirstCustomXf = 16;
constexpr int kMaxXfs = 4000; // Excel's own limit is a little above
constexpr int kMaxFonts = 500;
constexpr quint16 kFirstCustomFormat = 164;
constexpr int kDefaultRowTwips = 255; // Arial 10
constexpr int kMaxRowTwips = 8179;
constexpr quint16 kAutomaticFontColor = 0x7FFF;
constexpr quint16 kAutomaticLineColor = 64;
constexpr quint16 kWindowBackground = 65;

// The 56 colours of a workbook without a PALETTE record, as 0xRRGGBB, for
// colour indices 8 to 63.
constexpr quint32 kDefaultPalette[56] = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x800000, 0x008000,
    0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080, 0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF,
    0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF, 0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000,
    0x008080, 0x0000FF, 0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696, 0x003366, 0x339966,
    0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333,
};

// Little-endian output into a growing byte array.
class Stream {
public:
    QByteArray bytes;

    qint64 pos() const { return bytes.size(); }
    void u8(quint8 v) { bytes.append(char(v)); }
    void u16(quint16 v)
    {
        char b[2];
        qToLittleEndian(v, b);
        bytes.append(b, 2);
    }
    void u32(quint32 v)
    {
        char b[4];
        qToLittleEndian(v, b);
        bytes.append(b, 4);
    }
    void f64(double v)
    {
        quint64 bits;
        std::memcpy(&bits, &v, sizeof bits);
        char b[8];
        qToLittleEndian(bits, b);
        bytes.append(b, 8);
    }
    void header(quint16 type, int length)
    {
        Q_ASSERT(length <= kMaxRecordData);
        u16(type);
        u16(quint16(length));
    }
    void record(quint16 type, const QByteArray &data)
    {
        header(type, int(data.size()));
        bytes.append(data);
    }
    void patch32(qint64 at, quint32 v) { qToLittleEndian(v, bytes.data() + at); }
};

bool needsWideChars(const QString &s)
{
    for (QChar c : s)
        if (c.unicode() > 0xFF)
            return true;
    return false;
}

void appendChars(QByteArray &out, const QString &s, qsizetype from, qsizetype count, bool wide)
{
    if (!wide) {
        out.append(s.mid(from, count).toLatin1());
        return;
    }
    const char16_t *p = reinterpret_cast<const char16_t *>(s.constData()) + from;
    for (qsizetype i = 0; i < count; ++i) {
        char b[2];
        qToLittleEndian(quint16(p[i]), b);
        out.append(b, 2);
    }
}

// A string with an 8-bit length (sheet and font names).
void shortString(Stream &s, const QString &text)
{
    const bool wide = needsWideChars(text);
    s.u8(quint8(text.size()));
    s.u8(wide ? 1 : 0);
    appendChars(s.bytes, text, 0, text.size(), wide);
}

// A string with a 16-bit length (number formats).
void longString(QByteArray &out, const QString &text)
{
    const bool wide = needsWideChars(text);
    char b[2];
    qToLittleEndian(quint16(text.size()), b);
    out.append(b, 2);
    out.append(char(wide ? 1 : 0));
    appendChars(out, text, 0, text.size(), wide);
}

// RK form of a number, when it has one: a 30-bit integer, optionally
// hundredths. A reader divides by 100 in double arithmetic, which gives the
// same double as the exact decimal.
bool toRk(Decimal value, quint32 *rk)
{
    constexpr qint64 limit = qint64(1) << 29;
    const qint64 units = value.units();
    if (units % Decimal::kUnit == 0) {
        const qint64 n = units / Decimal::kUnit;
        if (n >= -limit && n < limit) {
            *rk = (quint32(n) << 2) | 2;
            return true;
        }
    }
    if (units % (Decimal::kUnit / 100) == 0) {
        const qint64 n = units / (Decimal::kUnit / 100);
        if (n >= -limit && n < limit) {
            *rk = (quint32(n) << 2) | 3;
            return true;
        }
    }
    return false;
}

// Colour indices for the colours a workbook uses. A colour of the default
// palette keeps its index; any other takes a slot of the palette, from the
// end, and the file then carries a PALETTE record. Past 56 distinct colours
// the nearest palette colour is used.
class Palette {
public:
    void want(ColorNumber color)
    {
        if (color >= 0)
            m_wanted.insert(toRgb(color), 0);
    }

    void assign()
    {
        for (int i = 0; i < 56; ++i)
            m_rgb[i] = kDefaultPalette[i];
        std::array<bool, 56> pinned{};
        QList<quint32> rest;
        for (auto it = m_wanted.cbegin(); it != m_wanted.cend(); ++it) {
            int found = -1;
            for (int i = 0; i < 56; ++i) {
                if (m_rgb[i] == it.key()) {
                    found = i;
                    break;
                }
            }
            if (found >= 0) {
                pinned[found] = true;
                m_index.insert(it.key(), quint16(found + 8));
            } else {
                rest.append(it.key());
            }
        }
        std::sort(rest.begin(), rest.end());
        int slot = 55;
        for (quint32 rgb : rest) {
            while (slot >= 0 && pinned[slot])
                --slot;
            if (slot < 0) {
                m_index.insert(rgb, nearest(rgb));
                continue;
            }
            m_rgb[slot] = rgb;
            pinned[slot] = true;
            m_changed = true;
            m_index.insert(rgb, quint16(slot + 8));
        }
    }

    quint16 index(ColorNumber color, quint16 automatic) const
    {
        if (color < 0)
            return automatic;
        return m_index.value(toRgb(color), automatic);
    }

    bool changed() const { return m_changed; }
    quint32 rgb(int i) const { return m_rgb[i]; }

private:
    static quint32 toRgb(ColorNumber c)
    {
        const quint32 r = quint32(c) & 0xFF, g = (quint32(c) >> 8) & 0xFF, b = (quint32(c) >> 16) & 0xFF;
        return (r << 16) | (g << 8) | b;
    }
    quint16 nearest(quint32 rgb) const
    {
        int best = 0;
        qint64 bestDistance = -1;
        for (int i = 0; i < 56; ++i) {
            const qint64 dr = qint64((rgb >> 16) & 0xFF) - ((m_rgb[i] >> 16) & 0xFF);
            const qint64 dg = qint64((rgb >> 8) & 0xFF) - ((m_rgb[i] >> 8) & 0xFF);
            const qint64 db = qint64(rgb & 0xFF) - (m_rgb[i] & 0xFF);
            const qint64 d = dr * dr + dg * dg + db * db;
            if (bestDistance < 0 || d < bestDistance) {
                best = i;
                bestDistance = d;
            }
        }
        return quint16(best + 8);
    }

    QHash<quint32, int> m_wanted;
    QHash<quint32, quint16> m_index;
    std::array<quint32, 56> m_rgb{};
    bool m_changed = false;
};

struct FontRecord {
    QString name;
    quint16 height = 200; // twips
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    quint16 color = kAutomaticFontColor;
    bool operator==(const FontRecord &) const = default;
};

// A row that gets a ROW record: it holds cell records, or has its own height.
struct RowPlan {
    int row = 0;         // from 1
    int firstColumn = 0; // from 1; 0 when the row holds no cell
    int lastColumn = 0;
};

class WorkbookBuilder {
public:
    explicit WorkbookBuilder(const Sheet &sheet) : m_sheet(sheet) {}

    bool build(QByteArray *out, QString *error);

private:
    bool scan(QString *error);
    bool buildTables(QString *error);
    void writeGlobals(Stream &s, qint64 *sheetOffsetAt);
    void writeSharedStrings(Stream &s);
    void writeSheet(Stream &s);
    void writeRowCells(Stream &s, int row, std::size_t *nextText);
    void writeRowRecord(Stream &s, const RowPlan &plan);
    quint16 xfOf(quint32 format) const { return m_xfOfFormat[format]; }
    bool isWritten(const SheetCell &cell) const
    {
        return cell.hasValue() || m_sheet.formats()[cell.format()].showsWhenEmpty();
    }

    const Sheet &m_sheet;
    std::vector<RowPlan> m_rows;
    int m_firstCellRow = 0, m_lastCellRow = 0, m_firstCellColumn = 0, m_lastCellColumn = 0;
    std::vector<bool> m_formatUsed;
    std::vector<quint16> m_xfOfFormat;
    std::vector<quint32> m_xfFormats; // sheet format of each custom XF
    std::vector<FontRecord> m_fonts;  // fonts after the four defaults
    std::vector<quint16> m_fontOfXf;
    std::vector<quint16> m_numberFormatOfXf;
    std::vector<QString> m_customFormats;
    Palette m_palette;
    QHash<QString, quint32> m_stringIndex;
    std::vector<QString> m_strings;
    std::vector<quint32> m_textIndices; // one per text cell, in writing order
    quint32 m_textCells = 0;
};

bool WorkbookBuilder::build(QByteArray *out, QString *error)
{
    if (!scan(error) || !buildTables(error))
        return false;
    Stream s;
    s.bytes.reserve(qsizetype(m_textCells) * 16 + qsizetype(m_strings.size()) * 16 + 65536);
    qint64 sheetOffsetAt = 0;
    writeGlobals(s, &sheetOffsetAt);
    s.patch32(sheetOffsetAt, quint32(s.pos()));
    writeSheet(s);
    *out = std::move(s.bytes);
    return true;
}

// Finds what is written, checks it against the format's limits and collects
// the strings and formats in use.
bool WorkbookBuilder::scan(QString *error)
{
    const auto &formats = m_sheet.formats();
    m_formatUsed.assign(formats.size(), false);
    const int rows = qMin(m_sheet.storedRowCount(), m_sheet.RowCount());
    int tooFarRow = 0, tooFarColumn = 0;
    for (int r = 1; r <= rows; ++r) {
        const auto &cells = m_sheet.rowCells(r);
        RowPlan plan;
        plan.row = r;
        for (int c = 1; c <= int(cells.size()); ++c) {
            const SheetCell &cell = cells[c - 1];
            if (!isWritten(cell))
                continue;
            if (r > XlsWriter::kMaxRows)
                tooFarRow = r;
            if (c > XlsWriter::kMaxColumns)
                tooFarColumn = qMax(tooFarColumn, c);
            if (tooFarRow || tooFarColumn)
                continue;
            if (cell.kind() == SheetCell::Text) {
                const QString &text = cell.text();
                if (text.size() > XlsWriter::kMaxTextLength) {
                    *error = tr("Cell %1, %2 holds %3 characters; a cell of an .xls file holds at most 32,767.")
                                 .arg(r)
                                 .arg(c)
                                 .arg(text.size());
                    return false;
                }
                auto it = m_stringIndex.constFind(text);
                if (it == m_stringIndex.constEnd()) {
                    it = m_stringIndex.insert(text, quint32(m_strings.size()));
                    m_strings.push_back(text);
                }
                m_textIndices.push_back(it.value());
                ++m_textCells;
            }
            m_formatUsed[cell.format()] = true;
            if (plan.firstColumn == 0)
                plan.firstColumn = c;
            plan.lastColumn = c;
        }
        if (plan.firstColumn != 0 && !tooFarRow) {
            m_rows.push_back(plan);
            if (m_firstCellRow == 0)
                m_firstCellRow = r;
            m_lastCellRow = r;
            m_firstCellColumn = m_firstCellColumn == 0 ? plan.firstColumn : qMin(m_firstCellColumn, plan.firstColumn);
            m_lastCellColumn = qMax(m_lastCellColumn, plan.lastColumn);
        }
    }
    if (tooFarRow) {
        *error =
            tr("The sheet has content down to row %1; an .xls sheet holds at most 65,536 rows. Nothing was written.")
                .arg(tooFarRow);
        return false;
    }
    if (tooFarColumn) {
        *error =
            tr("The sheet has content up to column %1; an .xls sheet holds at most 256 columns. Nothing was written.")
                .arg(tooFarColumn);
        return false;
    }
    // Rows that only have a height of their own get a ROW record too.
    std::vector<RowPlan> merged;
    merged.reserve(m_rows.size() + m_sheet.rowHeights().size());
    auto cellRow = m_rows.cbegin();
    for (const auto &[row, twips] : m_sheet.rowHeights()) {
        Q_UNUSED(twips);
        if (row > XlsWriter::kMaxRows || row > m_sheet.RowCount())
            break;
        while (cellRow != m_rows.cend() && cellRow->row < row)
            merged.push_back(*cellRow++);
        if (cellRow != m_rows.cend() && cellRow->row == row)
            continue;
        RowPlan plan;
        plan.row = row;
        merged.push_back(plan);
    }
    while (cellRow != m_rows.cend())
        merged.push_back(*cellRow++);
    m_rows = std::move(merged);
    return true;
}

// Fonts, number formats, colours and XF records for the formats in use.
bool WorkbookBuilder::buildTables(QString *error)
{
    const auto &formats = m_sheet.formats();
    m_formatUsed[0] = false; // the default format is XF 15
    for (std::size_t i = 0; i < formats.size(); ++i) {
        if (!m_formatUsed[i])
            continue;
        const CellFormat &f = formats[i];
        m_palette.want(f.fontColor);
        for (int side = 0; side < 4; ++side)
            if (f.borderStyle[side] != 0)
                m_palette.want(f.borderColor[side]);
        if (f.pattern != 0) {
            m_palette.want(f.patternForeground);
            m_palette.want(f.patternBackground);
        }
    }
    m_palette.assign();

    const FontRecord defaultFont{QStringLiteral("Arial")};
    m_xfOfFormat.assign(formats.size(), kDefaultCellXf);
    for (std::size_t i = 0; i < formats.size(); ++i) {
        if (!m_formatUsed[i])
            continue;
        if (int(m_xfFormats.size()) + kFirstCustomXf >= kMaxXfs) {
            *error = tr("The sheet uses more than %1 different cell formats; an .xls file holds fewer.")
                         .arg(kMaxXfs - kFirstCustomXf);
            return false;
        }
        const CellFormat &f = formats[i];
        FontRecord font;
        font.name = f.fontName;
        font.height = quint16(qBound(1, f.fontSize, 409) * 20);
        font.bold = f.bold;
        font.italic = f.italic;
        font.underline = f.underline;
        font.strikeout = f.strikeout;
        font.color = m_palette.index(f.fontColor, kAutomaticFontColor);
        quint16 fontIndex = 0;
        if (!(font == defaultFont)) {
            auto it = std::find(m_fonts.begin(), m_fonts.end(), font);
            if (it == m_fonts.end()) {
                if (int(m_fonts.size()) >= kMaxFonts) {
                    *error =
                        tr("The sheet uses more than %1 different fonts; an .xls file holds fewer.").arg(kMaxFonts);
                    return false;
                }
                m_fonts.push_back(font);
                it = m_fonts.end() - 1;
            }
            // Font index 4 does not exist: the fifth FONT record is font 5.
            fontIndex = quint16(5 + (it - m_fonts.begin()));
        }
        quint16 numberFormat = 0;
        if (f.numberFormat == QLatin1String("0")) {
            numberFormat = 1;
        } else if (f.numberFormat == QLatin1String("0.00")) {
            numberFormat = 2;
        } else if (!f.numberFormat.isEmpty()) {
            auto it = std::find(m_customFormats.begin(), m_customFormats.end(), f.numberFormat);
            if (it == m_customFormats.end()) {
                m_customFormats.push_back(f.numberFormat);
                it = m_customFormats.end() - 1;
            }
            numberFormat = quint16(kFirstCustomFormat + (it - m_customFormats.begin()));
        }
        m_xfOfFormat[i] = quint16(kFirstCustomXf + m_xfFormats.size());
        m_xfFormats.push_back(quint32(i));
        m_fontOfXf.push_back(fontIndex);
        m_numberFormatOfXf.push_back(numberFormat);
    }
    return true;
}

void xfRecord(Stream &s, quint16 font, quint16 numberFormat, quint16 typeAndParent, quint8 alignment,
              quint8 usedAttributes, quint32 lines, quint32 linesAndFill, quint16 fillColors)
{
    s.header(kXf, 20);
    s.u16(font);
    s.u16(numberFormat);
    s.u16(typeAndParent);
    s.u8(alignment);
    s.u8(0); // rotation
    s.u8(0); // indent, shrink, direction
    s.u8(usedAttributes);
    s.u32(lines);
    s.u32(linesAndFill);
    s.u16(fillColors);
}

void fontRecord(Stream &s, const FontRecord &f)
{
    const QString name = f.name.left(255);
    Stream d;
    d.u16(f.height);
    // Bit 0 repeats the weight's boldness, as readers of older versions expect.
    d.u16(quint16((f.bold ? 0x01 : 0) | (f.italic ? 0x02 : 0) | (f.strikeout ? 0x08 : 0)));
    d.u16(f.color);
    d.u16(f.bold ? 700 : 400);
    d.u16(0);                  // no super/subscript
    d.u8(f.underline ? 1 : 0); // single underline
    d.u8(0);                   // family
    d.u8(0);                   // character set
    d.u8(0);
    shortString(d, name);
    s.record(kFont, d.bytes);
}

void WorkbookBuilder::writeGlobals(Stream &s, qint64 *sheetOffsetAt)
{
    s.header(kBof, 16);
    s.u16(0x0600); // BIFF8
    s.u16(0x0005); // workbook globals
    s.u16(0x0DBB); // build
    s.u16(0x07CC); // year
    s.u32(0);      // file history
    s.u32(0x06);   // lowest version that can read all records

    s.header(kCodePage, 2);
    s.u16(1200); // UTF-16

    s.header(kWindow1, 18);
    s.u16(0);
    s.u16(0);
    s.u16(15000);  // window width, twips
    s.u16(9000);   // window height, twips
    s.u16(0x0038); // scroll bars and sheet tabs shown
    s.u16(0);      // active sheet
    s.u16(0);      // first visible tab
    s.u16(1);      // selected sheets
    s.u16(600);    // tab bar width ratio, per mille

    const FontRecord defaultFont{QStringLiteral("Arial")};
    for (int i = 0; i < 4; ++i)
        fontRecord(s, defaultFont);
    for (const FontRecord &f : m_fonts)
        fontRecord(s, f);

    for (std::size_t i = 0; i < m_customFormats.size(); ++i) {
        Stream d;
        d.u16(quint16(kFirstCustomFormat + i));
        longString(d.bytes, m_customFormats[i]);
        s.record(kFormat, d.bytes);
    }

    const quint16 noFill = quint16(kAutomaticLineColor | (kWindowBackground << 7));
    // Style XFs: Normal, then the outline-level styles that readers expect.
    for (int i = 0; i < 15; ++i)
        xfRecord(s, 0, 0, 0xFFF5, 0x20, i == 0 ? 0x00 : 0xF4, 0, 0, noFill);
    // The default cell XF.
    xfRecord(s, 0, 0, 0x0001, 0x20, 0x00, 0, 0, noFill);
    const auto &formats = m_sheet.formats();
    for (std::size_t x = 0; x < m_xfFormats.size(); ++x) {
        const CellFormat &f = formats[m_xfFormats[x]];
        const quint8 alignment =
            quint8(((f.horizontal - 1) & 0x07) | (f.wrap ? 0x08 : 0) | (((f.vertical - 1) & 0x07) << 4));
        quint16 lineColor[4];
        for (int side = 0; side < 4; ++side)
            lineColor[side] = f.borderStyle[side] == 0 ? 0 : m_palette.index(f.borderColor[side], kAutomaticLineColor);
        const quint32 lines = quint32(f.borderStyle[CellFormat::Left] & 0x0F)
            | quint32(f.borderStyle[CellFormat::Right] & 0x0F) << 4
            | quint32(f.borderStyle[CellFormat::Top] & 0x0F) << 8
            | quint32(f.borderStyle[CellFormat::Bottom] & 0x0F) << 12
            | quint32(lineColor[CellFormat::Left] & 0x7F) << 16 | quint32(lineColor[CellFormat::Right] & 0x7F) << 23;
        const quint32 linesAndFill = quint32(lineColor[CellFormat::Top] & 0x7F)
            | quint32(lineColor[CellFormat::Bottom] & 0x7F) << 7 | quint32(f.pattern & 0x3F) << 26;
        quint16 fill = noFill;
        if (f.pattern != 0)
            fill = quint16((m_palette.index(f.patternForeground, kAutomaticLineColor) & 0x7F)
                           | (m_palette.index(f.patternBackground, kWindowBackground) & 0x7F) << 7);
        xfRecord(s, m_fontOfXf[x], m_numberFormatOfXf[x], 0x0001, alignment, 0xFC, lines, linesAndFill, fill);
    }

    s.header(kStyle, 4);
    s.u16(0x8000); // built-in style on XF 0
    s.u8(0);       // Normal
    s.u8(0xFF);

    if (m_palette.changed()) {
        s.header(kPalette, 2 + 56 * 4);
        s.u16(56);
        for (int i = 0; i < 56; ++i) {
            const quint32 rgb = m_palette.rgb(i);
            s.u8(quint8(rgb >> 16));
            s.u8(quint8(rgb >> 8));
            s.u8(quint8(rgb));
            s.u8(0);
        }
    }

    const QString sheetName = QStringLiteral("Sheet1");
    s.header(kBoundSheet, 8 + int(sheetName.size()));
    *sheetOffsetAt = s.pos();
    s.u32(0); // the sheet's BOF position, patched later
    s.u8(0);  // visible
    s.u8(0);  // worksheet
    shortString(s, sheetName);

    writeSharedStrings(s);

    s.header(kEof, 0);
}

// The shared string table. A record holds at most 8224 bytes; the table goes
// on in CONTINUE records. A string's length and flags never split; when its
// characters do, the CONTINUE record starts with the flags byte again. EXTSST
// then points at every dsst-th string.
void WorkbookBuilder::writeSharedStrings(Stream &s)
{
    const quint32 unique = quint32(m_strings.size());
    const quint32 perBucket = qMax<quint32>(unique / 128 + 1, 8);
    struct Bucket {
        quint32 streamPos;
        quint16 recordOffset;
    };
    std::vector<Bucket> buckets;
    QByteArray rec;
    rec.reserve(kMaxRecordData);
    quint16 type = kSst;
    auto flush = [&] {
        s.record(type, rec);
        rec.clear();
        type = kContinue;
    };
    Stream head;
    head.u32(m_textCells);
    head.u32(unique);
    rec.append(head.bytes);
    for (quint32 i = 0; i < unique; ++i) {
        const QString &text = m_strings[i];
        const bool wide = needsWideChars(text);
        const int charSize = wide ? 2 : 1;
        if (rec.size() + 3 + charSize > kMaxRecordData)
            flush();
        if (i % perBucket == 0)
            buckets.push_back({quint32(s.pos() + 4 + rec.size()), quint16(4 + rec.size())});
        char len[2];
        qToLittleEndian(quint16(text.size()), len);
        rec.append(len, 2);
        rec.append(char(wide ? 1 : 0));
        qsizetype done = 0;
        while (done < text.size()) {
            const qsizetype room = (kMaxRecordData - rec.size()) / charSize;
            if (room == 0) {
                flush();
                rec.append(char(wide ? 1 : 0));
                continue;
            }
            const qsizetype n = qMin(room, text.size() - done);
            appendChars(rec, text, done, n, wide);
            done += n;
        }
    }
    flush();

    s.header(kExtSst, 2 + int(buckets.size()) * 8);
    s.u16(quint16(perBucket));
    for (const Bucket &b : buckets) {
        s.u32(b.streamPos);
        s.u16(b.recordOffset);
        s.u16(0);
    }
}

void WorkbookBuilder::writeRowRecord(Stream &s, const RowPlan &plan)
{
    const auto &heights = m_sheet.rowHeights();
    const auto it = heights.find(plan.row);
    quint16 height = kDefaultRowTwips;
    quint32 flags = 0x00000100 | (quint32(kDefaultCellXf) << 16);
    if (it != heights.end()) {
        if (it->second == 0)
            flags |= 0x20; // hidden
        else
            height = quint16(qBound(2, it->second, kMaxRowTwips));
        flags |= 0x40; // height set by hand
    }
    s.header(kRow, 16);
    s.u16(quint16(plan.row - 1));
    s.u16(quint16(plan.firstColumn ? plan.firstColumn - 1 : 0));
    s.u16(quint16(plan.firstColumn ? plan.lastColumn : 0));
    s.u16(height);
    s.u16(0);
    s.u16(0);
    s.u32(flags);
}

void WorkbookBuilder::writeRowCells(Stream &s, int row, std::size_t *nextText)
{
    const auto &cells = m_sheet.rowCells(row);
    const quint16 rw = quint16(row - 1);
    const int count = int(cells.size());
    int c = 0;
    while (c < count) {
        const SheetCell &cell = cells[c];
        if (!isWritten(cell)) {
            ++c;
            continue;
        }
        quint32 rk = 0;
        if (cell.kind() == SheetCell::Text) {
            s.header(kLabelSst, 10);
            s.u16(rw);
            s.u16(quint16(c));
            s.u16(xfOf(cell.format()));
            s.u32(m_textIndices[(*nextText)++]);
            ++c;
        } else if (cell.kind() == SheetCell::Number && !toRk(cell.number(), &rk)) {
            s.header(kNumber, 14);
            s.u16(rw);
            s.u16(quint16(c));
            s.u16(xfOf(cell.format()));
            s.f64(cell.number().toDouble());
            ++c;
        } else if (cell.kind() == SheetCell::Number) {
            int end = c + 1;
            quint32 ignored;
            while (end < count && cells[end].kind() == SheetCell::Number && toRk(cells[end].number(), &ignored))
                ++end;
            if (end - c == 1) {
                s.header(kRk, 10);
                s.u16(rw);
                s.u16(quint16(c));
                s.u16(xfOf(cell.format()));
                s.u32(rk);
            } else {
                s.header(kMulRk, 6 + 6 * (end - c));
                s.u16(rw);
                s.u16(quint16(c));
                for (int i = c; i < end; ++i) {
                    quint32 v = 0;
                    toRk(cells[i].number(), &v);
                    s.u16(xfOf(cells[i].format()));
                    s.u32(v);
                }
                s.u16(quint16(end - 1));
            }
            c = end;
        } else {
            int end = c + 1;
            while (end < count && !cells[end].hasValue() && isWritten(cells[end]))
                ++end;
            if (end - c == 1) {
                s.header(kBlank, 6);
                s.u16(rw);
                s.u16(quint16(c));
                s.u16(xfOf(cell.format()));
            } else {
                s.header(kMulBlank, 6 + 2 * (end - c));
                s.u16(rw);
                s.u16(quint16(c));
                for (int i = c; i < end; ++i)
                    s.u16(xfOf(cells[i].format()));
                s.u16(quint16(end - 1));
            }
            c = end;
        }
    }
}

void WorkbookBuilder::writeSheet(Stream &s)
{
    s.header(kBof, 16);
    s.u16(0x0600);
    s.u16(0x0010); // worksheet
    s.u16(0x0DBB);
    s.u16(0x07CC);
    s.u32(0);
    s.u32(0x06);

    // Row blocks of 32 rows; INDEX lists the DBCELL record that ends each.
    std::vector<std::pair<std::size_t, std::size_t>> blocks; // [first, end) into m_rows
    for (std::size_t i = 0; i < m_rows.size();) {
        const int block = (m_rows[i].row - 1) / kRowsPerBlock;
        std::size_t end = i + 1;
        while (end < m_rows.size() && (m_rows[end].row - 1) / kRowsPerBlock == block)
            ++end;
        blocks.emplace_back(i, end);
        i = end;
    }
    s.header(kIndex, 16 + 4 * int(blocks.size()));
    s.u32(0);
    s.u32(m_rows.empty() ? 0 : quint32(m_rows.front().row - 1));
    s.u32(m_rows.empty() ? 0 : quint32(m_rows.back().row));
    const qint64 defColWidthAt = s.pos();
    s.u32(0);
    const qint64 dbCellsAt = s.pos();
    for (std::size_t i = 0; i < blocks.size(); ++i)
        s.u32(0);

    s.header(kDefaultRowHeight, 4);
    s.u16(0);
    s.u16(kDefaultRowTwips);

    s.patch32(defColWidthAt, quint32(s.pos()));
    s.header(kDefColWidth, 2);
    s.u16(8);

    const int widthColumns = qMin(m_sheet.widthColumnCount(), XlsWriter::kMaxColumns);
    for (int c = 1; c <= widthColumns;) {
        if (!m_sheet.hasColumnWidth(c)) {
            ++c;
            continue;
        }
        const int twips = m_sheet.ColumnWidth(c);
        int last = c;
        while (last + 1 <= widthColumns && m_sheet.hasColumnWidth(last + 1) && m_sheet.ColumnWidth(last + 1) == twips)
            ++last;
        s.header(kColInfo, 12);
        s.u16(quint16(c - 1));
        s.u16(quint16(last - 1));
        s.u16(quint16(XlsWriter::excelColumnWidth(twips)));
        s.u16(kDefaultCellXf);
        s.u16(twips == 0 ? 0x0003 : 0x0002); // hidden; width set by hand
        s.u16(0);
        c = last + 1;
    }

    s.header(kDimensions, 14);
    s.u32(m_firstCellRow ? quint32(m_firstCellRow - 1) : 0);
    s.u32(quint32(m_lastCellRow));
    s.u16(m_firstCellColumn ? quint16(m_firstCellColumn - 1) : 0);
    s.u16(quint16(m_lastCellColumn));
    s.u16(0);

    std::size_t nextText = 0;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const auto [first, end] = blocks[b];
        const qint64 blockStart = s.pos();
        for (std::size_t i = first; i < end; ++i)
            writeRowRecord(s, m_rows[i]);
        const qint64 firstRowEnd = blockStart + 20;
        std::vector<qint64> cellStarts;
        cellStarts.reserve(end - first);
        for (std::size_t i = first; i < end; ++i) {
            cellStarts.push_back(s.pos());
            if (m_rows[i].firstColumn)
                writeRowCells(s, m_rows[i].row, &nextText);
        }
        const qint64 dbCell = s.pos();
        s.header(kDbCell, 4 + 2 * int(cellStarts.size()));
        s.u32(quint32(dbCell - blockStart));
        for (std::size_t i = 0; i < cellStarts.size(); ++i)
            s.u16(quint16(cellStarts[i] - (i == 0 ? firstRowEnd : cellStarts[i - 1])));
        s.patch32(dbCellsAt + qint64(4 * b), quint32(dbCell));
    }

    s.header(kWindow2, 18);
    // Zeros, default header colour, outline symbols, selected, active; grid
    // lines and headings as the sheet shows them (the file has one switch for
    // both headings).
    quint16 window = 0x06B0;
    if (m_sheet.ShowGridLines())
        window |= 0x0002;
    if (m_sheet.ShowRowHeadings() || m_sheet.ShowColumnHeadings())
        window |= 0x0004;
    s.u16(window);
    s.u16(0);  // top row
    s.u16(0);  // left column
    s.u16(64); // header colour
    s.u16(0);
    s.u16(0); // page break preview zoom: default
    s.u16(0); // normal zoom: default
    s.u32(0);

    s.header(kEof, 0);
}

// --- compound document ---

constexpr quint32 kFreeSector = 0xFFFFFFFF;
constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr quint32 kFatSector = 0xFFFFFFFD;
constexpr quint32 kDifatSector = 0xFFFFFFFC;
constexpr quint32 kNoStream = 0xFFFFFFFF;
constexpr int kSectorSize = 512;
constexpr int kMiniSectorSize = 64;
constexpr qint64 kMiniStreamCutoff = 4096;
constexpr int kIdsPerSector = kSectorSize / 4;
constexpr int kHeaderFatEntries = 109;

quint32 sectorsFor(qint64 bytes, int size)
{
    return quint32((bytes + size - 1) / size);
}

void directoryEntry(Stream &d, const QString &name, quint8 type, quint32 child, quint32 start, quint32 size)
{
    const qint64 at = d.pos();
    for (QChar c : name)
        d.u16(c.unicode());
    d.bytes.append(QByteArray(64 - int(d.pos() - at), '\0'));
    d.u16(name.isEmpty() ? 0 : quint16((name.size() + 1) * 2));
    d.u8(type);
    d.u8(name.isEmpty() ? 0 : 1); // black
    d.u32(kNoStream);             // left sibling
    d.u32(kNoStream);             // right sibling
    d.u32(child);
    d.bytes.append(QByteArray(16 + 4 + 8 + 8, '\0')); // class id, state, times
    d.u32(start);
    d.u32(size);
    d.u32(0);
}

// Lays the workbook stream out as a compound document: header, FAT sectors,
// DIFAT sectors (when the FAT has more sectors than the header lists), the
// directory, the mini FAT and then the stream's sectors. A stream below 4096
// bytes lives in the mini stream, in 64-byte sectors.
QByteArray compoundDocumentHead(const QByteArray &stream, quint32 *streamSectors)
{
    const qint64 length = stream.size();
    const bool mini = length < kMiniStreamCutoff;
    const quint32 miniSectors = mini ? sectorsFor(length, kMiniSectorSize) : 0;
    const quint32 miniFatSectors = mini ? sectorsFor(miniSectors, kIdsPerSector) : 0;
    *streamSectors =
        mini ? sectorsFor(qint64(miniSectors) * kMiniSectorSize, kSectorSize) : sectorsFor(length, kSectorSize);
    const quint32 dataSectors = 1 + miniFatSectors + *streamSectors;

    quint32 fatSectors = 1, difatSectors = 0;
    for (;;) {
        const quint32 total = fatSectors + difatSectors + dataSectors;
        const quint32 fat = sectorsFor(total, kIdsPerSector);
        const quint32 difat = fat > kHeaderFatEntries ? sectorsFor(fat - kHeaderFatEntries, kIdsPerSector - 1) : 0;
        if (fat == fatSectors && difat == difatSectors)
            break;
        fatSectors = fat;
        difatSectors = difat;
    }
    const quint32 firstDifat = fatSectors;
    const quint32 directory = fatSectors + difatSectors;
    const quint32 firstMiniFat = directory + 1;
    const quint32 firstStream = firstMiniFat + miniFatSectors;

    std::vector<quint32> fat(std::size_t(fatSectors) * kIdsPerSector, kFreeSector);
    for (quint32 i = 0; i < fatSectors; ++i)
        fat[i] = kFatSector;
    for (quint32 i = 0; i < difatSectors; ++i)
        fat[firstDifat + i] = kDifatSector;
    fat[directory] = kEndOfChain;
    auto chain = [&](quint32 first, quint32 count) {
        for (quint32 i = 0; i < count; ++i)
            fat[first + i] = i + 1 < count ? first + i + 1 : kEndOfChain;
    };
    chain(firstMiniFat, miniFatSectors);
    chain(firstStream, *streamSectors);

    Stream out;
    out.bytes.reserve(qsizetype(firstStream) * kSectorSize + kSectorSize);
    // Header.
    out.bytes.append("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    out.bytes.append(QByteArray(16, '\0')); // class id
    out.u16(0x003E);                        // minor version
    out.u16(0x0003);                        // major version 3: 512-byte sectors
    out.u16(0xFFFE);                        // little-endian
    out.u16(9);                             // sector size 2^9
    out.u16(6);                             // mini sector size 2^6
    out.bytes.append(QByteArray(6, '\0'));
    out.u32(0); // directory sectors: always 0 in version 3
    out.u32(fatSectors);
    out.u32(directory);
    out.u32(0); // transactions not used
    out.u32(quint32(kMiniStreamCutoff));
    out.u32(miniFatSectors ? firstMiniFat : kEndOfChain);
    out.u32(miniFatSectors);
    out.u32(difatSectors ? firstDifat : kEndOfChain);
    out.u32(difatSectors);
    for (quint32 i = 0; i < kHeaderFatEntries; ++i)
        out.u32(i < fatSectors ? i : kFreeSector);
    Q_ASSERT(out.pos() == kSectorSize);

    for (quint32 entry : fat)
        out.u32(entry);

    // DIFAT sectors: the FAT sectors the header could not list, 127 a sector,
    // each sector ending with the next DIFAT sector.
    quint32 listed = kHeaderFatEntries;
    for (quint32 d = 0; d < difatSectors; ++d) {
        for (int i = 0; i < kIdsPerSector - 1; ++i, ++listed)
            out.u32(listed < fatSectors ? listed : kFreeSector);
        out.u32(d + 1 < difatSectors ? firstDifat + d + 1 : kEndOfChain);
    }

    directoryEntry(out, QStringLiteral("Root Entry"), 5, 1, mini ? firstStream : kEndOfChain,
                   mini ? miniSectors * kMiniSectorSize : 0);
    directoryEntry(out, QStringLiteral("Workbook"), 2, kNoStream, mini ? 0 : firstStream, quint32(length));
    directoryEntry(out, QString(), 0, kNoStream, 0, 0);
    directoryEntry(out, QString(), 0, kNoStream, 0, 0);

    if (mini) {
        std::vector<quint32> miniFat(std::size_t(miniFatSectors) * kIdsPerSector, kFreeSector);
        for (quint32 i = 0; i < miniSectors; ++i)
            miniFat[i] = i + 1 < miniSectors ? i + 1 : kEndOfChain;
        for (quint32 entry : miniFat)
            out.u32(entry);
    }
    Q_ASSERT(out.pos() == qint64(firstStream + 1) * kSectorSize);
    return out.bytes;
}

} // namespace

int XlsWriter::excelColumnWidth(int twips)
{
    // Sheet pixels (15 twips each) to Excel's 1/256 character of Arial 10,
    // whose digits are 7 pixels wide and whose columns have 5 pixels of margin:
    // the width Excel shows as that many pixels.
    constexpr double digit = 7.0;
    const int pixels = twipsToPixels(twips);
    if (pixels <= 0)
        return 0;
    const double characters = std::floor((pixels - 5) / digit * 100.0 + 0.5) / 100.0;
    const int width = int(std::floor((qMax(0.0, characters) * digit + 5.0) / digit * 256.0));
    return qMin(width, 255 * 256);
}

SaveResult XlsWriter::save(const Sheet &sheet, const QString &path)
{
    SaveResult result;
    QByteArray stream;
    WorkbookBuilder builder(sheet);
    if (!builder.build(&stream, &result.error))
        return result;

    quint32 streamSectors = 0;
    const QByteArray head = compoundDocumentHead(stream, &streamSectors);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = tr("Cannot write %1: %2").arg(path, file.errorString());
        return result;
    }
    const qint64 padding = qint64(streamSectors) * kSectorSize - stream.size();
    if (file.write(head) != head.size() || file.write(stream) != stream.size()
        || file.write(QByteArray(padding, '\0')) != padding) {
        result.error = tr("Cannot write %1: %2").arg(path, file.errorString());
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.error = tr("Cannot write %1: %2").arg(path, file.errorString());
        return result;
    }
    result.ok = true;
    return result;
}
