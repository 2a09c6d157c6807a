#include "reports/FieldText.h"

#include "core/Decimal.h"
#include "core/FormatFloat.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace finance {

QString fieldText(const QVariant& value)
{
    if (value.isNull() || !value.isValid())
        return QString();
    if (value.typeId() == qMetaTypeId<Decimal>())
        return FormatFloat(u"", value.value<Decimal>());
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("dd/MM/yy"));
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("dd/MM/yy hh:mm:ss"));
    case QMetaType::QTime:
        return value.toTime().toString(QStringLiteral("hh:mm:ss"));
    default:
        return value.toString();
    }
}

} // namespace finance
