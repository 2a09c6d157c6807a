#include "salesreports/UnitDebQui.h"

#include "reports/ReportPage.h"

#include <QDate>

using namespace report;

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
constexpr double kCode = 22, kName = 50, kPrice = 118, kQuant = 144, kTotal = 168, kNumber = 24;
} // namespace

TFormDebQui::TFormDebQui(const QString& period, const QString& company, const QString& customer,
                         const QString& methods)
{
    const double y = reportpage::start(m_def, QPageSize::Letter, S("Contas a Receber - Relatório de Titulos por Periodo"),
                                       {{S("EMPRESA"), company}, {S("PERIODO"), period}},
                                       QDate::currentDate().toString(S("dd/MM/yyyy")));
    const double w = reportpage::widthOf(m_def);
    m_def.pageHeader.add(label(0, y, w, 5, customer));
    m_def.pageHeader.height = y + 6;
    reportpage::titles(m_def.columnHeader, 0,
                       {{{0, 20}, S("DATA")}, {{kCode, 26}, S("CODIGO")}, {{kName, 66}, S("PRODUTO")},
                        {{kPrice, kNumber, true}, S("VALOR")}, {{kQuant, kNumber, true}, S("QUANT")},
                        {{kTotal, kNumber, true}, S("TOTAL")}},
                       w);
    Group g;
    g.column = S("VENDA");
    g.header.height = 6;
    g.header.add(computed(0, 0.5, w, 5, [](const BandContext& c) {
                     return S("Cupom :") + textOf(c.value(u"VENDA")) + S(" Emissao:")
                            + formatValue(c.value(u"EMISSAO"), QString(), S("dd/MM/yy")) + S(" Cliente:")
                            + textOf(c.value(u"NOME"));
                 }).bold());
    g.footer.height = 7;
    g.footer.add(label(kQuant - 10, 1, kNumber + 10, 5, S("TOTAL NOTA")).bold());
    g.footer.add(sum(kTotal, 1, kNumber, 5, S("TOTAL")).mask(S("0.00")).right().bold());
    m_def.groups.push_back(g);

    Band& d = m_def.detail;
    d.height = 5;
    d.add(field(0, 0, 20, 5, S("EMISSAO")));
    d.add(field(kCode, 0, 26, 5, S("CODPROD")));
    d.add(field(kName, 0, kPrice - kName, 5, S("NOMPROD")));
    d.add(field(kPrice, 0, kNumber, 5, S("VALOR")).mask(S("0.00")).right());
    d.add(field(kQuant, 0, kNumber, 5, S("QUAN")).mask(S("0.000")).right());
    d.add(field(kTotal, 0, kNumber, 5, S("TOTAL")).mask(S("0.00")).right());

    Band& s = m_def.summary;
    s.height = 14;
    s.add(rule(0, 1, w));
    s.add(label(0, 2, w, 5, methods));
    s.add(label(kQuant - 10, 8, kNumber + 10, 5, S("TOTAL GERAL")).bold());
    s.add(sum(kTotal, 8, kNumber, 5, S("TOTAL")).mask(S("0.00")).right().bold());
}

void TFormDebQui::preview(const RowSet& rows) const
{
    reportpage::show(m_def, rows);
}
