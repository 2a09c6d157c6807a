#include "stock/StockMovement.h"
#include "core/DateReader.h"

#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "registers/RegisterRules.h"
#include "stock/StockFields.h"
#include "stock/StockWindows.h"

namespace movement {

stock::ProductCard StockMovement::product(const QString& code)
{
    return stock::readProduct(m_logon, code);
}

QString StockMovement::stockText(const Decimal& stock)
{
    return FormatFloatLeftPadded(QStringLiteral("#,##0.###"), 12, stock);
}

bool StockMovement::confirm(const Typed& typed, const QDate& today)
{
    const QString code = registers::sixDigitCode(typed.code);
    if (code.isEmpty())
        return false;
    const QString kind = TrimText(typed.kind);
    if (kind != QLatin1String("0") && kind != QLatin1String("1"))
        throw stock::FieldError(text::badKind, field::kind);
    const bool entry = kind == QLatin1String("1");
    const std::optional<Decimal> quantity = stock::readAmount(typed.quantity);
    if (!quantity || stock::quantityOf(*quantity) <= Decimal(0))
        throw stock::FieldError(text::badQuantity, field::quantity);

    const auto valueOf = [](const QString& typed, const QString& field, const char* caption) {
        return stock::optionalAmount(typed, text::badValue.arg(QLatin1String(caption)), field);
    };
    const std::optional<Decimal> cost = entry ? valueOf(typed.cost, field::cost, "Custo") : std::nullopt;
    const std::optional<Decimal> price = valueOf(typed.price, field::price, "Venda");
    const std::optional<Decimal> book = entry ? valueOf(typed.bookValue, field::bookValue, "Valor Contabil") : std::nullopt;
    const TypedDate date = readDate(typed.date);
    if (date.isNoDate())
        throw stock::FieldError(text::badDate, field::date);
    std::optional<QDate> expiry;
    if (entry) {
        const TypedDate typedExpiry = readDate(typed.expiry);
        if (typedExpiry.isNoDate())
            throw stock::FieldError(text::badExpiry, field::expiry);
        if (typedExpiry.isDate())
            expiry = typedExpiry.date;
    }

    const stock::ProductCard known = product(code);
    if (!known.found)
        throw stock::FieldError(stock::text::productNotFound, field::code);

    stock::LedgerRow row;
    row.code = code;
    row.date = date.isDate() ? date.date : today;
    row.history = TrimText(typed.history).isEmpty() ? text::blankHistory : typed.history;
    row.entrada = entry ? *quantity : Decimal();
    row.saida = entry ? Decimal() : *quantity;
    row.valor = price.value_or(known.price);
    if (!entry) {
        m_ledger.issue(row);
        return true;
    }
    stock::ProductEntry update;
    update.entryDate = row.date;
    update.unitCost = cost;
    update.salePrice = price;
    update.bookValue = book;
    update.expiry = expiry;
    if (!m_ledger.receive(row, update))
        throw stock::FieldError(stock::text::productNotFound, field::code);   // deleted meanwhile
    return true;
}

} // namespace movement
