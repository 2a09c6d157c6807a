#include "delivery/DeliveryAmount.h"

#include "core/AmountReader.h"

#include "core/FormatFloat.h"

#include <QLineEdit>
#include <stdexcept>

namespace delivery {

std::optional<Decimal> readAmount(const QString& text)
{
    const std::optional<Decimal> d = ::readAmount(text, AmountRules::column().asStrToFloat());
    return d ? std::optional<Decimal>(d->roundTo(3)) : std::nullopt;
}

std::optional<std::vector<Decimal>> bookedAmounts(const Decimal& total, const std::vector<Decimal>& handedOver)
{
    std::vector<Decimal> booked = handedOver;
    if (booked.empty())
        return booked;
    Decimal sum;
    for (const Decimal& a : handedOver)
        sum += a;
    if (sum > total) {
        booked[0] -= sum - total;   // the change is paid out of the first amount
        if (booked[0].isNegative())
            return std::nullopt;
    }
    return booked;
}

} // namespace delivery
