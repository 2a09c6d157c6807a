#pragma once
// Totals kept beside the stock ledger (ESTFIC), so that a product's stock and the
// reports of a period cost the same in the fifth year of business as in the first.
//
// Every row any writer puts into ESTFIC, changes or deletes (a sale, a cancellation,
// an entry invoice, a manual movement, the supervisor's ledger edit, a kit's
// components, an import, a reset) makes the database's own trigger on ESTFIC
// (ESTFIC_TOTAIS) append one line to ESTMESNOVO: what the row adds to its product
// and month; a deleted row, or the old side of a changed one, adds its negative.
// Appending never waits for another station: two stations selling the same product
// at once each append a line of their own.
//
// Those lines are folded, in one short action that sees one snapshot of the
// database, into the kept totals: ESTMES per product and month (Σ ENTRADA, Σ SAIDA,
// the rows, the rows with an exit, Σ SAIDA × VALOR and the first day with an exit),
// ESTANO the same per product and calendar year, and ESTAGORA per product (Σ ENTRADA, Σ SAIDA, the rows): the fold adds exactly the
// lines it sees and deletes exactly those, while the stations go on appending. It
// runs at start, when the cash shift is closed, and when a report finds many lines
// waiting. A reader adds the lines still waiting to the kept totals, reading both in
// one snapshot, so a fold that commits meanwhile neither hides nor doubles a row.
//
// A month is year × 100 + month of the row's DATA; a row without a date is month 0.
// Rows without a code belong to no product and are not totalled.

#include "core/Decimal.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

class TLogon;

namespace ledgertotals {

// The month key of a day (0 for no day) and the first day of a key's month.
int monthOf(const QDate& day);
QDate firstDayOf(int month);

// More lines than this waiting make a report fold them before it reads.
constexpr qint64 kFoldAfter = 5000;

// Lines appended since the last fold.
qint64 waiting(TLogon& logon);
// Folds the lines waiting into the kept totals; how many it folded. Its own action
// (outside any other); rerun whole when another station folds at the same moment.
qint64 fold(TLogon& logon);
// Folds when more than `threshold` lines wait (the cash shift's closing and the
// start: any). Never throws, and does nothing inside an action: a fold left undone
// costs a report a little time, never a figure.
void foldWhenMany(TLogon& logon, qint64 threshold = kFoldAfter);

// Builds every total anew from the ledger's rows, in one action that sees one
// snapshot: the start-up fill of a database that had no totals, and the repair.
void rebuild(TLogon& logon);

// A product whose kept totals differed from its rows.
struct Difference {
    QString code;
    QString name;          // the product's name (empty when no product has the code)
    Decimal keptStock, rowsStock;   // Σ ENTRADA − Σ SAIDA as kept and from the rows
    int months = 0;        // months (and years) whose totals differed
};
// The products whose kept totals (folded and waiting) differ from their rows.
std::vector<Difference> differences(TLogon& logon);
// Compares the kept totals (folded and waiting) with the rows, rebuilds them from
// the rows, and gives the products whose totals differed, by code. One action.
std::vector<Difference> recalculate(TLogon& logon);

// A code's stock (Σ ENTRADA − Σ SAIDA of its rows) from the kept totals. Inside an
// action the product's kept row is held, so no fold moves its lines meanwhile.
Decimal stockOf(TLogon& logon, const QString& code);
// The same for several codes inside an action, each product's kept row held in the
// order of the codes given, in one statement per few dozen codes (an entry invoice
// of many items). Every code given has its figure (0 for a code without rows).
QHash<QString, Decimal> stocksOf(TLogon& logon, const QStringList& codes);

} // namespace ledgertotals
