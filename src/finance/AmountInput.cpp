#include "finance/AmountInput.h"

#include <stdexcept>

namespace finance {

std::optional<Decimal> readAmount(const QString& text)
{
    QString t = text.trimmed();
    if (!t.contains(QLatin1Char(',')) && t.count(QLatin1Char('.')) == 1)
        t.replace(QLatin1Char('.'), QLatin1Char(','));
    std::optional<Decimal> value;
    try {
        value = Decimal::parse(t);
    } catch (const std::overflow_error&) {
        return std::nullopt;
    }
    if (!value || value->roundTo(2) != *value)
        return std::nullopt;
    if (value->abs() >= Decimal(1'000'000'000'000LL))
        return std::nullopt;
    return value;
}

} // namespace finance
