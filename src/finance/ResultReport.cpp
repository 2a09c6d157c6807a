#include "finance/ResultReport.h"

#include "db/UnitLogon.h"
#include "finance/ReportFields.h"
#include "registers/ReportChoices.h"

#include <algorithm>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

constexpr int kNameWidth = 25;

// Per product code: the first row (by ID) with its cost and history, the sums of
// every row; the product's name, cost and group beside it.
const QString kSelect = S(
    "select x.codigo, x.id, x.custo, x.historico, x.quant, x.venda, "
    "(select first 1 p.id from produtos p where p.codigo = x.codigo order by p.id) as produto, "
    "(select first 1 p.nome from produtos p where p.codigo = x.codigo order by p.id) as nome, "
    "(select first 1 p.custo from produtos p where p.codigo = x.codigo order by p.id) as custoprod, "
    "(select first 1 p.classe from produtos p where p.codigo = x.codigo order by p.id) as classe "
    "from (select trim(e.codigo) as codigo, e.id, e.custo, e.historico, "
    "row_number() over (partition by trim(e.codigo) order by e.id) as n, "
    "sum(coalesce(e.saida, 0)) over (partition by trim(e.codigo)) as quant, "
    "sum(coalesce(e.saida, 0) * coalesce(e.valor, 0)) over (partition by trim(e.codigo)) as venda "
    "from estfic e where e.caixa between ? and ? and e.nfiscal <> 0 and e.vend is null "
    "and trim(coalesce(e.codigo, '')) <> '' and (? = 0 or e.vendedor = ?)) x "
    "where x.n = 1 order by x.id");

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
    while (rs.next()) {
        ResultLine l;
        l.code = rs.text(u"CODIGO");
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
    std::stable_sort(out.begin(), out.end(),
                     [](const ResultLine& a, const ResultLine& b) { return a.group < b.group; });
    return out;
}

RowSet ResultReport::rows(const std::vector<ResultLine>& lines)
{
    std::vector<QVariantList> rows;
    rows.reserve(lines.size());
    for (const ResultLine& l : lines) {
        const Decimal cost = l.quantity * l.unitCost;
        const Decimal result = l.sale.roundTo(2) - cost.roundTo(2);
        rows.push_back({QVariant(), l.code, l.name, QVariant::fromValue(l.quantity), QVariant::fromValue(cost),
                        QVariant::fromValue(l.sale), QVariant::fromValue(result), l.group});
    }
    return RowSet({S("DATA"), S("CODIGO"), S("NOME"), S("QUANT"), S("CUSTO"), S("VENDA"), S("APURADO"), S("CLASSE")},
                  std::move(rows));
}
