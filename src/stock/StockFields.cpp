#include "stock/StockFields.h"

#include "core/AmountReader.h"

#include "core/FormatFloat.h"
#include "core/uMensagem.h"

#include <QLineEdit>

namespace stock {

bool fitsColumns(const Decimal& value)
{
    static const Decimal kLimit = Decimal(1'000'000'000'000LL);
    return value.abs() < kLimit;
}

std::optional<Decimal> readAmount(const QString& text)
{
    return ::readAmount(text, AmountRules::column().asStrToFloat());
}

bool isBlank(const QString& text)
{
    return TrimText(text).isEmpty();
}

std::optional<QDate> readDate(const QString& text)
{
    if (isBlankDate(text))
        return std::nullopt;
    try {
        const QDate d = TextToDate(TrimText(text));
        if (d.isValid())
            return d;
    } catch (const ConversionError&) {
    }
    return std::nullopt;
}

bool isBlankDate(const QString& text)
{
    for (const QChar c : text)
        if (c.isDigit())
            return false;
    return true;
}

QString dateText(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yy")) : QString();
}



} // namespace stock
