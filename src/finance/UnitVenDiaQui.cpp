#include "finance/UnitVenDiaQui.h"

#include "reports/CompanyBlock.h"
#include "finance/ReportPage.h"
#include "reports/ReportForm.h"
#include "reports/UnitVisaoRelatorio.h"

using namespace report;

TFormVenDiaQui::TFormVenDiaQui(TLogon& logon, const QString& caption)
{
    Band& h = titledForm(m_def, {.title = QStringLiteral("RELATÓRIO DE VENDA"), .headerHeight = 50,
                                 .firstPageOnly = true});
    addCaptionedLines(h, 10, reportpage::companyWithCityState(companyRow(logon)));
    h.add(label(0, 32, 195, 6, caption));
    h.add(rule(0, 40, 195));
    h.add(label(0, 41, 20, 6, QStringLiteral("NOTA")).bold());
    h.add(label(22, 41, 22, 6, QStringLiteral("DATA")).bold());
    h.add(label(46, 41, 90, 6, QStringLiteral("CLIENTE")).bold());
    h.add(label(138, 41, 25, 6, QStringLiteral("VENDEDOR")).bold());
    h.add(label(165, 41, 30, 6, QStringLiteral("VALOR")).bold().right());
    h.add(rule(0, 48, 195));

    m_def.detail.height = 5;
    m_def.detail.add(field(0, 0, 20, 5, QStringLiteral("NOTA")));
    m_def.detail.add(field(22, 0, 22, 5, QStringLiteral("DATA")));
    m_def.detail.add(field(46, 0, 90, 5, QStringLiteral("CLIENTE")));
    m_def.detail.add(field(138, 0, 25, 5, QStringLiteral("VENDEDOR")));
    m_def.detail.add(field(165, 0, 30, 5, QStringLiteral("VALOR")).mask(QStringLiteral("0.00")).right());

    Band& s = m_def.summary;
    s.height = 10;
    s.add(rule(0, 1, 195));
    s.add(label(138, 2, 25, 5, QStringLiteral("Total")).bold());
    s.add(sum(165, 2, 30, 5, QStringLiteral("VALOR")).mask(QStringLiteral("0.00")).right().bold());
}

void TFormVenDiaQui::preview(const RowSet& sales) const
{
    report::preview(m_def, sales);
}
