#include "salesreports/UnitApuQui.h"

#include "reports/ReportPage.h"

#include <QDate>

using namespace report;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

// Columns: Data, code, product, quantity, cost, sale, result.
constexpr double kCode = 12, kQuant = 96, kCost = 118, kSale = 143, kResult = 168, kNumber = 22;

} // namespace

TFormApuQui::TFormApuQui(TLogon& logon, const QString& waiterText, const QString& range)
{
    const RowSet empresa = reportpage::company(logon);
    double y = reportpage::start(m_def, QPageSize::A4, S("Controle de Estoque - Apuração de Resultado"),
                                 companyLines(empresa), QDate::currentDate().toString(S("dd/MM/yyyy")));
    const double w = reportpage::widthOf(m_def);
    Band& h = m_def.pageHeader;
    h.add(label(100, y - 6, w - 100, 5, companyValue(empresa, "CNPJ")).right());
    h.add(label(0, y, w / 2, 5, waiterText));
    h.add(label(w / 2, y, w / 2, 5, range).right());
    h.height = y + 6;

    reportpage::titles(m_def.columnHeader, 0,
                       {{{0, 12}, S("Data")}, {{kCode, 70}, S("CODIGO  PRODUTO")},
                        {{kQuant, kNumber, true}, S("Quant Vendas")}, {{kCost, kNumber, true}, S("Custo")},
                        {{kSale, kNumber, true}, S("Venda")}, {{kResult, kNumber, true}, S("Apurado")}},
                       w);

    Group g;
    g.column = S("CLASSE");
    g.header.height = 7;
    g.header.add(computed(0, 1, w, 5, [](const BandContext& c) {
                     return S("CENTRO DE CUSTO : ") + textOf(c.value(u"CLASSE"));
                 }).bold());
    g.footer.height = 8;
    g.footer.add(rule(kQuant - 10, 0.5, w - kQuant + 10));
    g.footer.add(sum(kQuant, 1.5, kNumber, 5, S("QUANT")).mask(S("##,##0.0")).right().bold());
    g.footer.add(sum(kCost, 1.5, kNumber, 5, S("CUSTO")).mask(S("##,##0.00")).right().bold());
    g.footer.add(sum(kSale, 1.5, kNumber, 5, S("VENDA")).mask(S("##,##0.00")).right().bold());
    g.footer.add(sum(kResult, 1.5, kNumber, 5, S("APURADO")).mask(S("##,##0.00")).right().bold());
    m_def.groups.push_back(g);

    Band& d = m_def.detail;
    d.height = 5;
    d.add(field(0, 0, 12, 5, S("DATA")));
    d.add(field(kCode, 0, 28, 5, S("CODIGO")).right());
    d.add(field(kCode + 30, 0, kQuant - kCode - 30, 5, S("NOME")));
    d.add(field(kQuant, 0, kNumber, 5, S("QUANT")).mask(S("####0.0##")).right());
    d.add(field(kCost, 0, kNumber, 5, S("CUSTO")).mask(S("####0.00")).right());
    d.add(field(kSale, 0, kNumber, 5, S("VENDA")).mask(S("####0.00")).right());
    d.add(field(kResult, 0, kNumber, 5, S("APURADO")).mask(S("####0.00")).right());

    Band& s = m_def.summary;
    s.height = 9;
    s.add(rule(0, 1, w));
    s.add(sum(kQuant, 2.5, kNumber, 5, S("QUANT")).mask(S("##,##0.0")).right().bold());
    s.add(sum(kCost, 2.5, kNumber, 5, S("CUSTO")).mask(S("##,##0.00")).right().bold());
    s.add(sum(kSale, 2.5, kNumber, 5, S("VENDA")).mask(S("##,##0.00")).right().bold());
    s.add(sum(kResult, 2.5, kNumber, 5, S("APURADO")).mask(S("##,##0.00")).right().bold());
}

void TFormApuQui::preview(const RowSet& rows) const
{
    reportpage::show(m_def, rows);
}
