#include "cash/UnitRelCanQui.h"

#include "reports/CompanyBlock.h"
#include "reports/UnitVisaoRelatorio.h"

using namespace report;

TFormRelCanQui::TFormRelCanQui(TLogon& logon)
{
    const RowSet empresa = logon.run(QStringLiteral("Select * from empresa"));
    m_def.title = QStringLiteral("Relatório de Itens Cancelados");
    m_def.paper = QPageSize::Letter;
    m_def.font.size = 7;

    m_def.pageHeader.height = 38;
    m_def.pageHeaderOn = Where::FirstPage;
    m_def.pageHeader.add(label(0, 0, 195, 8, m_def.title).withFont(12, true).center());
    addCaptionedLines(m_def.pageHeader, 10, companyLines(empresa));

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
