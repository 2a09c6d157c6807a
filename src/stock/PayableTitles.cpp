#include "stock/PayableTitles.h"
#include "core/DateReader.h"

#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "stock/StockFields.h"
#include "stock/StockLedger.h"
#include "stock/StockWindows.h"

namespace titles {

bool PayableTitles::add(TLogon& logon, const QString& title, const QString& dueDate, const QString& value)
{
    const QString t = TrimText(title).left(kTitleLength);
    if (t.isEmpty())
        return false;
    const bool inList = std::any_of(m_list.begin(), m_list.end(), [&](const Title& x) { return x.titulo == t; });
    if (inList || !logon.run(QStringLiteral("select first 1 id from pagarq where duplicata = ?"), {t}).isEmpty())
        throw stock::FieldError(text::taken, QStringLiteral("title"));
    const TypedDate due = readDate(dueDate);
    if (!due.isDate())
        throw stock::FieldError(text::fillError, QStringLiteral("date"));
    const std::optional<Decimal> amount = stock::readAmount(value);
    if (!amount || amount->isNegative())
        throw stock::FieldError(text::fillError, QStringLiteral("value"));
    m_list.push_back({t, due.date, stock::moneyOf(*amount)});
    return true;
}

void PayableTitles::removeAt(int index)
{
    if (index >= 0 && index < int(m_list.size()))
        m_list.erase(m_list.begin() + index);
}

Decimal PayableTitles::total() const
{
    Decimal sum;
    for (const Title& t : m_list)
        sum += t.valor;
    return sum;
}

QString PayableTitles::totalText(const Decimal& total)
{
    return FormatFloatLeftPadded(QStringLiteral("0.00"), 12, total);
}

} // namespace titles
