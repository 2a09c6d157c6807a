#include "salesreports/SalesRanking.h"

#include "core/LineAmount.h"
#include "db/UnitLogon.h"
#include "reports/ReportFields.h"
#include "registers/ReportChoices.h"
#include "stock/StockLedger.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

// Grouped on the trimmed code, an expression: the rows of the period are read in
// one pass and sorted, never walked in code order through the code index.
const QString kProducts = S(
    "select g.codigo, g.data, g.quan, g.total, "
    "(select first 1 p.nome from produtos p where p.codigo = g.codigo order by p.id) as nome "
    "from (select trim(e.codigo) as codigo, min(e.data) as data, sum(e.saida) as quan, sum(e.saida * e.valor) as total "
    "from estfic e where e.data between ? and ? and e.saida <> 0 and trim(coalesce(e.codigo, '')) <> '' "
    "and (? = 0 or e.vendedor = ?) group by trim(e.codigo)) g "
    "order by g.quan desc, g.codigo");

const QString kKits = S(
    "select k.codigo, k.nome, k.data, k.quan, k.total from ("
    "select cast('' as varchar(14)) as codigo, e.historico as nome, min(e.data) as data, sum(e.saida) as quan, "
    "sum(e.saida * e.valor) as total from estfic e "
    "where e.data between ? and ? and e.saida <> 0 and trim(coalesce(e.codigo, '')) = '' group by e.historico "
    "union all "
    "select e.codigo, min(p.nome), min(e.data), sum(e.saida), sum(e.saida * e.valor) "
    "from (select codigo, min(nome) as nome from produtos where composicao = 'S' group by codigo) p "
    "join estfic e on e.codigo = p.codigo where e.data between ? and ? and e.saida <> 0 group by e.codigo) k "
    "order by k.quan desc, k.nome, k.codigo");

} // namespace

QStringList SalesRanking::waiterItems()
{
    return choices::items(choices::waiters(m_logon), {5, S(" "), S(" Todos")});
}

std::vector<RankingLine> SalesRanking::read(const QString& sql, const Params& params)
{
    RowSet rs = m_logon.run(sql, params);
    std::vector<RankingLine> out;
    out.reserve(size_t(rs.size()));
    while (rs.next())
        out.push_back({rs.text(u"CODIGO"), rs.text(u"NOME"), rs.date(u"DATA"), rs.decimal(u"QUAN"),
                       rs.decimal(u"TOTAL")});
    return out;
}

std::vector<RankingLine> SalesRanking::products(const QString& firstDay, const QString& lastDay,
                                                const QString& waiterItem)
{
    const QDate first = reportfields::date(firstDay);
    const QDate last = reportfields::date(lastDay);
    const std::optional<int> waiter = choices::codeOf(waiterItem, 5);
    if (!waiter)
        throw ShiftFieldRefused(reportmsg::fillError);
    if (*waiter != 0)
        return read(kProducts, {first, last, *waiter, *waiter});   // the totals are not kept per waiter
    return everyWaiter(first, last);
}

std::vector<RankingLine> SalesRanking::everyWaiter(const QDate& first, const QDate& last)
{
    // What left stock per code, from the totals kept beside the ledger; a code is
    // counted without its trailing blanks, as the product it names.
    const QHash<QString, stock::Exits> exits = stock::StockLedger(m_logon).exitsOver(first, last);
    QHash<QString, RankingLine> byCode;
    for (auto it = exits.begin(); it != exits.end(); ++it) {
        const QString code = it.key().trimmed();
        if (code.isEmpty())
            continue;
        RankingLine& l = byCode[code];
        l.code = code;
        l.quantity += it->quantity;
        l.total += it->value;
        if (!l.date.isValid() || (it->first.isValid() && it->first < l.date))
            l.date = it->first;
    }
    if (!byCode.isEmpty()) {
        // The name of the first product (by ID) with the code.
        // Compared as the database compares texts: trailing blanks do not count.
        const auto withoutTrailing = [](QString c) {
            while (c.endsWith(QLatin1Char(' ')))
                c.chop(1);
            return c;
        };
        QSet<QString> named;
        RowSet names = m_logon.run(S("select codigo, nome from produtos order by id"));
        while (names.next()) {
            const QString code = withoutTrailing(names.text(u"CODIGO"));
            auto found = byCode.find(code);
            if (found != byCode.end() && !named.contains(code)) {
                named.insert(code);
                found->name = names.text(u"NOME");
            }
        }
    }
    std::vector<RankingLine> out;
    out.reserve(size_t(byCode.size()));
    for (RankingLine& l : byCode) {
        out.push_back(std::move(l));
    }
    std::sort(out.begin(), out.end(), [](const RankingLine& a, const RankingLine& b) {
        return a.quantity != b.quantity ? b.quantity < a.quantity : a.code < b.code;
    });
    return out;
}

std::vector<RankingLine> SalesRanking::kits(const QString& firstDay, const QString& lastDay)
{
    const QDate first = reportfields::date(firstDay);
    const QDate last = reportfields::date(lastDay);
    return read(kKits, {first, last, first, last});
}

RowSet SalesRanking::rows(const std::vector<RankingLine>& lines)
{
    std::vector<QVariantList> rows;
    rows.reserve(lines.size());
    for (const RankingLine& l : lines) {
        // The average is the unit value sold (9,99 for half a kit at 9,99, whose line prints 5,00).
        const Decimal average = l.quantity.isZero() ? Decimal() : l.total / l.quantity;
        rows.push_back({l.code, l.date, l.name, QVariant::fromValue(l.quantity), QVariant::fromValue(average),
                        QVariant::fromValue(lineAmount(l.total))});
    }
    return RowSet({S("CODIGO"), S("DATA"), S("NOME"), S("QUAN"), S("MEDIO"), S("TOTAL")}, std::move(rows));
}

QString SalesRanking::productPeriod(const QString& firstDay, const QString& lastDay, const QString& waiterText)
{
    return firstDay + S(" a ") + lastDay + S(" Garcon :") + waiterText;
}

QString SalesRanking::kitPeriod(const QString& firstDay, const QString& lastDay)
{
    return firstDay + S(" a ") + lastDay;
}
