#include "cashoffice/UnitVenDiaQui.h"

#include "reports/CompanyBlock.h"
#include "reports/ReportPage.h"
#include "reports/PageHeader.h"
#include "reports/ReportForm.h"
#include "reports/UnitVisaoRelatorio.h"

using namespace report;

TFormVenDiaQui::TFormVenDiaQui(TLogon& logon, const QString& caption)
{
    Band& h = titledForm(m_def, {.title = QStringLiteral("RELATÓRIO DE VENDA"), .headerHeight = 50,
                                 .firstPageOnly = true});
    addCaptionedLines(h, 10, reportpage::companyWithCityState(companyRow(logon)));
    h.add(label(0, 32, 195, 6, caption));
    const Column value{165, 30, true};
    titledColumns(m_def, h, 40,
                  {{QStringLiteral("NOTA"), QStringLiteral("NOTA"), {0, 20}},
                   {QStringLiteral("DATA"), QStringLiteral("DATA"), {22, 22}},
                   {QStringLiteral("CLIENTE"), QStringLiteral("CLIENTE"), {46, 90}},
                   {QStringLiteral("VENDEDOR"), QStringLiteral("VENDEDOR"), {138, 25}},
                   {QStringLiteral("VALOR"), QStringLiteral("VALOR"), value, QStringLiteral("0.00")}},
                  195, {6, 8});

    Band& s = m_def.summary;
    s.height = 10;
    s.add(rule(0, 1, 195));
    s.add(label(138, 2, 25, 5, QStringLiteral("Total")).bold());
    s.add(total(QStringLiteral("VALOR"), value, QStringLiteral("0.00"), 2));
}

void TFormVenDiaQui::preview(const RowSet& sales) const
{
    report::preview(m_def, sales);
}
