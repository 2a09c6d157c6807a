#pragma once
// What the payables, the account book and the staff vouchers read from their
// entry fields: amounts of money as typed, and the set-up of their amount and
// date fields.

#include "core/AmountReader.h"
#include "core/Decimal.h"

#include <QDate>
#include <QString>
#include <optional>

class QLineEdit;

namespace typed {

// An amount typed in a money field: blanks around it, the decimal comma (a point
// typed on a comma station counts as the comma), at most two decimals, not
// negative and below one billion (AmountRules::column()). nullopt for anything else, a blank field
// included.
std::optional<Decimal> amount(const QString& text);
// An amount as a money field shows it: "1500,00" (no thousands point).
using ::amountText;

// A date as a dd/mm/yy field shows it; empty for none (core/DateReader reads it).
QString dateText(const QDate& date);

// A dd/mm/yy field: the mask with blanks ("  /  /  " when empty); the space bar
// empties it.
void dateField(QLineEdit* edit);
// A money field: the point typed enters the comma.
void amountField(QLineEdit* edit);

} // namespace typed
