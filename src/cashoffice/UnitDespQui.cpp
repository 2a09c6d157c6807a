#include "cashoffice/UnitDespQui.h"

#include "reports/ReportPage.h"

#include <QDateTime>

using namespace report;

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
constexpr double kCash = 22, kHistory = 44, kValue = 160, kNumber = 30;
} // namespace

TFormDespQui::TFormDespQui(TLogon& logon, const QString& period)
{
    const RowSet empresa = reportpage::company(logon);
    m_def.title = S("Controle de Despesas");
    m_def.paper = QPageSize::Letter;
    m_def.font.size = 9;
    m_def.printWhenEmpty = true;
    const double w = reportpage::widthOf(m_def);
    Band& h = m_def.pageHeader;
    h.height = 30;
    h.add(label(0, 0, w, 8, m_def.title).withFont(12, true).center());
    h.add(label(0, 8, w, 6, companyValue(empresa, "EMPRESA")).withFont(10, true).center());
    h.add(label(0, 16, 40, 5, S("Relatório emitido em :")).bold());
    h.add(label(42, 16, 60, 5, QDateTime::currentDateTime().toString(S("dd/MM/yyyy hh:mm"))));
    h.add(label(w - 50, 16, 14, 5, S("Pagina")).bold());
    h.add(computed(w - 35, 16, 35, 5, [](const BandContext& c) { return QString::number(c.page()); }).right());
    h.add(label(0, 22, 22, 5, S("PERIODO")).bold());
    h.add(label(24, 22, w - 24, 5, period));
    reportpage::titles(m_def.columnHeader, 0,
                       {{{0, 20}, S("Data")}, {{kCash, 16, true}, S("Caixa")}, {{kHistory, 100}, S("Histórico")},
                        {{kValue, kNumber, true}, S("VALOR")}},
                       w);

    Group g;
    g.column = S("CCUSTO");
    g.header.height = 6;
    g.header.add(label(0, 0.5, 34, 5, S("Centro de Custo")).bold());
    g.header.add(field(36, 0.5, 100, 5, S("NOME")).bold());
    g.footer.height = 8;
    g.footer.add(rule(kHistory, 0.5, w - kHistory));
    g.footer.add(label(kHistory + 40, 1.5, 60, 5, S("TOTAL CENTRO DE CUSTO")).bold());
    g.footer.add(sum(kValue, 1.5, kNumber, 5, S("VALOR")).mask(S("#,##0.00")).right().bold());
    m_def.groups.push_back(g);

    Band& d = m_def.detail;
    d.height = 5;
    d.add(field(0, 0, 20, 5, S("DATA")));
    d.add(field(kCash, 0, 16, 5, S("CAIXA")).right());
    d.add(field(kHistory, 0, kValue - kHistory, 5, S("HISTORICO")));
    d.add(field(kValue, 0, kNumber, 5, S("VALOR")).mask(S("#,##0.00")).right());

    Band& s = m_def.summary;
    s.height = 9;
    s.add(rule(0, 1, w));
    s.add(label(kHistory + 40, 2.5, 60, 5, S("TOTAL GERAL")).bold());
    s.add(sum(kValue, 2.5, kNumber, 5, S("VALOR")).mask(S("#,##0.00")).right().bold());
}

void TFormDespQui::preview(const RowSet& rows) const
{
    reportpage::show(m_def, rows);
}
