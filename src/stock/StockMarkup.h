#pragma once
// "Calcular Preço Venda ... %": the markup over cost that the manual movement and
// the entry invoice offer. The last percentage typed is the default of both
// (EMPRESA.CONTABIL).
#include "core/Decimal.h"

#include <QString>
#include <optional>

class TLogon;

namespace stock {

// The stored percentage as a whole number, "50,0".
QString markupText(TLogon& logon);
// Leaving the percentage: stored as the default; blank or no number stores 0.
void storeMarkup(TLogon& logon, const QString& typed);
// Cost × (percentage / 100 + 1) to the cent, when the percentage is above 0 and the
// cost can be read; nullopt otherwise (the fields stay as they are).
std::optional<Decimal> markedUp(const QString& cost, const QString& percent);

} // namespace stock
