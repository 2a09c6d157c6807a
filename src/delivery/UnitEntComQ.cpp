#include "delivery/UnitEntComQ.h"

#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "reports/CompanyBlock.h"
#include "reports/ReportForm.h"
#include "reports/UnitVisaoRelatorio.h"

using namespace report;

namespace {

QString fee12(const Decimal& v) { return FormatFloatLeftPadded(QStringLiteral("#0.00"), 12, v); }

} // namespace

TFormEntComQ::TFormEntComQ(TLogon& logon, const QString& rangeCaption, const QString& manCaption)
{
    Band& h = titledForm(m_def, {.title = QStringLiteral("Relatorio de Comissão de Entrega"), .headerHeight = 64,
                                 .firstPageOnly = true});
    companyBlock(h, 10, companyRow(logon));
    h.add(label(0, 38, 30, 6, QStringLiteral("PERIODO DE")).bold());
    h.add(label(32, 38, 160, 6, rangeCaption));
    h.add(label(0, 45, 195, 6, manCaption));
    h.add(rule(0, 54, 195));
    h.add(label(0, 55, 25, 6, QStringLiteral("CODIGO")).bold());
    h.add(label(28, 55, 25, 6, QStringLiteral("DATA")).bold());
    h.add(label(56, 55, 35, 6, QStringLiteral("Nota")).bold());
    h.add(label(94, 55, 25, 6, QStringLiteral("Caixa")).bold());
    h.add(label(140, 55, 55, 6, QStringLiteral("Total Comissão")).bold().right());
    h.add(rule(0, 62, 195));

    m_def.detail.height = 5;
    m_def.detail.add(field(0, 0, 25, 5, QStringLiteral("Codigo")));
    m_def.detail.add(field(28, 0, 25, 5, QStringLiteral("data")));
    m_def.detail.add(field(56, 0, 35, 5, QStringLiteral("Nota")));
    m_def.detail.add(field(94, 0, 25, 5, QStringLiteral("Caixa")));
    m_def.detail.add(computed(140, 0, 55, 5, [](const BandContext& c) {
        return fee12(decimalOf(c.value(u"Valor")));
    }).right());

    Band& s = m_def.summary;
    s.height = 10;
    s.add(rule(0, 1, 195));
    s.add(label(94, 2, 40, 5, QStringLiteral("Total")).bold());
    s.add(computed(140, 2, 55, 5, [](const BandContext& c) { return fee12(c.sum(u"Valor")); }).right().bold());
}

void TFormEntComQ::preview(const std::vector<CommissionRow>& rows) const
{
    report::preview(m_def, DeliveryReports::commissionRows(rows));
}
