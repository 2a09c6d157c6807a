#include "stock/StockLedger.h"

#include "db/SqlBatches.h"
#include "db/UnitLogon.h"
#include "db/LedgerTotals.h"
#include "registers/ProductStore.h"
#include "stock/StockProducts.h"

#include <QStringList>

#include <algorithm>
#include <iterator>
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
    // The months before the day's month from the kept totals, and the days of its
    // month before it from the rows.
    const int month = ledgertotals::monthOf(day);
    const QDate monthStart = ledgertotals::firstDayOf(month);
    return m_logon.snapshotRead([&] {
        RowSet r = m_logon.run(
            QStringLiteral("select sum(ent) as tent, sum(sai) as tsai from ("
                           "select entrada as ent, saida as sai from estmes where codigo = ? and mes < ? "
                           "union all select entrada, saida from estmesnovo where codigo = ? and mes < ? "
                           "union all select entrada, saida from estfic where codigo = ? and data >= ? and data < ?)"),
            {code, month, code, month, code, monthStart, day});
        return r.next() ? r.decimal(u"TENT") - r.decimal(u"TSAI") : Decimal();
    });
}

namespace {

// The months of the kept totals a reader takes whole, and the days it reads from
// the rows: the days of a month a span covers only in part.
int monthAfter(int month)
{
    return ledgertotals::monthOf(ledgertotals::firstDayOf(month).addMonths(1));
}
int monthBefore(int month)
{
    return ledgertotals::monthOf(ledgertotals::firstDayOf(month).addMonths(-1));
}
QDate lastDayOf(int month)
{
    return ledgertotals::firstDayOf(month).addMonths(1).addDays(-1);
}

// Only the codes of one product group's products (0: every code), as a condition on "t".
QString inGroup(int group)
{
    return group == 0 ? QString() : QStringLiteral(" and t.codigo in (select codigo from produtos where classe = ?)");
}

void add(QHash<QString, Movement>& to, const QHash<QString, Movement>& from, int sign = 1)
{
    for (auto it = from.begin(); it != from.end(); ++it) {
        Movement& m = to[it.key()];
        if (sign > 0) {
            m.in += it->in;
            m.out += it->out;
            m.rows += it->rows;
        } else {
            m.in -= it->in;
            m.out -= it->out;
            m.rows -= it->rows;
        }
    }
}

// Codes left without a row (every row of theirs counted out) are absent, as a code
// that never had one.
QHash<QString, Movement> withRows(QHash<QString, Movement> byCode)
{
    for (auto it = byCode.begin(); it != byCode.end();)
        it = it->rows == 0 ? byCode.erase(it) : std::next(it);
    return byCode;
}

QHash<QString, Movement> summedRows(RowSet r)
{
    QHash<QString, Movement> byCode;
    byCode.reserve(r.size());
    while (r.next())
        if (!r.isNull(u"CODIGO"))   // rows without a code belong to no product
            byCode.insert(r.text(u"CODIGO"), {r.decimal(u"EENT"), r.decimal(u"ESAI"), r.integer(u"LINHAS")});
    return byCode;
}

// Every code's stock now, from the kept totals: ESTAGORA and the lines waiting.
QHash<QString, Movement> keptNow(TLogon& logon, int group)
{
    Params p;
    if (group != 0)
        p = {group, group};
    return summedRows(logon.run(
        QStringLiteral("select codigo, sum(entrada) as eent, sum(saida) as esai, sum(linhas) as linhas from ("
                       "select t.codigo, t.entrada, t.saida, t.linhas from estagora t where 1 = 1%1 "
                       "union all select t.codigo, t.entrada, t.saida, t.linhas from estmesnovo t where 1 = 1%1) "
                       "group by codigo")
            .arg(inGroup(group)),
        p));
}

// The kept totals of the months [from, to] (month 0: the rows without a date), as
// the parts of one UNION: the calendar years wholly inside from ESTANO, the other
// months from ESTMES, and the lines waiting of those months; each part selects
// `columns` of "t" (ESTANO and ESTMES give 0 as RETIRADA), of every code or of one
// product group's.
struct KeptParts {
    QStringList parts;
    Params params;
};

KeptParts keptParts(int from, int to, const QString& columns, int group)
{
    KeptParts k;
    if (from > to)
        return k;
    const QString kept = QString(columns).replace(QStringLiteral("t.retirada"), QStringLiteral("0 as retirada"));
    const auto part = [&](const char* table, const char* key, int low, int high, const QString& cols) {
        k.parts << QStringLiteral("select %1 from %2 t where t.%3 between ? and ?%4")
                       .arg(cols, QLatin1String(table), QLatin1String(key), inGroup(group));
        k.params.append(low);
        k.params.append(high);
        if (group != 0)
            k.params.append(group);
    };
    part("estmesnovo", "mes", from, to, columns);
    int first = from;
    if (first == 0) {
        part("estmes", "mes", 0, 0, kept);
        first = 1;
    }
    if (first > to)
        return k;
    int fy = first / 100, fm = first % 100;
    const int ty = to / 100, tm = to % 100;
    if (fy == 0) {   // month 0 stood for every month before the first real one
        fy = 1;
        fm = 1;
    }
    if (fy == ty && !(fm == 1 && tm == 12)) {
        part("estmes", "mes", fy * 100 + fm, to, kept);
        return k;
    }
    int yearFrom = fy, yearTo = ty;
    if (fm != 1) {
        part("estmes", "mes", fy * 100 + fm, fy * 100 + 12, kept);
        yearFrom = fy + 1;
    }
    if (tm != 12) {
        part("estmes", "mes", ty * 100 + 1, to, kept);
        yearTo = ty - 1;
    }
    if (yearFrom <= yearTo)
        part("estano", "ano", yearFrom, yearTo, kept);
    return k;
}

// Every code's movement over the months [from, to] (month 0: the rows without a
// date), from the kept totals.
QHash<QString, Movement> keptMonths(TLogon& logon, int from, int to, int group)
{
    const KeptParts k = keptParts(from, to, QStringLiteral("t.codigo, t.entrada, t.saida, t.linhas"), group);
    if (k.parts.isEmpty())
        return {};
    return summedRows(logon.run(
        QStringLiteral("select codigo, sum(entrada) as eent, sum(saida) as esai, sum(linhas) as linhas from (%1) "
                       "group by codigo")
            .arg(k.parts.join(QStringLiteral(" union all "))),
        k.params));
}

// Every code's rows dated within [first, last] (a part of a month), summed; read
// through the index on DATA, the code grouped as an expression that no index serves.
QHash<QString, Movement> rowsWithin(TLogon& logon, const QDate& first, const QDate& last, int group)
{
    if (!first.isValid() || !last.isValid() || first > last)
        return {};
    Params p{first, last};
    if (group != 0)
        p.append(group);
    return summedRows(logon.run(
        QStringLiteral("select t.codigo || '' as codigo, sum(t.entrada) as eent, sum(t.saida) as esai, count(*) as linhas "
                       "from estfic t where t.data between ? and ?%1 group by 1")
            .arg(inGroup(group)),
        p));
}

// The oldest and the newest month with a dated row, by the kept totals (0: none).
std::pair<int, int> monthsKept(TLogon& logon)
{
    RowSet r = logon.run(QStringLiteral(
        "select min(oldest) as oldest, max(newest) as newest from ("
        "select (select min(mes) from estmes where mes > 0) as oldest, (select max(mes) from estmes) as newest "
        "from rdb$database union all select min(nullif(mes, 0)), max(mes) from estmesnovo)"));
    if (!r.next() || r.isNull(u"OLDEST"))
        return {0, 0};
    return {int(r.integer(u"OLDEST")), int(r.integer(u"NEWEST"))};
}

// Every code's rows dated up to the day (and undated), summed: from the start of the
// ledger, or from now backwards, whichever crosses fewer months.
// True when the rows up to the day are read in fewer months backwards from now
// (the kept figure of now less what came after) than from the oldest month.
bool fromNow(TLogon& logon, const QDate& day)
{
    const int month = ledgertotals::monthOf(day);
    const auto [oldest, newestKept] = monthsKept(logon);
    const int newest = std::max(newestKept, month);
    const auto monthsBetween = [](int a, int b) { return (b / 100 - a / 100) * 12 + (b % 100 - a % 100); };
    return oldest != 0 && monthsBetween(month, newest) < monthsBetween(oldest, month);
}

// Every code's rows dated after the day, summed.
QHash<QString, Movement> after(TLogon& logon, const QDate& day, int group)
{
    const int month = ledgertotals::monthOf(day);
    QHash<QString, Movement> byCode = keptMonths(logon, monthAfter(month), 999912, group);
    add(byCode, rowsWithin(logon, day.addDays(1), lastDayOf(month), group));
    return byCode;
}

QHash<QString, Movement> upTo(TLogon& logon, const QDate& day, int group)
{
    const int month = ledgertotals::monthOf(day);
    if (!fromNow(logon, day)) {
        if (day == lastDayOf(month))
            return withRows(keptMonths(logon, 0, month, group));
        QHash<QString, Movement> byCode = keptMonths(logon, 0, monthBefore(month), group);
        add(byCode, rowsWithin(logon, ledgertotals::firstDayOf(month), day, group));
        return withRows(byCode);
    }
    QHash<QString, Movement> byCode = keptNow(logon, group);
    add(byCode, after(logon, day, group), -1);
    return withRows(byCode);
}

// A span of days as the readers take it: the months wholly inside it from the
// kept totals, the days of a month cut by either end from the rows.
struct Split {
    int fromMonth = 1, toMonth = 0;                  // whole months (none when from > to)
    std::vector<std::pair<QDate, QDate>> days;       // parts of months
};

Split split(const QDate& first, const QDate& last)
{
    Split s;
    if (first > last)
        return s;
    const int firstMonth = ledgertotals::monthOf(first), lastMonth = ledgertotals::monthOf(last);
    const bool firstWhole = first.day() == 1, lastWhole = last == lastDayOf(lastMonth);
    if (firstMonth == lastMonth) {
        if (firstWhole && lastWhole)
            s.fromMonth = s.toMonth = firstMonth;
        else
            s.days.push_back({first, last});
        return s;
    }
    s.fromMonth = firstWhole ? firstMonth : monthAfter(firstMonth);
    s.toMonth = lastWhole ? lastMonth : monthBefore(lastMonth);
    if (!firstWhole)
        s.days.push_back({first, lastDayOf(firstMonth)});
    if (!lastWhole)
        s.days.push_back({ledgertotals::firstDayOf(lastMonth), last});
    return s;
}

QHash<QString, Movement> within(TLogon& logon, const QDate& first, const QDate& last, int group)
{
    const Split s = split(first, last);
    QHash<QString, Movement> byCode = keptMonths(logon, s.fromMonth, s.toMonth, group);
    for (const auto& [from, to] : s.days)
        add(byCode, rowsWithin(logon, from, to, group));
    return withRows(byCode);
}

void addExits(QHash<QString, Exits>& to, RowSet r)
{
    while (r.next()) {
        if (r.isNull(u"CODIGO"))
            continue;
        Exits& e = to[r.text(u"CODIGO")];
        e.quantity += r.decimal(u"QUAN");
        e.value += r.decimal(u"TOTAL");
        e.rows += r.integer(u"VENDAS");
        const QDate d = r.date(u"DATA");
        if (d.isValid() && (!e.first.isValid() || d < e.first))
            e.first = d;
    }
}

} // namespace

QHash<QString, Movement> StockLedger::movementByCode(int group) const
{
    ledgertotals::foldWhenMany(m_logon);
    return m_logon.snapshotRead([&] { return withRows(keptNow(m_logon, group)); });
}

QHash<QString, Movement> StockLedger::movementUpTo(const QDate& day, int group) const
{
    ledgertotals::foldWhenMany(m_logon);
    return m_logon.snapshotRead([&] { return upTo(m_logon, day, group); });
}

QHash<QString, Exits> StockLedger::exitsOver(const QDate& first, const QDate& last) const
{
    ledgertotals::foldWhenMany(m_logon);
    return m_logon.snapshotRead([&] {
        const Split s = split(first, last);
        QHash<QString, Exits> byCode;
        if (s.fromMonth <= s.toMonth) {
            const KeptParts k = keptParts(
                s.fromMonth, s.toMonth, QStringLiteral("t.codigo, t.saida, t.valorsaida, t.vendas, t.primeiro, t.retirada"), 0);
            RowSet kept = m_logon.run(
                QStringLiteral("select codigo, sum(saida) as quan, sum(valorsaida) as total, sum(vendas) as vendas, "
                               "min(primeiro) as data, max(retirada) as retirada from (%1) group by codigo")
                    .arg(k.parts.join(QStringLiteral(" union all "))),
                k.params);
            addExits(byCode, RowSet(kept));
            // A month that lost a row with an exit since the last fold: its first
            // exit read again from the code's rows.
            for (int i = 0; i < kept.size(); ++i) {
                if (kept.value(i, u"RETIRADA").isNull() || integerOf(kept.value(i, u"RETIRADA")) != 1)
                    continue;
                const QString code = textOf(kept.value(i, u"CODIGO"));
                RowSet d = m_logon.run(QStringLiteral("select min(data) as data from estfic where codigo = ? "
                                                      "and data between ? and ? and saida <> 0"),
                                       {code, ledgertotals::firstDayOf(s.fromMonth), lastDayOf(s.toMonth)});
                byCode[code].first = d.next() ? d.date(u"DATA") : QDate();
            }
        }
        for (const auto& [from, to] : s.days)
            addExits(byCode, m_logon.run(QStringLiteral(
                                             "select codigo || '' as codigo, sum(saida) as quan, sum(saida * valor) as total, "
                                             "count(*) as vendas, min(data) as data from estfic "
                                             "where data between ? and ? and saida <> 0 group by 1"),
                                         {from, to}));
        for (auto it = byCode.begin(); it != byCode.end();)
            it = it->rows == 0 ? byCode.erase(it) : std::next(it);
        return byCode;
    });
}

QHash<QString, PeriodMovement> StockLedger::movementOver(const QDate& first, const QDate& last, int group) const
{
    ledgertotals::foldWhenMany(m_logon);
    return m_logon.snapshotRead([&] {
        QHash<QString, PeriodMovement> byCode;
        const QHash<QString, Movement> inside = within(m_logon, first, last, group);
        // Before the first day: the rows dated before it and the undated ones; near
        // now, the kept figure of now less the period and what came after it.
        QHash<QString, Movement> before;
        if (first <= last && fromNow(m_logon, first.addDays(-1))) {
            before = keptNow(m_logon, group);
            add(before, inside, -1);
            add(before, after(m_logon, last, group), -1);
            before = withRows(before);
        } else {
            before = upTo(m_logon, first.addDays(-1), group);
        }
        for (auto it = before.begin(); it != before.end(); ++it)
            byCode[it.key()].before = it->stock();
        for (auto it = inside.begin(); it != inside.end(); ++it)
            byCode[it.key()].within = *it;
        return byCode;
    });
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
    const auto unitValue = [](const std::optional<Decimal>& v) { return v ? SqlValue(unitCostOf(*v)) : SqlValue(); };
    const auto number = [](const std::optional<qint64>& v) { return v ? SqlValue(*v) : SqlValue(); };
    sqlbatch::RowBlock block = ledgerRows;
    for (const LedgerRow& row : rows)
        block.add({row.code, row.date, row.history.left(kHistoryLength), quantity(row.entrada), quantity(row.saida),
                   unitValue(row.valor), money(row.custo), number(row.nfiscal), number(row.pedido), number(row.vendedor),
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
        return unitCostOf(unitCost);
    return unitCostOf((stockBefore * average + quantity * unitCost) / after);
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
            const Decimal cost = e.product.unitCost ? unitCostOf(*e.product.unitCost) : p.custo;
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
