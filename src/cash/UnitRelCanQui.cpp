#include "cash/UnitRelCanQui.h"

#include "reports/CompanyBlock.h"
#include "reports/ReportForm.h"
#include "reports/UnitVisaoRelatorio.h"

using namespace report;

TFormRelCanQui::TFormRelCanQui(TLogon& logon)
{
    Band& h = titledForm(m_def, {.title = QStringLiteral("Relatório de Itens Cancelados"), .fontSize = 7,
                                 .headerHeight = 38, .firstPageOnly = true});
    companyBlock(h, 10, companyRow(logon));

    m_def.columnHeader.height = 7;
    m_def.columnHeader.add(label(0, 0, 12, 6, QStringLiteral("CAIXA")).bold());
    m_def.columnHeader.add(label(13, 0, 30, 6, QStringLiteral("DATA")).bold());
    m_def.columnHeader.add(label(44, 0, 28, 6, QStringLiteral("OPERADOR")).bold());
    m_def.columnHeader.add(label(73, 0, 60, 6, QStringLiteral("MOTIVO")).bold());
    m_def.columnHeader.add(label(134, 0, 61, 6, QStringLiteral("OCORRÊNCIA")).bold());
    m_def.columnHeader.add(rule(0, 6.5, 195));

    m_def.detail.height = 5;
    m_def.detail.add(field(0, 0, 12, 5, QStringLiteral("CAIXA")));
    m_def.detail.add(field(13, 0, 30, 5, QStringLiteral("HORA")));
    m_def.detail.add(field(44, 0, 28, 5, QStringLiteral("OPERADOR")));
    m_def.detail.add(field(73, 0, 60, 5, QStringLiteral("MOTIVO")));
    m_def.detail.add(field(134, 0, 61, 5, QStringLiteral("ACAO")));
}

void TFormRelCanQui::preview(const RowSet& logRows) const
{
    report::preview(m_def, logRows);
}
