#include "TextLengths.h"

bool isTextTooLong(const DbError &e)
{
    constexpr int kDataTooLong = 1406;
    return e.code() == kDataTooLong;
}
