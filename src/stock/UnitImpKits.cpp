#include "stock/UnitImpKits.h"

#include "db/UnitLogon.h"
#include "reports/CompanyBlock.h"
#include "reports/ReportForm.h"
#include "reports/UnitVisaoRelatorio.h"
#include "stock/KitRegister.h"

using namespace report;

TFormImpKits::TFormImpKits(TLogon& logon)
{
    const RowSet empresa = logon.run(QStringLiteral("Select * from empresa"));
    titledForm(m_def, {.title = kits::text::listTitle, .headerHeight = 40, .firstPageOnly = true});
    companyBlock(m_def.pageHeader, 10, empresa);

    m_def.columnHeader.height = 8;
    m_def.columnHeader.add(rule(0, 0.5, 195));
    m_def.columnHeader.add(label(0, 1, 30, 6, QStringLiteral("CODIGO")).bold());
    m_def.columnHeader.add(label(35, 1, 120, 6, QStringLiteral("DESCRIÇÃO")).bold());
    m_def.columnHeader.add(label(160, 1, 35, 6, QStringLiteral("VALOR")).bold().right());
    m_def.columnHeader.add(rule(0, 7.5, 195));

    m_def.detail.height = 5;
    m_def.detail.add(field(0, 0, 30, 5, QStringLiteral("CODIGO")));
    m_def.detail.add(field(35, 0, 120, 5, QStringLiteral("NOME")));
    m_def.detail.add(field(160, 0, 35, 5, QStringLiteral("VALOR")).mask(QStringLiteral("#,##0.00")).right());

    m_def.summary.height = 3;
    m_def.summary.add(rule(0, 1, 195));
}

void TFormImpKits::preview(const RowSet& kits) const
{
    report::preview(m_def, kits);
}
