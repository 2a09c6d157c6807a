#include "stock/StockLedger.h"

#include "db/UnitLogon.h"
#include "registers/ProductStore.h"
#include "stock/StockProducts.h"

#include <QStringList>

namespace stock {

Decimal StockLedger::stockOf(const QString& code) const
{
    if (!storableCode(code))
        return Decimal();   // no row can hold such a code
    return ProductStore(m_logon).stock(code);
}

Decimal StockLedger::stockBefore(const QString& code, const QDate& day) const
{
    if (!storableCode(code))
        return Decimal();
    RowSet r = m_logon.run(QStringLiteral("select SUM(entrada) as tent, SUM(saida) as tsai from estfic "
                                          "where codigo = ? and (data < ? or data is null)"),
                           {code, day});
    return r.next() ? r.decimal(u"TENT") - r.decimal(u"TSAI") : Decimal();
}

namespace {

// How the rows of a span are reached: read through the table, or through the index
// on DATA for a span of a few months at most.
enum class Reach { Table, DateIndex };
constexpr qint64 kShortSpanDays = 92;

Reach reachFor(const QDate& from, const QDate& to)
{
    return from.isValid() && to.isValid() && from.daysTo(to) <= kShortSpanDays ? Reach::DateIndex : Reach::Table;
}

// Σ ENTRADA, Σ SAIDA and the rows per code of the rows the condition (on "e")
// selects; of every code, or of the codes of one product group's products (each
// code's rows read through the index on CODIGO). Grouped as the column, the
// optimizer would walk the index on CODIGO and fetch the rows scattered over the
// whole table in the order of the codes, twice as long as reading the table
// through and sorting: the table is read in the order it lies, or, for a short
// span, through the index on DATA (the code then grouped as an expression, which
// no index serves).
QHash<QString, Movement> summed(TLogon& logon, const QString& condition, Params params, Reach reach, int group)
{
    const QString sums = QStringLiteral("sum(e.entrada) as eent, sum(e.saida) as esai, count(*) as linhas");
    const QString where = condition.isEmpty() ? QString() : QStringLiteral(" where (%1)").arg(condition);
    QString sql;
    if (group != 0) {
        sql = QStringLiteral("select e.codigo, %1 from (select distinct codigo from produtos where classe = ?) p "
                             "join estfic e on e.codigo = p.codigo%2 group by e.codigo")
                  .arg(sums, where);
        Params withGroup{group};
        for (int i = 0; i < params.size(); ++i)
            withGroup.append(params.at(i));
        params = withGroup;
    } else if (reach == Reach::Table) {
        sql = QStringLiteral("select e.codigo, %1 from estfic e%2 group by e.codigo plan sort (e natural)").arg(sums, where);
    } else {
        sql = QStringLiteral("select e.codigo || '' as codigo, %1 from estfic e%2 group by 1").arg(sums, where);
    }
    RowSet r = logon.run(sql, params);
    QHash<QString, Movement> byCode;
    byCode.reserve(r.size());
    while (r.next())
        if (!r.isNull(u"CODIGO"))   // rows without a code belong to no product
            byCode.insert(r.text(u"CODIGO"), {r.decimal(u"EENT"), r.decimal(u"ESAI"), r.integer(u"LINHAS")});
    return byCode;
}

} // namespace

QHash<QString, Movement> StockLedger::movementByCode(int group) const
{
    return summed(m_logon, QString(), {}, Reach::Table, group);
}

QHash<QString, Movement> StockLedger::movementUpTo(const QDate& day, int group) const
{
    return summed(m_logon, QStringLiteral("e.data <= ? or e.data is null"), {day}, Reach::Table, group);
}

QHash<QString, PeriodMovement> StockLedger::movementOver(const QDate& first, const QDate& last, int group) const
{
    QHash<QString, PeriodMovement> byCode;
    // Before the first day: the undated rows alone when no row is older; the rows
    // between the oldest and the first day otherwise.
    const QDate oldest = m_logon.scalar(QStringLiteral("select min(data) from estfic")).toDate();
    const bool undatedBefore = !oldest.isValid() || oldest >= first;
    const QHash<QString, Movement> before =
        undatedBefore
            ? summed(m_logon, QStringLiteral("e.data is null"), {}, Reach::DateIndex, group)
            : summed(m_logon, QStringLiteral("e.data < ? or e.data is null"), {first}, reachFor(oldest, first), group);
    for (auto it = before.begin(); it != before.end(); ++it)
        byCode[it.key()].before = it->stock();
    if (first > last)
        return byCode;
    const Reach reach = reachFor(first, last);
    // A long period that holds every dated row (none before it, none after it):
    // every row less the undated ones, without testing each row's date.
    const bool whole = reach == Reach::Table && undatedBefore
                       && m_logon.run(QStringLiteral("select first 1 1 from estfic where data > ?"), {last}).isEmpty();
    const QHash<QString, Movement> within =
        whole ? summed(m_logon, QString(), {}, Reach::Table, group)
              : summed(m_logon, QStringLiteral("e.data between ? and ?"), {first, last}, reach, group);
    for (auto it = within.begin(); it != within.end(); ++it) {
        Movement& m = byCode[it.key()].within;
        m = *it;
        if (whole) {
            const Movement undated = before.value(it.key());
            m.in -= undated.in;
            m.out -= undated.out;
            m.rows -= undated.rows;
        }
    }
    return byCode;
}

void StockLedger::append(const LedgerRow& row)
{
    QStringList columns{QStringLiteral("id"), QStringLiteral("codigo"), QStringLiteral("data"),
                        QStringLiteral("historico")};
    Params params{row.code, row.date, row.history.left(kHistoryLength)};
    const auto quantity = [&](const char* column, const std::optional<Decimal>& v) {
        if (v) {
            columns << QLatin1String(column);
            params.append(quantityOf(*v));
        }
    };
    const auto money = [&](const char* column, const std::optional<Decimal>& v) {
        if (v) {
            columns << QLatin1String(column);
            params.append(moneyOf(*v));
        }
    };
    const auto number = [&](const char* column, const std::optional<qint64>& v) {
        if (v) {
            columns << QLatin1String(column);
            params.append(*v);
        }
    };
    quantity("entrada", row.entrada);
    quantity("saida", row.saida);
    if (row.valor) {
        columns << QStringLiteral("valor");
        params.append(unitCostOf(*row.valor));
    }
    money("custo", row.custo);
    number("nfiscal", row.nfiscal);
    number("pedido", row.pedido);
    number("vendedor", row.vendedor);
    number("cliente", row.cliente);
    number("caixa", row.caixa);
    number("terminal", row.terminal);

    QString values = QStringLiteral("GEN_ID(ESTFIC,1)");
    for (int i = 1; i < columns.size(); ++i)
        values += QStringLiteral(",?");
    m_logon.run(QStringLiteral("insert into EstFic (%1) values (%2)").arg(columns.join(u','), values), params);
}

std::optional<Decimal> StockLedger::averageCost(const Decimal& stockBefore, const Decimal& average,
                                                const Decimal& quantity, const Decimal& unitCost)
{
    const Decimal after = stockBefore + quantity;
    if (after.isZero())
        return std::nullopt;
    if (stockBefore <= Decimal(0))
        return unitCostOf(unitCost);
    return unitCostOf((stockBefore * average + quantity * unitCost) / after);
}

bool StockLedger::receive(const LedgerRow& row, const ProductEntry& product)
{
    bool found = false;
    m_logon.action([&] {
        found = false;
        RowSet p = m_logon.run(QStringLiteral("select MEDIO, CUSTO from produtos where codigo = ? with lock"), {row.code});
        if (!p.next())
            return;
        found = true;
        const Decimal before = stockOf(row.code);
        append(row);
        const Decimal cost = product.unitCost ? unitCostOf(*product.unitCost) : p.decimal(u"CUSTO");
        const std::optional<Decimal> average =
            averageCost(before, p.decimal(u"MEDIO"), quantityOf(row.entrada.value_or(Decimal())), cost);
        if (!average)
            return;
        QString sql = QStringLiteral("update produtos set DATAentrada = ?, medio = ?");
        Params params{product.entryDate, *average};
        if (product.unitCost) {
            sql += QStringLiteral(", custo = ?");
            params.append(cost);
        }
        if (product.salePrice) {
            sql += QStringLiteral(", valor = ?");
            params.append(moneyOf(*product.salePrice));
        }
        if (product.bookValue) {
            sql += QStringLiteral(", Contabil = ?");
            params.append(moneyOf(*product.bookValue));
        }
        if (product.expiry) {
            sql += QStringLiteral(", validade = ?");
            params.append(*product.expiry);
        }
        sql += QStringLiteral(" where codigo = ?");
        params.append(row.code);
        m_logon.run(sql, params);
    });
    return found;
}

void StockLedger::issue(const LedgerRow& row)
{
    m_logon.action([&] {
        append(row);
        m_logon.run(QStringLiteral("update produtos set DATAsaida = ? where codigo = ?"), {row.date, row.code});
    });
}

RowSet StockLedger::rowsOf(const QString& code, const QDate& from, const QDate& to) const
{
    return m_logon.run(QStringLiteral("select * from estfic where codigo = ? and data >= ? and data <= ? order by data, id"),
                       {code, from, to});
}

bool StockLedger::change(qint64 id, const QDate& date, const QString& history,
                         const std::optional<Decimal>& entrada, const std::optional<Decimal>& saida)
{
    const auto orNull = [](const std::optional<Decimal>& v) { return v ? SqlValue(quantityOf(*v)) : SqlValue(nullptr); };
    return m_logon.exec(QStringLiteral("update estfic set data = ?, historico = ?, entrada = ?, saida = ? where id = ?"),
                        {date, history.left(kHistoryLength), orNull(entrada), orNull(saida), id}) > 0;
}

bool StockLedger::remove(qint64 id)
{
    return m_logon.exec(QStringLiteral("delete from estfic where id = ?"), {id}) > 0;
}

void StockLedger::removeCode(const QString& code)
{
    m_logon.run(QStringLiteral("delete from estfic where codigo = ?"), {code});
}

} // namespace stock
