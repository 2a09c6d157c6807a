#pragma once
// What the windows of the sales and account reports share: the range of cash
// numbers with its picker buttons, the period fields, the print button's hint, and
// running a report so that a field that cannot be read shows its message and a
// failing database or printer the standard error box, the window staying open.
#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QWidget;
class TLogon;

namespace reportwindow {

// Digits only; Enter moves from the first to the last and from the last to `next`;
// each picker button puts in the shift chosen in the cash-shift picker; a picker
// closed without a choice leaves the field as it was and says the number is invalid.
void shiftRange(TLogon& logon, QLineEdit* first, QAbstractButton* pickFirst, QLineEdit* last,
                QAbstractButton* pickLast, QWidget* next);

// dd/mm/yy fields preset to the first of the month of `today` and `today`; Enter
// moves from the first to the last and from the last to `next`.
void period(QLineEdit* first, QLineEdit* last, const QDate& today, QWidget* next);

// The customer search: the chosen customer's code into `code`, the focus there;
// false when the search was closed without a choice.
bool pickCustomer(TLogon& logon, QLineEdit* code);

// The texts of a list's items (tests, the windows' accessors).
QStringList items(const QComboBox* combo);

// Enter in a list moves the focus to `next`, as in the entry fields.
void enterMovesFromList(QComboBox* list, QWidget* next);

// The hint of the reports' print buttons.
void printHint(QAbstractButton* button);

// Runs a report: a field refused (ShiftFieldRefused) shows its message; a database
// error shows `databaseMessage` in the message window when one is given, else the
// standard error box, as any other failure does. True when the report ran through.
bool run(const std::function<void()>& report, const QString& databaseMessage = QString());

} // namespace reportwindow
