#pragma once
// How the stock windows read what is typed and show it back: the one reader of
// amounts and quantities, dates typed dd/mm/yy, and their texts.

#include "core/AmountReader.h"
#include "core/Decimal.h"

#include <QDate>
#include <QString>
#include <optional>

class QLineEdit;

namespace stock {

// A number typed with the decimal comma ("12,5", blanks around it), within what the
// NUMERIC columns hold. nullopt: blank, not a number, or out of range.
std::optional<Decimal> readAmount(const QString& text);

// True when the number fits the NUMERIC columns (twelve whole digits).
bool fitsColumns(const Decimal& value);

// True when the text holds nothing but blanks.
bool isBlank(const QString& text);

// A date typed dd/mm/yy (or dd/mm/yyyy); nullopt when it is blank or no date.
std::optional<QDate> readDate(const QString& text);
// True when a date field holds no digit ("  /  /  " of an empty masked field).
bool isBlankDate(const QString& text);
QString dateText(const QDate& date);   // "05/03/24"; empty for none

// Money as the fields show it, "0.00" with the decimal comma: "6,00".
inline QString moneyText(const Decimal& value) { return amountText(value); }
// A quantity as the fields show it: up to three decimals, "2,5", "10".
using ::quantityText;


} // namespace stock
