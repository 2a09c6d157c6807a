#include "cash/UnitComGarQui.h"

#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "reports/CompanyBlock.h"
#include "reports/PageHeader.h"
#include "reports/ReportForm.h"
#include "reports/UnitVisaoRelatorio.h"

using namespace report;

TFormComGarQui::TFormComGarQui(TLogon& logon, const QString& periodCaption, const QString& percentText)
{
    const std::optional<Decimal> percent = CommissionReport::percent(percentText);
    const QString percentLabel = FormatFloatLeftPadded(QStringLiteral("#0.0"), 5, percent.value_or(Decimal()));

    Band& h = titledForm(m_def, {.title = QStringLiteral("RELATÓRIO DE VENDA - COMISSÃO SOBRE VENDAS"),
                                 .headerHeight = 56, .firstPageOnly = true});
    companyBlock(h, 10, companyRow(logon));
    h.add(label(0, 38, 195, 6, periodCaption));
    const Column value{70, 30, true};
    titledColumns(m_def, h, 46,
                  {{QStringLiteral("CAIXA"), QStringLiteral("CAIXA"), {0, 25}},
                   {QStringLiteral("DATA"), QStringLiteral("DATA"), {30, 30}},
                   {QStringLiteral("VALOR"), QStringLiteral("VALOR"), value, QStringLiteral("0.00")}},
                  195, {6, 8});

    Band& s = m_def.summary;
    s.height = 14;
    s.add(rule(0, 1, 100));
    s.add(label(30, 2, 30, 5, QStringLiteral("Total")).bold());
    s.add(total(QStringLiteral("VALOR"), value, QStringLiteral("0.00"), 2));
    s.add(label(30, 8, 22, 5, QStringLiteral("Comissão")).bold());
    s.add(label(52, 8, 12, 5, percentLabel.trimmed()).right());
    s.add(label(64, 8, 5, 5, QStringLiteral("%")));
    s.add(computed(70, 8, 30, 5, [percentText](const BandContext& c) {
        return FormatFloat(QStringLiteral("0.00"), CommissionReport::commission(c.sum(u"VALOR"), percentText));
    }).right().bold());
}

RowSet TFormComGarQui::rowsOf(const std::vector<ShiftSales>& shifts)
{
    std::vector<QVariantList> rows;
    for (const ShiftSales& s : shifts)
        rows.push_back({qlonglong(s.caixa), s.data, QVariant::fromValue(s.valor)});
    return RowSet({QStringLiteral("CAIXA"), QStringLiteral("DATA"), QStringLiteral("VALOR")}, std::move(rows));
}

void TFormComGarQui::preview(const std::vector<ShiftSales>& shifts) const
{
    report::preview(m_def, rowsOf(shifts));
}
