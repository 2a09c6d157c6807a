#include "core/WholeNumber.h"

#include "core/uMensagem.h"

#include <algorithm>

std::optional<qint64> readWhole(QStringView typed, const WholeRules& rules)
{
    const QStringView text = trimmedView(typed);
    qsizetype b = 0;
    const qsizetype e = text.size();
    if (b == e)
        return std::nullopt;
    const bool negative = text[b] == u'-';
    if (negative) {
        if (rules.least >= 0)
            return std::nullopt;
        ++b;
    }
    if (b == e)
        return std::nullopt;
    // The magnitude, stopped as soon as it passes what the rules take on its side.
    const quint64 bound = negative ? 0 - static_cast<quint64>(rules.least)
                                         : static_cast<quint64>(std::max<qint64>(rules.most, 0));
    quint64 value = 0;
    for (qsizetype i = b; i < e; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const quint64 digit = c - u'0';
        if (value > bound / 10)
            return std::nullopt;
        value *= 10;
        if (digit > bound - value)
            return std::nullopt;
        value += digit;
    }
    const qint64 v = negative ? static_cast<qint64>(0 - value) : static_cast<qint64>(value);
    if (v < rules.least || v > rules.most)
        return std::nullopt;
    return v;
}

std::optional<int> readInt(QStringView text, const WholeRules& rules)
{
    WholeRules r = rules;
    r.least = std::max<qint64>(r.least, INT32_MIN);
    r.most = std::min<qint64>(r.most, INT32_MAX);
    const std::optional<qint64> v = readWhole(text, r);
    return v ? std::optional<int>(int(*v)) : std::nullopt;
}
