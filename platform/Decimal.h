#pragma once
#include <QString>
#include <QMetaType>
#include <compare>
#include <cstdint>

// Exact decimal for amounts, weights, rates and quantities: a whole number of
// millionths (range about +-9.2 million million). Never goes through floating point.
class Decimal {
public:
    static constexpr int kScale = 6;
    static constexpr std::int64_t kUnit = 1'000'000;

    constexpr Decimal() = default;
    static constexpr Decimal fromUnits(std::int64_t units)
    {
        Decimal d;
        d.m_units = units;
        return d;
    }
    static constexpr Decimal fromInt(std::int64_t whole) { return fromUnits(whole * kUnit); }

    // The number the text begins with: leading blanks skipped, an optional sign,
    // digits with at most one point; reading stops at the first character that
    // cannot continue the number. Empty or non-numeric text is 0. Digits beyond
    // the sixth decimal are rounded half away from zero.
    static Decimal fromText(const QString &text);
    // Strict parse: the whole text (blanks around allowed) must be a number.
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

    Decimal operator-() const { return fromUnits(-m_units); }
    Decimal operator+(Decimal o) const { return fromUnits(m_units + o.m_units); }
    Decimal operator-(Decimal o) const { return fromUnits(m_units - o.m_units); }
    Decimal operator*(Decimal o) const;
    // Division rounded half away from zero at the sixth decimal; division by zero gives 0.
    Decimal operator/(Decimal o) const;
    Decimal &operator+=(Decimal o)
    {
        m_units += o.m_units;
        return *this;
    }
    Decimal &operator-=(Decimal o)
    {
        m_units -= o.m_units;
        return *this;
    }
    auto operator<=>(const Decimal &) const = default;
    bool operator==(const Decimal &) const = default;

private:
    std::int64_t m_units = 0;
};

Q_DECLARE_METATYPE(Decimal)
