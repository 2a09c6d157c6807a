#include "salesreports/UnitSaiQuiABC.h"

#include "reports/ReportPage.h"

#include <QDate>

using namespace report;

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
constexpr double kDate = 30, kName = 50, kOut = 118, kAverage = 144, kTotal = 170, kNumber = 24;
} // namespace

namespace ranking {

Definition definition(TLogon& logon, const QString& title, const QString& period, const QString& quantityMask)
{
    Definition def;
    const RowSet empresa = reportpage::company(logon);
    std::vector<Captioned> lines = companyLines(empresa);
    lines.push_back({S("PERIODO DE"), period});
    def.pageHeader.height =
        reportpage::start(def, QPageSize::Letter, title, lines, QDate::currentDate().toString(S("dd/MM/yyyy")));
    const double w = reportpage::widthOf(def);
    reportpage::titles(def.columnHeader, 0,
                       {{{0, 28, true}, S("CODIGO")}, {{kDate, 18}, S("DATA")}, {{kName, 66}, S("PRODUTO")},
                        {{kOut, kNumber, true}, S("Saidas")}, {{kAverage, kNumber, true}, S("Valor/medio")},
                        {{kTotal, kNumber, true}, S("Total")}},
                       w);
    Band& d = def.detail;
    d.height = 5;
    d.add(field(0, 0, 28, 5, S("CODIGO")).right());
    d.add(field(kDate, 0, 18, 5, S("DATA")));
    d.add(field(kName, 0, kOut - kName, 5, S("NOME")));
    d.add(field(kOut, 0, kNumber, 5, S("QUAN")).mask(quantityMask).right());
    d.add(field(kAverage, 0, kNumber, 5, S("MEDIO")).mask(S("##,##0.00")).right());
    d.add(field(kTotal, 0, kNumber, 5, S("TOTAL")).mask(S("##,##0.00")).right());
    Band& s = def.summary;
    s.height = 8;
    s.add(rule(kTotal - 6, 1, kNumber + 6));
    s.add(sum(kTotal, 2, kNumber, 5, S("TOTAL")).mask(S("##,##0.00")).right().bold());
    return def;
}

} // namespace ranking

TFormSaiQuiABC::TFormSaiQuiABC(TLogon& logon, const QString& period)
    : m_def(ranking::definition(logon, S("Controle de Estoque - Relatorio de Saidas"), period, S("##,##0.0##")))
{
}

void TFormSaiQuiABC::preview(const RowSet& rows) const
{
    reportpage::show(m_def, rows);
}
