#include "db/RowSet.h"
#include "db/DbError.h"

RowSet::RowSet(QStringList columns, std::vector<QVariantList> rows, qint64 rowsAffected)
    : m_columns(std::move(columns))
    , m_rows(std::move(rows))
    , m_rowsAffected(rowsAffected)
{
}

bool RowSet::next()
{
    if (m_at + 1 >= size()) {
        m_at = size();
        return false;
    }
    ++m_at;
    return true;
}

bool RowSet::first()
{
    m_at = isEmpty() ? -1 : 0;
    return !isEmpty();
}

bool RowSet::seek(int row)
{
    if (row < 0 || row >= size())
        return false;
    m_at = row;
    return true;
}

int RowSet::columnIndex(QStringView name) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (QStringView(m_columns.at(i)).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

const QVariantList& RowSet::current() const
{
    if (m_at < 0 || m_at >= size())
        throw DbError(QStringLiteral("Leitura fora das linhas da consulta."));
    return m_rows[size_t(m_at)];
}

const QVariant& RowSet::value(int column) const
{
    const QVariantList& r = current();
    if (column < 0 || column >= r.size())
        throw DbError(QStringLiteral("A consulta não tem a coluna %1.").arg(column));
    return r.at(column);
}

const QVariant& RowSet::value(QStringView column) const
{
    const int i = columnIndex(column);
    if (i < 0)
        throw DbError(QStringLiteral("A consulta não tem a coluna %1.").arg(column));
    return value(i);
}

const QVariant& RowSet::value(int row, QStringView column) const
{
    const int i = columnIndex(column);
    if (i < 0)
        throw DbError(QStringLiteral("A consulta não tem a coluna %1.").arg(column));
    return m_rows.at(size_t(row)).at(i);
}

QString RowSet::text(QStringView column) const { return textOf(value(column)); }
qint64 RowSet::integer(QStringView column) const { return integerOf(value(column)); }
Decimal RowSet::decimal(QStringView column) const { return decimalOf(value(column)); }
QDate RowSet::date(QStringView column) const
{
    const QVariant& v = value(column);
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    return v.toDate();
}

QString textOf(const QVariant& v)
{
    if (v.isNull())
        return QString();
    if (v.typeId() == qMetaTypeId<Decimal>())
        return v.value<Decimal>().toString();
    return v.toString();
}

qint64 integerOf(const QVariant& v)
{
    if (v.isNull())
        return 0;
    switch (v.typeId()) {
    case QMetaType::LongLong: case QMetaType::Int: case QMetaType::Long: case QMetaType::Short:
        return v.toLongLong();   // a whole column needs no trip through Decimal (nor its range)
    default: break;
    }
    const Decimal d = decimalOf(v);
    if (!d.isWhole())
        throw DbError(QStringLiteral("Número inteiro esperado: %1").arg(d.toString()));
    return d.truncToInt();
}

Decimal decimalOf(const QVariant& v)
{
    if (v.isNull())
        return Decimal();
    if (v.typeId() == qMetaTypeId<Decimal>())
        return v.value<Decimal>();
    switch (v.typeId()) {
    case QMetaType::LongLong: return Decimal(v.toLongLong());
    case QMetaType::Int: return Decimal(v.toInt());
    case QMetaType::UInt: return Decimal(qint64(v.toUInt()));
    case QMetaType::Long: return Decimal(qint64(v.toLongLong()));
    case QMetaType::Short: return Decimal(int(v.toInt()));
    case QMetaType::Bool: return Decimal(v.toBool() ? 1 : 0);
    default: break;
    }
    const QString text = v.toString().trimmed();
    if (text.isEmpty())
        return Decimal();
    try {
        if (auto d = Decimal::parseSql(text))
            return *d;
    } catch (const std::overflow_error&) {
    }
    throw DbError(QStringLiteral("Valor numérico inválido: %1").arg(text));
}
