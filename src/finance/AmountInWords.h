#pragma once
// An amount of money written out in Portuguese, as a receipt states it:
// "vinte e um reais e cinquenta centavos", "mil e um reais e dez centavos",
// "um milhão de reais", "um centavo". Lower case; the amount is taken to the cent
// (half away from zero); a negative amount starts with "menos".

#include "core/Decimal.h"

#include <QString>
#include <QStringList>

namespace words {

QString amountInWords(const Decimal& amount);

// A text broken at blanks into lines of at most `width` characters; a word longer
// than the width is cut.
QStringList wrapWords(const QString& text, int width);

} // namespace words
