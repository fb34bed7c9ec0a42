#pragma once
#include <QString>
#include <QMetaType>
#include <compare>
#include <cstdint>
#include <stdexcept>

// A result beyond the range of Decimal. Thrown instead of wrapping, so a
// product or sum formed from typed values is refused rather than stored wrong.
class DecimalOverflow : public std::overflow_error {
public:
    DecimalOverflow() : std::overflow_error("The number is too large.   ") {}
};

// Exact decimal for amounts, weights, rates and quantities: a whole number of
// millionths (range about +-9.2 million million). Never goes through floating point.
// Every operation that would leave the range throws DecimalOverflow.
class Decimal {
public:
    static constexpr int kScale = 6;
    static constexpr std::int64_t kUnit = 1'000'000;

    // What the clerk is told when a number leaves the range.
    static QString overflowMessage();

    constexpr Decimal() = default;
    static constexpr Decimal fromUnits(std::int64_t units)
    {
        Decimal d;
        d.m_units = units;
        return d;
    }
    static constexpr Decimal fromInt(std::int64_t whole)
    {
        std::int64_t units = 0;
        if (__builtin_mul_overflow(whole, kUnit, &units))
            throw DecimalOverflow();
        return fromUnits(units);
    }

    // The number the text begins with: leading blanks skipped, an optional sign,
    // digits with at most one point; reading stops at the first character that
    // cannot continue the number. Empty or non-numeric text is 0. Digits beyond
    // the sixth decimal are dropped, not rounded: the one rounding happens where
    // the value is shown or stored (no column holds more than three decimals),
    // so 0.0049999999 stays below half a hundredth. A number beyond the range
    // throws DecimalOverflow.
    static Decimal fromText(const QString &text);
    // Strict parse: the whole text (blanks around allowed) must be a number
    // within the range.
    static bool tryParse(const QString &text, Decimal *out);

    std::int64_t units() const { return m_units; }
    bool isZero() const { return m_units == 0; }
    bool isNegative() const { return m_units < 0; }

    // Rounded half away from zero to the given number of decimals.
    Decimal rounded(int decimals) const;
    // Fixed text with exactly `decimals` places, rounded half away from zero ("0.00").
    QString toText(int decimals) const;
    // Shortest exact text: no trailing zeros after the point, no point for whole numbers.
    QString toString() const;
    // Whole part, truncated towards zero.
    std::int64_t truncated() const { return m_units / kUnit; }
    // For display widgets that insist on a double; never for arithmetic.
    double toDouble() const { return double(m_units) / double(kUnit); }

    Decimal operator-() const
    {
        std::int64_t r = 0;
        if (__builtin_sub_overflow(std::int64_t(0), m_units, &r))
            throw DecimalOverflow();
        return fromUnits(r);
    }
    Decimal operator+(Decimal o) const
    {
        std::int64_t r = 0;
        if (__builtin_add_overflow(m_units, o.m_units, &r))
            throw DecimalOverflow();
        return fromUnits(r);
    }
    Decimal operator-(Decimal o) const
    {
        std::int64_t r = 0;
        if (__builtin_sub_overflow(m_units, o.m_units, &r))
            throw DecimalOverflow();
        return fromUnits(r);
    }
    Decimal operator*(Decimal o) const;
    // Division rounded half away from zero at the sixth decimal; division by zero gives 0.
    Decimal operator/(Decimal o) const;
    Decimal &operator+=(Decimal o) { return *this = *this + o; }
    Decimal &operator-=(Decimal o) { return *this = *this - o; }
    auto operator<=>(const Decimal &) const = default;
    bool operator==(const Decimal &) const = default;

private:
    std::int64_t m_units = 0;
};

Q_DECLARE_METATYPE(Decimal)
