#pragma once
// The one reader of a number typed into a field or kept in a settings file, as a
// Brazilian station writes it: every amount, quantity, percentage and price box
// of the program reads its text here.
//
//   "1.234,56"  1234.56   points group thousands (1 to 3 digits, then groups of 3)
//                         in a number with a comma
//   "12,5"      12.5      the comma is the decimal separator
//   ",5" "5,"   0.5, 5    as the stations have always typed them
//   "-3"        -3        when the rules take negatives
//   "12.5"      12.5      only with pointAsComma(): one point and no comma stands
//                         for the comma (the fields that turn a typed "." into
//                         ","), so "1.234" is 1,234 there; without it a point
//                         with no comma is refused ("1.234" could mean either)
//   "1E30"      refused   no exponents (unless the rules take them: asStrToFloat())
//   blanks around are ignored; anything else (letters, "1 2", "1,2,3",
//   "12.5.1") is not a number.
//
// It never throws: a text too large for the field's limit, or for any amount at
// all, is refused like any other text that is not a number, and the field does
// what it does with such a text (resets to "0", says its message).
//
//   const auto v = readAmount(box->text(), AmountRules::money().pointAsComma());
//   if (!v) box->setText("0");
//   const Decimal q = readAmount(text, AmountRules::quantity()).value_or(Decimal(1));
//
// Where the field's message depends on why the text was refused (empty, not a
// number, negative, too large), amountProblem() tells.
#include "core/Decimal.h"

#include <QString>
#include <QStringView>
#include <optional>

struct AmountRules {
    Decimal limit = Decimal::fromCents(99'999'999'999);   // the largest size taken, either sign
    bool negative = true;                                   // "-3" taken
    bool point = false;                                     // "12.5" taken as 12,5
    int decimals = -1;                                      // the most decimals taken; -1: any
    bool thousands = true;                                  // "1.234,56": points grouping thousands taken
    bool exponent = false;                                  // "1,5E2" taken as 150

    // Money: up to 999.999.999,99.
    static AmountRules money() { return {}; }
    // Quantities: up to 999.999,999.
    static AmountRules quantity() { return {Decimal::fromThousandths(999'999'999)}; }
    // Percentages: up to 999,99.
    static AmountRules percent() { return {Decimal::fromCents(99'999)}; }
    // Anything typed into an amount or quantity column (NUMERIC(15,3), NUMERIC(18,2))
    // whose rows the program adds up: below one billion, three decimals. A column
    // holds a thousand times more, but a sum of ten such rows read back would pass
    // what a Decimal computes (9.223.372.036.854): below a billion, thousands of
    // rows of the largest amount still add up, and the field refuses the rest.
    static AmountRules column() { return {Decimal::fromThousandths(999'999'999'999)}; }

    AmountRules pointAsComma() const { AmountRules r = *this; r.point = true; return r; }
    AmountRules notNegative() const { AmountRules r = *this; r.negative = false; return r; }
    AmountRules upTo(const Decimal& largest) const { AmountRules r = *this; r.limit = largest; return r; }
    AmountRules atMostDecimals(int n) const { AmountRules r = *this; r.decimals = n; return r; }
    // As the back-office and stock fields have always read a number (StrToFloat):
    // no thousands points, an exponent taken.
    AmountRules asStrToFloat() const { AmountRules r = *this; r.thousands = false; r.exponent = true; return r; }
};

enum class AmountProblem {
    None,         // read
    Empty,        // nothing but blanks
    NotANumber,   // letters, exponents, misplaced separators, more decimals than taken...
    Negative,     // a negative number where the rules take none
    TooLarge,     // a number beyond the rules' limit
};

// The number, or nullopt for any text the rules do not take.
std::optional<Decimal> readAmount(QStringView text, const AmountRules& rules = AmountRules::money());
// Why readAmount refuses a text (None when it reads it).
AmountProblem amountProblem(QStringView text, const AmountRules& rules = AmountRules::money());

// And the one way back, as a field or a grid shows a number: an amount with two
// decimals and the decimal comma, no thousands point ("1500,00", "12,50"); a
// quantity with up to three decimals ("2,5", "10").
QString amountText(const Decimal& amount);
QString quantityText(const Decimal& quantity);
// A unit cost as kept (NUMERIC(18,6)): two decimals at least, and the places it
// has beyond them ("1,0593", "2,50"), so showing and saving it back keeps it.
QString unitCostText(const Decimal& cost);
