#include "db/DbValues.h"
#include "db/DbError.h"

Decimal decimalFrom(const QVariant& v)
{
    if (v.isNull())
        return Decimal();
    const QString text = v.toString().trimmed();
    if (text.isEmpty())
        return Decimal();
    if (auto d = Decimal::parseSql(text))
        return *d;
    throw DbError(QStringLiteral("Valor numérico inválido vindo do banco de dados: %1").arg(text));
}
