#pragma once

#include <QString>
#include <QStringView>

#include <compare>
#include <concepts>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <stdexcept>

// Exact fixed-point decimal number used for every amount and quantity.
// The value is held as a signed count of millionths (six decimal places).
// Results that do not fit throw std::overflow_error; division by zero throws
// std::domain_error. Rounding is always half away from zero.
class Decimal {
public:
    static constexpr int kScale = 6;
    static constexpr std::int64_t kOne = 1'000'000;

    constexpr Decimal() = default;

    // Whole units: Decimal(3) is 3.000000. Implicit so that "price * 3" reads naturally.
    template <std::integral T>
        requires(!std::same_as<T, bool> && !std::same_as<T, char>)
    constexpr Decimal(T units) : m_raw(checkedUnits(static_cast<std::int64_t>(units)))
    {
        if constexpr (std::unsigned_integral<T> && sizeof(T) >= sizeof(std::int64_t)) {
            if (units > static_cast<T>(INT64_MAX))
                throw std::overflow_error("Decimal: valor fora da faixa");
        }
    }

    static constexpr Decimal fromRaw(std::int64_t millionths)
    {
        Decimal d;
        d.m_raw = millionths;
        return d;
    }
    static Decimal fromCents(std::int64_t cents);
    static Decimal fromThousandths(std::int64_t thousandths);
    // value × 10^-places, as the database keeps a NUMERIC (12345 with 2 places is
    // 123,45; places from 0 to 18); more than six places are rounded. std::overflow_error when it does
    // not fit: a sum read back past 9.223.372.036.854 never wraps into another number.
    static Decimal fromScaled(std::int64_t value, int places);

    // Reads a number the way Delphi's StrToFloat does: blanks around it,
    // optional sign, digits with at most one decimal separator, optional
    // exponent ("1,5E2"). No thousands separators. More than six decimals are
    // rounded. nullopt when the text is not a number; std::overflow_error when
    // it is one but does not fit.
    static std::optional<Decimal> parse(QStringView text, QChar decimalSeparator = u',');
    // Point-separated database text such as "12.500" or "-0.250".
    static std::optional<Decimal> parseSql(QStringView text);

    constexpr std::int64_t raw() const { return m_raw; }

    Decimal operator+(const Decimal& o) const;
    Decimal operator-(const Decimal& o) const;
    Decimal operator*(const Decimal& o) const;
    Decimal operator/(const Decimal& o) const;
    Decimal operator-() const;
    Decimal& operator+=(const Decimal& o) { return *this = *this + o; }
    Decimal& operator-=(const Decimal& o) { return *this = *this - o; }
    Decimal& operator*=(const Decimal& o) { return *this = *this * o; }
    Decimal& operator/=(const Decimal& o) { return *this = *this / o; }

    constexpr auto operator<=>(const Decimal&) const = default;
    constexpr bool operator==(const Decimal&) const = default;

    // Rounded to the given number of decimal places (negative: tens, hundreds...).
    Decimal roundTo(int places) const;
    Decimal abs() const;
    constexpr bool isZero() const { return m_raw == 0; }
    constexpr bool isNegative() const { return m_raw < 0; }
    constexpr bool isWhole() const { return m_raw % kOne == 0; }

    std::int64_t cents() const;        // rounded to 2 places
    std::int64_t thousandths() const;  // rounded to 3 places
    constexpr std::int64_t truncToInt() const { return m_raw / kOne; }

    // Three decimals and a point, as SQL literals need: "1234.500", "-0.250".
    QString toSqlText() const;
    // All significant decimals with a point, for logs and test output: "-12.05".
    QString toString() const;

private:
    static constexpr std::int64_t checkedUnits(std::int64_t units)
    {
        if (units > INT64_MAX / kOne || units < INT64_MIN / kOne)
            throw std::overflow_error("Decimal: valor fora da faixa");
        return units * kOne;
    }

    std::int64_t m_raw = 0;
};

std::ostream& operator<<(std::ostream& os, const Decimal& d);
