#include "core/AmountInput.h"

#include "core/AmountReader.h"

#include <stdexcept>

namespace finance {

std::optional<Decimal> readAmount(const QString& text)
{
    return ::readAmount(text, AmountRules::column().asStrToFloat().pointAsComma().atMostDecimals(2));
}

} // namespace finance
