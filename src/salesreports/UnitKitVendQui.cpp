#include "salesreports/UnitKitVendQui.h"

#include "reports/ReportPage.h"
#include "salesreports/UnitSaiQuiABC.h"

TFormKitVendQui::TFormKitVendQui(TLogon& logon, const QString& period)
    : m_def(ranking::definition(logon, QStringLiteral("Controle de Estoque - Kits Vendidos "), period,
                                QStringLiteral("##,##0.0")))
{
}

void TFormKitVendQui::preview(const RowSet& rows) const
{
    reportpage::show(m_def, rows);
}
