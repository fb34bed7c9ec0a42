#include "TextFile.h"

#include <QDir>
#include <QSaveFile>

namespace {

// Windows-1252 bytes 0x80 to 0x9F that stand for characters outside Latin-1.
struct HighByte {
    char16_t ch;
    unsigned char byte;
};
constexpr HighByte kHighBytes[] = {
    {u'\u20AC', 0x80}, {u'\u201A', 0x82}, {u'\u0192', 0x83}, {u'\u201E', 0x84}, {u'\u2026', 0x85}, {u'\u2020', 0x86},
    {u'\u2021', 0x87}, {u'\u02C6', 0x88}, {u'\u2030', 0x89}, {u'\u0160', 0x8A}, {u'\u2039', 0x8B}, {u'\u0152', 0x8C},
    {u'\u017D', 0x8E}, {u'\u2018', 0x91}, {u'\u2019', 0x92}, {u'\u201C', 0x93}, {u'\u201D', 0x94}, {u'\u2022', 0x95},
    {u'\u2013', 0x96}, {u'\u2014', 0x97}, {u'\u02DC', 0x98}, {u'\u2122', 0x99}, {u'\u0161', 0x9A}, {u'\u203A', 0x9B},
    {u'\u0153', 0x9C}, {u'\u017E', 0x9E}, {u'\u0178', 0x9F},
};

} // namespace

int windows1252Byte(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return int(cp);
    for (const HighByte &h : kHighBytes)
        if (h.ch == cp)
            return h.byte;
    return -1;
}

QByteArray toWindows1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (char32_t cp : text.toUcs4()) {
        const int b = windows1252Byte(cp);
        out += b >= 0 ? char(b) : '?';
    }
    return out;
}

QString printableText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (char32_t cp : text.toUcs4()) {
        if (cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp < 0xA0))
            out += u' ';
        else if (windows1252Byte(cp) >= 0)
            out += QChar(char16_t(cp));
        else
            out += u'?';
    }
    return out;
}

SaveResult writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QString shown = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, QStringLiteral("Cannot write %1: %2").arg(shown, file.errorString())};
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, QStringLiteral("Cannot write %1: %2").arg(shown, reason)};
    }
    if (!file.commit())
        return {false, QStringLiteral("Cannot write %1: %2").arg(shown, file.errorString())};
    return {true, QString()};
}

SaveResult writeCrLfTextFile(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += toWindows1252(line);
        bytes += "\r\n";
    }
    return writeFileAtomically(path, bytes);
}
