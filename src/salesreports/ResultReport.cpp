#include "salesreports/ResultReport.h"

#include "core/LineAmount.h"
#include "db/UnitLogon.h"
#include "reports/ReportFields.h"
#include "registers/ReportChoices.h"

#include <QSet>

#include <algorithm>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

constexpr int kNameWidth = 25;

// Per product code: the sums of its rows (a sale number other than 0, no VEND, a
// code; every waiter or one), its first row (by ID) with the cost and history that
// stand for it, and the product's row (a code two products share comes once per
// product: the first by ID counts).
const QString kSelect = S(
    "select g.codigo, g.primeiro, g.quant, g.venda, f.custo, f.historico, p.id as produto, p.nome, "
    "p.custo as custoprod, p.classe "
    "from (select trim(e.codigo) as codigo, min(e.id) as primeiro, sum(coalesce(e.saida, 0)) as quant, "
    "sum(coalesce(e.saida, 0) * coalesce(e.valor, 0)) as venda from estfic e "
    "where e.caixa between ? and ? and e.nfiscal <> 0 and e.vend is null and trim(coalesce(e.codigo, '')) <> '' "
    "and (? = 0 or e.vendedor = ?) group by trim(e.codigo)) g "
    "join estfic f on f.id = g.primeiro left join produtos p on p.codigo = g.codigo "
    "order by g.primeiro, p.id");

} // namespace

QStringList ResultReport::waiterItems()
{
    return choices::items(choices::waiters(m_logon), {5, S(" "), S("TODOS")});
}

int ResultReport::waiterOf(const QString& item)
{
    return choices::codeOf(item, 5).value_or(0);
}

std::vector<ResultLine> ResultReport::lines(const QString& firstText, const QString& lastText, int waiter)
{
    const reportfields::ShiftRange range = reportfields::shiftRange(firstText, lastText);
    RowSet rs = m_logon.run(kSelect, {range.first, range.last, waiter, waiter});
    std::vector<ResultLine> out;
    out.reserve(size_t(rs.size()));
    QSet<QString> seen;
    while (rs.next()) {
        ResultLine l;
        l.code = rs.text(u"CODIGO");
        if (seen.contains(l.code))
            continue;   // the same code's second product
        seen.insert(l.code);
        const bool known = !rs.isNull(u"PRODUTO");
        l.name = (known ? rs.text(u"NOME") : rs.text(u"HISTORICO")).left(kNameWidth);
        l.unitCost = rs.decimal(u"CUSTO");
        if (l.unitCost.isZero())
            l.unitCost = rs.decimal(u"CUSTOPROD");
        l.group = known && !rs.isNull(u"CLASSE") ? QString::number(rs.integer(u"CLASSE")) : QString();
        l.quantity = rs.decimal(u"QUANT");
        l.sale = rs.decimal(u"VENDA");
        out.push_back(l);
    }
    // By group as text; within a group in the order the products were first sold.
    std::stable_sort(out.begin(), out.end(),
                     [](const ResultLine& a, const ResultLine& b) { return a.group < b.group; });
    return out;
}

RowSet ResultReport::rows(const std::vector<ResultLine>& lines)
{
    std::vector<QVariantList> rows;
    rows.reserve(lines.size());
    for (const ResultLine& l : lines) {
        const Decimal cost = lineAmount(l.quantity, l.unitCost);
        const Decimal sale = lineAmount(l.sale);
        const Decimal result = sale - cost;
        rows.push_back({QVariant(), l.code, l.name, QVariant::fromValue(l.quantity), QVariant::fromValue(cost),
                        QVariant::fromValue(sale), QVariant::fromValue(result), l.group});
    }
    return RowSet({S("DATA"), S("CODIGO"), S("NOME"), S("QUANT"), S("CUSTO"), S("VENDA"), S("APURADO"), S("CLASSE")},
                  std::move(rows));
}
