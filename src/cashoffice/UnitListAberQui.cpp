#include "cashoffice/UnitListAberQui.h"

#include "reports/ReportPage.h"

#include <QDate>

using namespace report;

TFormListAberQui::TFormListAberQui(TLogon& logon, const QString& caption)
{
    const RowSet empresa = reportpage::company(logon);
    reportpage::listing(m_def, QPageSize::A4, QStringLiteral("Listagem de Valores Abertura do Caixa"),
                        reportpage::companyWithCityState(empresa),
                        QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")), caption,
                        {{QStringLiteral("DATA"), QStringLiteral("DATA"), {0, 24}},
                         {QStringLiteral("CAIXA"), QStringLiteral("CAIXA"), {30, 20, true}},
                         {QStringLiteral("VALOR"), QStringLiteral("ABERTURA"), {60, 30, true}, QStringLiteral("0.00"),
                          true}},
                        QString(), {0, 30});
}

void TFormListAberQui::preview(const RowSet& rows) const
{
    reportpage::show(m_def, rows);
}
