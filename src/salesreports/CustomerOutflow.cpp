#include "salesreports/CustomerOutflow.h"
#include "core/WholeNumber.h"

#include "core/FormatFloat.h"
#include "core/LineAmount.h"
#include "db/UnitLogon.h"
#include "reports/ReportFields.h"

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
constexpr int kHistoryWidth = 30;

QString product(const char* column)
{
    return S("(select first 1 p.") + QLatin1String(column)
         + S(" from produtos p where p.codigo = e.codigo order by p.id) as ") + QLatin1String(column);
}

} // namespace

QString CustomerOutflow::title(Valuation v)
{
    switch (v) {
    case Valuation::Cost: return S("CUSTO");
    case Valuation::Sale: return S("VALOR");
    case Valuation::Average: return S("MEDIO");
    }
    return S("CUSTO");
}

QStringList CustomerOutflow::customerItems()
{
    QStringList items;
    RowSet rs = m_logon.run(S("select codigo, nome from clientes order by nome, codigo"));
    while (rs.next())
        items << FormatFloat(u"000000", Decimal(rs.integer(u"CODIGO"))) + S("  -  ") + rs.text(u"NOME").left(20);
    return items;
}

std::optional<int> CustomerOutflow::customerOf(const QString& item)
{
    const qsizetype dash = item.indexOf(QLatin1Char('-'));
    return readInt(dash < 0 ? item : item.left(dash));
}

QString CustomerOutflow::period(const QString& firstDay, const QString& lastDay)
{
    return S("Periodo de ") + firstDay + S(" a ") + lastDay;
}

RowSet CustomerOutflow::rows(const QString& customerItem, const QString& firstDay, const QString& lastDay,
                             Valuation v)
{
    const std::optional<int> customer = customerOf(customerItem);
    if (!customer)
        throw ShiftFieldRefused(reportmsg::customerNotFound);
    const QDate first = reportfields::date(firstDay);
    const QDate last = reportfields::date(lastDay);
    const char* value = v == Valuation::Cost ? "custo" : v == Valuation::Sale ? "valor" : "medio";
    RowSet rs = m_logon.run(S("select e.data, e.codigo, e.historico, e.saida, ") + product("nome") + S(", ")
                                + product("unidade") + S(", ") + product("locacao") + S(", ") + product(value)
                                + S(" from estfic e where e.cliente = ? and e.data between ? and ? "
                                    "order by e.data, e.id"),
                            {*customer, first, last});
    std::vector<QVariantList> rows;
    while (rs.next()) {
        const Decimal out = rs.decimal(u"SAIDA");
        const Decimal unit = rs.decimal(QString::fromLatin1(value).toUpper());
        rows.push_back({rs.value(u"DATA"), rs.text(u"CODIGO"), rs.text(u"UNIDADE"), rs.text(u"NOME"),
                        rs.text(u"LOCACAO"), rs.text(u"HISTORICO").left(kHistoryWidth), QVariant::fromValue(out),
                        QVariant::fromValue(unit), QVariant::fromValue(lineAmount(out, unit))});
    }
    return RowSet({S("DATA"), S("CODIGO"), S("UNIDADE"), S("NOME"), S("LOCACAO"), S("HISTORICO"), S("SAIDA"),
                   S("CUSTO"), S("TOTAL")},
                  std::move(rows));
}
