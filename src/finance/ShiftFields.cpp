#include "finance/ShiftFields.h"

namespace shiftfields {

std::optional<int> wholeNumber(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 9)
        return std::nullopt;
    for (const QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    return t.toInt();
}

} // namespace shiftfields
