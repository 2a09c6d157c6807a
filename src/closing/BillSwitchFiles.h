#pragma once
// The two one-line switches of the bill kept per station: the minimum
// consumption of a tab (Consumacao.INI) and whether the pre-bill must be printed
// before a tab is paid (fechasim.INI).
#include <QString>

namespace billswitch {
// The text the minimum-consumption window starts with: line 0, "0" when the file
// is missing or the line is not a number.
QString minimumText();
// Saves the typed text ("0" when it is not a number); returns what was saved.
QString saveMinimum(const QString& typed);
// "." typed in an amount field becomes ",".
QString withDecimalComma(const QString& typed);

// "S" or "N" as the pre-bill setting window shows it ("S" when there is no file).
QString preBillRequiredText();
// Saves "N" for a trimmed "N" (any letter case) and "S" for anything else; returns it.
QString savePreBillRequired(const QString& typed);
} // namespace billswitch
