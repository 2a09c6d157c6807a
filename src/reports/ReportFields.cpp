#include "reports/ReportFields.h"
#include "core/DateReader.h"
#include "core/WholeNumber.h"

#include "core/uMensagem.h"

namespace reportfields {

ShiftRange shiftRange(const QString& firstText, const QString& lastText)
{
    const std::optional<int> first = readInt(firstText);
    const std::optional<int> last = readInt(lastText);
    if (!first || !last)
        throw ShiftFieldRefused(shiftfields::invalidCash);
    return {*first, *last};
}

QDate date(const QString& text)
{
    const TypedDate d = readDate(text);
    if (!d.isDate())
        throw ShiftFieldRefused(reportmsg::dateError + notADateText(text));
    return d.date;
}

QString dateText(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yy")) : QString();
}

} // namespace reportfields
