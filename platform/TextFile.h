#pragma once
#include "SaveResult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Single-byte Windows-1252 text and files written whole, for the files other
// programs take in (the print spooler, phone-suite contact files).

// The Windows-1252 byte of a character, or -1 when the code page has none.
int windows1252Byte(char32_t cp);

// One byte a character: a character the code page lacks, including one beyond
// 16 bits, becomes one "?".
QByteArray toWindows1252(const QString &text);

// Text as one byte a character: characters Windows-1252 lacks become "?", a
// character beyond 16 bits counts as one, and control characters (a line
// break or tab inside a cell) become blanks so that no cell can break the
// line or page it is written on.
QString printableText(const QString &text);

// Writes the bytes atomically (QSaveFile): the file is either replaced whole
// or left as it was. The error text says what failed.
SaveResult writeFileAtomically(const QString &path, const QByteArray &bytes);

// Writes the lines as Windows-1252 text, each ended by CR LF, atomically.
SaveResult writeCrLfTextFile(const QString &path, const QStringList &lines);
