#pragma once

#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

// An amount or quantity with four decimals: a signed count of ten-thousandths.
// Every operation rounds to the nearest ten-thousandth with halves to even.
class Money {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(std::int64_t tenThousandths) { return Money(tenThousandths); }
    static constexpr Money fromInt(std::int64_t whole) { return Money(whole * Scale); }
    // Float fields of the database hold amounts; they are read back to the nearest unit.
    static Money fromDouble(double value);
    // Parses "1234.5", "-0.25", "1,234.50" (blanks around are allowed); nullopt when not a number.
    static std::optional<Money> parse(const QString& text);

    constexpr std::int64_t units() const { return m_units; }
    double toDouble() const { return double(m_units) / Scale; }
    bool isZero() const { return m_units == 0; }
    bool isNegative() const { return m_units < 0; }

    Money operator+(Money o) const { return Money(m_units + o.m_units); }
    Money operator-(Money o) const { return Money(m_units - o.m_units); }
    Money operator-() const { return Money(-m_units); }
    Money& operator+=(Money o) { m_units += o.m_units; return *this; }
    Money& operator-=(Money o) { m_units -= o.m_units; return *this; }
    Money operator*(Money o) const;       // product rounded to four decimals
    Money operator/(Money o) const;       // quotient rounded to four decimals; divisor must not be zero
    Money operator*(std::int64_t n) const { return Money(m_units * n); }
    Money percent(Money rate) const;      // this * rate / 100, rounded once
    Money rounded(int decimals) const;    // half-to-even at 0..4 decimals

    constexpr auto operator<=>(const Money&) const = default;

    // "###,###,##0.00"-style: thousands separators, fixed decimals, '-' in front when negative.
    QString format(int decimals = 2, bool groupThousands = true) const;
    // "0.00" without separators, as amounts are passed to BahtText.
    QString plain(int decimals = 2) const { return format(decimals, false); }

private:
    constexpr explicit Money(std::int64_t units) : m_units(units) {}
    std::int64_t m_units = 0;
};

// Division of a 128-bit numerator rounding half to even; shared by the operators above.
std::int64_t divideHalfEven(__int128 numerator, __int128 denominator);
