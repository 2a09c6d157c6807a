#pragma once
// How the registers talk to the database, in the data module's own terms: one
// statement with bound values gives its rows read whole (RowSet); several writes
// of one business action run as one action. Nothing is kept open between
// statements.

#include "core/Decimal.h"
#include "db/DbError.h"
#include "db/RowSet.h"

#include <QVariantList>
#include <functional>

class TLogon;

namespace registers {

using Rows = RowSet;

// Runs one statement; a SELECT gives its rows. Throws DbError.
Rows run(TLogon& logon, const QString& sql, const QVariantList& params = {});
// Runs an INSERT, UPDATE or DELETE; gives how many rows it changed. Throws DbError.
qint64 exec(TLogon& logon, const QString& sql, const QVariantList& params = {});
QVariant scalar(TLogon& logon, const QString& sql, const QVariantList& params = {});
// Several writes as one business action: all of them or none. Throws DbError.
void action(TLogon& logon, const std::function<void()>& work);
// An exact number as a statement value.
QVariant value(const Decimal& d);

} // namespace registers
