#include "stock/StockMarkup.h"

#include "core/FormatFloat.h"
#include "db/UnitLogon.h"
#include "stock/StockFields.h"
#include "stock/StockLedger.h"

namespace stock {

QString markupText(TLogon& logon)
{
    RowSet r = logon.run(QStringLiteral("select first 1 contabil from empresa"));
    const Decimal percent = r.next() ? r.decimal(u"CONTABIL") : Decimal();
    return FormatFloat(u"0.0", Decimal(percent.truncToInt()));
}

void storeMarkup(TLogon& logon, const QString& typed)
{
    const Decimal percent = readAmount(typed).value_or(Decimal());
    logon.run(QStringLiteral("update empresa set contabil = ?"), {percent.roundTo(3)});
}

std::optional<Decimal> markedUp(const QString& cost, const QString& percent)
{
    const std::optional<Decimal> p = readAmount(percent);
    const std::optional<Decimal> c = readAmount(cost);
    if (!p || !c || *p <= Decimal(0))
        return std::nullopt;
    try {
        const Decimal price = moneyOf(*c * (*p / Decimal(100) + Decimal(1)));
        return fitsColumns(price) ? std::optional<Decimal>(price) : std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;   // too large to hold
    }
}

} // namespace stock
