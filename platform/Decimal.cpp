#include "Decimal.h"

namespace {

using i128 = __int128;

std::int64_t divRound(i128 num, i128 den)
{
    if (den == 0)
        return 0;
    bool neg = (num < 0) != (den < 0);
    i128 a = num < 0 ? -num : num;
    i128 b = den < 0 ? -den : den;
    i128 q = a / b;
    if ((a % b) * 2 >= b)
        ++q;
    return std::int64_t(neg ? -q : q);
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
    int roundDigit = -1;
    bool sawDigit = false;
    bool sawPoint = false;
    for (; pos < n; ++pos) {
        const QChar c = t[pos];
        if (c.isDigit() && c.unicode() < 128) {
            sawDigit = true;
            int v = c.unicode() - '0';
            if (!sawPoint) {
                if (whole < i128(1) << 100)
                    whole = whole * 10 + v;
            } else if (fracDigits < Decimal::kScale) {
                frac = frac * 10 + v;
                ++fracDigits;
            } else if (roundDigit < 0) {
                roundDigit = v;
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
    if (roundDigit >= 5)
        ++units;
    const i128 limit = i128(INT64_MAX);
    if (units > limit)
        units = limit;
    *out = Decimal::fromUnits(std::int64_t(neg ? -units : units));
    return sawDigit;
}

} // namespace

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
    if (!readNumber(text, pos, true, &d))
        return false;
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
    return fromUnits(divRound(m_units, step) * step);
}

QString Decimal::toText(int decimals) const
{
    if (decimals < 0)
        decimals = 0;
    if (decimals > kScale)
        decimals = kScale;
    const std::int64_t r = rounded(decimals).m_units;
    const bool neg = r < 0;
    const std::uint64_t a = neg ? std::uint64_t(-(r + 1)) + 1 : std::uint64_t(r);
    QString s = QString::number(a / kUnit);
    if (decimals > 0) {
        QString f = QString::number(a % kUnit).rightJustified(kScale, u'0');
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
