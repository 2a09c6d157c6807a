#include "salesreports/UnitBalCliQui.h"

#include "reports/ReportPage.h"

#include <QDateTime>

using namespace report;

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
constexpr double kCode = 20, kUnit = 48, kName = 60, kHistory = 20, kOut = 112, kValue = 140, kTotal = 168,
                 kNumber = 24;
} // namespace

TFormBalCliQui::TFormBalCliQui(TLogon& logon, const QString& customerText, const QString& period,
                               const QString& valueTitle)
{
    const RowSet empresa = reportpage::company(logon);
    std::vector<Captioned> lines = companyLines(empresa);
    lines.push_back({S("DATA"), QDateTime::currentDateTime().toString(S("dd/MM/yyyy hh:mm:ss"))});
    lines.push_back({S("Cliente"), customerText});
    const double y = reportpage::start(m_def, QPageSize::Letter, S("Controle de Estoque - Resumo por Cliente"), lines,
                                       QString());
    const double w = reportpage::widthOf(m_def);
    m_def.pageHeader.add(label(0, y, w, 5, period));
    m_def.pageHeader.height = y + 6;

    Band& c = m_def.columnHeader;
    reportpage::titles(c, 0,
                       {{{0, 18}, S("DATA")}, {{kCode, 26}, S("CODIGO")}, {{kUnit, 10}, S("UND")},
                        {{kName, 100}, S("PRODUTO")}},
                       w);
    const double second = 7.5;
    for (const auto& [x, width, right, text] : std::vector<std::tuple<double, double, bool, QString>>{
             {0, 18, false, S("LOCAÇÂO")}, {kHistory, 80, false, S("HISTORICO")}, {kOut, kNumber, true, S("SAIDAS")},
             {kValue, kNumber, true, valueTitle}, {kTotal, kNumber, true, S("TOTAL")}}) {
        Item i = label(x, second, width, 5, text).bold();
        if (right)
            i.right();
        c.add(i);
    }
    c.add(rule(0, second + 5.5, w));
    c.height = second + 6.5;

    Group g;
    g.column = S("DATA");
    g.header.height = 6;
    g.header.add(computed(0, 0.5, 80, 5, [](const BandContext& ctx) {
                     return S("Data : ") + formatValue(ctx.value(u"DATA"), QString(), S("dd/MM/yyyy"));
                 }).bold());
    g.footer.height = 8;
    g.footer.add(rule(kOut - 20, 0.5, w - kOut + 20));
    g.footer.add(label(kOut - 20, 1.5, 20, 5, S("TOTAL ")).bold());
    g.footer.add(sum(kOut, 1.5, kNumber, 5, S("SAIDA")).mask(S("0.0")).right().bold());
    g.footer.add(sum(kTotal, 1.5, kNumber, 5, S("TOTAL")).mask(S("0.00")).right().bold());
    m_def.groups.push_back(g);

    Band& d = m_def.detail;
    d.height = 10;
    d.add(field(0, 0, 18, 5, S("DATA")));
    d.add(field(kCode, 0, 26, 5, S("CODIGO")));
    d.add(field(kUnit, 0, 10, 5, S("UNIDADE")));
    d.add(field(kName, 0, w - kName, 5, S("NOME")));
    d.add(field(0, 5, 18, 5, S("LOCACAO")));
    d.add(field(kHistory, 5, kOut - kHistory, 5, S("HISTORICO")));
    d.add(field(kOut, 5, kNumber, 5, S("SAIDA")).mask(S("0.0")).right());
    d.add(field(kValue, 5, kNumber, 5, S("CUSTO")).mask(S("0.00")).right());
    d.add(field(kTotal, 5, kNumber, 5, S("TOTAL")).mask(S("0.00")).right());

    Band& s = m_def.summary;
    s.height = 9;
    s.add(rule(0, 1, w));
    s.add(label(kValue - 10, 2.5, kNumber + 10, 5, S("TOTAL GERAL")).bold());
    s.add(sum(kTotal, 2.5, kNumber, 5, S("TOTAL")).mask(S("##,##0.00")).right().bold());
}

void TFormBalCliQui::preview(const RowSet& rows) const
{
    reportpage::show(m_def, rows);
}
