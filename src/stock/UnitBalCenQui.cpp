#include "stock/UnitBalCenQui.h"

#include "reports/CompanyBlock.h"
#include "reports/PageHeader.h"
#include "reports/UnitVisaoRelatorio.h"

#include <QDateTime>

using namespace report;

TFormBalCenQui::TFormBalCenQui(TLogon& logon, const QString& period, const QString& costCentre)
{
    const RowSet empresa = logon.run(QStringLiteral("select * from empresa"));
    m_def.title = QStringLiteral("Controle de Estoque - Centro de Custo");
    m_def.paper = QPageSize::Letter;
    m_def.font.size = 9;

    Band& h = m_def.pageHeader;
    h.height = 56;
    h.add(label(0, 0, 195, 8, m_def.title).withFont(12, true).center());
    h.add(label(140, 8, 55, 5, period).right());
    addCaptionedLines(h, 10, companyLines(empresa));
    h.add(label(110, 35, 85, 5,
                QStringLiteral("DATA ") + QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm")))
              .right());
    h.add(label(0, 41, 110, 5, period).bold());
    h.add(label(0, 46, 38, 5, QStringLiteral("CENTRO DE CUSTO")).bold());
    h.add(label(40, 46, 155, 5, costCentre));

    const QString quantity = QStringLiteral("##,##0.0"), money = QStringLiteral("##,##0.00");
    const Column exits{110, 26, true}, total{166, 29, true};
    titledColumns(m_def, m_def.columnHeader, 0,
                  {{QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), {0, 24, true}},
                   {QStringLiteral("PRODUTO"), QStringLiteral("NOME"), {28, 80}},
                   {QStringLiteral("SAIDAS"), QStringLiteral("SAIDA"), exits, quantity},
                   {QStringLiteral("CUSTO"), QStringLiteral("CUSTO"), {138, 26, true}, money},
                   {QStringLiteral("TOTAL"), QStringLiteral("TOTAL"), total, money}},
                  195, {});
    m_def.columnHeader.height = 7;   // the listing starts half a millimetre under the rule

    Group g;
    g.column = QStringLiteral("CLASSE");
    g.header.height = 6;
    g.header.add(computed(0, 1, 120, 5, [](const BandContext& ctx) {
        return QStringLiteral("GRUPO/FAMILIA : ") + textOf(ctx.value(u"CLASSE"));
    }).bold());
    g.footer.height = 7;
    g.footer.add(rule(120, 0.5, 75));
    g.footer.add(label(120, 1.5, 40, 5, QStringLiteral("TOTAL GERAL")).bold());
    g.footer.add(report::total(QStringLiteral("TOTAL"), total, money, 1.5));
    m_def.groups.push_back(std::move(g));

    Band& s = m_def.summary;
    s.height = 9;
    s.add(rule(0, 1, 195));
    s.add(label(80, 2.5, 28, 5, QStringLiteral("TOTAL ")).bold());
    s.add(report::total(QStringLiteral("SAIDA"), exits, quantity, 2.5));
    s.add(report::total(QStringLiteral("TOTAL"), total, money, 2.5));
}

void TFormBalCenQui::preview(const RowSet& lines) const
{
    report::preview(m_def, lines);
}
