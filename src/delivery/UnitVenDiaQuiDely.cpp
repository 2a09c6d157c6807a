#include "delivery/UnitVenDiaQuiDely.h"

#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "reports/CompanyBlock.h"
#include "reports/PageHeader.h"
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
    const Column note{0, 22}, date{24, 20}, customer{46, 62}, value{110, 25, true}, man{140, 30}, fee{172, 23, true};
    columnTitles(h, 46,
                 {{note, QStringLiteral("NOTA")}, {date, QStringLiteral("DATA")}, {customer, QStringLiteral("CLIENTE")},
                  {value, QStringLiteral("VALOR")}, {man, QStringLiteral("ENTREGADOR")}, {fee, QStringLiteral("TAXA")}},
                 195, {6, 8});

    m_def.detail.height = 5;
    m_def.detail.add(placed(field(0, 0, 0, 0, QStringLiteral("NOTA")), note));
    m_def.detail.add(placed(field(0, 0, 0, 0, QStringLiteral("DATA")), date));
    m_def.detail.add(placed(field(0, 0, 0, 0, QStringLiteral("CLIENTE")), customer));
    m_def.detail.add(placed(computed(0, 0, 0, 0, [](const BandContext& c) {
        return money10(decimalOf(c.value(u"VALOR"))).trimmed();
    }), value));
    m_def.detail.add(placed(field(0, 0, 0, 0, QStringLiteral("ENTREGADOR")), man));
    m_def.detail.add(placed(computed(0, 0, 0, 0, [](const BandContext& c) {
        return money10(decimalOf(c.value(u"TAXA"))).trimmed();
    }), fee));

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
