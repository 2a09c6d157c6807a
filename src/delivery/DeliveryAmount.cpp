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



} // namespace delivery
