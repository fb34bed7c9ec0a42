#include "TextLengths.h"
#include <QLatin1String>

bool fitsColumn(const QHash<QString, int> &lengths, const char *column, const QString &text)
{
    const auto length = lengths.constFind(QLatin1String(column));
    // A character outside the Basic Multilingual Plane is two QChars but one character to the server.
    return length == lengths.cend() || text.trimmed().toUcs4().size() <= *length;
}
