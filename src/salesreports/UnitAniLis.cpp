#include "salesreports/UnitAniLis.h"

#include "reports/CompanyBlock.h"
#include "reports/ReportForm.h"
#include "reports/UnitVisaoRelatorio.h"

#include <QDateTime>

using namespace report;

TFormListAni::TFormListAni(TLogon& logon, Anniversaries::Kind kind, const QString& period)
{
    Band& h = titledForm(m_def, {.title = Anniversaries::title(kind), .paper = QPageSize::A4, .headerHeight = 50});
    companyBlock(h, 10, companyRow(logon));
    h.add(label(0, 37, 110, 5, period).bold());
    h.add(label(110, 37, 80, 5, QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm"))).right());
    h.add(rule(0, 43, 190));
    h.add(label(0, 44, 20, 5, QStringLiteral("CODIGO")).bold().right());
    h.add(label(24, 44, 70, 5, QStringLiteral("NOME DO CLIENTE")).bold());
    h.add(label(96, 44, 40, 5, QStringLiteral("TELEFONE")).bold());
    h.add(label(140, 44, 50, 5, Anniversaries::dateHeading(kind)).bold());
    h.add(rule(0, 49.5, 190));

    Band& d = m_def.detail;
    d.height = 5;
    d.add(field(0, 0, 20, 5, QStringLiteral("Codigo")).right());
    d.add(field(24, 0, 70, 5, QStringLiteral("Nome")));
    d.add(field(96, 0, 40, 5, QStringLiteral("Classe")));
    d.add(field(140, 0, 50, 5, QStringLiteral("Historico")));
}

void TFormListAni::preview(const RowSet& customers) const
{
    report::preview(m_def, customers);
}
