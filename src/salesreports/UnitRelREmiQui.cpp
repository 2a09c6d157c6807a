#include "salesreports/UnitRelREmiQui.h"

#include "reports/ReportPage.h"

#include <QDate>

using namespace report;

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
constexpr double kHistory = 22, kDue = 86, kDebit = 108, kCredit = 136, kBalance = 164, kNumber = 26;
} // namespace

namespace statementpage {

void header(Definition& def, const QString& title, const QString& customer, const QString& company)
{
    def.pageHeader.height = reportpage::start(def, QPageSize::Letter, title,
                                              {{S("EMPRESA"), company}, {S("CLIENTE"), customer}},
                                              QDate::currentDate().toString(S("dd/MM/yyyy")));
}

} // namespace statementpage

TFormRelREmiQui::TFormRelREmiQui(const QString& customer, const QString& company)
{
    statementpage::header(m_def, S("Contas a Receber - Relatório de Conta Corrente - Cliente"), customer, company);
    reportpage::titles(m_def.columnHeader, 0,
                       {{{0, 20}, S("Data")}, {{kHistory, 62}, S("Historico")}, {{kDue, 20}, S("Vencimento")},
                        {{kDebit, kNumber, true}, S("Débito")}, {{kCredit, kNumber, true}, S("Crédito")},
                        {{kBalance, kNumber + 4, true}, S("Saldo Devedor")}},
                       reportpage::widthOf(m_def));
    Band& d = m_def.detail;
    d.height = 5;
    d.add(field(0, 0, 20, 5, S("DATA")));
    d.add(field(kHistory, 0, kDue - kHistory, 5, S("HISTORICO")));
    d.add(field(kDue, 0, 20, 5, S("VENCIMENTO")));
    d.add(field(kDebit, 0, kNumber, 5, S("VALOR")).mask(S("0.00")).right());
    d.add(field(kCredit, 0, kNumber, 5, S("CUSTO")).mask(S("0.00")).right());
    d.add(field(kBalance, 0, kNumber + 4, 5, S("JUROS")).mask(S("0.00")).right());
}

void TFormRelREmiQui::show(const RowSet& lines, bool preview) const
{
    reportpage::show(m_def, lines, preview);
}
