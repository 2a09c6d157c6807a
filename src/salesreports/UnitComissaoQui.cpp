#include "salesreports/UnitComissaoQui.h"

#include "reports/ReportPage.h"

using namespace report;
using reportpage::ListColumn;

TFormcomissaoQui::TFormcomissaoQui(TLogon& logon, const QString& caption, const QString& waiter)
{
    const RowSet empresa = reportpage::company(logon);
    reportpage::listing(m_def, QPageSize::Letter, QStringLiteral("RELATÓRIO DE VENDA - TAXA DE SERVIÇO"),
                        reportpage::companyWithCityState(empresa), QString(), caption,
                        {{QStringLiteral("CAIXA"), QStringLiteral("CAIXA"), {0, 18, true}},
                         {QStringLiteral("DATA"), QStringLiteral("DATA"), {24, 20}},
                         {QStringLiteral("NOTA"), QStringLiteral("CONTROLE"), {48, 20}},
                         {QStringLiteral("GARCON"), QString(), {72, 90}, QString(), false, waiter},
                         {QStringLiteral("TAXA"), QStringLiteral("TENT"), {166, 28, true}, QStringLiteral("0.00"), true}},
                        QStringLiteral("Total"), {130, 30, true});
}

void TFormcomissaoQui::preview(const RowSet& rows) const
{
    reportpage::show(m_def, rows);
}
