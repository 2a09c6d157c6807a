#include "closing/BillComputation.h"

#include "core/FormatFloat.h"

#include <algorithm>
#include <numeric>

namespace {

Decimal cents(const Decimal& d) { return d.roundTo(2); }

} // namespace

Bill BillComputation::compute(const BillInputs& in)
{
    Bill b;
    b.tabItemsTotal = cents(in.itemsTotal);
    b.itemsTotal = b.tabItemsTotal;
    const Decimal minimum = cents(in.minimumConsumption);
    if (minimum > Decimal()) {
        b.minimumText = QStringLiteral("Consumacao Minima R$ ") + FormatFloat(u"0.00", minimum)
            + QStringLiteral(" Comanda R$ ") + FormatFloat(u"0.00", b.tabItemsTotal)
            + QStringLiteral("  Vlr a Cobrar");
        if (minimum > b.itemsTotal) {
            b.topUp = minimum - b.itemsTotal;
            b.itemsTotal = minimum;
        }
    }
    b.serviceComputed = cents(in.servicePercent / Decimal(100) * b.itemsTotal);
    b.serviceValue = in.serviceValue ? cents(*in.serviceValue) : b.serviceComputed;
    b.persons = in.persons > 0 ? in.persons : 1;
    b.coverTotal = cents(Decimal(b.persons) * in.coverPerPerson);
    const Decimal delivery = cents(in.deliveryColumn);
    const bool flag = in.deliveryColumn == Decimal(1) || in.deliveryColumn == Decimal::fromCents(1);
    b.deliveryShown = !flag;
    b.deliveryFee = (flag || delivery == Decimal::fromCents(1)) ? Decimal() : delivery;
    b.advance = cents(in.advance);
    b.discount = cents(in.discount);
    b.amountDue = b.itemsTotal + b.deliveryFee + b.coverTotal + b.serviceValue - b.discount - b.advance;
    b.perPerson = cents(b.amountDue / Decimal(b.persons));
    b.paid = cents(in.paid);
    const Decimal difference = b.amountDue - b.paid;
    b.isChange = difference.isNegative();
    b.changeOrMissing = difference.abs();
    return b;
}

std::vector<Decimal> BillComputation::splitCents(const Decimal& amount, const std::vector<Decimal>& weights)
{
    std::vector<Decimal> parts(weights.size());
    if (weights.empty())
        return parts;
    const std::int64_t total = amount.cents();
    Decimal weightSum;
    for (const Decimal& w : weights)
        weightSum += w;
    if (weightSum.isZero()) {
        parts[0] = Decimal::fromCents(total);
        return parts;
    }
    // Exact shares in millionths of a cent, truncated toward zero, then the
    // remaining cents to the largest remainders.
    std::vector<std::int64_t> whole(weights.size());
    std::vector<std::pair<Decimal, size_t>> remainders;
    std::int64_t given = 0;
    for (size_t i = 0; i < weights.size(); ++i) {
        const Decimal exact = Decimal(total) * weights[i] / weightSum;   // in cents
        whole[i] = exact.truncToInt();
        given += whole[i];
        remainders.push_back({(exact - Decimal(whole[i])).abs(), i});
    }
    std::stable_sort(remainders.begin(), remainders.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::int64_t left = total - given;
    const std::int64_t step = left < 0 ? -1 : 1;
    for (size_t k = 0; left != 0; k = (k + 1) % remainders.size()) {
        whole[remainders[k].second] += step;
        left -= step;
    }
    for (size_t i = 0; i < weights.size(); ++i)
        parts[i] = Decimal::fromCents(whole[i]);
    return parts;
}

std::vector<Decimal> BillComputation::splitQuantity(const Decimal& quantity, int parts)
{
    std::vector<Decimal> out;
    if (parts <= 0)
        return out;
    const std::int64_t total = quantity.thousandths();
    const std::int64_t each = total / parts;
    std::int64_t rest = total - each * parts;
    for (int i = 0; i < parts; ++i) {
        std::int64_t q = each;
        if (rest > 0) { ++q; --rest; }
        else if (rest < 0) { --q; ++rest; }
        out.push_back(Decimal::fromThousandths(q));
    }
    return out;
}

DavKey DavKey::of(const QString& tab)
{
    DavKey k;
    k.customerKey = tab;
    const QString mark = tab.mid(5, 3);
    if (mark == QLatin1String("SAV") || mark == QLatin1String("NAV")) {
        k.davFlag = mark == QLatin1String("SAV") ? QStringLiteral("S") : QStringLiteral("N");
        k.davTab = QStringLiteral("S");
        k.customerKey = tab.mid(6, 14).trimmed();
        k.queueNumber = tab.left(5).trimmed();
    }
    return k;
}
