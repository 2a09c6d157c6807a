#pragma once
// What the waiters sold, from the stock-out rows of the ledger, as 36-column texts:
// "Venda de Produto (Garcom/Categoria)", the quantity and amount of each product
// over a range of cash shifts for one waiter and one group (either may be every
// one), always previewed; and "Vendas Por Garcom", every product one waiter sold
// per day, cash shift and unit price, optionally of one group or one product,
// routed by the closing printer's destination. One grouped statement each.
#include "platform/Printout.h"

#include "registers/ReportChoices.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class TLogon;

// "Venda de Produto (Garcom/Categoria)".
struct ProductsPerWaiter {
    int firstShift = 0, lastShift = 0;
    QString firstDate, lastDate;    // the shift lists' texts (the opening days)
    std::optional<int> waiter;      // none: every waiter
    std::optional<int> group;       // none: every group
    QString waiterName, groupName;
};

// "Vendas Por Garcom", the fields as typed or chosen.
struct SalesPerWaiter {
    QString waiterItem;   // "004 CARLOS"
    QString groupItem;    // "000000-Todos", "000003-PIZZAS"
    QString product;      // "0": every product
    QString firstShift, lastShift;
    QDate today;
};

class WaiterSales {
public:
    explicit WaiterSales(TLogon& logon) : m_logon(logon) {}

    // The shifts, the one opened last first.
    std::vector<choices::Shift> shifts();

    Printout productsPerWaiter(const ProductsPerWaiter& q);

    // "004 CARLOS" per waiter, by name; "000000-Todos" and one item per group, by code.
    QStringList waiterItems();
    QStringList groupItems();

    // The fields as "&Confirma" writes them back: a cash number that is no whole
    // number becomes "0"; a product code typed as a whole number gets six digits
    // ("000000": every product), any other text is only trimmed.
    static QString shiftText(const QString& typed);
    static QString productText(const QString& typed);

    // The text of the fields as written back: a waiter text that is no number is
    // waiter 0. ShiftFieldRefused with " Data final menor que data inicial  " when
    // the last shift is before the first, " Erro no Preenchimento  " when there is
    // no waiter to choose.
    Printout salesPerWaiter(const SalesPerWaiter& q);

    // 18 minus half the trimmed text's length (rounded, halves up) blanks, then the text.
    static QString centred(const QString& text);

private:
    TLogon& m_logon;
};
