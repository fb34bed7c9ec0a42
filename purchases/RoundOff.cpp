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
