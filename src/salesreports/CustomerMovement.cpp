#include "salesreports/CustomerMovement.h"
#include "core/WholeNumber.h"

#include "core/LineAmount.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "reports/ReportFields.h"

#include <algorithm>
#include <map>
#include <numeric>

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
constexpr int kKeyWidth = 30;
} // namespace

std::pair<QString, QString> CustomerMovement::shiftTexts(const QString& first, const QString& last)
{
    if (!readInt(first) || !readInt(last))
        return {S("0"), S("0")};
    return {first.trimmed(), last.trimmed()};
}

std::vector<MovementLine> CustomerMovement::lines(const QString& customerText, int firstShift, int lastShift,
                                                  const MovementFilter& filter)
{
    const std::optional<int> customer = readInt(customerText);
    if (!customer)
        throw ShiftFieldRefused(reportmsg::customerNotFound);
    const QString product = TrimText(filter.product);
    const bool everyProduct = product.isEmpty() || readInt(product) == 0;

    RowSet rs = m_logon.run(
        S("select e.codigo, e.historico, e.caixa, e.saida, e.valor, "
          "(select first 1 p.nome from produtos p where p.codigo = e.codigo order by p.id) as nome "
          "from estfic e where e.cliente = ? and e.caixa between ? and ? and e.nfiscal is not null "
          "order by e.data, e.id"),
        {*customer, firstShift, lastShift});
    std::vector<MovementLine> out;
    std::vector<int> lastRead;   // per line: the number of the last row it took
    std::map<QString, size_t> byKey;
    for (int read = 0; rs.next(); ++read) {
        const QString history = rs.text(u"HISTORICO");
        if (filter.accountOnly && !history.startsWith(S("*C")))
            continue;
        const QString code = TrimText(rs.text(u"CODIGO"));
        if (!everyProduct && code != product)
            continue;
        MovementLine row;
        row.key = code.isEmpty() ? TrimText(history.left(kKeyWidth)) : code;
        row.name = code.isEmpty() ? history : rs.text(u"NOME");
        row.cash = rs.integer(u"CAIXA");
        row.quantity = rs.decimal(u"SAIDA");
        row.unitValue = rs.decimal(u"VALOR");
        row.amount = row.quantity * row.unitValue;
        const auto found = filter.analytic ? byKey.end() : byKey.find(row.key);
        if (found == byKey.end()) {
            byKey[row.key] = out.size();
            out.push_back(row);
            lastRead.push_back(read);
            continue;
        }
        MovementLine& line = out[found->second];
        line.cash = row.cash;
        line.name = row.name;
        line.quantity += row.quantity;
        line.amount += row.amount;
        lastRead[found->second] = read;
    }
    // A product's line stands where its last row was read.
    std::vector<size_t> order(out.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return lastRead[a] < lastRead[b]; });
    std::vector<MovementLine> sorted;
    sorted.reserve(out.size());
    for (size_t i : order)
        sorted.push_back(std::move(out[i]));
    out = std::move(sorted);
    // Each line's amount to the cent, as it is printed and as the report's total adds it.
    for (MovementLine& l : out) {
        l.amount = lineAmount(l.amount);
        if (!filter.analytic)
            l.unitValue = l.quantity.isZero() ? Decimal() : l.amount / l.quantity;
    }
    return out;
}

RowSet CustomerMovement::rows(const std::vector<MovementLine>& lines)
{
    std::vector<QVariantList> rows;
    rows.reserve(lines.size());
    for (const MovementLine& l : lines)
        rows.push_back({l.cash, QVariant(), l.name, QVariant::fromValue(l.unitValue), QVariant::fromValue(l.quantity),
                        QVariant::fromValue(l.amount)});
    return RowSet({S("UNIDADE"), S("DATA"), S("NOME"), S("VALOR"), S("SAI"), S("TOTAL")}, std::move(rows));
}
