#pragma once
// What the payables, the account book and the staff vouchers read from their
// entry fields: amounts of money and dates as typed, and the field set-up that
// goes with them.

#include "core/AmountReader.h"
#include "core/Decimal.h"

#include <QDate>
#include <QString>
#include <optional>

class QLineEdit;

namespace typed {

// An amount typed in a money field: blanks around it, the decimal comma (a point
// typed on a comma station counts as the comma), at most two decimals, not
// negative and below one trillion. nullopt for anything else, a blank field
// included.
std::optional<Decimal> amount(const QString& text);
// An amount as a money field shows it: "1500,00" (no thousands point).
using ::amountText;

// A date typed in a dd/mm/yy field ("05/03/24"; a four-digit year is read too).
struct Date {
    enum Kind { Blank, Invalid, Valid };
    Kind kind = Blank;
    QDate value;   // Valid only
};
Date date(const QString& text);
// A date as a dd/mm/yy field shows it; empty for none.
QString dateText(const QDate& date);

// A dd/mm/yy field: the mask with blanks ("  /  /  " when empty); the space bar
// empties it.
void dateField(QLineEdit* edit);
// A money field: the point typed enters the comma.
void amountField(QLineEdit* edit);

} // namespace typed
