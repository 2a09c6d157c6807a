#include "salesreports/UnitRelRBaiQui.h"

#include "reports/ReportPage.h"

#include <QDate>

using namespace report;
using reportpage::ListColumn;

TFormRelRBaiQui::TFormRelRBaiQui(const QString& companyName)
{
    reportpage::listing(m_def, QPageSize::Letter, QStringLiteral("Contas a Receber - Relatório de clientes em débito"),
                        {{QStringLiteral("EMPRESA"), companyName}},
                        QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")), QString(),
                        {{QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), {0, 24, true}},
                         {QStringLiteral("CLIENTE"), QStringLiteral("CLIENTE"), {30, 110}},
                         {QStringLiteral("SALDO DEVEDOR"), QStringLiteral("VALOR"), {150, 40, true},
                          QStringLiteral("#,##0.00"), true}},
                        QStringLiteral("TOTAL GERAL"), {100, 40});
}

void TFormRelRBaiQui::show(const RowSet& rows, bool preview) const
{
    reportpage::show(m_def, rows, preview);
}
