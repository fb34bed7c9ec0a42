#include <array>
#include "PrintFile.h"
#include "Desktop.h"
#include "Sheet.h"
#include "TextFile.h"
#include "mdlVelmora.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

constexpr int kPageLines = 72;
constexpr int kLastBodyCount = 59; // a row found past this count opens a new page
constexpr int kFooterPadTo = 70;
constexpr std::array<int, 5> kWidths{10, 21, 21, 12, 12};
constexpr std::array<char, 5> kAlignments{'L', 'L', 'L', 'R', 'R'};

QString rule()
{
    return QString(80, u'-');
}

// A number text split into its parts: sign, whole digits, decimal digits.
struct NumberText {
    bool negative = false;
    QString whole;
    QString fraction;
};

// Reads the number at the start of a text (leading blanks, a sign, digits with
// at most one point); with `whole` set the rest of the text may hold blanks only.
bool readNumberText(const QString &text, bool whole, NumberText *out)
{
    int pos = 0;
    const int n = int(text.size());
    while (pos < n && text[pos].isSpace())
        ++pos;
    NumberText t;
    if (pos < n && (text[pos] == u'-' || text[pos] == u'+'))
        t.negative = text[pos++] == u'-';
    bool point = false;
    for (; pos < n; ++pos) {
        const QChar c = text[pos];
        if (c.unicode() >= '0' && c.unicode() <= '9')
            (point ? t.fraction : t.whole) += c;
        else if (c == u'.' && !point)
            point = true;
        else
            break;
    }
    while (whole && pos < n && text[pos].isSpace())
        ++pos;
    if (t.whole.isEmpty() && t.fraction.isEmpty())
        return false;
    if (whole && pos != n)
        return false;
    *out = t;
    return true;
}

// The printed sums of a page: the leading numbers of column texts, added in a
// range far beyond any page, so that a column of long numbers sums exactly.
class PageSum {
public:
    void add(const QString &text)
    {
        NumberText t;
        if (!readNumberText(text, false, &t))
            return;
        QString digits = t.whole;
        while (digits.size() > 1 && digits.startsWith(u'0'))
            digits.remove(0, 1);
        if (digits.size() > kWholeDigits)
            throw DecimalOverflow();
        __int128 units = 0;
        for (QChar c : digits)
            units = units * 10 + (c.unicode() - '0');
        const QString fraction = (t.fraction.left(Decimal::kScale)).leftJustified(Decimal::kScale, u'0');
        for (QChar c : fraction)
            units = units * 10 + (c.unicode() - '0');
        m_units += t.negative ? -units : units;
        if (m_units > kLimit || m_units < -kLimit)
            throw DecimalOverflow();
    }
    bool isZero() const { return m_units == 0; }
    QString text() const
    {
        // Rounded once, half away from zero, to the cent.
        constexpr __int128 step = Decimal::kUnit / 100;
        const bool negative = m_units < 0;
        __int128 cents = (negative ? -m_units : m_units) / step;
        if ((negative ? -m_units : m_units) % step * 2 >= step)
            ++cents;
        QString digits;
        for (__int128 v = cents; v > 0; v /= 10)
            digits.prepend(QChar(u'0' + int(v % 10)));
        digits = digits.rightJustified(3, u'0');
        digits.insert(digits.size() - 2, u'.');
        return negative && cents != 0 ? u'-' + digits : digits;
    }

private:
    static constexpr int kWholeDigits = 30;
    static constexpr __int128 kLimit = __int128(1000000000000000000LL) * 1000000000000000000LL * 10;
    __int128 m_units = 0;
};

class PageWriter {
public:
    explicit PageWriter(const PrintDocument &doc) : m_doc(doc) {}

    QByteArray run()
    {
        header();
        int count = 6;
        std::array<PageSum, 2> sums;
        for (const PrintLine &line : m_doc.lines) {
            if (count > kLastBodyCount) {
                footer(count, sums);
                header();
                count = 6;
            }
            if (line.kind == PrintLine::Total) {
                write(rule());
                write(QStringLiteral("\\D") + fields(line.fields, true) + QStringLiteral("\\d"));
                count += 2;
            } else {
                write(fields(line.fields, true));
                for (int i = 0; i < 2; ++i)
                    if (isAmount(i))
                        sums[i].add(line.fields[3 + i]);
                count += 1;
            }
        }
        footer(count, {});
        return m_out;
    }

private:
    void write(const QString &line)
    {
        m_out += toWindows1252(line);
        m_out += "\r\n";
    }

    static QString pad(const QString &text, int width, char alignment)
    {
        return PadText(printableText(text), width, alignment == 'R' ? QStringLiteral("R") : QStringLiteral("L"));
    }

    bool isAmount(int lastField) const { return m_doc.lastFields[lastField] == PrintField::Amount; }

    QString fields(const std::array<QString, 5> &values, bool amounts) const
    {
        QString line;
        for (int i = 0; i < 5; ++i) {
            if (i > 0)
                line += u' ';
            const QString v = amounts && i >= 3 && isAmount(i - 3) ? amountText(values[i]) : values[i];
            line += pad(v, kWidths[i], kAlignments[i]);
        }
        return line;
    }

    void header()
    {
        write(QStringLiteral("\\E\\D") + pad(m_doc.titles[0], 40, 'L') + QStringLiteral("\\e\\d"));
        write(QStringLiteral("\\E\\C") + pad(m_doc.titles[1], 40, 'L') + QStringLiteral("\\e\\c"));
        write(QStringLiteral("\\D\\C") + pad(m_doc.titles[2], 136, 'L') + QStringLiteral("\\d\\c"));
        write(rule());
        write(QStringLiteral("\\D") + fields(m_doc.headings, false) + QStringLiteral("\\d"));
        write(rule());
    }

    void footer(int count, const std::array<PageSum, 2> &sums)
    {
        write(rule());
        // The page total stands when every amount field has a sum; a text
        // field's place in it stays blank.
        bool anyAmount = false, allNonZero = true;
        QString totals[2];
        for (int i = 0; i < 2; ++i) {
            if (!isAmount(i))
                continue;
            anyAmount = true;
            allNonZero = allNonZero && !sums[i].isZero();
            totals[i] = sums[i].text();
        }
        if (anyAmount && allNonZero) {
            write(QStringLiteral("\\D") + pad(QStringLiteral("Page Total"), 10, 'L') + u' ' + QString(21, u' ') + u' '
                  + QString(21, u' ') + u' ' + pad(totals[0], 12, 'R') + u' ' + pad(totals[1], 12, 'R')
                  + QStringLiteral("\\d"));
            write(rule());
        } else {
            write(QString());
            write(QString());
        }
        write(QString());
        write(QString());
        write(pad(QStringLiteral("Circulation Manager   "), 80, 'R'));
        count += 4;
        while (count < kFooterPadTo) {
            write(QString());
            ++count;
        }
    }

    const PrintDocument &m_doc;
    QByteArray m_out;
};

} // namespace

QString amountText(const QString &text)
{
    // Worked on the digits themselves: a number of any length prints as it
    // reads, rounded once to the cent.
    NumberText t;
    if (!readNumberText(text, true, &t))
        return text;
    QString whole = t.whole;
    while (whole.size() > 1 && whole.startsWith(u'0'))
        whole.remove(0, 1);
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    QString cents = whole + t.fraction.left(2).leftJustified(2, u'0');
    if (t.fraction.size() > 2 && t.fraction[2] >= u'5') {
        int i = int(cents.size()) - 1;
        while (i >= 0 && cents[i] == u'9')
            cents[i--] = u'0';
        if (i < 0)
            cents.prepend(u'1');
        else
            cents[i] = QChar(cents[i].unicode() + 1);
    }
    const bool zero = cents.count(u'0') == cents.size();
    cents.insert(cents.size() - 2, u'.');
    return t.negative && !zero ? u'-' + cents : cents;
}

PrintMapping::RowKind markerColumnRowKind(const Sheet &sheet, int row)
{
    const QString marker = sheet.CellText(row, 6);
    if (marker.isEmpty())
        return PrintMapping::End;
    return marker == u"gtot" ? PrintMapping::Total : PrintMapping::Body;
}

PrintMapping unitListPrintMapping(const std::array<int, 5> &columns, const QString &totalLabel)
{
    PrintMapping m;
    m.columns = columns;
    m.rowKind = [totalLabel](const Sheet &s, int row) {
        if (!s.CellText(row, 1).isEmpty())
            return PrintMapping::Body;
        const QString label = s.CellText(row, 2);
        if (label.isEmpty())
            return PrintMapping::Skip;
        return label.startsWith(totalLabel) ? PrintMapping::Total : PrintMapping::Body;
    };
    m.adjust = [totalLabel](const Sheet &, int, PrintLine &line) {
        const QString word = QStringLiteral("Total ");
        if (line.kind == PrintLine::Total && line.fields[1].startsWith(totalLabel)) {
            line.fields[0] = word.trimmed();
            line.fields[1] = line.fields[1].mid(word.size());
        }
    };
    return m;
}

PrintDocument printDocumentFromSheet(const Sheet &sheet, const PrintMapping &mapping)
{
    PrintDocument doc;
    doc.lastFields = mapping.lastFields;
    for (int r = 0; r < 3; ++r)
        doc.titles[r] = sheet.CellText(r + 1, 1);
    for (int i = 0; i < 5; ++i)
        doc.headings[i] = sheet.CellText(4, mapping.columns[i]);
    const int last = sheet.RowCount();
    for (int row = 5; row <= last; ++row) {
        const PrintMapping::RowKind kind =
            mapping.rowKind ? mapping.rowKind(sheet, row) : markerColumnRowKind(sheet, row);
        if (kind == PrintMapping::End)
            break;
        if (kind == PrintMapping::Skip)
            continue;
        PrintLine line;
        line.kind = kind == PrintMapping::Total ? PrintLine::Total : PrintLine::Body;
        for (int i = 0; i < 5; ++i)
            line.fields[i] = sheet.CellText(row, mapping.columns[i]);
        if (mapping.adjust)
            mapping.adjust(sheet, row, line);
        doc.lines.append(line);
    }
    return doc;
}

QByteArray printFileBytes(const PrintDocument &doc)
{
    return PageWriter(doc).run();
}

QString printFilePath()
{
    return QDir(programFolder()).filePath(QStringLiteral("tb.prn"));
}

bool writePrintFile(const QString &path, const QByteArray &bytes)
{
    return writeFileAtomically(path, bytes).ok;
}

QString spoolerPath()
{
    // The spooler is installed beside the program; the program folder may be
    // the per-user fallback, so the executable's own folder is asked too.
    const QString name = QStringLiteral("didevadeduv");
    for (const QString &folder : {programFolder(), QCoreApplication::applicationDirPath()}) {
        if (folder.isEmpty())
            continue;
        const QFileInfo info(QDir(folder).filePath(name));
        if (info.isFile() && info.isExecutable())
            return info.absoluteFilePath();
    }
    return QString();
}
