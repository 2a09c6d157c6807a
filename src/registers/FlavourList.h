#pragma once
// What the fractions window composes: up to four flavour codes as one list
// ("/12/15/") and the description that shares the item among them
// ("1/2-CALABRESA 1/2-MUSSARELA"). It prices nothing.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class TLogon;

// A code box left: a number with six digits (decimals to the nearest whole
// number), any other text trimmed.
QString flavourCodeWhileEditing(const QString& text);
// A code box at "Retornar/Confirmar": a number without leading zeros, any other
// text trimmed.
QString flavourCodeAtConfirm(const QString& text);
// n = the boxes holding a code; the description from the name labels of boxes 1 to n.
QString flavourDescription(const std::array<QString, 4>& names, int n);
// The flavour list of the boxes: one code alone, two to four as "/c1/c2/..."
// from boxes 1 to n; nullopt when every box is empty.
std::optional<QString> flavourListOf(const std::array<QString, 4>& boxes);
int filledBoxes(const std::array<QString, 4>& boxes);

// The product's name, nullopt when no product has that code.
std::optional<QString> flavourProductName(TLogon& logon, const QString& code);
