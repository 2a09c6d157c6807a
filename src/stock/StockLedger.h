#pragma once
// The stock ledger (ESTFIC): every stock movement of the system is one row, and no
// running balance is kept anywhere. The stock of a product is the sum of ENTRADA
// minus the sum of SAIDA of its rows (null counting as 0), read through the index
// on CODIGO at the moment it is needed; it may be negative.
//
// Every writer of the ledger goes through here: the manual movement, the entry
// invoice, the ledger entry edit, the kit window's deletion; the stock reports and
// the sale cancellation read and remove rows through it too. Quantities are kept in
// thousandths and money in cents: the values are rounded so before they are bound.
//
// An entry of stock (receive) also recomputes the product's average cost:
//   new average = (S × old average + Q × unit cost) / (S + Q)
// with S the stock before the entry and Q the quantity. When S + Q is 0 the product
// is left as it was. When S is 0 or less nothing of the old stock is left to
// average, and the new average is the unit cost. Unit costs and the average keep
// the places they need (unitCostOf: an order's cost with its IPI, 0,99 × 1,07 =
// 1,0593), so the stock valued at them is what the goods cost (1.000 × 1,0593 =
// 1.059,30, not 1.060,00).
//
// Each call that writes several rows runs as one action, or joins the caller's.
//
// The stock reports read the same rule for every product at once: the stock now, the
// stock up to a day, the movement of a period with the stock before it, what left
// stock over a period. They read the totals kept per product and month beside the
// ledger (db/LedgerTotals.h) and, of a month a period cuts, its days from the rows:
// a few statements whatever the number of products or of years. A row without a
// date counts as the oldest of its code: in the stock before any day and up to any day.

#include "core/Decimal.h"
#include "db/RowSet.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <optional>
#include <vector>

class TLogon;

namespace stock {

// One ESTFIC row to append; a column left empty is not named by the INSERT.
struct LedgerRow {
    QString code;
    QDate date;
    QString history;
    std::optional<Decimal> entrada, saida;
    std::optional<Decimal> valor;     // unit value: sale price, or unit cost of an entry (every place kept)
    std::optional<Decimal> custo;     // unit cost (some sale rows)
    std::optional<qint64> nfiscal, pedido, vendedor, cliente, caixa, terminal;
};

// What an entry of stock writes into the product's row besides its average cost.
struct ProductEntry {
    QDate entryDate;                     // DATAENTRADA
    std::optional<Decimal> unitCost;     // CUSTO and the average; none: the product's CUSTO
    std::optional<Decimal> salePrice;    // VALOR, when given
    std::optional<Decimal> bookValue;    // CONTABIL, when given
    std::optional<QDate> expiry;         // VALIDADE, when given
};

// One entry of stock among several taken in together (the items of an invoice).
struct StockEntry {
    LedgerRow row;
    ProductEntry product;
};

// What a code's rows add up to over a span: Σ ENTRADA, Σ SAIDA and how many rows.
struct Movement {
    Decimal in, out;
    qint64 rows = 0;
    Decimal stock() const { return in - out; }
};

// What left stock of a code over a period: its rows with an exit (SAIDA not 0),
// Σ SAIDA and Σ SAIDA × VALOR of them, and the earliest day among them.
struct Exits {
    Decimal quantity, value;
    qint64 rows = 0;
    QDate first;
};

// A code's movement over a period: the stock before its first day, and the rows
// dated within it.
struct PeriodMovement {
    Decimal before;
    Movement within;
    Decimal after() const { return before + within.stock(); }
};

class StockLedger {
public:
    static constexpr int kHistoryLength = 120;   // ESTFIC.HISTORICO
    static constexpr int kCodeLength = 14;       // ESTFIC.CODIGO

    explicit StockLedger(TLogon& logon) : m_logon(logon) {}

    // Σ ENTRADA − Σ SAIDA of the code's rows; 0 when it has none.
    Decimal stockOf(const QString& code) const;
    // The code's stock before a day: its rows dated before it and its undated rows.
    Decimal stockBefore(const QString& code, const QDate& day) const;

    // Every code's rows, summed: its stock is movement.stock(). A code without rows
    // is absent (its stock is 0). `group`: only the codes of that product group's
    // products (0: every code). One statement.
    QHash<QString, Movement> movementByCode(int group = 0) const;
    // Every code's rows dated up to the day (and undated), summed. One statement.
    QHash<QString, Movement> movementUpTo(const QDate& day, int group = 0) const;
    // Every code with rows dated within [first, last], or with a stock before the
    // first day: the stock before it and the rows within it. Four statements at most.
    QHash<QString, PeriodMovement> movementOver(const QDate& first, const QDate& last, int group = 0) const;

    // Every code with rows with an exit dated within [first, last]: what they add up
    // to. A few statements whatever the span.
    QHash<QString, Exits> exitsOver(const QDate& first, const QDate& last) const;

    // Appends one row (ID from generator ESTFIC); the history is cut to the column.
    // Throws DbError.
    void append(const LedgerRow& row);
    // Appends rows in their order (their IDs follow it), a few dozen per statement.
    void append(const std::vector<LedgerRow>& rows);

    // An entry of stock: holds the product's row, reads the stock before the entry,
    // appends the row and writes the product's new average cost, entry date, cost
    // and the values given. False, with nothing written, when no product has the
    // code. Throws DbError.
    bool receive(const LedgerRow& row, const ProductEntry& product);
    // Entries of stock taken in together, written as receive() one after another
    // would write them (an entry's average starts from the stock and average the
    // entries before it left), in a few statements whatever their number: the
    // products' rows held in the order of their codes, their stock read once, the
    // rows appended, and each product written once with what its last entry left.
    // The codes no product has, in the entries' order; nothing is written when there
    // is one. Throws DbError.
    QStringList receive(const std::vector<StockEntry>& entries);

    // An exit of stock: the row, and the product's date of last exit (DATASAIDA)
    // where it is another date.
    void issue(const LedgerRow& row);

    // The new average cost; nullopt when stock + quantity is 0 (the product stays).
    static std::optional<Decimal> averageCost(const Decimal& stockBefore, const Decimal& average,
                                              const Decimal& quantity, const Decimal& unitCost);

    // A product's rows dated within [from, to], in the order they were written.
    RowSet rowsOf(const QString& code, const QDate& from, const QDate& to) const;
    // Changes the date, history and quantities of one row (blank quantity: NULL);
    // false when the row is gone. Throws DbError.
    bool change(qint64 id, const QDate& date, const QString& history,
                const std::optional<Decimal>& entrada, const std::optional<Decimal>& saida);
    // Deletes one row; false when it was already gone.
    bool remove(qint64 id);
    // Deletes every row of a code (a product or kit that goes away).
    void removeCode(const QString& code);

private:
    TLogon& m_logon;
};

// A quantity as the ledger keeps it (thousandths) and money as it keeps it (cents).
inline Decimal quantityOf(const Decimal& d) { return d.roundTo(3); }
inline Decimal moneyOf(const Decimal& d) { return d.roundTo(2); }
// A unit cost as the ledger (VALOR) and the product (CUSTO, MEDIO) keep it: six places.
inline constexpr int kUnitCostPlaces = 6;
inline Decimal unitCostOf(const Decimal& d) { return d.roundTo(kUnitCostPlaces); }

} // namespace stock
