#include "stock/LedgerEdit.h"
#include "core/DateReader.h"

#include "stock/StockFields.h"
#include "stock/StockWindows.h"

namespace ledgeredit {

void LedgerEdit::change(qint64 id, const TypedRow& typed)
{
    const TypedDate date = readDate(typed.date);
    if (!date.isDate())
        throw stock::FieldError(text::badDate, field::date);
    const std::optional<Decimal> entrada =
        stock::optionalAmount(typed.entrada, text::badQuantity.arg(QStringLiteral("Entrada")), field::entrada);
    const std::optional<Decimal> saida =
        stock::optionalAmount(typed.saida, text::badQuantity.arg(QStringLiteral("Saida")), field::saida);
    if (!m_ledger.change(id, date.date, typed.history, entrada, saida))
        throw stock::FieldError(text::rowGone, field::date);
}

} // namespace ledgeredit
