#include "salesreports/UnitFicCliQui.h"

#include "reports/ReportPage.h"

#include <QDateTime>

using namespace report;

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
constexpr double kName = 40, kValue = 120, kOut = 148, kTotal = 172, kNumber = 24;
} // namespace

TFormFicCliQui::TFormFicCliQui(TLogon& logon, const QString& customerText)
{
    const RowSet empresa = reportpage::company(logon);
    std::vector<Captioned> lines = companyLines(empresa);
    lines.push_back({S("DATA"), QDateTime::currentDateTime().toString(S("dd/MM/yyyy hh:mm:ss"))});
    lines.push_back({S("PRODUTO"), customerText});
    const double y = reportpage::start(m_def, QPageSize::Letter, S("Controle de Estoque - Movimento por Cliente"),
                                       lines, QString());
    m_def.pageHeader.height = y;
    const double w = reportpage::widthOf(m_def);
    reportpage::titles(m_def.columnHeader, 0,
                       {{{0, 18, true}, S("Caixa")}, {{22, 16}, S("Data")}, {{kName, 78}, S("Produto")},
                        {{kValue, kNumber, true}, S("Valor")}, {{kOut, kNumber, true}, S("Saida")},
                        {{kTotal, kNumber, true}, S("Saldo")}},
                       w);
    Band& d = m_def.detail;
    d.height = 5;
    d.add(field(0, 0, 18, 5, S("UNIDADE")).right());
    d.add(field(22, 0, 16, 5, S("DATA")));
    d.add(field(kName, 0, kValue - kName, 5, S("NOME")));
    d.add(field(kValue, 0, kNumber, 5, S("VALOR")).mask(S("##,##0.00")).right());
    d.add(field(kOut, 0, kNumber, 5, S("SAI")).mask(S("##,##0.0")).right());
    d.add(field(kTotal, 0, kNumber, 5, S("TOTAL")).mask(S("##,##0.00")).right());
    Band& s = m_def.summary;
    s.height = 9;
    s.add(rule(0, 1, w));
    s.add(label(kOut, 2.5, kNumber, 5, S("Total")).bold().right());
    s.add(sum(kTotal, 2.5, kNumber, 5, S("TOTAL")).mask(S("##,##0.00")).right().bold());
}

void TFormFicCliQui::preview(const RowSet& rows) const
{
    reportpage::show(m_def, rows);
}
