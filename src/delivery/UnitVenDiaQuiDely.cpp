#include "delivery/UnitVenDiaQuiDely.h"

#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "reports/CompanyBlock.h"
#include "reports/ReportForm.h"
#include "reports/UnitVisaoRelatorio.h"

using namespace report;

namespace {

QString money10(const Decimal& v) { return FormatFloatLeftPadded(QStringLiteral("0.00"), 10, v); }

} // namespace

TFormVenDiaQuiDely::TFormVenDiaQuiDely(TLogon& logon, const QString& cashCaption)
{
    Band& h = titledForm(m_def, {.title = QStringLiteral("RELATÓRIO DE VENDA  - DELIVERY"), .headerHeight = 56,
                                 .firstPageOnly = true});
    companyBlock(h, 10, companyRow(logon));
    h.add(label(0, 38, 195, 6, cashCaption));
    h.add(rule(0, 46, 195));
    h.add(label(0, 47, 22, 6, QStringLiteral("NOTA")).bold());
    h.add(label(24, 47, 20, 6, QStringLiteral("DATA")).bold());
    h.add(label(46, 47, 62, 6, QStringLiteral("CLIENTE")).bold());
    h.add(label(110, 47, 25, 6, QStringLiteral("VALOR")).bold().right());
    h.add(label(140, 47, 30, 6, QStringLiteral("ENTREGADOR")).bold());
    h.add(label(172, 47, 23, 6, QStringLiteral("TAXA")).bold().right());
    h.add(rule(0, 54, 195));

    m_def.detail.height = 5;
    m_def.detail.add(field(0, 0, 22, 5, QStringLiteral("NOTA")));
    m_def.detail.add(field(24, 0, 20, 5, QStringLiteral("DATA")));
    m_def.detail.add(field(46, 0, 62, 5, QStringLiteral("CLIENTE")));
    m_def.detail.add(computed(110, 0, 25, 5, [](const BandContext& c) {
        return money10(decimalOf(c.value(u"VALOR"))).trimmed();
    }).right());
    m_def.detail.add(field(140, 0, 30, 5, QStringLiteral("ENTREGADOR")));
    m_def.detail.add(computed(172, 0, 23, 5, [](const BandContext& c) {
        return money10(decimalOf(c.value(u"TAXA"))).trimmed();
    }).right());

    Band& s = m_def.summary;
    s.height = 10;
    s.add(rule(0, 1, 195));
    s.add(label(46, 2, 40, 5, QStringLiteral("Total")).bold());
    s.add(computed(110, 2, 25, 5, [](const BandContext& c) { return money10(c.sum(u"VALOR")); }).right().bold());
    s.add(computed(172, 2, 23, 5, [](const BandContext& c) { return money10(c.sum(u"TAXA")); }).right().bold());
}

void TFormVenDiaQuiDely::preview(const std::vector<DeliverySaleRow>& rows) const
{
    report::preview(m_def, DeliveryReports::salesRows(rows));
}
