#include "salesreports/UnitBalFor.h"

#include "reports/ReportPage.h"

#include <QDateTime>

using namespace report;

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
constexpr double kForn = 24, kName = 40, kOut = 96, kIn = 120, kCost = 144, kTotal = 168, kNumber = 22;
} // namespace

TFormBalFor::TFormBalFor(TLogon& logon, const QString& supplierText, const QString& period)
{
    const RowSet empresa = reportpage::company(logon);
    const double y = reportpage::start(m_def, QPageSize::A4, S("Controle de Estoque - Balanço"), companyLines(empresa),
                                       QDateTime::currentDateTime().toString(S("dd/MM/yyyy hh:mm")));
    const double w = reportpage::widthOf(m_def);
    Band& h = m_def.pageHeader;
    h.add(label(0, y, 28, 5, S("FORNECEDOR")).bold());
    h.add(label(30, y, 90, 5, supplierText));
    h.add(label(120, y, w - 120, 5, period).right());
    h.height = y + 6;
    reportpage::titles(m_def.columnHeader, 0,
                       {{{0, 22}, S("CODIGO")}, {{kForn, 14, true}, S("FORN")}, {{kName, 56}, S("PRODUTO")},
                        {{kOut, kNumber, true}, S("SAIDAS")}, {{kIn, kNumber, true}, S("ENTRADAS")},
                        {{kCost, kNumber, true}, S("CUSTO")}, {{kTotal, kNumber, true}, S("TOTAL")}},
                       w);
    Group g;
    g.column = S("GRUPO");
    g.header.height = 6;
    g.header.add(label(0, 0.5, 60, 5, S("FORNECEDOR")).bold());
    g.footer.height = 8;
    g.footer.add(rule(kCost, 0.5, w - kCost));
    g.footer.add(label(kCost, 1.5, kNumber, 5, S("TOTAL ")).bold());
    g.footer.add(sum(kTotal, 1.5, kNumber, 5, S("TOTAL")).mask(S("##,##0.00")).right().bold());
    m_def.groups.push_back(g);

    Band& d = m_def.detail;
    d.height = 5;
    d.add(field(0, 0, 22, 5, S("CODIGO")));
    d.add(field(kForn, 0, 14, 5, S("FORN")).right());
    d.add(field(kName, 0, kOut - kName, 5, S("NOME")));
    d.add(field(kOut, 0, kNumber, 5, S("SAIDA")).mask(S("##,##0.0")).right());
    d.add(field(kIn, 0, kNumber, 5, S("ENTRADA")).mask(S("##,##0.0")).right());
    d.add(field(kCost, 0, kNumber, 5, S("CUSTO")).mask(S("##,##0.00")).right());
    d.add(field(kTotal, 0, kNumber, 5, S("TOTAL")).mask(S("##,##0.00")).right());

    Band& s = m_def.summary;
    s.height = 7;
    s.add(label(kCost - 10, 1, kNumber + 10, 5, S("TOTAL GERAL")).bold());
    s.add(sum(kTotal, 1, kNumber, 5, S("TOTAL")).mask(S("##,##0.00")).right().bold());
}

void TFormBalFor::preview(const RowSet& rows) const
{
    reportpage::show(m_def, rows);
}
