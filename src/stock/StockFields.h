#pragma once
// How the stock windows read what is typed and show it back: the one reader of
// amounts and quantities, and the texts of numbers and dates.

#include "core/AmountReader.h"
#include "core/Decimal.h"

#include <QDate>
#include <QString>
#include <optional>

class QLineEdit;

namespace stock {

// A number typed with the decimal comma ("12,5", blanks around it), within what the
// NUMERIC columns' sums hold. nullopt: blank, not a number, or out of range.
std::optional<Decimal> readAmount(const QString& text);

// True when the number is one the NUMERIC columns' sums hold (AmountRules::column()).
bool fitsColumns(const Decimal& value);

// True when the text holds nothing but blanks.
bool isBlank(const QString& text);

// Dates are read by core/DateReader; shown back as "05/03/24" (empty for none).
QString dateText(const QDate& date);   // "05/03/24"; empty for none

// Money as the fields show it, "0.00" with the decimal comma: "6,00".
inline QString moneyText(const Decimal& value) { return amountText(value); }
// A quantity as the fields show it: up to three decimals, "2,5", "10".
using ::quantityText;


} // namespace stock
