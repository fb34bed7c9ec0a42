#include "Decimal.h"

namespace {

using i128 = __int128;

i128 divRound128(i128 num, i128 den)
{
    if (den == 0)
        return 0;
    bool neg = (num < 0) != (den < 0);
    i128 a = num < 0 ? -num : num;
    i128 b = den < 0 ? -den : den;
    i128 q = a / b;
    if ((a % b) * 2 >= b)
        ++q;
    return neg ? -q : q;
}

std::int64_t checked(i128 v)
{
    if (v > i128(INT64_MAX) || v < i128(INT64_MIN))
        throw DecimalOverflow();
    return std::int64_t(v);
}

std::int64_t divRound(i128 num, i128 den)
{
    return checked(divRound128(num, den));
}

// Reads sign, digits and one point from `pos`; returns false when no digit was seen.
bool readNumber(const QString &t, int pos, bool requireAll, Decimal *out)
{
    const int n = t.size();
    bool neg = false;
    if (pos < n && (t[pos] == u'-' || t[pos] == u'+')) {
        neg = t[pos] == u'-';
        ++pos;
    }
    i128 whole = 0;
    i128 frac = 0;
    int fracDigits = 0;
    bool sawDigit = false;
    bool tooLarge = false;
    bool sawPoint = false;
    for (; pos < n; ++pos) {
        const QChar c = t[pos];
        if (c.isDigit() && c.unicode() < 128) {
            sawDigit = true;
            int v = c.unicode() - '0';
            if (!sawPoint) {
                if (whole < i128(1) << 100)
                    whole = whole * 10 + v;
                else
                    tooLarge = true;
            } else if (fracDigits < Decimal::kScale) {
                frac = frac * 10 + v;
                ++fracDigits;
            }
        } else if (c == u'.' && !sawPoint) {
            sawPoint = true;
        } else {
            break;
        }
    }
    if (requireAll) {
        while (pos < n && t[pos].isSpace())
            ++pos;
        if (pos != n || !sawDigit)
            return false;
    }
    for (int i = fracDigits; i < Decimal::kScale; ++i)
        frac *= 10;
    i128 units = whole * Decimal::kUnit + frac;
    if (tooLarge)
        throw DecimalOverflow();
    *out = Decimal::fromUnits(checked(neg ? -units : units));
    return sawDigit;
}

} // namespace

QString Decimal::overflowMessage()
{
    return QStringLiteral("The number is too large.   ");
}

Decimal Decimal::fromText(const QString &text)
{
    int pos = 0;
    while (pos < text.size() && text[pos].isSpace())
        ++pos;
    Decimal d;
    if (!readNumber(text, pos, false, &d))
        return Decimal();
    return d;
}

bool Decimal::tryParse(const QString &text, Decimal *out)
{
    int pos = 0;
    while (pos < text.size() && text[pos].isSpace())
        ++pos;
    Decimal d;
    try {
        if (!readNumber(text, pos, true, &d))
            return false;
    } catch (const DecimalOverflow &) {
        return false;
    }
    if (out)
        *out = d;
    return true;
}

Decimal Decimal::rounded(int decimals) const
{
    if (decimals >= kScale)
        return *this;
    if (decimals < 0)
        decimals = 0;
    std::int64_t step = 1;
    for (int i = decimals; i < kScale; ++i)
        step *= 10;
    return fromUnits(checked(divRound128(m_units, step) * step));
}

QString Decimal::toText(int decimals) const
{
    if (decimals < 0)
        decimals = 0;
    if (decimals > kScale)
        decimals = kScale;
    // Rounded in 128 bits: showing a number at the edge of the range must not throw.
    std::int64_t step = 1;
    for (int i = decimals; i < kScale; ++i)
        step *= 10;
    const i128 r = divRound128(m_units, step) * step;
    const bool neg = r < 0;
    const unsigned __int128 a = neg ? (unsigned __int128)(-r) : (unsigned __int128)r;
    QString s = QString::number(std::uint64_t(a / kUnit));
    if (decimals > 0) {
        QString f = QString::number(std::uint64_t(a % kUnit)).rightJustified(kScale, u'0');
        s += u'.' + f.left(decimals);
    }
    return neg ? u'-' + s : s;
}

QString Decimal::toString() const
{
    QString s = toText(kScale);
    if (s.contains(u'.')) {
        while (s.endsWith(u'0'))
            s.chop(1);
        if (s.endsWith(u'.'))
            s.chop(1);
    }
    if (s == u"-0")
        s = QStringLiteral("0");
    return s;
}

Decimal Decimal::operator*(Decimal o) const
{
    return fromUnits(divRound(i128(m_units) * o.m_units, kUnit));
}

Decimal Decimal::operator/(Decimal o) const
{
    return fromUnits(divRound(i128(m_units) * kUnit, o.m_units));
}
