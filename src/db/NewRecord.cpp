#include "db/NewRecord.h"

namespace newrecord {

namespace {
QString lookSql(const Key& key)
{
    return QStringLiteral("select first 1 1 from %1 where %2 = ?").arg(QLatin1String(key.table), QLatin1String(key.column));
}
} // namespace

bool taken(TLogon& logon, const Key& key)
{
    return !logon.run(lookSql(key), {key.value}).isEmpty();
}

bool insert(TLogon& logon, const Key& key, const QString& insertSql, const Params& values)
{
    return logon.action([&] {
        if (taken(logon, key))
            return false;
        try {
            logon.run(insertSql, values);
        } catch (const DbError& e) {
            // another station's insert of the same key, not yet committed when this
            // one looked: the unique key made this one wait for it, then turned it away
            if (e.isDuplicateKey())
                return false;
            throw;
        }
        return true;
    });
}

} // namespace newrecord
