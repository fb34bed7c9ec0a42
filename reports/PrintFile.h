#pragma once
#include "Decimal.h"
#include "TextFile.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <array>
#include <functional>

class Sheet;

// The fixed-width page file the print spooler takes: 72-line pages of five
// padded fields, the spooler's literal style codes around titles, headings
// and totals, CR LF line ends, Windows-1252 bytes.

// One line of the body: five field texts as the sheet shows them. Fields 4
// and 5 are amounts unless the document says they are text.
struct PrintLine {
    enum Kind { Body, Total };
    std::array<QString, 5> fields;
    Kind kind = Body;
};

// Fields 4 and 5: an amount prints "0.00" and is summed into the page total;
// a text (an invoice number) prints as it stands and is never summed.
enum class PrintField { Amount, Text };

// What a print holds, taken from the sheet through a report's mapping.
struct PrintDocument {
    std::array<QString, 3> titles;
    std::array<QString, 5> headings;
    QVector<PrintLine> lines;
    std::array<PrintField, 2> lastFields{PrintField::Amount, PrintField::Amount};
};

// How a report lays its sheet onto the five printed fields. The default is
// the plain rule: sheet columns 1 to 5, the body ending at the first row whose
// column 6 is empty, "gtot" in column 6 marking a total row.
struct PrintMapping {
    enum RowKind { Body, Total, Skip, End };
    std::array<int, 5> columns{1, 2, 3, 4, 5};
    std::array<PrintField, 2> lastFields{PrintField::Amount, PrintField::Amount}; // fields 4 and 5
    std::function<RowKind(const Sheet &, int row)> rowKind;
    // Changes a printed line's fields where a report's text would not fit.
    std::function<void(const Sheet &, int row, PrintLine &)> adjust;
};

PrintMapping::RowKind markerColumnRowKind(const Sheet &sheet, int row);

// The print of a list under unit headings: a row with a running number in
// column 1 is a line, a row whose column 2 begins with `totalLabel` (which
// begins with "Total ") the total, other rows with a text in column 2 are
// headings printed as lines, empty rows are passed over. The total prints
// "Total" in the first field and the label's rest with the count in the
// second, where the whole label would not fit.
PrintMapping unitListPrintMapping(const std::array<int, 5> &columns, const QString &totalLabel);

// Rows 1 to 3 of column 1, the headings of row 4 and the body from row 5 to
// the sheet's RowCount, as the mapping reads them.
PrintDocument printDocumentFromSheet(const Sheet &sheet, const PrintMapping &mapping);

// The bytes of the print file.
QByteArray printFileBytes(const PrintDocument &doc);

// "0.00" for a text that reads as a number; any other text unchanged.
QString amountText(const QString &text);

// The print file of the program: "tb.prn" in the program folder.
QString printFilePath();
// Writes the bytes atomically; false (nothing left open) on any failure.
bool writePrintFile(const QString &path, const QByteArray &bytes);
// The spooler beside the program; empty when it is missing.
QString spoolerPath();
