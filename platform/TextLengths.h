#pragma once
#include "Database.h"
#include <QString>

// What the clerk hears when a text is longer than the column that keeps it.
inline const QString kTextTooLong = QStringLiteral("The text is longer than the database can store.   ");

// Tells the clerk, in a critical box, that a text is longer than its column.
void tellTextTooLong();

// The characters of a text as the database counts them: a character outside
// the basic plane (an emoji) is one, though it takes two UTF-16 units.
int characterCount(const QString &text);

// Whether the server refused a text longer than its column.
bool isTextTooLong(const DbError &e);

// What the clerk is shown of a database failure: the server's own words,
// except for a text too long for its column, which is told in ours.
QString clerkText(const DbError &e);

// Runs a save and gives `tooLong` where the server refused a text longer than
// its column; the save's transaction is undone by then. The boxes and cells
// take no more than their columns, so only a text that grew on its way
// (capitals) or a column narrowed meanwhile gets this far, and a save that
// fits pays nothing for the check.
template <typename Result, typename Save> Result refusingTextTooLong(Result tooLong, Save &&save)
{
    try {
        return save();
    } catch (const DbError &e) {
        if (!isTextTooLong(e))
            throw;
    }
    return tooLong;
}
