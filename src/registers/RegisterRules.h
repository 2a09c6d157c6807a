#pragma once
// Small rules every register window shares: numbers typed with the decimal
// comma, codes written with six digits, the size of a button picture.

#include "core/Decimal.h"

#include <QSize>
#include <QString>
#include <functional>

namespace registers {

// A number typed in an entry field, read with the decimal comma.
struct Number {
    enum Kind { Empty, NotNumber, TooLarge, Ok };
    Kind kind = Empty;
    Decimal value;
    bool ok() const { return kind == Ok; }
};
// TooLarge: a number past what the NUMERIC columns' sums hold (AmountRules::column()).
Number readNumber(const QString& text);

// A whole number becomes six digits with leading zeros ("42" → "000042",
// "-5" → "-000005"); any other text is only trimmed.
QString sixDigitCode(const QString& text);

// A picture scaled for a product or complement button: 47 pixels high, its width
// divided by the same whole factor (its height / 47, rounded; at least 1, so a
// small picture never divides by zero).
QSize buttonPictureSize(const QSize& original);

// Replaces the picture file `target` with the picture in `source`, stretched to
// the size `sizeFor` gives for the picture's own size and saved as JPEG. The old
// file is replaced only once the new one has loaded, scaled and been written in
// full: a picture that cannot be read leaves the old file as it was. Returns an
// empty text on success, else what went wrong (for the error box).
QString replacePicture(const QString& source, const QString& target,
                       const std::function<QSize(const QSize&)>& sizeFor);
// The same with a fixed size, whatever the picture's proportions.
QString replacePicture(const QString& source, const QString& target, const QSize& size);
// The same scaled by buttonPictureSize.
QString replaceButtonPicture(const QString& source, const QString& target);

} // namespace registers
