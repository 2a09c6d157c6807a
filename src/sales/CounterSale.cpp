#include "sales/CounterSale.h"
#include "core/WholeNumber.h"

#include "core/FormatFloat.h"
#include "sales/ItemEntry.h"
#include "core/uMensagem.h"

std::optional<CounterScaleLabel> parseCounterScaleLabel(const QString& code)
{
    if (code.size() != 13 || !code.startsWith(QLatin1Char('2')))
        return std::nullopt;
    CounterScaleLabel label;
    const QString product = code.mid(1, 4);
    if (const auto n = readInt(product); n && *n >= 0)
        label.code = QStringLiteral("%1").arg(*n, 6, 10, QLatin1Char('0'));
    else
        label.code = product.trimmed();
    const QString cents = code.mid(7, 5);
    if (const auto c = readInt(cents); c && *c >= 0)
        label.amount = Decimal::fromCents(*c);
    return label;
}

std::optional<QString> counterScaleQuantity(const Decimal& amount, const Decimal& price)
{
    if (price.isZero() || price.isNegative())
        return std::nullopt;
    return scaleQuantityText(amount / price);
}

CounterBalance counterBalance(const Decimal& purchase, const Decimal& paid, const Decimal& discount)
{
    const Decimal e = purchase - paid - discount;
    if (!e.isNegative())
        return {QStringLiteral("Falta"), e};
    return {QStringLiteral("Troco"), -e};
}

Decimal discountFromPercent(const Decimal& purchase, const Decimal& percent)
{
    return (purchase * percent / Decimal(100)).roundTo(2);
}

void CounterSale::insertItem(CounterItem item)
{
    const int at = m_current < 0 || m_current >= int(m_items.size()) ? int(m_items.size()) : m_current;
    m_items.insert(m_items.begin() + at, std::move(item));
    m_current = int(m_items.size()) - 1;
}

void CounterSale::select(int row)
{
    if (row >= 0 && row < int(m_items.size()))
        m_current = row;
}

bool CounterSale::removeCurrent()
{
    if (m_current < 0 || m_current >= int(m_items.size()))
        return false;
    const CounterItem& item = m_items[size_t(m_current)];
    for (auto it = m_kitchen.begin(); it != m_kitchen.end(); ++it) {
        if (it->code == item.code && it->kitchen == item.kitchen && it->quantity == item.quantity) {
            m_kitchen.erase(it);
            break;
        }
    }
    m_items.erase(m_items.begin() + m_current);
    m_current = int(m_items.size()) - 1;
    return true;
}

Decimal CounterSale::total() const
{
    return linesTotal(m_items, [](const CounterItem& i) { return i.total(); });
}

void CounterSale::addKitchenLine(CounterKitchenLine line)
{
    m_kitchen.insert(m_kitchen.begin(), std::move(line));
}

bool CounterSale::record(int code, const Decimal& amount)
{
    if (code <= 0)
        return false;
    for (CounterMethod& m : m_methods) {
        if (m.code == code) {
            m.amount = amount;
            return true;
        }
    }
    return false;
}

Decimal CounterSale::paid() const
{
    Decimal p;
    for (const CounterMethod& m : m_methods)
        p += m.amount;
    return p;
}

void CounterSale::clear()
{
    m_items.clear();
    m_kitchen.clear();
    m_current = -1;
    for (CounterMethod& m : m_methods)
        m.amount = Decimal();
}

QString counterKitchenText(const Decimal& quantity, const QString& name)
{
    return FormatFloat(u"0.##", quantity) + QLatin1Char(' ') + name;
}
