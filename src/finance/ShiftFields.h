#pragma once
// The cash-number and station fields of the cash-shift windows: read as the
// reports need them, with the message each shows when the text is no number.
#include <QString>
#include <optional>

namespace shiftfields {

inline const QString title = QStringLiteral("ATENÇÃO");
inline const QString invalidCash = QStringLiteral("  Numero do Caixa Invalido  ");
inline const QString invalidTerminal = QStringLiteral("  Numero do Terminal Invalido  ");

// A whole number of at most nine digits, blanks around ignored; nullopt for an
// empty text, a sign, letters or anything longer.
std::optional<int> wholeNumber(const QString& text);

} // namespace shiftfields
