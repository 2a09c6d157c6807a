#pragma once
// The one reader of a whole number typed into a field or kept in a settings file:
// every code, number and quantity of the program that is whole reads its text here.
//
//   "42"  " 007 "     42, 7     blanks, tabs and line ends around are ignored
//   "-5"              -5        only where the rules take negatives (least below 0)
//   "+5" "- 5"        refused   no other sign, nothing between the sign and the digits
//   "0x10" "$1F"      refused   no hexadecimal: "0x10" is no invoice 16
//   "1e3" "1.000" "12,0" "1 2"  refused
//   "١٢" "１２"        refused   plain ASCII digits only
//   beyond the rules' limits (an INTEGER column's by default) refused
//
// It never throws: whatever is typed, the answer is a number within the rules or
// nothing, and the field does what it does with a text that is no number.
//
//   const std::optional<int> code = readInt(edit->text());
//   const qint64 phone = readWhole(text, WholeRules::upTo(99'999'999'999)).value_or(0);
#include <QStringView>

#include <QtGlobal>

#include <limits>
#include <optional>

struct WholeRules {
    qint64 least = 0;            // the smallest number taken; below 0: "-5" is read
    qint64 most = INT32_MAX;     // the largest number taken

    // 0 up to an INTEGER column's largest: codes, numbers and counts.
    static WholeRules code() { return {}; }
    // Either sign, within an INTEGER column.
    static WholeRules anySign() { return {INT32_MIN, INT32_MAX}; }
    // 0 up to a larger limit (telephone numbers, BIGINT keys).
    static WholeRules upTo(qint64 largest) { return {0, largest}; }
    WholeRules from(qint64 smallest) const { WholeRules r = *this; r.least = smallest; return r; }
};

// The number, or nullopt for any text the rules do not take.
std::optional<qint64> readWhole(QStringView text, const WholeRules& rules = WholeRules::code());
// The same reader for the many fields that hold an int: the rules' limits are kept
// within an int's.
std::optional<int> readInt(QStringView text, const WholeRules& rules = WholeRules::code());
