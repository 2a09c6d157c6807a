#include "core/LineAmount.h"

Decimal lineAmount(const Decimal& exactAmount) { return exactAmount.roundTo(2); }

Decimal lineAmount(const Decimal& quantity, const Decimal& unitPrice) { return lineAmount(quantity * unitPrice); }

Decimal LineTotal::add(const Decimal& quantity, const Decimal& unitPrice) { return add(quantity * unitPrice); }

Decimal LineTotal::add(const Decimal& exactAmount)
{
    const Decimal amount = lineAmount(exactAmount);
    m_total += amount;
    return amount;
}
