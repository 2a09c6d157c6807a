#include "stock/LedgerEdit.h"

#include "stock/StockFields.h"
#include "stock/StockWindows.h"

namespace ledgeredit {

namespace {

std::optional<Decimal> quantityOf(const QString& typed, const QString& field, const QString& caption)
{
    if (stock::isBlank(typed))
        return std::nullopt;
    const std::optional<Decimal> q = stock::readAmount(typed);
    if (!q || q->isNegative())
        throw stock::FieldError(text::badQuantity.arg(caption), field);
    return q;
}

} // namespace

Period LedgerEdit::period(const QString& from, const QString& to)
{
    const std::optional<QDate> f = stock::readDate(from);
    if (!f)
        throw stock::FieldError(text::badPeriod, field::from);
    const std::optional<QDate> t = stock::readDate(to);
    if (!t)
        throw stock::FieldError(text::badPeriod, field::to);
    return {*f, *t};
}

void LedgerEdit::change(qint64 id, const TypedRow& typed)
{
    const std::optional<QDate> date = stock::readDate(typed.date);
    if (!date)
        throw stock::FieldError(text::badDate, field::date);
    const std::optional<Decimal> entrada = quantityOf(typed.entrada, field::entrada, QStringLiteral("Entrada"));
    const std::optional<Decimal> saida = quantityOf(typed.saida, field::saida, QStringLiteral("Saida"));
    if (!m_ledger.change(id, *date, typed.history, entrada, saida))
        throw stock::FieldError(text::rowGone, field::date);
}

} // namespace ledgeredit
