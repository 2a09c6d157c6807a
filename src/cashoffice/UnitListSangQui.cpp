#include "cashoffice/UnitListSangQui.h"

#include "reports/ReportPage.h"

#include <QDate>

using namespace report;

TFormListSangQui::TFormListSangQui(TLogon& logon, const QString& caption)
{
    const RowSet empresa = reportpage::company(logon);
    reportpage::listing(m_def, QPageSize::A4, QStringLiteral("Listagem de Sangrias e Reforço de Caixa"),
                        reportpage::companyWithCityState(empresa),
                        QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")), caption,
                        {{QStringLiteral("CAIXA"), QStringLiteral("CAIXA"), {0, 16, true}},
                         {QStringLiteral("DATA"), QStringLiteral("DATA"), {20, 20}},
                         {QStringLiteral("TERMINAL"), QStringLiteral("TERMINAL"), {42, 18, true}},
                         {QStringLiteral("HISTORICO"), QStringLiteral("HISTORICO"), {64, 64}},
                         {QStringLiteral("SANGRIA"), QStringLiteral("SANGRIA"), {130, 28, true}, QStringLiteral("0.00"), true},
                         {QStringLiteral("REFORÇO"), QStringLiteral("REFORCO"), {160, 28, true}, QStringLiteral("0.00"), true}},
                        QString(), {0, 30});
}

void TFormListSangQui::preview(const RowSet& rows) const
{
    reportpage::show(m_def, rows);
}
