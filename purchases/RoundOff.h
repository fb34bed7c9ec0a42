#pragma once
#include "Decimal.h"
#include <QString>
#include <initializer_list>

struct InvoiceWindowConfig;

// The round-offs of a purchase bill: each way at most Rs 10, checked as typed,
// as loaded, by Save and by the store.
namespace RoundOff {

Decimal limit();
QString message();
// A round-off a bill may store: neither negative nor above the limit.
bool allowed(const Decimal &amount);
// Whether a bill's stored grand total agrees with its parts: both round-offs
// allowed and `grand` = the `parts` + `plus` - `minus`, each figure to the
// paisa as stored. A figure beyond the decimal range does not agree.
bool addsUp(const Decimal &grand, std::initializer_list<Decimal> parts, const Decimal &plus, const Decimal &minus);
// Puts the limit on the two boxes of the window's settings and appends Save's
// checks of them, plus before minus.
void guard(InvoiceWindowConfig &config, const QString &plusBox, const QString &minusBox);

} // namespace RoundOff
