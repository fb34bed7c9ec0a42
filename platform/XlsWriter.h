#pragma once
#include "SaveResult.h"
#include <QString>

class Sheet;

// Writes a sheet as an Excel 97-2003 workbook (.xls): BIFF8 records in an OLE2
// compound document, one worksheet named "Sheet1".
//
// What the file holds: every cell with a value (text as text, numbers as
// numbers) and every empty cell whose format shows without a value (a border
// or a fill); fonts, borders, fills, alignment and number formats of those
// cells; column widths and hidden columns; row heights; whether grid lines and
// headings show. Empty cells that only carry a font, an alignment or a number
// format are not written, so leftover formats below the data do not make the
// file longer.
//
// Column widths are twips on the sheet (15 twips a pixel); in the file they
// become Excel's unit, 1/256 of a character of the default font (Arial 10, a
// character 7 pixels wide), rounded so that Excel shows the same pixel width.
//
// A sheet whose content lies beyond row 65,536 or column 256 is refused with a
// message and nothing is written: the file never holds part of a sheet.
class XlsWriter {
public:
    static constexpr int kMaxRows = 65536;
    static constexpr int kMaxColumns = 256;
    // An .xls cell holds at most this many characters.
    static constexpr int kMaxTextLength = 32767;

    // Writes atomically: an existing file at `path` is replaced only when the
    // whole workbook was written.
    static SaveResult save(const Sheet &sheet, const QString &path);

    // Excel's stored column width (1/256 of a character) for a width in twips.
    static int excelColumnWidth(int twips);
};
