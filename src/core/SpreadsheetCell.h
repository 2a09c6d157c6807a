#pragma once
// The one writer of a value into a cell of a CSV file a spreadsheet opens: the CSV
// export's three lists and every page report's spreadsheet export.
//
//   "=HYPERLINK(...)" "+1+1" "-2+3+cmd|' /C calc'!A0" "@SUM(A1)"  and a value that
//   begins with a tab or a carriage return: written after an apostrophe
//   ("'=HYPERLINK(...)"), so the spreadsheet shows the text and never runs it
//   "-12,50" "-1.234,56" "-7"   a number stays a number (digits, points and one
//                               comma after the minus): a negative amount column
//                               still adds up in the spreadsheet
//   a value holding ";", a double quote, CR or LF goes in double quotes with its own
//   double quotes doubled (the apostrophe inside them), so it comes back whole;
//   every other value is written as it is.
#include <QString>

QString spreadsheetCell(const QString& value);
