#pragma once
// The one rule of every printout and screen that shows lines and a total (a
// receipt, a ticket, an order or a tab on screen, a report), and of what a sale
// charges:
//   - a line's amount is its exact value rounded to the cent once, half away from
//     zero: 0,437 kg at 59,90 is 26,1763, printed and counted as 26,18;
//   - every sub-total, group total and grand total is the sum of the line amounts
//     printed above it (26,18 + 36,72 + 13,00 = 75,90, never the exact values'
//     sum rounded, 75,89), and that sum is the amount charged and booked.
// A total is therefore never taken from the exact products of its lines: it is a
// LineTotal of them, or the sum of lines that went through lineAmount.
#include "core/Decimal.h"

// quantity x unit price, to the cent.
Decimal lineAmount(const Decimal& quantity, const Decimal& unitPrice);
// An exact line value (a product's sales added up, a stock x its cost), to the cent.
Decimal lineAmount(const Decimal& exactAmount);

// The total of lines as they are printed.
class LineTotal {
public:
    // Adds the line quantity x unit price; returns its amount as printed.
    Decimal add(const Decimal& quantity, const Decimal& unitPrice);
    // Adds a line of an exact value; returns its amount as printed.
    Decimal add(const Decimal& exactAmount);
    // The sum of the amounts added.
    Decimal value() const { return m_total; }

private:
    Decimal m_total;
};

// The total of a list of lines, each line's exact value given by `exactOf`.
template <class Lines, class ExactOf>
Decimal linesTotal(const Lines& lines, ExactOf exactOf)
{
    LineTotal t;
    for (const auto& l : lines)
        t.add(exactOf(l));
    return t.value();
}
