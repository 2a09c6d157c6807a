#pragma once
// The single-screen delivery order (TFormCadPedDeli) without its window: the order
// (one DELIPED row), its items (MESA rows whose MESA is "D" and the order number)
// with their chosen extras (ACOMPMESA rows), and its customer (CLIENTES, the
// telephone as his code).
//
// A new order takes its number from the insert itself (INSERT ... RETURNING), so
// two stations starting orders at the same moment never take one row. Every change
// of an order holds its DELIPED row first, so two windows on one order take turns,
// and an order another station closed meanwhile is refused
// (deliverytext::desk::orderGone) rather than written into.
#include "core/Decimal.h"
#include "core/LineAmount.h"
#include "delivery/DeliveryCustomer.h"
#include "delivery/DeliveryItemEntry.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <optional>
#include <vector>

class TLogon;

// The DELIPED row.
struct SingleOrderRow {
    qint64 id = 0;
    QString phone;                 // MESA: the customer's telephone, "000000" at least
    QString name;                  // NOME
    Decimal valor;                 // the total as last shown
    QString status;                // "PEDIDO", "MONTANDO", "SAIU P/ENTREGA"
    qint64 deliveryMan = 0;        // VENDEDOR: DELICAD.CODIGO; 0 none
    qint64 area = 0;               // TAXA: ENTREGA.ID; 0 none
    QTime hora;
    QString obs;
    std::array<Decimal, 3> received;   // RECEBIDO, RECEBIDO2, RECEBIDO3
    std::array<int, 3> methods{};      // FP1, FP2, FP3 (FORMAPAGA.CD)

    Decimal receivedTotal() const { return received[0] + received[1] + received[2]; }
};

// An item of the order (a MESA row).
struct SingleOrderItem {
    qint64 id = 0;
    QString code, name;
    Decimal quantity, price;
    Decimal total() const { return lineAmount(quantity, price); }   // to the cent, as printed
};

// What the screen holds of the order: written back before each step that needs it.
struct SingleOrderHeader {
    QString phone;                 // "" while none was given
    QString name;                  // the customer's name field
    QString obs;
    qint64 deliveryMan = 0;        // DELICAD.CODIGO; 0 none chosen
    qint64 area = 0;               // ENTREGA.ID; 0 none chosen
};

// An item as the screen confirms it.
struct SingleOrderNewItem {
    QString code;                  // as entered: a product, "*" a kit, "/12/15/" a fraction
    QString name;                  // as shown (the size in front of it)
    Decimal quantity;
    Decimal price;                 // the unit price before the extras
    std::vector<ItemExtra> extras; // the chosen ones are written
    Decimal unitPrice() const;     // the price plus the chosen extras
};

class SingleOrders {
public:
    explicit SingleOrders(TLogon& logon) : m_logon(logon) {}

    // "D" and the order number: the MESA of its items and its kitchen-monitor rows.
    static QString orderKey(qint64 id);
    // The telephone typed: digits only, within the customer code, above 0, written
    // with at least six digits ("012345"); nullopt for anything else.
    static std::optional<QString> phoneText(const QString& typed);
    // The sum of the items' amounts as printed (each quantity x price to the cent).
    static Decimal itemsTotal(const std::vector<SingleOrderItem>& items);
    // Leaving the first amount of the payment panel: the second becomes what the
    // first and the third leave of the total, 0 when they leave nothing, so that
    // the whole total typed into the first after a split takes the split's second
    // amount away; a first amount that is no number leaves the whole total.
    static Decimal secondAmount(const Decimal& total, const std::optional<Decimal>& first, const Decimal& third);
    // The time of creation as HORA keeps it (to the second).
    static QTime creationTime(const QDateTime& now);

    // A new order: "PEDIDO", no name, methods 1, 2 and 3, created at `now`.
    qint64 create(const QDateTime& now = QDateTime::currentDateTime());
    std::optional<SingleOrderRow> read(qint64 id);
    std::vector<SingleOrderItem> items(qint64 id);
    // The chosen extras of each item, by the item's id, in the order written.
    std::map<qint64, QStringList> extras(const std::vector<SingleOrderItem>& items);

    // The customer of a telephone; a new customer row with only its code when there
    // is none.
    DeliveryCustomerData customer(qint64 phone);
    // The screen's customer fields written back. Throws DbError.
    void saveCustomer(const DeliveryCustomerData& data);

    // The screen's header written back with the total shown. False when the order
    // is gone. Throws DbError.
    bool saveHeader(qint64 id, const SingleOrderHeader& header, const Decimal& total);
    // "Confirma": the header, the item and its chosen extras (taken back by the
    // item's own id), the new total; one action on the held order. Returns the
    // item's id. Throws DeliveryRefused (the order is gone) or DbError.
    qint64 addItem(qint64 id, const SingleOrderHeader& header, const SingleOrderNewItem& item,
                   const Decimal& areaFee, const QDateTime& now = QDateTime::currentDateTime());
    // "&Excluir": the item goes; its extras stay, as they always did.
    void deleteItem(qint64 id, qint64 itemId);
    // "Confirmar" of the payment panel.
    void setPayments(qint64 id, const std::array<Decimal, 3>& received, const std::array<int, 3>& methods);
    void setStatus(qint64 id, const QString& status);

    // Holds the order's row for the running action; refused when it is gone.
    SingleOrderRow holdOrder(qint64 id);

private:
    TLogon& m_logon;
};
