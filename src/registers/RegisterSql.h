#pragma once
// How the registers talk to the database: one statement with bound values gives
// its rows read whole; several writes of one business action share one
// transaction. Nothing is kept open between statements.

#include "core/Decimal.h"
#include "db/DbError.h"

#include <QDate>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <vector>

class TLogon;

namespace reg {

// The rows of one statement, read like a query: it starts before the first row.
class Rows {
public:
    Rows() = default;
    Rows(QStringList columns, std::vector<QVariantList> rows)
        : m_columns(std::move(columns)), m_rows(std::move(rows)) {}

    bool next() { return ++m_at < size() ? true : (m_at = size(), false); }
    bool first() { m_at = 0; return !m_rows.empty(); }
    bool seek(int row) { m_at = row; return row >= 0 && row < size(); }
    int at() const { return m_at; }
    int size() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    const QStringList& columns() const { return m_columns; }
    int columnIndex(QStringView name) const;

    const QVariant& value(QStringView column) const { return value(m_at, column); }
    bool isNull(QStringView column) const { return value(column).isNull(); }
    const QVariant& value(int row, QStringView column) const;
    QString text(QStringView column) const;      // null reads as ""
    qint64 integer(QStringView column) const;    // null reads as 0
    Decimal decimal(QStringView column) const;   // null reads as 0
    QDate date(QStringView column) const;

private:
    QStringList m_columns;
    std::vector<QVariantList> m_rows;
    int m_at = -1;
};

// Runs one statement; a SELECT gives its rows. Throws DbError.
Rows run(TLogon& logon, const QString& sql, const QVariantList& params = {});
QVariant scalar(TLogon& logon, const QString& sql, const QVariantList& params = {});
// Several writes as one business action: all of them or none. Throws DbError.
void action(TLogon& logon, const std::function<void()>& work);
// An exact number as a statement value.
QVariant value(const Decimal& d);

} // namespace reg
