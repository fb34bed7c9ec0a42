#pragma once
#include <QHash>
#include <QString>

// What the clerk hears when a text is longer than the column that keeps it.
// The boxes and cells take no more than their columns, so only a text that
// grew on its way (capitals) or a column narrowed meanwhile gets this far.
inline const QString kTextTooLong = QStringLiteral("The text is longer than the database can store.   ");

// Whether the text, trimmed as the saves store it, fits `column` of
// `lengths` (as Database::columnLengths reads them), counted in characters
// as the server counts them. A column without a known length takes any text.
bool fitsColumn(const QHash<QString, int> &lengths, const char *column, const QString &text);
