#pragma once
// The delivery desk without its window: the open orders (DELIVERE rows keyed by
// the customer's telephone), their items (DELIITEM), starting an order, choosing
// its delivery man and area, deleting items and orders, the order total, and the
// hand-over list of an order for its printouts and its invoicing.
//
// Every change of an order is one action that holds the order's row first, so two
// stations working on one order take turns, and an order another station deleted
// meanwhile is refused (deliverytext::desk::orderGone) rather than written into.
#include "core/Decimal.h"
#include "core/LineAmount.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

class TLogon;

struct DeskOrder {
    qint64 id = 0;                // the order number
    qint64 phone = 0;             // CODIGO: the customer's telephone and code
    QString fone, cliente, hora, status, pagamento;
    QDate data;
    Decimal valor, troco;
    qint64 motoboy = 0;           // the delivery man's DELICAD.ID; 0: none chosen
    qint64 entrega = 0;           // the area's ENTREGA.ID; 0: none chosen
    QString deliveryMan;          // his name ("" when none)
    QString bairro;               // the area's name ("" when none)
    Decimal taxa;                 // the area's fee (0 when none)

    // The labels of the shown order.
    QString deliveryManLabel() const;   // the name, or "Selecione um Entregador"
    QString areaLabel() const;          // "CENTRO R$ 5,00", or "Selecione Local Entrega"
};

struct DeskItem {
    qint64 id = 0;
    QString codigo, nome, obs, impressora;
    Decimal quant, valor;
    Decimal total() const { return lineAmount(quant, valor); }   // to the cent, as printed
};

// One line of the hand-over list (the items, then the delivery fee).
struct HandOverLine {
    int linha = 0;
    QString codigo, nome;
    Decimal quantidade, valor;
    int vendedor = 1;
    int gcol = 0, grow = 0;
};

class DeliveryOrders {
public:
    explicit DeliveryOrders(TLogon& logon) : m_logon(logon) {}

    // The telephone typed in the new-order box: digits only, within the customer
    // code's range and above 0; nullopt for anything else.
    static std::optional<qint64> readPhone(const QString& typed);

    // The open orders by number, or by the time they were started: the rows with a
    // telephone (FONE). The rows of a tab's delivery data have none: the desk
    // neither shows nor deletes them.
    enum class Order { ByNumber, ByTime };
    std::vector<DeskOrder> orders(Order order = Order::ByNumber);
    std::optional<DeskOrder> order(qint64 id);
    // The order's items, grouped by kitchen-printer number.
    std::vector<DeskItem> items(qint64 orderId);

    struct Started {
        qint64 orderId = 0;
        bool created = false;      // a new order (else the telephone's open order)
        bool newCustomer = false;  // the telephone had no customer row
    };
    // "F4-Confirmar" of the new-order panel, as one action: the telephone's open
    // order, or a new one named after the customer; a customer row with only its
    // code when the telephone has none.
    Started start(qint64 phone, const QDateTime& now = QDateTime::currentDateTime());
    // After the customer window: a new order takes the customer's name (39 characters).
    void nameNewOrder(qint64 orderId, qint64 phone);

    // Deleting an item (with its complements), an order (with its items).
    void deleteItem(qint64 orderId, qint64 itemId);
    void deleteOrder(qint64 orderId);
    // Choosing the delivery man (DELICAD.ID) or the area (ENTREGA.ID).
    void setDeliveryMan(qint64 orderId, qint64 manId);
    void setArea(qint64 orderId, qint64 areaId);

    // Holds the order's row for the running action; refused when it is gone.
    void holdOrder(qint64 orderId);
    // The order's total: the sum of its items' amounts as printed (each quantity x
    // price to the cent) plus the area's fee, the same sum the single-screen order,
    // the delivery note and the invoice take.
    static Decimal total(const std::vector<DeskItem>& items, const Decimal& fee);
    // The total of what the database holds now, written into VALOR when it differs.
    // Runs inside the caller's action (or alone).
    Decimal writeTotal(qint64 orderId);
    // The shown order's total as its items and fee give it; when the order holds
    // another figure (another station's change, or an older station's), it is
    // written in an action of its own. Throws DbError.
    Decimal followItems(const DeskOrder& order, const std::vector<DeskItem>& items);

    // The list the delivery note and the invoicing take: one line per item, then,
    // when the order has an area, "Taxa de Entrega" with the delivery man's id as
    // its code ("0" when none) and the fee as its value.
    static std::vector<HandOverLine> handOver(const DeskOrder& order, const std::vector<DeskItem>& items);

private:
    TLogon& m_logon;
};
