#include "registers/RegisterSql.h"
#include "db/DbValues.h"
#include "db/Transaction.h"
#include "db/UnitLogon.h"

#include <QSqlRecord>

namespace reg {

int Rows::columnIndex(QStringView name) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (QStringView(m_columns[i]).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

const QVariant& Rows::value(int row, QStringView column) const
{
    const int c = columnIndex(column);
    if (c < 0 || row < 0 || row >= size())
        throw DbError(QStringLiteral("Coluna %1 não encontrada").arg(column.toString()));
    return m_rows[size_t(row)][c];
}

QString Rows::text(QStringView column) const
{
    const QVariant& v = value(column);
    if (v.isNull())
        return QString();
    QString t = v.toString();
    while (t.endsWith(QLatin1Char(' ')))
        t.chop(1);
    return t;
}

qint64 Rows::integer(QStringView column) const
{
    const QVariant& v = value(column);
    return v.isNull() ? 0 : v.toLongLong();
}

Decimal Rows::decimal(QStringView column) const { return decimalFrom(value(column)); }

QDate Rows::date(QStringView column) const { return value(column).toDate(); }

Rows run(TLogon& logon, const QString& sql, const QVariantList& params)
{
    QSqlQuery q = logon.run(sql, params);
    QStringList columns;
    const QSqlRecord rec = q.record();
    for (int i = 0; i < rec.count(); ++i)
        columns << rec.fieldName(i).toUpper();
    std::vector<QVariantList> rows;
    if (q.isSelect()) {
        while (q.next()) {
            QVariantList row;
            row.reserve(rec.count());
            for (int i = 0; i < rec.count(); ++i)
                row << q.value(i);
            rows.push_back(std::move(row));
        }
    }
    return Rows(columns, std::move(rows));
}

QVariant scalar(TLogon& logon, const QString& sql, const QVariantList& params)
{
    Rows r = run(logon, sql, params);
    return r.next() ? r.value(r.columns().value(0)) : QVariant();
}

void action(TLogon& logon, const std::function<void()>& work)
{
    Transaction tx(logon.database());
    work();
    tx.commit();
}

QVariant value(const Decimal& d) { return sqlValue(d); }

} // namespace reg
