#pragma once
// "Calcular Preço Venda ... %": the markup over cost that the manual movement and
// the entry invoice offer. The last percentage typed is the default of both
// (EMPRESA.CONTABIL, kept exactly: two places, as the percentage reader takes it).
#include "core/Decimal.h"

#include <QString>
#include <optional>

class TLogon;

namespace stock {

namespace text {
inline const QString badMarkup = QStringLiteral("     Percentual invalido: informe um numero de 0 a 999,99     ");
} // namespace text

// The percentage typed, by the amount reader's percentage rules: up to 999,99, at
// most two places, never negative; blank is 0. nullopt: refused.
std::optional<Decimal> readMarkup(const QString& typed);

// The stored percentage as it is stored, with at least one place: "50,0", "12,5", "12,25".
QString markupText(TLogon& logon);
// Leaving the percentage: stored as the default. A percentage readMarkup refuses is
// refused with FieldError(text::badMarkup, "percent") and the stored one stays.
void storeMarkup(TLogon& logon, const QString& typed);
// Cost × (percentage / 100 + 1) to the cent, when the percentage is above 0 and the
// cost can be read; nullopt otherwise (the fields stay as they are).
std::optional<Decimal> markedUp(const QString& cost, const QString& percent);
// The marked-up price as "Venda" and "Valor Contabil" show it: the plain number,
// "15", "13", "15,75".
QString markedUpText(const Decimal& price);

} // namespace stock
