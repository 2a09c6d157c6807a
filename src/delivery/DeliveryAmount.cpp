#include "delivery/DeliveryAmount.h"

#include "core/FormatFloat.h"

#include <QLineEdit>
#include <stdexcept>

namespace delivery {

std::optional<Decimal> readAmount(const QString& text)
{
    static const Decimal kLimit = Decimal(1'000'000'000'000LL);   // NUMERIC(15,3)
    try {
        const std::optional<Decimal> d = Decimal::parse(text.trimmed());
        if (!d || d->abs() >= kLimit)
            return std::nullopt;
        return d->roundTo(3);
    } catch (const std::exception&) {
        return std::nullopt;   // a number too large for any amount
    }
}

QString amountText(const Decimal& amount) { return FormatFloat(u"0.00", amount); }


} // namespace delivery
