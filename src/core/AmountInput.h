#pragma once
// The one reader of an amount typed in a back-office field ("12,50"). The fields
// turn a typed point into the decimal comma; a text that still holds a point and
// no comma reads the point as the comma.
#include "core/Decimal.h"

#include <QString>
#include <optional>

namespace finance {

// nullopt when the text is not a number, has more than two decimals or is too
// large for an amount whose column the program adds up (AmountRules::column()).
std::optional<Decimal> readAmount(const QString& text);

} // namespace finance
