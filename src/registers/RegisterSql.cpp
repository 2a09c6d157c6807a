#include "registers/RegisterSql.h"
#include "db/UnitLogon.h"

namespace registers {

Rows run(TLogon& logon, const QString& sql, const QVariantList& params)
{
    return logon.run(sql, Params(params));
}

qint64 exec(TLogon& logon, const QString& sql, const QVariantList& params)
{
    return logon.exec(sql, Params(params));
}

QVariant scalar(TLogon& logon, const QString& sql, const QVariantList& params)
{
    return logon.scalar(sql, Params(params));
}

void action(TLogon& logon, const std::function<void()>& work)
{
    logon.action([&] { work(); });
}

QVariant value(const Decimal& d) { return QVariant::fromValue(d); }

} // namespace registers
