#include "stock/StockLedger.h"

#include "db/UnitLogon.h"

#include <QStringList>

namespace stock {

Decimal StockLedger::stockOf(const QString& code) const
{
    if (code.size() > kCodeLength)
        return Decimal();   // no row can hold such a code
    RowSet r = m_logon.run(QStringLiteral("select SUM(entrada) as tent, SUM(saida) as tsai from estfic where codigo = ?"),
                           {code});
    return r.next() ? r.decimal(u"TENT") - r.decimal(u"TSAI") : Decimal();
}

Decimal StockLedger::stockBefore(const QString& code, const QDate& day) const
{
    if (code.size() > kCodeLength)
        return Decimal();
    RowSet r = m_logon.run(QStringLiteral("select SUM(entrada) as tent, SUM(saida) as tsai from estfic "
                                          "where codigo = ? and (data < ? or data is null)"),
                           {code, day});
    return r.next() ? r.decimal(u"TENT") - r.decimal(u"TSAI") : Decimal();
}

namespace {

// Σ ENTRADA and Σ SAIDA per code of the rows the condition selects. The code is
// grouped as an expression: grouped as the column, the optimizer walks the index on
// CODIGO and fetches the rows in the order of the codes, scattered over the whole
// table, three times as long as reading them in the order they lie and sorting.
QHash<QString, Movement> summed(TLogon& logon, const QString& where, const Params& params)
{
    RowSet r = logon.run(QStringLiteral("select codigo || '' as codigo, SUM(entrada) as eent, SUM(saida) as esai, "
                                        "count(*) as linhas from estfic %1 group by 1")
                             .arg(where),
                         params);
    QHash<QString, Movement> byCode;
    byCode.reserve(r.size());
    while (r.next())
        byCode.insert(r.text(u"CODIGO"), {r.decimal(u"EENT"), r.decimal(u"ESAI"), r.integer(u"LINHAS")});
    return byCode;
}

} // namespace

QHash<QString, Movement> StockLedger::movementByCode() const
{
    return summed(m_logon, QString(), {});
}

QHash<QString, Movement> StockLedger::movementUpTo(const QDate& day) const
{
    return summed(m_logon, QStringLiteral("where data <= ? or data is null"), {day});
}

QHash<QString, PeriodMovement> StockLedger::movementOver(const QDate& first, const QDate& last) const
{
    QHash<QString, PeriodMovement> byCode;
    const QHash<QString, Movement> before = summed(m_logon, QStringLiteral("where data < ? or data is null"), {first});
    for (auto it = before.begin(); it != before.end(); ++it)
        byCode[it.key()].before = it->stock();
    if (first <= last) {
        const QHash<QString, Movement> within = summed(m_logon, QStringLiteral("where data between ? and ?"), {first, last});
        for (auto it = within.begin(); it != within.end(); ++it)
            byCode[it.key()].within = *it;
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
    money("valor", row.valor);
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
        return moneyOf(unitCost);
    return moneyOf((stockBefore * average + quantity * unitCost) / after);
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
        const Decimal cost = product.unitCost ? moneyOf(*product.unitCost) : p.decimal(u"CUSTO");
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
