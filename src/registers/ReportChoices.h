#pragma once
// The choice lists of the report windows: product groups and waiters. Each item is
// a code with a fixed number of digits, a separator and the name, after an
// optional first item that stands for all of them (code 0); a report reads the
// chosen code back from the item's first digits, so a list typed into works too.
//
//   the stock and product reports' groups   "0000 - Todos", "0007 - BEBIDAS"   (groupItems)
//   the waiter reports' groups              "000000-Todos", "000007-BEBIDAS"
//   waiter lists                            "00000 TODOS", "00004 CARLOS"
//   payment methods, delivery men, cost centres  "01 Dinheiro", "00003 - JOSE", "007  GAS"
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class TLogon;

namespace choices {

struct Coded {
    qint64 code = 0;
    QString name;
};

// A cash shift of a report's shift lists: its number and the day it was opened.
struct Shift {
    int cash = 0;
    QDate date;
};

struct Style {
    int digits = 4;
    QString separator = QStringLiteral(" - ");
    QString all;   // the first item's name ("Todos"); empty: the list has no such item
};

// The stock and product reports' group choice.
inline const Style stockGroups{4, QStringLiteral(" - "), QStringLiteral("Todos")};
// The group choice of the waiter reports (commission, sales per waiter).
inline const Style waiterGroups{6, QStringLiteral("-"), QStringLiteral("Todos")};

// A payment method choice, "01 Dinheiro".
inline const Style paymentMethods{2, QStringLiteral(" "), QString()};

// The code and the name of each row of a statement that selects them first and second.
std::vector<Coded> coded(TLogon& logon, const QString& sql);
// The items: the one for all first (code 0, when the style has it), then one per row.
QStringList items(const std::vector<Coded>& rows, const Style& style);
// The code an item stands for: its first `digits` characters as a whole number
// (leading blanks ignored); nullopt when they are not one (an empty list, a text
// typed over the item, a shorter code followed by its name).
std::optional<int> codeOf(const QString& item, int digits);

enum class Order { Code, Name };
// Product groups (TIPOS) and waiters (VENDEDOR), by code or by name.
std::vector<Coded> groups(TLogon& logon, Order order = Order::Code);
std::vector<Coded> waiters(TLogon& logon, Order order = Order::Code);

// "0000 - Todos", then every group by code: the group choice of the stock reports.
QStringList groupItems(TLogon& logon);

} // namespace choices
