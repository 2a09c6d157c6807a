#include "stock/StockMarkup.h"

#include "core/AmountReader.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "stock/StockFields.h"
#include "stock/StockLedger.h"
#include "stock/StockWindows.h"

namespace stock {

std::optional<Decimal> readMarkup(const QString& typed)
{
    if (TrimText(typed).isEmpty())
        return Decimal();
    return ::readAmount(typed, AmountRules::percent().pointAsComma().notNegative().atMostDecimals(2));
}

QString markupText(TLogon& logon)
{
    RowSet r = logon.run(QStringLiteral("select first 1 contabil from empresa"));
    const Decimal percent = r.next() ? r.decimal(u"CONTABIL") : Decimal();
    return FormatFloat(u"0.0#", percent);
}

void storeMarkup(TLogon& logon, const QString& typed)
{
    const std::optional<Decimal> percent = readMarkup(typed);
    if (!percent)
        throw FieldError(text::badMarkup, QStringLiteral("percent"));
    logon.run(QStringLiteral("update empresa set contabil = ?"), {*percent});
}

std::optional<Decimal> markedUp(const QString& cost, const QString& percent)
{
    const std::optional<Decimal> p = readMarkup(percent);
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

QString markedUpText(const Decimal& price)
{
    return FormatFloat(u"0.##", price);
}

} // namespace stock
