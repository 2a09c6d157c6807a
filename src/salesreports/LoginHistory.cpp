#include "salesreports/LoginHistory.h"

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
    listColumns(def, {{QStringLiteral("DATA"), QStringLiteral("HORA"), {0, 45}},
                      {QStringLiteral("OPERADOR"), QStringLiteral("OPERADOR"), {48, 50}},
                      {QStringLiteral("ACÃO"), QStringLiteral("ACAO"), {100, w - 100}}});
    def.columnHeader.add(label(22, 1, 23, 5, QStringLiteral("HORA")).bold());
    return def;
}

} // namespace loginhistory
