#include "TextLengths.h"
#include "Ui.h"

int characterCount(const QString &text)
{
    int n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        ++n;
    }
    return n;
}

bool isTextTooLong(const DbError &e)
{
    constexpr int kDataTooLong = 1406;
    return e.code() == kDataTooLong;
}

QString clerkText(const DbError &e)
{
    return isTextTooLong(e) ? kTextTooLong : e.serverText();
}

void tellTextTooLong()
{
    MsgBox(kTextTooLong, MsgButtons::Ok, MsgIcon::Critical);
}
