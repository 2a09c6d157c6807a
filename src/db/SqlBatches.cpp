#include "db/SqlBatches.h"

#include "db/DbError.h"

namespace sqlbatch {

namespace {

// The statement of row `row`: its "?" become the row's parameters, r<row>_<k>.
QString rowStatement(const QString& perRow, int row)
{
    QString out;
    out.reserve(perRow.size() + 64);
    int k = 0;
    for (const QChar c : perRow) {
        if (c == QLatin1Char('?'))
            out += QStringLiteral(":r%1_%2").arg(row).arg(k++);
        else
            out += c;
    }
    return out;
}

} // namespace

QStringList columnTypes(const char* table, std::initializer_list<const char*> columns)
{
    QStringList types;
    for (const char* c : columns)
        types << QStringLiteral("type of column %1.%2").arg(QLatin1String(table), QLatin1String(c));
    return types;
}

RowBlock::RowBlock(const QStringList& types, const QString& perRow, int rowsPerBlock, const QString& returns)
    : m_columns(int(types.size())), m_perBlock(std::max(1, rowsPerBlock))
{
    if (perRow.count(QLatin1Char('?')) != m_columns)
        throw DbError(QStringLiteral("O bloco de linhas declara %1 valores e o comando tem %2.")
                          .arg(m_columns).arg(perRow.count(QLatin1Char('?'))));
    QStringList params{QStringLiteral("n integer = ?")};
    QString body;
    for (int r = 0; r < m_perBlock; ++r) {
        for (int k = 0; k < m_columns; ++k)
            params << QStringLiteral("r%1_%2 %3 = ?").arg(r).arg(k).arg(types[k]);
        body += QStringLiteral("  if (n > %1) then begin %2; end\n").arg(r).arg(rowStatement(perRow, r));
    }
    const QString out = returns.isEmpty() ? QString() : QStringLiteral("\nreturns (%1)").arg(returns);
    m_sql = QStringLiteral("execute block (%1)%2\nas\nbegin\n%3end").arg(params.join(QStringLiteral(", ")), out, body);
}

void RowBlock::add(const Params& row)
{
    if (row.size() != m_columns)
        throw DbError(QStringLiteral("A linha tem %1 valores e o bloco espera %2.").arg(row.size()).arg(m_columns));
    m_rows.push_back(row);
}

RowSet RowBlock::run(TLogon& logon)
{
    const std::vector<Params> rows = std::move(m_rows);
    m_rows.clear();
    QStringList columns;
    std::vector<QVariantList> read;
    for (size_t at = 0; at < rows.size(); at += size_t(m_perBlock)) {
        const size_t inUse = std::min(rows.size() - at, size_t(m_perBlock));
        Params p{qint64(inUse)};
        for (size_t r = 0; r < size_t(m_perBlock); ++r)
            for (int k = 0; k < m_columns; ++k)
                p.append(r < inUse ? SqlValue(rows[at + r].at(k)) : SqlValue());
        RowSet got = logon.run(m_sql, p);
        columns = got.columns();
        for (int i = 0; i < got.size(); ++i)
            read.push_back(got.row(i));
    }
    return RowSet(columns, std::move(read));
}

} // namespace sqlbatch
