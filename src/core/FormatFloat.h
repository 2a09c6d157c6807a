#pragma once

#include "core/Decimal.h"

#include <QString>
#include <QStringView>

// Formats a number by a Delphi-style picture mask:
//   '0'  digit, always printed          '#'  digit, printed only when significant
//   '.'  decimal point (the first one)  ','  anywhere outside quotes: group thousands
//   '...' or "..."  literal text        any other character: copied as is
// Up to three sections separated by ';' apply to positive, negative and zero
// values; an empty or missing section falls back to the first one. The value is
// rounded half away from zero to the mask's decimals; a value that rounds to
// zero is printed without a minus sign. Scientific masks ("0.00E+00") are not
// supported: their letters are copied as literals. An empty mask prints every
// significant digit.
QString FormatFloat(QStringView mask, const Decimal& value,
                    QChar decimalSeparator = u',', QChar thousandSeparator = u'.');
