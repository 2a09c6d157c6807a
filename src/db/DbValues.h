#pragma once
// Exact numbers in and out of the database. NUMERIC columns come back as text
// (the connection asks for high precision) and go in as text, which the driver
// turns into the column's scaled integer.
#include "core/Decimal.h"
#include <QVariant>

inline QVariant sqlValue(const Decimal& d)
{
    return d.toSqlText();
}

// A NUMERIC (or integer) value read from a query; null and empty read as zero.
Decimal decimalFrom(const QVariant& v);
