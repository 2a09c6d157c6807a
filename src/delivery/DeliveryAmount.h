#pragma once
// Amounts and quantities as the delivery windows read and show them: a decimal
// comma, a typed point turned into a comma, two decimals shown.
#include "core/AmountReader.h"
#include "core/Decimal.h"

#include <QString>
#include <optional>

class QLineEdit;

namespace delivery {

// A typed amount ("12,50"); nullopt when the text is not a number or is too large
// for the database's amount columns (NUMERIC(15,3)).
std::optional<Decimal> readAmount(const QString& text);
// An amount shown with two decimals and the comma ("12,50").
using ::amountText;

} // namespace delivery
