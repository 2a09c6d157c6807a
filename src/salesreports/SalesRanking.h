#pragma once
// The rankings of what left stock in a period, largest quantity first: the
// best-selling products ("Produtos mais Vendidos", all waiters or one) and the kits
// sold ("Kits mais Vendidos"). Of every waiter, the products are read from the
// totals kept per product and month beside the ledger, whatever the number of years;
// of one waiter, and the kits, in one grouped statement over the period's rows. Reads only.
#include "core/Decimal.h"
#include "db/RowSet.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

class TLogon;
class Params;

struct RankingLine {
    QString code;     // the product's code; "" for a kit sold without a code
    QString name;     // the product's name ("" when no product has the code), or the kit's
    QDate date;       // the earliest of its rows in the period
    Decimal quantity, total;
};

class SalesRanking {
public:
    explicit SalesRanking(TLogon& logon) : m_logon(logon) {}

    // "00000  Todos", then "00004 CARLOS" per waiter by code.
    QStringList waiterItems();

    // Every product with exits in the period (typed dd/mm/yy; ShiftFieldRefused
    // with "Erro em uma das datas" otherwise), of every waiter ("00000") or the one
    // of the list text's first five characters (" Erro no Preenchimento  " when they
    // are no number).
    std::vector<RankingLine> products(const QString& firstDay, const QString& lastDay, const QString& waiterItem);

    // The kits sold in the period: the kit rows the closings write (a product whose
    // COMPOSICAO is "S", by code) and the rows written without a code (by history).
    std::vector<RankingLine> kits(const QString& firstDay, const QString& lastDay);

    // CODIGO, DATA, NOME, QUAN, MEDIO (the exact total / quantity, 0 for a quantity
    // of 0), TOTAL (the line's total to the cent, as printed and as the report's
    // total adds it).
    static RowSet rows(const std::vector<RankingLine>& lines);

    // The reports' period lines.
    static QString productPeriod(const QString& firstDay, const QString& lastDay, const QString& waiterText);
    static QString kitPeriod(const QString& firstDay, const QString& lastDay);

private:
    std::vector<RankingLine> read(const QString& sql, const Params& params);
    // Every waiter's: from the totals kept beside the ledger (StockLedger::exitsOver).
    std::vector<RankingLine> everyWaiter(const QDate& first, const QDate& last);
    TLogon& m_logon;
};
