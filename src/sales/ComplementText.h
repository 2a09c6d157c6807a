#pragma once
// The free complement of an item ("ESCREVER"): its text and the extra value it costs.
#include "core/Decimal.h"

#include <QString>
#include <optional>

// The value as "Confirmar" hands it over: a number from 0 to 99.999,99 stays as
// typed (trimmed), anything else becomes "0".
QString complementValueAtConfirm(const QString& typed);
// The value the sales screen adds; nullopt when the text is no such number (a
// window closed by its close box hands the value over as typed).
std::optional<Decimal> complementValue(const QString& text);
// Upper case, characters the database cannot store left out, 35 characters at most.
QString complementTextOf(const QString& typed);
