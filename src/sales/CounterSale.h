#pragma once
// The counter sale held in memory until it is closed: the item list (TabMesa)
// with its insert-before order, the kitchen lines (TabCozinha2), the payment
// list (TabRecebe), the counter scale label and the payment panel's sums.
// Nothing here touches the database or a window.
#include "core/Decimal.h"
#include "core/LineAmount.h"

#include <QString>
#include <optional>
#include <vector>

struct CounterItem {
    QString code;          // "000012", "*10" a kit, "/12/34/" a multi-flavour item
    Decimal quantity;
    Decimal price;         // unit price with the chosen complements
    QString saleKey;       // the counter sale's key ("Complementos", then "AV000012")
    QString name;          // NomeP
    QString kitchen = QStringLiteral("0");
    QString complement;
    Decimal total() const { return lineAmount(quantity, price); }   // to the cent, as printed
};

struct CounterKitchenLine {
    QString product;       // quantity "0.##", a blank, the name
    QString obs;           // the complement text
    QString kitchen;       // "1".."5"
    QString code;
    Decimal quantity;
};

struct CounterMethod {
    int code = 0;          // FORMAPAGA.CD
    QString name;          // first 19 characters of NOME
    QString bx;            // "S": settled at once
    Decimal amount;        // received in this sale
};

// A 13-character code beginning with "2" read at the counter: product code in
// characters 2 to 5, the amount to charge in cents in 8 to 12.
struct CounterScaleLabel {
    QString code;          // six digits when the four are a number, else trimmed
    std::optional<Decimal> amount;   // nullopt when the cents are not a number
};
std::optional<CounterScaleLabel> parseCounterScaleLabel(const QString& code);
// The quantity the amount buys at the unit price: "#0.000" left-padded to 8;
// nullopt when the price is 0.
std::optional<QString> counterScaleQuantity(const Decimal& amount, const Decimal& price);

// The balance of the payment panel: "Falta" (still missing) or "Troco" (change).
struct CounterBalance {
    QString word;
    Decimal amount;
};
CounterBalance counterBalance(const Decimal& purchase, const Decimal& paid, const Decimal& discount);
// The discount of a percentage of the purchase, rounded to cents.
Decimal discountFromPercent(const Decimal& purchase, const Decimal& percent);

class CounterSale {
public:
    // Items, in the order the grid shows them.
    const std::vector<CounterItem>& items() const { return m_items; }
    int current() const { return m_current; }
    // Inserts in front of the current row; the list then stands on its last row.
    void insertItem(CounterItem item);
    // The cashier selects a row: the next item goes in front of it.
    void select(int row);
    // Deletes the current row and its first matching kitchen line; false when empty.
    bool removeCurrent();
    // The items' amounts as printed (each quantity times price to the cent), added.
    Decimal total() const;
    // What the customer is charged: the total as the screen and the receipt show
    // it. Balances, the sale row and the change start from it.
    Decimal purchase() const { return total(); }
    bool empty() const { return m_items.empty(); }

    // Kitchen lines, the newest first.
    const std::vector<CounterKitchenLine>& kitchenLines() const { return m_kitchen; }
    void addKitchenLine(CounterKitchenLine line);

    // Payment methods, in code order; an amount replaces the method's earlier one.
    void setMethods(std::vector<CounterMethod> methods) { m_methods = std::move(methods); }
    const std::vector<CounterMethod>& methods() const { return m_methods; }
    bool record(int code, const Decimal& amount);
    Decimal paid() const;

    // After a closing: no items, no kitchen lines, every amount 0.
    void clear();

private:
    std::vector<CounterItem> m_items;
    std::vector<CounterKitchenLine> m_kitchen;
    std::vector<CounterMethod> m_methods;
    int m_current = -1;
};

// The text of a kitchen line: the quantity "0.##", a blank and the name.
QString counterKitchenText(const Decimal& quantity, const QString& name);
