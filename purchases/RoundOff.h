#pragma once
#include "Decimal.h"
#include <QString>

struct InvoiceWindowConfig;

// The round-offs of a purchase bill: each way at most Rs 10, checked as typed,
// as loaded, by Save and by the store.
namespace RoundOff {

Decimal limit();
QString message();
// A round-off a bill may store: neither negative nor above the limit.
bool allowed(const Decimal &amount);
// Puts the limit on the two boxes of the window's settings and appends Save's
// checks of them, plus before minus.
void guard(InvoiceWindowConfig &config, const QString &plusBox, const QString &minusBox);

} // namespace RoundOff
