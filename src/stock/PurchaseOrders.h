#pragma once
// Purchase orders to suppliers (COMPRAS, one row per order; COMPPED, one row per
// item). An order moves no stock: its items reach the stock when the supplier's
// invoice imports it (EntryInvoice), which removes the order.
//
// Order numbers only grow: each is drawn from EMPRESA.SCL5 by one statement that
// adds one and returns the new value, so two stations never share a number.
//
// Adding, changing and removing an item hold the order's row first, as the entry
// invoice does when it receives the order: an item never lands on an order another
// station is receiving, and the invoice compares the lines it imported with those
// the order holds while nobody can change them.

#include "core/Decimal.h"
#include "db/RowSet.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

class TLogon;

namespace purchase {

namespace text {
inline const QString caption = QStringLiteral(".: Controle de Compras :.");
inline const QString heading = QStringLiteral("Controle de Pedido de Compras");
inline const QString askNew = QStringLiteral("Cadastrar um novo pedido de Compras ?");
inline const QString fillError = QStringLiteral("|        Erro no preenchimento....         |");
inline const QString badDate = QStringLiteral("     Data invalida: %1     ");
inline const QString itemGone = QStringLiteral("|      Item nao localizado: excluido em outro terminal...      |");
inline const QString orderGone =
    QStringLiteral("|      Pedido nao localizado: recebido ou excluido em outro terminal...      |");
inline const QString insertCaption = QStringLiteral(".: Inserir Itens :.");
inline const QString changeCaption = QStringLiteral(".: Alterar Itens :.");
inline const QString pickerCaption = QStringLiteral(".: Ver pedidos pententes (Compras) :.");
} // namespace text

// The fields a refusal sends the focus back to.
namespace field {
inline const QString date = QStringLiteral("date");
inline const QString delivery = QStringLiteral("delivery");
inline const QString supplier = QStringLiteral("supplier");
inline const QString product = QStringLiteral("product");
inline const QString quantity = QStringLiteral("quantity");
inline const QString cost = QStringLiteral("cost");
inline const QString icms = QStringLiteral("icms");
inline const QString ipi = QStringLiteral("ipi");
} // namespace field

struct Order {
    bool found = false;
    qint64 number = 0;
    QDate date, delivery;
    QString term, observation;
    QString supplier;        // FORNE as text; empty when none
};

struct Item {
    qint64 id = 0;
    QString code, name;
    Decimal quantity, cost;
    qint64 icms = 0, ipi = 0;
    Decimal total() const;   // quantity × cost
    // Cost × (IPI / 100 + 1), every place kept: 0,99 with IPI 7 % is 1,0593.
    Decimal costWithIpi() const;
};

// The same lines: the same rows with the same product, quantity, cost and IPI.
bool sameLines(const std::vector<Item>& a, const std::vector<Item>& b);

// "Pedido" (Σ totals), "IPI" (Σ IPI / 100 × total of the items with IPI) and "Total".
struct Totals {
    Decimal order, ipi, total;
};

struct TypedHeader {
    QString date, delivery, term, supplier, observation;
};

struct TypedItem {
    QString code, quantity, cost, icms, ipi;
};

class PurchaseOrders {
public:
    explicit PurchaseOrders(TLogon& logon) : m_logon(logon) {}

    // The order shown when the window opens: the lowest number; 0 when none.
    qint64 firstNumber();
    Order order(qint64 number);
    std::vector<Item> items(qint64 number);
    // Inside the caller's action: holds the order's row and its lines (another
    // station changing them waits) and returns the lines; nullopt when the order is gone.
    std::optional<std::vector<Item>> holdLines(qint64 number);
    static Totals totals(const std::vector<Item>& items);
    static QString totalText(const Decimal& total);   // "#0.00" left-padded to 12

    // "&A-Novo Pedido": draws the next number and writes the order, as one action.
    qint64 create();
    // "&D-Confirme": the header typed for the order. A date that is not blank and
    // cannot be read, and an unknown supplier, are refused with stock::FieldError.
    void storeHeader(qint64 number, const TypedHeader& header);
    // "&C-Excluir Pedido": the order and its items, as one action.
    void remove(qint64 number);

    // Leaving "Quantidade": a quantity that is no whole number becomes "0"; the other
    // numbers that cannot be read become "0".
    static QString wholeQuantity(const QString& typed);
    static QString numberOrZero(const QString& typed);
    // "Confirmar" of the item windows: the product must exist, the quantity be a whole
    // number above 0, the cost a number, the rates whole percentages (0 to 100);
    // else stock::FieldError with "|        Erro no preenchimento....         |".
    void addItem(qint64 number, const TypedItem& item);
    // Changes the item in place (its ID stays); refused when it is gone.
    void changeItem(qint64 id, const TypedItem& item);
    void removeItem(qint64 id);
    // Each of the three refuses with text::orderGone when the order was received or
    // deleted meanwhile.

    // The orders for the picker, newest first, with the supplier's name (FORNENOME).
    RowSet pending();

private:
    struct Checked { QString code; Decimal quantity, cost; qint64 icms, ipi; };
    Checked check(const TypedItem& item);
    void holdOrder(qint64 number);

    TLogon& m_logon;
};

} // namespace purchase
