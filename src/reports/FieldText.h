#pragma once
// A value read from the database in its standard text form, as the back office
// writes it to a CSV file and shows it in a plain grid: integers in digits, other
// numbers with every significant decimal, the decimal comma and no thousands point,
// dates dd/mm/yy, timestamps dd/mm/yy hh:mm:ss, times hh:mm:ss, texts as stored,
// a null value as nothing.
#include <QString>
#include <QVariant>

namespace finance {

QString fieldText(const QVariant& value);

} // namespace finance
