#include "stock/UnitImpPratoQui.h"

#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "reports/CompanyBlock.h"
#include "reports/ReportForm.h"
#include "reports/UnitVisaoRelatorio.h"
#include "stock/KitRegister.h"

#include <QDateTime>

using namespace report;

TFormImpPratoQui::TFormImpPratoQui(TLogon& logon, const QString& product, const Decimal& price)
{
    const RowSet empresa = logon.run(QStringLiteral("Select * from empresa"));
    Band& h = titledForm(m_def, {.title = kits::text::sheetTitle, .headerHeight = 50, .firstPageOnly = true,
                                 .titleSize = 14, .titleHeight = 9});
    companyBlock(h, 12, empresa);
    h.add(label(140, 12, 15, 5, QStringLiteral("DATA")).bold());
    h.add(label(155, 12, 40, 5, QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm"))));
    h.add(label(0, 40, 28, 6, QStringLiteral("Produto")).withFont(10, true));
    h.add(label(30, 40, 165, 6, product).withFont(10, true));

    Band& c = m_def.columnHeader;
    c.height = 8;
    c.add(label(0, 1, 28, 6, QStringLiteral("CODIGO")).bold().right());
    c.add(label(32, 1, 70, 6, QStringLiteral("PRODUTO")).bold());
    c.add(label(104, 1, 30, 6, QStringLiteral("QUANT.")).bold().right());
    c.add(label(136, 1, 28, 6, QStringLiteral("CUSTO")).bold().right());
    c.add(label(166, 1, 29, 6, QStringLiteral("TOTAL")).bold().right());
    c.add(rule(0, 7.5, 195));

    Band& d = m_def.detail;
    d.height = 5;
    d.add(field(0, 0, 28, 5, QStringLiteral("CODPROD")).right());
    d.add(field(32, 0, 70, 5, QStringLiteral("NOMEP")));
    d.add(field(104, 0, 30, 5, QStringLiteral("QUANT")).mask(QStringLiteral("#,##0.00000000")).right());
    d.add(field(136, 0, 28, 5, QStringLiteral("CUSTO")).mask(QStringLiteral("#,##0.00")).right());
    d.add(field(166, 0, 29, 5, QStringLiteral("TOTAL")).mask(QStringLiteral("#,##0.00")).right());

    Band& s = m_def.summary;
    s.height = 62;
    s.add(rule(0, 1, 195));
    s.add(label(120, 2, 45, 5, QStringLiteral("TOTAL GERAL")).bold());
    s.add(sum(166, 2, 29, 5, QStringLiteral("TOTAL")).mask(QStringLiteral("#,##0.00")).right().bold());
    s.add(label(120, 9, 45, 5, QStringLiteral("Custo da Receita")).bold());
    s.add(sum(166, 9, 29, 5, QStringLiteral("TOTAL")).mask(QStringLiteral("#,##0.00")).right());
    s.add(label(120, 15, 45, 5, QStringLiteral("Preço para Venda")).bold());
    s.add(label(166, 15, 29, 5, FormatFloatLeftPadded(QStringLiteral("#,##0.00"), 12, price).trimmed()).right());
    s.add(label(0, 22, 40, 6, QStringLiteral("Receita")).withFont(10, true));
    s.add(rule(0, 28, 195));
    s.add(rule(0, 60, 195));
}

void TFormImpPratoQui::preview(const RowSet& components) const
{
    report::preview(m_def, components);
}
