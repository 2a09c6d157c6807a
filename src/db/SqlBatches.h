#pragma once
// Many codes looked up, or many rows written, in few round trips.
//
// Lookups: "... IN (?, ?, ...)" with a fixed number of places (one statement text,
// prepared once), the last code repeated to fill a batch.
//
// Rows: a RowBlock writes rows of one kind with one EXECUTE BLOCK per `rowsPerBlock`
// rows, so an action's round trips do not grow with its number of items. The block
// runs one statement per row, in the order the rows were added (the rows' IDs from
// their generators come out as they would one statement at a time), inside the
// action's transaction. Its text is the same whatever the number of rows: the rows
// of a block not in use are left empty and skipped, so it is prepared once per
// attachment. Its parameters take the types the caller declares, the types of the
// columns they go to ("type of column ESTFIC.SAIDA"), so every value is converted
// and refused exactly as the statement run alone would; a block's values stay well
// under Firebird's message size when rowsPerBlock is kept to a few dozen rows.
//
//   sqlbatch::RowBlock ledger(sqlbatch::columnTypes("ESTFIC", {"CODIGO", "SAIDA"}),
//                             "insert into ESTFIC (CODIGO, SAIDA) values (?, ?)", 32);
//   for (...)
//       ledger.add({code, quantity});
//   ledger.run(logon);   // one round trip per 32 rows
//
// A block that declares what it returns reads rows too: its statement per row is a
// "for select ... into :A, :B do suspend" (with lock, to hold rows in the order they
// were added), and run() gives every row the blocks returned, in order.
//
// A row's statement may be several, separated by ";" (none after the last): they
// run in a BEGIN ... END of their own.
#include "db/UnitLogon.h"
#include <QStringList>
#include <algorithm>
#include <initializer_list>
#include <vector>

namespace sqlbatch {

constexpr int kSize = 16;

inline QString inPlaces()
{
    QStringList q;
    for (int i = 0; i < kSize; ++i)
        q << QStringLiteral("?");
    return QStringLiteral("(") + q.join(QLatin1Char(',')) + QLatin1Char(')');
}

// Calls each(params) once per batch of codes; params hold kSize codes.
template <class F>
void forEachBatch(const QStringList& codes, F&& each)
{
    for (int at = 0; at < codes.size(); at += kSize) {
        Params p;
        for (int i = 0; i < kSize; ++i)
            p.append(codes.value(std::min(at + i, int(codes.size()) - 1)));
        each(p);
    }
}

// The declared types of a RowBlock's values: those of the table's columns, in order.
QStringList columnTypes(const char* table, std::initializer_list<const char*> columns);

class RowBlock {
public:
    // types: each value's declared type, in the order of the statement's "?";
    // perRow: the statement run for one row, its values as "?"; returns: what the
    // block returns ("CODIGO type of column PRODUTOS.CODIGO, MEDIO ..."), or empty.
    RowBlock(const QStringList& types, const QString& perRow, int rowsPerBlock, const QString& returns = QString());

    void add(const Params& row);   // as many values as types
    int size() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }

    // Runs the block for the rows added, one run per rowsPerBlock rows, and forgets
    // them; gives the rows the runs returned. Throws DbError.
    RowSet run(TLogon& logon);

    // The block's text.
    const QString& sql() const { return m_sql; }

private:
    int m_columns = 0;
    int m_perBlock = 1;
    QString m_sql;
    std::vector<Params> m_rows;
};

} // namespace sqlbatch
