#include "core/Decimal.h"

#include <ostream>

namespace {

using i128 = __int128;

[[noreturn]] void throwOverflow()
{
    throw std::overflow_error("Decimal: valor fora da faixa");
}

std::int64_t narrow(i128 v)
{
    if (v > INT64_MAX || v < INT64_MIN)
        throwOverflow();
    return static_cast<std::int64_t>(v);
}

// n / d rounded half away from zero; d != 0.
i128 divRound(i128 n, i128 d)
{
    i128 q = n / d;
    i128 r = n % d;
    if (r < 0)
        r = -r;
    const i128 ad = d < 0 ? -d : d;
    if (2 * r >= ad)
        q += ((n < 0) != (d < 0)) ? -1 : 1;
    return q;
}

constexpr std::int64_t pow10(int n)
{
    std::int64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// Magnitude as "integer.fraction" with exactly `places` decimals (0..6), sign not included.
QString digitsOf(std::int64_t raw, int places)
{
    const std::uint64_t mag = raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : raw;
    QString s = QString::number(mag / Decimal::kOne);
    if (places > 0) {
        const QString frac = QString::number(mag % Decimal::kOne).rightJustified(Decimal::kScale, u'0');
        s += u'.' + frac.left(places);
    }
    return s;
}

} // namespace

Decimal Decimal::fromCents(std::int64_t cents)
{
    return fromRaw(narrow(i128(cents) * 10'000));
}

Decimal Decimal::fromThousandths(std::int64_t thousandths)
{
    return fromRaw(narrow(i128(thousandths) * 1'000));
}

Decimal Decimal::fromScaled(std::int64_t value, int places)
{
    if (places < 0 || places > 18)
        throw std::domain_error("Decimal: escala fora de 0 a 18");
    if (places <= kScale)
        return fromRaw(narrow(i128(value) * pow10(kScale - places)));
    return fromRaw(narrow(divRound(value, pow10(places - kScale))));
}

std::optional<Decimal> Decimal::parse(QStringView text, QChar decimalSeparator)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && text[i] == u' ')
            ++i;
    };

    skipBlanks();
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';

    // Significant digits, without leading zeros, and how many of them sit after the separator.
    QString digits;
    qsizetype fractionDigits = 0;
    bool anyDigit = false;
    bool seenSeparator = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            anyDigit = true;
            if (!digits.isEmpty() || c != u'0')
                digits += c;
            if (seenSeparator)
                ++fractionDigits;
        } else if (c == decimalSeparator && !seenSeparator) {
            seenSeparator = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return std::nullopt;

    // Exponent: digits are required after the 'E' and its sign.
    std::int64_t exponent = 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        bool expNegative = false;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            expNegative = text[i++] == u'-';
        const qsizetype start = i;
        for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i) {
            if (exponent < 100'000) // further digits cannot change the outcome
                exponent = exponent * 10 + (text[i].unicode() - u'0');
        }
        if (i == start)
            return std::nullopt;
        if (expNegative)
            exponent = -exponent;
    }
    skipBlanks();
    if (i != n)
        return std::nullopt;
    if (digits.isEmpty())
        return Decimal();

    // value = digits * 10^(exponent - fractionDigits); bring it to millionths.
    const std::int64_t shift = exponent - fractionDigits + kScale;
    const qsizetype intLen = digits.size() + shift; // digits that land in the millionths count
    if (intLen > 19)
        throwOverflow();
    i128 raw = 0;
    for (qsizetype k = 0; k < intLen; ++k)
        raw = raw * 10 + (k < digits.size() ? digits[k].unicode() - u'0' : 0);
    // The first dropped digit decides the rounding (half away from zero).
    if (intLen >= 0 && intLen < digits.size() && digits[intLen] >= u'5')
        raw += 1;
    if (negative)
        raw = -raw;
    return fromRaw(narrow(raw));
}

std::optional<Decimal> Decimal::parseSql(QStringView text)
{
    return parse(text, u'.');
}

Decimal Decimal::operator+(const Decimal& o) const
{
    std::int64_t r;
    if (__builtin_add_overflow(m_raw, o.m_raw, &r))
        throwOverflow();
    return fromRaw(r);
}

Decimal Decimal::operator-(const Decimal& o) const
{
    std::int64_t r;
    if (__builtin_sub_overflow(m_raw, o.m_raw, &r))
        throwOverflow();
    return fromRaw(r);
}

Decimal Decimal::operator*(const Decimal& o) const
{
    return fromRaw(narrow(divRound(i128(m_raw) * o.m_raw, kOne)));
}

Decimal Decimal::operator/(const Decimal& o) const
{
    if (o.m_raw == 0)
        throw std::domain_error("Decimal: divisão por zero");
    return fromRaw(narrow(divRound(i128(m_raw) * kOne, o.m_raw)));
}

Decimal Decimal::operator-() const
{
    if (m_raw == INT64_MIN)
        throwOverflow();
    return fromRaw(-m_raw);
}

Decimal Decimal::abs() const
{
    return m_raw < 0 ? -*this : *this;
}

Decimal Decimal::roundTo(int places) const
{
    if (places >= kScale)
        return *this;
    if (places < kScale - 18) // a step beyond 10^12 units rounds every value to zero
        return Decimal();
    const std::int64_t step = pow10(kScale - places);
    return fromRaw(narrow(divRound(m_raw, step) * step));
}

std::int64_t Decimal::cents() const
{
    return narrow(divRound(m_raw, kOne / 100));
}

std::int64_t Decimal::thousandths() const
{
    return narrow(divRound(m_raw, kOne / 1000));
}

QString Decimal::toSqlText() const
{
    const Decimal r = roundTo(3);
    return (r.m_raw < 0 ? QStringLiteral("-") : QString()) + digitsOf(r.m_raw, 3);
}

QString Decimal::toString() const
{
    int places = kScale;
    for (std::int64_t f = m_raw % kOne; places > 0 && f % 10 == 0; f /= 10)
        --places;
    return (m_raw < 0 ? QStringLiteral("-") : QString()) + digitsOf(m_raw, places);
}

std::ostream& operator<<(std::ostream& os, const Decimal& d)
{
    return os << d.toString().toStdString();
}
