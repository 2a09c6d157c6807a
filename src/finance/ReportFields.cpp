#include "finance/ReportFields.h"

#include "core/uMensagem.h"

namespace reportfields {

ShiftRange shiftRange(const QString& firstText, const QString& lastText)
{
    const std::optional<int> first = shiftfields::wholeNumber(firstText);
    const std::optional<int> last = shiftfields::wholeNumber(lastText);
    if (!first || !last)
        throw ShiftFieldRefused(shiftfields::invalidCash);
    return {*first, *last};
}

QDate date(const QString& text)
{
    try {
        return TextToDate(text);
    } catch (const ConversionError& e) {
        throw ShiftFieldRefused(reportmsg::dateError + e.message());
    }
}

QString dateText(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yy")) : QString();
}

} // namespace reportfields
