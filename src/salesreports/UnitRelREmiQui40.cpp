#include "salesreports/UnitRelREmiQui40.h"

#include "reports/ReportPage.h"
#include "salesreports/UnitRelREmiQui.h"

using namespace report;

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
constexpr double kWidth = 96, kDebit = 22, kCredit = 46, kBalance = 70, kNumber = 24;
} // namespace

TFormRelREmiQui40::TFormRelREmiQui40(const QString& customer, const QString& company)
{
    statementpage::header(m_def, S("Relatório de C/C - Cliente"), customer, company);
    Band& c = m_def.columnHeader;
    reportpage::titles(c, 0, {{{0, 20}, S("Data")}, {{22, 74}, S("Historico")}}, kWidth);
    c.add(label(0, 7.5, 20, 5, S("Vencimento")).bold());
    c.add(label(kDebit, 7.5, kNumber, 5, S("Débito")).bold().right());
    c.add(label(kCredit, 7.5, kNumber, 5, S("Crédito")).bold().right());
    c.add(label(kBalance, 7.5, kNumber + 2, 5, S("S Devedor")).bold().right());
    c.add(rule(0, 13, kWidth));
    c.height = 14;
    Band& d = m_def.detail;
    d.height = 11;
    d.add(field(0, 0, 20, 5, S("DATA")));
    d.add(field(22, 0, kWidth - 22, 5, S("HISTORICO")));
    d.add(field(0, 5, 20, 5, S("VENCIMENTO")));
    d.add(field(kDebit, 5, kNumber, 5, S("VALOR")).mask(S("0.00")).right());
    d.add(field(kCredit, 5, kNumber, 5, S("CUSTO")).mask(S("0.00")).right());
    d.add(field(kBalance, 5, kNumber + 2, 5, S("JUROS")).mask(S("0.00")).right());
}

void TFormRelREmiQui40::show(const RowSet& lines, bool preview) const
{
    reportpage::show(m_def, lines, preview);
}
