#include "stock/StockLedger.h"

#include "db/SqlBatches.h"
#include "db/UnitLogon.h"
#include "registers/ProductStore.h"
#include "stock/StockProducts.h"

#include <QStringList>

#include <algorithm>
#include <map>

namespace stock {

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
} // namespace

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
    append(std::vector<LedgerRow>{row});
}

void StockLedger::append(const std::vector<LedgerRow>& rows)
{
    // One statement text for every row: the columns a row leaves empty stay NULL.
    static const sqlbatch::RowBlock ledgerRows(
        sqlbatch::columnTypes("ESTFIC", {"CODIGO", "DATA", "HISTORICO", "ENTRADA", "SAIDA", "VALOR", "CUSTO",
                                         "NFISCAL", "PEDIDO", "VENDEDOR", "CLIENTE", "CAIXA", "TERMINAL"}),
        S("insert into EstFic (id,codigo,data,historico,entrada,saida,valor,custo,nfiscal,pedido,vendedor,cliente,"
          "caixa,terminal) values (GEN_ID(ESTFIC,1),?,?,?,?,?,?,?,?,?,?,?,?,?)"),
        32);
    const auto quantity = [](const std::optional<Decimal>& v) { return v ? SqlValue(quantityOf(*v)) : SqlValue(); };
    const auto money = [](const std::optional<Decimal>& v) { return v ? SqlValue(moneyOf(*v)) : SqlValue(); };
    const auto number = [](const std::optional<qint64>& v) { return v ? SqlValue(*v) : SqlValue(); };
    sqlbatch::RowBlock block = ledgerRows;
    for (const LedgerRow& row : rows)
        block.add({row.code, row.date, row.history.left(kHistoryLength), quantity(row.entrada), quantity(row.saida),
                   money(row.valor), money(row.custo), number(row.nfiscal), number(row.pedido), number(row.vendedor),
                   number(row.cliente), number(row.caixa), number(row.terminal)});
    block.run(m_logon);
}

std::optional<Decimal> StockLedger::averageCost(const Decimal& stockBefore, const Decimal& average,
                                                const Decimal& quantity, const Decimal& unitCost)
{
    const Decimal after = stockBefore + quantity;
    if (after.isZero())
        return std::nullopt;
    if (stockBefore <= Decimal(0))
        return moneyOf(unitCost);
    return moneyOf((stockBefore * average + quantity * unitCost) / after);
}

bool StockLedger::receive(const LedgerRow& row, const ProductEntry& product)
{
    return receive(std::vector<StockEntry>{{row, product}}).isEmpty();
}

namespace {

// What an entry finds of its product and leaves in it.
struct HeldProduct {
    Decimal medio, custo;
    bool written = false;        // an entry changed its average
    QDate entryDate;
    std::optional<Decimal> cost, salePrice, bookValue;   // given by an entry
    std::optional<QDate> expiry;
};

} // namespace

QStringList StockLedger::receive(const std::vector<StockEntry>& entries)
{
    // The products' rows, held in the order of their codes (one order for every
    // writer that holds several), the first row of a code as a lookup finds it.
    static const sqlbatch::RowBlock holdProducts(
        sqlbatch::columnTypes("PRODUTOS", {"CODIGO"}),
        S("for select CODIGO, MEDIO, CUSTO from PRODUTOS where CODIGO = ? with lock "
          "into :CODIGO, :MEDIO, :CUSTO do suspend"),
        32, S("CODIGO type of column PRODUTOS.CODIGO, MEDIO type of column PRODUTOS.MEDIO, "
              "CUSTO type of column PRODUTOS.CUSTO"));
    // Each product written once; a value no entry gave stays as it is.
    static const sqlbatch::RowBlock writeProducts(
        sqlbatch::columnTypes("PRODUTOS", {"DATAENTRADA", "MEDIO", "CUSTO", "VALOR", "CONTABIL", "VALIDADE",
                                           "CODIGO"}),
        S("update produtos set DATAentrada = ?, medio = ?, custo = coalesce(?, custo), valor = coalesce(?, valor), "
          "Contabil = coalesce(?, Contabil), validade = coalesce(?, validade) where codigo = ?"),
        32);

    QStringList missing;
    m_logon.action([&] {
        missing.clear();
        QStringList codes;
        for (const StockEntry& e : entries)
            if (!codes.contains(e.row.code))
                codes << e.row.code;
        std::sort(codes.begin(), codes.end());

        sqlbatch::RowBlock hold = holdProducts;
        for (const QString& c : codes)
            hold.add({c});
        RowSet held = hold.run(m_logon);
        std::map<QString, HeldProduct> products;
        while (held.next()) {
            HeldProduct p;
            p.medio = held.decimal(u"MEDIO");
            p.custo = held.decimal(u"CUSTO");
            products.emplace(held.text(u"CODIGO"), p);
        }
        for (const StockEntry& e : entries)
            if (!products.count(e.row.code) && !missing.contains(e.row.code))
                missing << e.row.code;
        if (!missing.isEmpty())
            return;

        QHash<QString, Decimal> stock = ProductStore(m_logon).stocks(codes);
        std::vector<LedgerRow> rows;
        for (const StockEntry& e : entries)
            rows.push_back(e.row);
        append(rows);

        for (const StockEntry& e : entries) {
            HeldProduct& p = products[e.row.code];
            Decimal& before = stock[e.row.code];
            const Decimal quantity = quantityOf(e.row.entrada.value_or(Decimal()));
            const Decimal cost = e.product.unitCost ? moneyOf(*e.product.unitCost) : p.custo;
            const std::optional<Decimal> average = averageCost(before, p.medio, quantity, cost);
            before += quantity;
            if (!average)
                continue;
            p.written = true;
            p.medio = *average;
            if (e.product.unitCost) {
                p.custo = cost;
                p.cost = cost;
            }
            p.entryDate = e.product.entryDate;
            if (e.product.salePrice)
                p.salePrice = moneyOf(*e.product.salePrice);
            if (e.product.bookValue)
                p.bookValue = moneyOf(*e.product.bookValue);
            if (e.product.expiry)
                p.expiry = e.product.expiry;
        }
        sqlbatch::RowBlock write = writeProducts;
        const auto orNull = [](const auto& v) { return v ? SqlValue(QVariant::fromValue(*v)) : SqlValue(); };
        for (const auto& [code, p] : products)
            if (p.written)
                write.add({p.entryDate, p.medio, orNull(p.cost), orNull(p.salePrice), orNull(p.bookValue), orNull(p.expiry),
                           code});
        write.run(m_logon);
    });
    return missing;
}

void StockLedger::issue(const LedgerRow& row)
{
    m_logon.action([&] {
        append(row);
        // Only where it changes: a product another station holds is not waited for
        // when its date of last exit is already this one.
        m_logon.run(QStringLiteral("update produtos set DATAsaida = ? where codigo = ? and DATAsaida is distinct from ?"),
                    {row.date, row.code, row.date});
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
