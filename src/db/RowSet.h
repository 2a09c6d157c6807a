#pragma once
// The rows a statement gave, read whole: the cursor and the statement are closed
// before the caller sees them, so a row set holds no transaction and no lock, and
// nothing else can change or free it. Its owner is whoever asked for it.
//
// Reading it looks like reading a query: it starts before the first row.
//
//   RowSet rs = Logon->run("select CODIGO, NOME from PRODUTOS where TIPO = ?", {tipo});
//   while (rs.next())
//       list << rs.text("NOME");
//
// Values as read: NULL → a null QVariant; CHAR/VARCHAR/text BLOB → QString (CHAR
// without its trailing blanks); SMALLINT/INTEGER/BIGINT → qlonglong; NUMERIC and
// DECIMAL → Decimal (exact); FLOAT/DOUBLE PRECISION → Decimal rounded to the cent;
// DATE → QDate; TIME → QTime; TIMESTAMP → QDateTime; binary BLOB → QByteArray;
// BOOLEAN → bool.

#include "core/Decimal.h"

#include <QDate>
#include <QDateTime>
#include <QStringList>
#include <QTime>
#include <QVariant>
#include <vector>

class RowSet {
public:
    RowSet() = default;
    RowSet(QStringList columns, std::vector<QVariantList> rows, qint64 rowsAffected = 0);

    // Cursor over the rows, like a query's.
    bool next();                         // moves to the next row; false after the last
    bool first();                        // moves to the first row; false when there is none
    bool seek(int row);
    int at() const { return m_at; }      // -1 before the first row
    void rewind() { m_at = -1; }

    int size() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    const QStringList& columns() const { return m_columns; }
    int columnIndex(QStringView name) const;   // without regard to case; -1 when absent
    // Rows changed by an INSERT, UPDATE or DELETE run through TLogon::exec.
    qint64 rowsAffected() const { return m_rowsAffected; }

    // The current row's values. An unknown column name throws DbError.
    const QVariant& value(int column) const;
    const QVariant& value(QStringView column) const;
    bool isNull(QStringView column) const { return value(column).isNull(); }

    // Converted reads of the current row; null reads as "", 0, Decimal(0) or an invalid date.
    QString text(QStringView column) const;
    qint64 integer(QStringView column) const;
    Decimal decimal(QStringView column) const;
    QDate date(QStringView column) const;

    // Any row, without moving the cursor.
    const QVariantList& row(int index) const { return m_rows.at(size_t(index)); }
    const QVariant& value(int row, QStringView column) const;

private:
    const QVariantList& current() const;
    QStringList m_columns;
    std::vector<QVariantList> m_rows;
    qint64 m_rowsAffected = 0;
    int m_at = -1;
};

// Conversions of a value read from a row set, or handed in by a window.
QString textOf(const QVariant& v);
qint64 integerOf(const QVariant& v);      // a whole number; anything else throws DbError
Decimal decimalOf(const QVariant& v);     // Decimal, integers and point-separated text; else DbError
