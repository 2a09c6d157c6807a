#pragma once
// The one reader of a date typed into a field, as a Brazilian station writes it:
// every date field of the program reads its text here, and a text that is no date
// is refused, never taken for today.
//
//   "05/03/24"  "5/3/2024"  5 March 2024   day and month of one or two digits, the
//                                          year of two (00-49: 2000s, 50-99: 1900s)
//                                          or four; blanks around the parts ignored
//   "05/03"                 the current year
//   "" "  /  /  " "__/__/__"  blank        nothing typed in a masked field
//   "31/02/26" "29/02/25" "15/13/26" "00/03/26" "05/03/" "05-03-24" "5/3/245"
//                           no date
//
// It never throws; the window says its message for a date that is no date.
//
//   const TypedDate d = readDate(ui->dateEdit->text());
//   if (!d.isDate()) ...refuse with the window's message, write nothing
#include <QDate>
#include <QString>
#include <QStringView>

struct TypedDate {
    enum class Kind { Blank, NoDate, Date };
    Kind kind = Kind::Blank;
    QDate date;   // valid only for Kind::Date

    bool isBlank() const { return kind == Kind::Blank; }
    bool isDate() const { return kind == Kind::Date; }
    // Neither blank nor a date: the field's refusal.
    bool isNoDate() const { return kind == Kind::NoDate; }
};

TypedDate readDate(QStringView text);

// The conversion error's words for a text that is no date: "'31/02/26' não é uma
// data válida" (the reports that show it after their own sentence).
QString notADateText(const QString& text);
