#include "finance/LoginHistory.h"

#include "db/UnitLogon.h"
#include "reports/PageHeader.h"

using namespace report;

namespace loginhistory {

RowSet rows(TLogon& logon, bool summary)
{
    return summary ? logon.run(QStringLiteral("select first %1 hora, operador, acao from historico order by ID desc")
                                   .arg(kSummaryRows))
                   : logon.run(QStringLiteral("select hora, operador, acao from historico order by ID desc"));
}

Definition report(const RowSet& empresa, const QString& printed)
{
    Definition def;
    def.pageHeader.height = backOfficeHeader(def, text::title, empresa, printed, QPageSize::A4);
    const double w = def.bodySize().width();
    // The date and time of an event are one text, under "DATA" and "HORA" both.
    const Column date{0, 45}, time{22, 23}, user{48, 50}, action{100, w - 100};
    columnTitles(def.columnHeader, 0,
                 {{{date.x, 20}, QStringLiteral("DATA")}, {time, QStringLiteral("HORA")},
                  {user, QStringLiteral("OPERADOR")}, {action, QStringLiteral("ACÃO")}},
                 w);
    Band& d = def.detail;
    d.height = 5;
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("HORA")), date));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("OPERADOR")), user));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("ACAO")), action));
    return def;
}

} // namespace loginhistory
