#include "stock/StockFields.h"

#include "core/AmountReader.h"

#include "core/FormatFloat.h"
#include "core/uMensagem.h"

#include <QLineEdit>

namespace stock {

bool fitsColumns(const Decimal& value)
{
    return value.abs() <= AmountRules::column().limit;
}

std::optional<Decimal> readAmount(const QString& text)
{
    return ::readAmount(text, AmountRules::column().asStrToFloat());
}

bool isBlank(const QString& text)
{
    return TrimText(text).isEmpty();
}

QString dateText(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yy")) : QString();
}



} // namespace stock
