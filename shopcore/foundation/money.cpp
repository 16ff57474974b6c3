#include "money.h"

#include <cmath>

std::int64_t divideHalfEven(__int128 numerator, __int128 denominator) {
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    __int128 q = numerator / denominator;
    __int128 r = numerator % denominator;
    if (r != 0) {
        const __int128 twice = (r < 0 ? -r : r) * 2;
        const int sign = numerator < 0 ? -1 : 1;
        if (twice > denominator || (twice == denominator && (q % 2 != 0)))
            q += sign;
    }
    return static_cast<std::int64_t>(q);
}

Money Money::fromDouble(double value) {
    // nearbyint rounds half to even in the default rounding mode.
    return Money(static_cast<std::int64_t>(std::nearbyint(value * Scale)));
}

std::optional<Money> Money::parse(const QString& text) {
    QString t = text.trimmed();
    t.remove(QLatin1Char(','));
    if (t.isEmpty())
        return std::nullopt;
    bool negative = false;
    int i = 0;
    if (t[0] == QLatin1Char('-') || t[0] == QLatin1Char('+')) {
        negative = t[0] == QLatin1Char('-');
        i = 1;
    }
    __int128 whole = 0;
    __int128 frac = 0;
    __int128 fracScale = 1;
    int digits = 0;
    bool point = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == QLatin1Char('.') && !point) {
            point = true;
            continue;
        }
        if (!c.isDigit() || c.unicode() > '9')
            return std::nullopt;
        ++digits;
        const int d = c.unicode() - '0';
        if (!point) {
            whole = whole * 10 + d;
            if (whole > __int128(INT64_MAX / Scale))
                return std::nullopt;
        } else if (fracScale < __int128(1'000'000'000'000'000'000)) {
            frac = frac * 10 + d;
            fracScale *= 10;
        }
    }
    if (digits == 0)
        return std::nullopt;
    __int128 units = whole * Scale + divideHalfEven(frac * Scale, fracScale);
    return Money(static_cast<std::int64_t>(negative ? -units : units));
}

Money Money::operator*(Money o) const {
    return Money(divideHalfEven(__int128(m_units) * o.m_units, Scale));
}

Money Money::operator/(Money o) const {
    return Money(divideHalfEven(__int128(m_units) * Scale, o.m_units));
}

Money Money::percent(Money rate) const {
    return Money(divideHalfEven(__int128(m_units) * rate.m_units, __int128(Scale) * 100));
}

Money Money::rounded(int decimals) const {
    std::int64_t step = 1;
    for (int i = decimals; i < 4; ++i)
        step *= 10;
    return Money(divideHalfEven(m_units, step) * step);
}

QString Money::format(int decimals, bool groupThousands) const {
    const Money r = rounded(decimals);
    std::int64_t abs = r.m_units < 0 ? -r.m_units : r.m_units;
    const std::int64_t whole = abs / Scale;
    std::int64_t frac = abs % Scale;
    for (int i = decimals; i < 4; ++i)
        frac /= 10;
    QString digits = QString::number(whole);
    if (groupThousands) {
        for (int pos = digits.size() - 3; pos > 0; pos -= 3)
            digits.insert(pos, QLatin1Char(','));
    }
    QString out = r.m_units < 0 ? QStringLiteral("-") + digits : digits;
    if (decimals > 0)
        out += QLatin1Char('.') + QString::number(frac).rightJustified(decimals, QLatin1Char('0'));
    return out;
}
