#include "RoundOff.h"
#include "InvoiceEntryWindow.h"

namespace RoundOff {

Decimal limit()
{
    return Decimal::fromInt(10);
}

QString message()
{
    return QStringLiteral("You Are allowed to Round Off Upto Rs 10 Only  ");
}

bool allowed(const Decimal &amount)
{
    return !amount.isNegative() && amount <= limit();
}

bool addsUp(const Decimal &grand, std::initializer_list<Decimal> parts, const Decimal &plus, const Decimal &minus)
{
    if (!allowed(plus) || !allowed(minus))
        return false;
    try {
        Decimal sum = plus.rounded(2) - minus.rounded(2);
        for (const Decimal &d : parts)
            sum += d.rounded(2);
        return grand.rounded(2) == sum;
    } catch (const DecimalOverflow &) {
        return false;
    }
}

void guard(InvoiceWindowConfig &config, const QString &plusBox, const QString &minusBox)
{
    for (InvoiceBox &b : config.boxes) {
        if (b.name == plusBox || b.name == minusBox) {
            b.limit = limit();
            b.limitMessage = message();
        }
    }
    for (const QString &box : {plusBox, minusBox})
        config.saveChecks.append({box, InvoiceCheck::Test::Above, message(), box, limit()});
}

} // namespace RoundOff
