#include "db/LedgerTotals.h"

#include "db/DbError.h"
#include "db/SqlBatches.h"
#include "db/UnitLogon.h"

#include <QHash>
#include <iterator>
#include <map>
#include <QSet>
#include <set>

namespace ledgertotals {

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

// The first day of a month key, as SQL (NULL for month 0).
QString firstDaySql(const QString& month)
{
    return S("IIF(%1 = 0, NULL, DATEADD(MONTH, (%1 / 100 - 2000) * 12 + MOD(%1, 100) - 1, DATE '2000-01-01'))")
        .arg(month);
}

// The first day with an exit of a code's month, read from its rows.
QString firstExitSql(const QString& code, const QString& month)
{
    return S("(SELECT MIN(e.DATA) FROM ESTFIC e WHERE e.CODIGO = %1 AND e.DATA >= %2 "
             "AND e.DATA < DATEADD(MONTH, 1, %2) AND e.SAIDA <> 0)")
        .arg(code, firstDaySql(month));
}

// The kept totals of every code and month, computed from the rows.
const QString kFromRows = S(
    "SELECT CODIGO, MES, SUM(COALESCE(ENTRADA, 0)) AS ENTRADA, SUM(COALESCE(SAIDA, 0)) AS SAIDA, COUNT(*) AS LINHAS, "
    "SUM(IIF(SAIDA <> 0, 1, 0)) AS VENDAS, SUM(COALESCE(SAIDA * VALOR, 0)) AS VALORSAIDA, "
    "MIN(IIF(SAIDA <> 0, DATA, NULL)) AS PRIMEIRO "
    "FROM (SELECT CODIGO, COALESCE(EXTRACT(YEAR FROM DATA) * 100 + EXTRACT(MONTH FROM DATA), 0) AS MES, "
    "ENTRADA, SAIDA, VALOR, DATA FROM ESTFIC WHERE CODIGO IS NOT NULL) GROUP BY CODIGO, MES");

// The same, as kept: the folded totals and the lines waiting.
const QString kKept = S(
    "SELECT CODIGO, MES, SUM(ENTRADA) AS ENTRADA, SUM(SAIDA) AS SAIDA, SUM(LINHAS) AS LINHAS, SUM(VENDAS) AS VENDAS, "
    "SUM(VALORSAIDA) AS VALORSAIDA, MIN(PRIMEIRO) AS PRIMEIRO, MAX(RETIRADA) AS RETIRADA FROM ("
    "SELECT CODIGO, MES, ENTRADA, SAIDA, LINHAS, VENDAS, VALORSAIDA, PRIMEIRO, 0 AS RETIRADA FROM ESTMES "
    "UNION ALL SELECT CODIGO, MES, ENTRADA, SAIDA, LINHAS, VENDAS, VALORSAIDA, PRIMEIRO, RETIRADA FROM ESTMESNOVO) "
    "GROUP BY CODIGO, MES");

// The same per year, as kept (the year in MES).
const QString kKeptYears = S(
    "SELECT CODIGO, MES, SUM(ENTRADA) AS ENTRADA, SUM(SAIDA) AS SAIDA, SUM(LINHAS) AS LINHAS, SUM(VENDAS) AS VENDAS, "
    "SUM(VALORSAIDA) AS VALORSAIDA, MIN(PRIMEIRO) AS PRIMEIRO, MAX(RETIRADA) AS RETIRADA FROM ("
    "SELECT CODIGO, ANO AS MES, ENTRADA, SAIDA, LINHAS, VENDAS, VALORSAIDA, PRIMEIRO, 0 AS RETIRADA FROM ESTANO "
    "UNION ALL SELECT CODIGO, MES / 100, ENTRADA, SAIDA, LINHAS, VENDAS, VALORSAIDA, PRIMEIRO, RETIRADA "
    "FROM ESTMESNOVO) GROUP BY CODIGO, MES");

const QString kWaitingByMonth = S(
    "SELECT CODIGO, MES, SUM(ENTRADA) AS ENTRADA, SUM(SAIDA) AS SAIDA, SUM(LINHAS) AS LINHAS, SUM(VENDAS) AS VENDAS, "
    "SUM(VALORSAIDA) AS VALORSAIDA, MIN(PRIMEIRO) AS PRIMEIRO, MAX(RETIRADA) AS RETIRADA "
    "FROM ESTMESNOVO GROUP BY CODIGO, MES");

struct MonthTotals {
    Decimal in, out, outValue;
    qint64 rows = 0, exits = 0;
    QDate firstExit;
    bool firstUnsure = false;   // a line waiting took a row with an exit away: read from the rows
    bool operator==(const MonthTotals& o) const
    {
        return in == o.in && out == o.out && outValue == o.outValue && rows == o.rows && exits == o.exits &&
               (exits == 0 || firstUnsure || o.firstUnsure || firstExit == o.firstExit);
    }
};

using ByMonth = std::map<std::pair<QString, int>, MonthTotals>;

// A code as the database compares it: trailing blanks do not count ("B1 " is "B1").
QString keyOf(QString code)
{
    while (code.endsWith(QLatin1Char(' ')))
        code.chop(1);
    return code;
}

void add(MonthTotals& to, const MonthTotals& t)
{
    to.in += t.in;
    to.out += t.out;
    to.outValue += t.outValue;
    to.rows += t.rows;
    to.exits += t.exits;
    if (t.firstExit.isValid() && (!to.firstExit.isValid() || t.firstExit < to.firstExit))
        to.firstExit = t.firstExit;
    to.firstUnsure = to.firstUnsure || t.firstUnsure;
}

ByMonth read(TLogon& logon, const QString& sql)
{
    ByMonth out;
    RowSet r = logon.run(sql);
    while (r.next()) {
        MonthTotals t{r.decimal(u"ENTRADA"), r.decimal(u"SAIDA"), r.decimal(u"VALORSAIDA"), r.integer(u"LINHAS"),
                      r.integer(u"VENDAS"), r.date(u"PRIMEIRO"),
                      r.columnIndex(u"RETIRADA") >= 0 && !r.isNull(u"RETIRADA") && r.integer(u"RETIRADA") == 1};
        add(out[{keyOf(r.text(u"CODIGO")), int(r.integer(u"MES"))}], t);
    }
    // a month whose rows all went
    for (auto it = out.begin(); it != out.end();) {
        const MonthTotals& t = it->second;
        const bool none = t.rows == 0 && t.in.isZero() && t.out.isZero() && t.outValue.isZero() && t.exits == 0;
        it = none ? out.erase(it) : std::next(it);
    }
    return out;
}

} // namespace

int monthOf(const QDate& day)
{
    return day.isValid() ? day.year() * 100 + day.month() : 0;
}

QDate firstDayOf(int month)
{
    return month == 0 ? QDate() : QDate(month / 100, month % 100, 1);
}

qint64 waiting(TLogon& logon)
{
    return integerOf(logon.scalar(S("SELECT COUNT(*) FROM ESTMESNOVO")));
}

qint64 fold(TLogon& logon)
{
    qint64 folded = 0;
    logon.snapshotAction([&] {
        folded = integerOf(logon.scalar(S("SELECT COUNT(*) FROM ESTMESNOVO")));
        if (folded == 0)
            return;
        // A month that lost a row with an exit reads its first exit again from its rows.
        logon.run(S("MERGE INTO ESTMES t USING (%1) d ON t.CODIGO = d.CODIGO AND t.MES = d.MES "
                    "WHEN MATCHED THEN UPDATE SET ENTRADA = t.ENTRADA + d.ENTRADA, SAIDA = t.SAIDA + d.SAIDA, "
                    "LINHAS = t.LINHAS + d.LINHAS, VENDAS = t.VENDAS + d.VENDAS, "
                    "VALORSAIDA = t.VALORSAIDA + d.VALORSAIDA, "
                    "PRIMEIRO = IIF(d.RETIRADA = 1, %2, "
                    "IIF(t.PRIMEIRO IS NULL OR d.PRIMEIRO < t.PRIMEIRO, COALESCE(d.PRIMEIRO, t.PRIMEIRO), t.PRIMEIRO)) "
                    "WHEN NOT MATCHED THEN INSERT (CODIGO, MES, ENTRADA, SAIDA, LINHAS, VENDAS, VALORSAIDA, PRIMEIRO) "
                    "VALUES (d.CODIGO, d.MES, d.ENTRADA, d.SAIDA, d.LINHAS, d.VENDAS, d.VALORSAIDA, "
                    "IIF(d.RETIRADA = 1, %2, d.PRIMEIRO))")
                      .arg(kWaitingByMonth, firstExitSql(S("d.CODIGO"), S("d.MES"))));
        // A year's first exit is its months' first, read again from them (through the key on
        // CODIGO: the index on MES alone would walk every product's months).
        const QString yearFirst = S("(SELECT MIN(m.PRIMEIRO) FROM ESTMES m WHERE m.CODIGO = d.CODIGO "
                                    "AND m.MES + 0 BETWEEN d.ANO * 100 AND d.ANO * 100 + 12)");
        logon.run(S("MERGE INTO ESTANO t USING (SELECT CODIGO, MES / 100 AS ANO, SUM(ENTRADA) AS ENTRADA, "
                    "SUM(SAIDA) AS SAIDA, SUM(LINHAS) AS LINHAS, SUM(VENDAS) AS VENDAS, SUM(VALORSAIDA) AS VALORSAIDA "
                    "FROM ESTMESNOVO GROUP BY CODIGO, MES / 100) d ON t.CODIGO = d.CODIGO AND t.ANO = d.ANO "
                    "WHEN MATCHED THEN UPDATE SET ENTRADA = t.ENTRADA + d.ENTRADA, SAIDA = t.SAIDA + d.SAIDA, "
                    "LINHAS = t.LINHAS + d.LINHAS, VENDAS = t.VENDAS + d.VENDAS, "
                    "VALORSAIDA = t.VALORSAIDA + d.VALORSAIDA, PRIMEIRO = %1 "
                    "WHEN NOT MATCHED THEN INSERT (CODIGO, ANO, ENTRADA, SAIDA, LINHAS, VENDAS, VALORSAIDA, PRIMEIRO) "
                    "VALUES (d.CODIGO, d.ANO, d.ENTRADA, d.SAIDA, d.LINHAS, d.VENDAS, d.VALORSAIDA, %1)")
                      .arg(yearFirst));
        logon.run(S("MERGE INTO ESTAGORA t USING (SELECT CODIGO, SUM(ENTRADA) AS ENTRADA, SUM(SAIDA) AS SAIDA, "
                    "SUM(LINHAS) AS LINHAS FROM ESTMESNOVO GROUP BY CODIGO) d ON t.CODIGO = d.CODIGO "
                    "WHEN MATCHED THEN UPDATE SET ENTRADA = t.ENTRADA + d.ENTRADA, SAIDA = t.SAIDA + d.SAIDA, "
                    "LINHAS = t.LINHAS + d.LINHAS "
                    "WHEN NOT MATCHED THEN INSERT (CODIGO, ENTRADA, SAIDA, LINHAS) "
                    "VALUES (d.CODIGO, d.ENTRADA, d.SAIDA, d.LINHAS)"));
        logon.run(S("DELETE FROM ESTMESNOVO"));
    });
    return folded;
}

void foldWhenMany(TLogon& logon, qint64 threshold)
{
    if (logon.inAction())
        return;
    try {
        if (waiting(logon) > threshold)
            fold(logon);
    } catch (const DbError&) {
        // the next report or the shift's closing folds them
    }
}

namespace {

void rebuildInAction(TLogon& logon)
{
    logon.run(S("DELETE FROM ESTMESNOVO"));
    logon.run(S("DELETE FROM ESTMES"));
    logon.run(S("DELETE FROM ESTANO"));
    logon.run(S("DELETE FROM ESTAGORA"));
    logon.run(S("INSERT INTO ESTMES (CODIGO, MES, ENTRADA, SAIDA, LINHAS, VENDAS, VALORSAIDA, PRIMEIRO) ") + kFromRows);
    logon.run(S("INSERT INTO ESTANO (CODIGO, ANO, ENTRADA, SAIDA, LINHAS, VENDAS, VALORSAIDA, PRIMEIRO) "
                "SELECT CODIGO, MES / 100, SUM(ENTRADA), SUM(SAIDA), SUM(LINHAS), SUM(VENDAS), SUM(VALORSAIDA), "
                "MIN(PRIMEIRO) FROM ESTMES GROUP BY CODIGO, MES / 100"));
    logon.run(S("INSERT INTO ESTAGORA (CODIGO, ENTRADA, SAIDA, LINHAS) "
                "SELECT CODIGO, SUM(ENTRADA), SUM(SAIDA), SUM(LINHAS) FROM ESTMES GROUP BY CODIGO"));
}

} // namespace

void rebuild(TLogon& logon)
{
    logon.snapshotAction([&] { rebuildInAction(logon); });
}

namespace {

std::vector<Difference> compare(TLogon& logon)
{
    std::vector<Difference> out;
    {
        const ByMonth kept = read(logon, kKept);
        const ByMonth rows = read(logon, kFromRows);
        // The per-product figure, folded and waiting.
        QHash<QString, MonthTotals> now;
        RowSet r = logon.run(S("SELECT CODIGO, SUM(ENTRADA) AS ENTRADA, SUM(SAIDA) AS SAIDA, SUM(LINHAS) AS LINHAS "
                               "FROM (SELECT CODIGO, ENTRADA, SAIDA, LINHAS FROM ESTAGORA UNION ALL "
                               "SELECT CODIGO, ENTRADA, SAIDA, LINHAS FROM ESTMESNOVO) GROUP BY CODIGO"));
        while (r.next())
            add(now[keyOf(r.text(u"CODIGO"))], {r.decimal(u"ENTRADA"), r.decimal(u"SAIDA"), {}, r.integer(u"LINHAS"), 0, {}});

        std::map<QString, Difference> byCode;
        QHash<QString, MonthTotals> rowsNow;
        const auto differs = [&](const QString& code) -> Difference& {
            Difference& d = byCode[code];
            d.code = code;
            return d;
        };
        // Each period (a month, or a year) whose kept totals differ from its rows'.
        const auto compareEach = [&](const ByMonth& asKept, const ByMonth& fromRows) {
            auto k = asKept.cbegin();
            auto w = fromRows.cbegin();
            while (k != asKept.cend() || w != fromRows.cend()) {
                if (w == fromRows.cend() || (k != asKept.cend() && k->first < w->first)) {
                    ++differs(k->first.first).months;
                    ++k;
                } else if (k == asKept.cend() || w->first < k->first) {
                    ++differs(w->first.first).months;
                    ++w;
                } else {
                    if (!(k->second == w->second))
                        ++differs(k->first.first).months;
                    ++k;
                    ++w;
                }
            }
        };
        compareEach(kept, rows);
        // The years as kept against the rows' months added up per year.
        ByMonth rowYears;
        for (const auto& [key, t] : rows)
            add(rowYears[{key.first, key.second / 100}], t);
        compareEach(read(logon, kKeptYears), rowYears);
        for (const auto& [key, t] : rows) {
            MonthTotals& n = rowsNow[key.first];
            n.in += t.in;
            n.out += t.out;
            n.rows += t.rows;
        }
        QSet<QString> codes;
        for (auto it = now.begin(); it != now.end(); ++it)
            codes.insert(it.key());
        for (auto it = rowsNow.begin(); it != rowsNow.end(); ++it)
            codes.insert(it.key());
        for (const QString& code : codes) {
            const MonthTotals a = now.value(code), b = rowsNow.value(code);
            if (a.in != b.in || a.out != b.out || a.rows != b.rows)
                differs(code);
        }
        for (auto& [code, d] : byCode) {
            const MonthTotals a = now.value(code), b = rowsNow.value(code);
            d.keptStock = a.in - a.out;
            d.rowsStock = b.in - b.out;
            RowSet p = logon.run(S("SELECT FIRST 1 NOME FROM PRODUTOS WHERE CODIGO = ? ORDER BY ID"), {code});
            if (p.next())
                d.name = p.text(u"NOME");
            out.push_back(d);
        }
    }
    return out;
}

} // namespace

std::vector<Difference> differences(TLogon& logon)
{
    return logon.snapshotRead([&] { return compare(logon); });
}

std::vector<Difference> recalculate(TLogon& logon)
{
    std::vector<Difference> out;
    logon.snapshotAction([&] {
        out = compare(logon);
        rebuildInAction(logon);
    });
    return out;
}

Decimal stockOf(TLogon& logon, const QString& code)
{
    if (logon.inAction())
        return stocksOf(logon, {code}).value(code);
    return logon.snapshotRead([&] {
        RowSet r = logon.run(S("SELECT SUM(ENTRADA) AS ENTRADA, SUM(SAIDA) AS SAIDA FROM ("
                               "SELECT ENTRADA, SAIDA FROM ESTAGORA WHERE CODIGO = ? UNION ALL "
                               "SELECT ENTRADA, SAIDA FROM ESTMESNOVO WHERE CODIGO = ?)"),
                             {code, code});
        return r.next() ? r.decimal(u"ENTRADA") - r.decimal(u"SAIDA") : Decimal();
    });
}

QHash<QString, Decimal> stocksOf(TLogon& logon, const QStringList& codes)
{
    // Held, a product's kept row cannot take a fold's lines before this action ends;
    // a product without one has had no fold since its rows began, and its rows are
    // read themselves.
    static const sqlbatch::RowBlock byCode(
        sqlbatch::columnTypes("ESTFIC", {"CODIGO"}),
        S("CODIGO = ?; ENTRADA = NULL; SAIDA = NULL; NENT = NULL; NSAI = NULL; "
          "SELECT t.ENTRADA, t.SAIDA, "
          "(SELECT SUM(n.ENTRADA) FROM ESTMESNOVO n WHERE n.CODIGO = t.CODIGO), "
          "(SELECT SUM(n.SAIDA) FROM ESTMESNOVO n WHERE n.CODIGO = t.CODIGO) "
          "FROM ESTAGORA t WHERE t.CODIGO = :CODIGO WITH LOCK INTO :ENTRADA, :SAIDA, :NENT, :NSAI; "
          "IF (ROW_COUNT = 0) THEN "
          "SELECT SUM(ENTRADA), SUM(SAIDA) FROM ESTFIC WHERE CODIGO = :CODIGO INTO :ENTRADA, :SAIDA; "
          "SUSPEND"),
        32, S("CODIGO TYPE OF COLUMN ESTFIC.CODIGO, ENTRADA NUMERIC(18,3), SAIDA NUMERIC(18,3), "
              "NENT NUMERIC(18,3), NSAI NUMERIC(18,3)"));
    sqlbatch::RowBlock block = byCode;
    for (const QString& c : codes)
        block.add({c});
    RowSet r = block.run(logon);
    QHash<QString, Decimal> stock;
    while (r.next())
        stock.insert(r.text(u"CODIGO"),
                     r.decimal(u"ENTRADA") - r.decimal(u"SAIDA") + r.decimal(u"NENT") - r.decimal(u"NSAI"));
    return stock;
}

} // namespace ledgertotals
