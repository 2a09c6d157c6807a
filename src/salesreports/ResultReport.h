#pragma once
// "Apura Resultado": for a range of cash shifts and all waiters or one, each
// product sold (ledger rows with a sale number, no VEND and a code) with its
// quantity, its cost at the unit cost of its first row (the product's cost when
// that row has none), its sale amount and the result, grouped by product group as
// text ("10" before "2"). One grouped statement whatever the number of rows.
// Reads only.
#include "core/Decimal.h"
#include "db/RowSet.h"

#include <QString>
#include <QStringList>
#include <vector>

class TLogon;

struct ResultLine {
    QString code, name, group;   // group: PRODUTOS.CLASSE as text, "" for a code no product has
    Decimal quantity, unitCost, sale;
};

class ResultReport {
public:
    explicit ResultReport(TLogon& logon) : m_logon(logon) {}

    // "00000 TODOS", then "00004 CARLOS" per waiter by code.
    QStringList waiterItems();
    // The waiter a list text stands for: its first five characters as a number;
    // 0 (every waiter) for "00000" and for a text that is no number.
    static int waiterOf(const QString& item);

    // The lines of the shifts first..last (ShiftFieldRefused when either is no
    // whole number), by group as text, then in the order their products were first
    // sold.
    std::vector<ResultLine> lines(const QString& firstText, const QString& lastText, int waiter);

    // As the report form prints them: CODIGO, NOME (25 characters), QUANT, CUSTO
    // (quantity x unit cost) and VENDA, each to the cent as printed, APURADO (the
    // sale minus the cost), CLASSE, DATA (empty); the group's and the report's totals
    // add these.
    static RowSet rows(const std::vector<ResultLine>& lines);

private:
    TLogon& m_logon;
};
