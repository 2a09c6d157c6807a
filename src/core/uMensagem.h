#pragma once

#include "core/Decimal.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

#include <stdexcept>

// Small text routines shared by every window and printout: fixed-width line
// composers for roll printouts, number/date/SQL-literal formatting, accent
// stripping, the rights-bit test and the legacy printer codes. None touches
// the database. Numbers are written with a decimal comma; whole numbers are read
// by core/WholeNumber, dates by core/DateReader.

// A text that should hold a number or a date and does not.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& message);
    QString message() const { return QString::fromUtf8(what()); }
};

// The number formatted by the mask, with up to 19 blanks in front to reach width.
QString FormatFloatLeftPadded(const QString& mask, int width, const Decimal& value);
// The text cut or blank-padded to width (at most 150 blanks are added).
QString PadRight(const QString& text, int width);
QString RepeatText(const QString& text, int count);

// Roll printout lines.
QString FormatItemLine(const QString& description, const QString& value);
QString FormatQuantityItemLine(const QString& description, const QString& quantity,
                               const QString& unitPrice, const QString& total);
QString FormatQuantityItemLine2(const QString& description, const QString& quantity,
                                const QString& ignored, const QString& total);
QString FormatKitchenLine(const QString& name, const QString& quantity,
                          const QString& unitValue, const QString& total);
QString FormatQuantityPriceLine(const QString& description, const QString& quantity,
                                const QString& price, const QString& total);


// "S" or "N".
QString IsValidNumber(const QString& text);

// 1 day, 2 month, 3 year; -1 for any other selector.
int DatePart(int selector, const QDate& date);
// "hh:mm..." to minutes; 0 when either part is not a number.
int TimeToMinutes(const QString& timeText);
// "Aberta a 2 horas e 5 minutos".
QString OpenDurationText(int minutes);
// "dd.mm.yyyy hh:mm".
QString NowAsText();
QString NowAsText(const QDateTime& now);

// "S" when bit is a power of two from 1 to 32768 that is set in mask.
QString RightsBitSet(int mask, int bit);
// Legacy printer choice ("0".."15") to its device code ("VI", "SM1", "S5", "JT", "MSP").
QString PrinterChoiceCode(const QString& choice);
// Accented letters to plain ones, apostrophes to points.
QString StripAccents(const QString& text);
// Only the letters a to z upper-cased; accented letters stay as they are.
// Blanks and control characters removed at both ends (what "trimmed" means
// everywhere in the program).
QString TrimText(const QString& text);
// The same, without a copy: the part of the text between its blanks.
QStringView trimmedView(QStringView text);
// The one reader of a text typed or pasted into a one-line field, as the database
// keeps it: a tab, line end or other control character inside becomes a blank, and
// blanks and control characters at both ends go (TrimText). "12.345.678/0001-90\n"
// pasted into the company's CNPJ heads receipts as "12.345.678/0001-90".
QString readText(const QString& text);

QString UpperAZ(const QString& text);

// Spreads the free width of a grid over its columns: with totalSize != 0 each
// width grows by extra * size / totalSize (truncated toward zero); otherwise
// every width becomes (outerWidth - textWidthOfAAAAAA) / column count.
void DistributeGridColumns(int extra, int totalSize, const QList<int>& sizes, QList<int>& widths,
                           int outerWidth, int textWidthOfAAAAAA);
