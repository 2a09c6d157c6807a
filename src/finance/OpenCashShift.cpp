#include "finance/OpenCashShift.h"

#include "db/UnitLogon.h"

namespace openshift {

int held(TLogon& logon)
{
    RowSet row = logon.run(QStringLiteral("select id, caixa from contcaixa order by id with lock"));
    return row.next() ? int(row.integer(u"CAIXA")) : 0;
}

} // namespace openshift
