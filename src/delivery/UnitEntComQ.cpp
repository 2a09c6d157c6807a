#include "delivery/UnitEntComQ.h"

#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "reports/CompanyBlock.h"
#include "reports/PageHeader.h"
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
    const Column fee{140, 55, true};
    titledColumns(m_def, h, 54,
                  {{QStringLiteral("CODIGO"), QStringLiteral("Codigo"), {0, 25}},
                   {QStringLiteral("DATA"), QStringLiteral("data"), {28, 25}},
                   {QStringLiteral("Nota"), QStringLiteral("Nota"), {56, 35}},
                   {QStringLiteral("Caixa"), QStringLiteral("Caixa"), {94, 25}},
                   {QStringLiteral("Total Comissão"), QString(), fee}},
                  195, {6, 8});
    m_def.detail.add(placed(computed(0, 0, 0, 0, [](const BandContext& c) {
        return fee12(decimalOf(c.value(u"Valor")));
    }), fee));

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
