#pragma once
// What the tab page shows: the table buttons of the open tabs and the item list
// of the selected tab, joining like items, with its waiter, times and amount due.

#include "core/Decimal.h"
#include "tabs/TabItem.h"

#include <QString>
#include <vector>

class TLogon;

constexpr int kTableButtons = 200;

struct TableButtonInfo {
    QString key;
    QString caption;       // key, or key CR pre-bill time
    bool preBilled = false;
};

// The key a table button's caption stands for: up to its first CR, trimmed;
// empty for a free button ("." "Livre" "LIVRE").
QString tableKeyOfCaption(const QString& caption);

struct TabItemLine {
    QString codigo, nomep, vend, mesa, index;
    Decimal qtde, valor;
    qint64 id = 0;
    Decimal amount;   // the joined rows' amounts, each to the cent, added
    Decimal total() const { return amount; }
};

struct TabItemRow : tabs::TabItem {   // one MESA row as read
    QString juntar;                    // the product's JUNTAR ("" when none)
};

// Joins the rows as the list shows them. forceJoin: SalesOptions bit 2048;
// deliveryKey: the tab key as a number is above 1,000,000 (never joined).
std::vector<TabItemLine> joinTabItems(const std::vector<TabItemRow>& rows, bool forceJoin, bool deliveryKey);

struct TabSummary {
    std::vector<TabItemLine> lines;
    QString waiterText;      // "Garcom 3 / JOAO"
    QString timesText;       // " Abertura: 20:01:02 - Fechada: 21:05:10"
    Decimal total, advance, due;
};

class TabView {
public:
    TabView(TLogon& logon, int salesOptions) : m_logon(logon), m_salesOptions(salesOptions) {}

    // Sets empty STATUS to 0, removes headers without a key, and gives the
    // buttons of the first 200 open tabs in key order.
    std::vector<TableButtonInfo> refreshButtons();
    // Removes items of quantity 0 and reads the tab's lines and totals.
    TabSummary load(const QString& key);

private:
    TLogon& m_logon;
    int m_salesOptions;
};
