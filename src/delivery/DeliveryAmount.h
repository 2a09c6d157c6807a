#pragma once
// Amounts and quantities as the delivery windows read and show them: a decimal
// comma, a typed point turned into a comma, two decimals shown.
#include "core/AmountReader.h"
#include "core/Decimal.h"

#include <QString>
#include <optional>
#include <vector>

class QLineEdit;

namespace delivery {

// A typed amount ("12,50"); nullopt when the text is not a number or is too large
// for the database's amount columns (NUMERIC(15,3)).
std::optional<Decimal> readAmount(const QString& text);
// An amount shown with two decimals and the comma ("12,50").
using ::amountText;

// What a delivery sale books of the amounts the customer hands over, in the same
// order: each as handed over, the first less the change (what they come to beyond
// the total), so that the booked amounts add up to the total; what is handed over
// beyond it is change, never a booked amount. nullopt when the change is more than
// the first amount. Amounts short of the total are booked as they are.
std::optional<std::vector<Decimal>> bookedAmounts(const Decimal& total, const std::vector<Decimal>& handedOver);

} // namespace delivery
