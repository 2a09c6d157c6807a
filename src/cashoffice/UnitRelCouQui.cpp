#include "cashoffice/UnitRelCouQui.h"

#include "reports/ReportPage.h"

using namespace report;

TFormRelCouQui::TFormRelCouQui(TLogon& logon, const QString& caption)
{
    const RowSet empresa = reportpage::company(logon);
    reportpage::listing(m_def, QPageSize::Letter, QStringLiteral("RELATÓRIO DE VENDA - COUVER / SHOWS"),
                        reportpage::companyWithCityState(empresa), QString(), caption,
                        {{QStringLiteral("CAIXA"), QStringLiteral("CAIXA"), {0, 18, true}},
                         {QStringLiteral("DATA"), QStringLiteral("DATA"), {24, 20}},
                         {QStringLiteral("NOTA"), QStringLiteral("CONTROLE"), {48, 20}},
                         {QStringLiteral("SERVIÇO"), QString(), {72, 90}, QString(), false,
                          QStringLiteral("COUVER / SHOWS")},
                         {QStringLiteral("TAXA"), QStringLiteral("VALOR"), {166, 28, true}, QStringLiteral("0.00"), true}},
                        QStringLiteral("Total"), {130, 30, true});
}

void TFormRelCouQui::preview(const RowSet& rows) const
{
    reportpage::show(m_def, rows);
}
