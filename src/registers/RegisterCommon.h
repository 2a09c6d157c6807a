#pragma once
// What every register window shares: how a refused entry and a refused write reach
// the user, one write action, codes shown with their digits, and entry fields that
// hold no more than their column and turn letters into capitals. Codes typed are
// read by the one whole-number reader (core/WholeNumber).

#include "db/DbError.h"
#include "db/UnitLogon.h"
#include "core/AmountReader.h"
#include "core/Decimal.h"

#include <QDate>
#include <QVariant>

#include <QString>
#include <functional>
#include <optional>
#include <stdexcept>

class QLineEdit;

// An entry the register refuses before anything is written; its text is shown in
// the message window ("ATENÇÃO", one Ok).
class EntryError : public std::runtime_error {
public:
    explicit EntryError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

namespace registers {

// Runs one write of a register. A refused entry shows its message, a statement the
// database refuses shows the database's message in the standard error box (text
// the database cannot store gets the plain sentence), any other failure its own
// text in the same box; either way nothing is reported as done and false comes
// back, so the window keeps what was typed.
bool attempt(const std::function<void()>& work);

// The code with at least `digits` digits ("000042", "03").
QString paddedCode(qint64 code, int digits);

// A typed date (dd/mm/yy or dd/mm/yyyy); blank gives a null date. Refused with
// EntryError naming the field.
QDate dateOf(const QString& text, const QString& caption);
// A typed amount that fits NUMERIC(15,3) (registers::readNumber); blank gives 0.
// Refused with EntryError naming the field.
Decimal amountOf(const QString& text, const QString& caption);

// The field takes at most the column's width (db/Schema: schema::textWidth).
void limitToColumn(QLineEdit* edit, const char* table, const char* column);
// The field turns letters into capitals, or into small letters, as they are typed.
void upperCaseField(QLineEdit* edit);
void lowerCaseField(QLineEdit* edit);
// An amount or quantity field: a point typed becomes the decimal comma.
void commaForPointField(QLineEdit* edit);

// A text the database receives, read by the one text reader (readText: pasted tabs
// and line ends go); NULL when blank, as the table components wrote it.
QVariant textOrNull(const QString& text);
QVariant dateOrNull(const QDate& date);

// An amount read from the database (NUMERIC and the older FLOAT columns); NULL is 0.
Decimal amountFrom(const QVariant& value);
// An amount as a field shows it ("1500,00").
using ::amountText;
// A date as a field shows it ("05/03/2024"); empty for none.
QString dateText(const QDate& date);

} // namespace registers
