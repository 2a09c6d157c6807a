#pragma once
// The delivery desk's printouts without their windows: the production tickets of
// an order (F5, one per kitchen-printer number 1 to 5 its items carry) and the
// delivery note (F6, "NOTA DE ENTREGA"). Each is one action that composes the text
// and writes what the order records of it (its STATUS "PRUDUCAO"; the expected
// payment and change); the texts are printed after the commit, every one through
// the delivery route (the conference printer; a failure says " Impressora nao
// localizada  " and shows the preview; a port gets the drawer pulse after it).
#include "core/Decimal.h"
#include "delivery/DeliveryCustomer.h"
#include "delivery/DeliveryOrders.h"
#include "delivery/DeliveryPaymentPanel.h"
#include "platform/Printout.h"
#include "registers/CompanyStore.h"

#include <QDateTime>
#include <functional>
#include <vector>

class TLogon;

// One item of a production ticket.
struct TicketItem {
    Decimal quantity;
    QString name, obs;
    QStringList complements;
};

struct ProductionTicketData {
    int printer = 1;             // 1 to 5
    qint64 orderId = 0;
    std::optional<DeliveryCustomerData> customer;
    QDateTime now;
    std::vector<TicketItem> items;
    int feedLines = 5;           // fonte.INI line 15
    int fontSize = 14;           // fonte.INI line 1
};
Printout composeProductionTicket(const ProductionTicketData& d);

struct NoteItem {
    DeskItem item;
    QStringList complements;
};

struct DeliveryNoteData {
    CompanyRow company;
    qint64 orderId = 0;
    QDateTime now;
    std::optional<DeliveryCustomerData> customer;
    std::vector<NoteItem> items;
    Decimal fee;
    std::vector<std::pair<QString, Decimal>> methods;   // caption and amount, amount not 0
    Decimal change;
    QString deliveryMan;         // the desk's label: the name or "Selecione um Entregador"
    QString message;             // Edit13
    int fontSize = 7;
};
Printout composeDeliveryNote(const DeliveryNoteData& d);

struct NoteRequest {
    qint64 orderId = 0;
    QString phone;               // the order's FONE
    QString deliveryManLabel;
    std::vector<DeskItem> items; // as the desk shows them
    DeliveryPaymentPanel panel;
};

class DeliveryPrintouts {
public:
    explicit DeliveryPrintouts(TLogon& logon) : m_logon(logon) {}
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    // F5: items without a kitchen-printer number take "1", those of every order
    // on the desk; one ticket per number 1 to 5 in use, in that order; the order's
    // STATUS becomes "PRUDUCAO" (also when it has no item). Throws DeliveryRefused
    // when the order is gone, DbError.
    std::vector<Printout> productionTickets(qint64 orderId);

    // F6 "(F3) Imprimir": the panel's checks, then the note composed and the
    // order's PAGAMENTO and TROCO written. Throws DeliveryRefused (a check, the
    // order gone) or DbError; then nothing is written.
    Printout deliveryNote(const NoteRequest& request);
    // After the note window closes, printed or not: STATUS "SAIU P/ENTREGA"
    // (nothing when the order is gone meanwhile).
    void markOutForDelivery(qint64 orderId);

    // Every text through the delivery route, one after the other.
    static void print(const std::vector<Printout>& texts);

private:
    TLogon& m_logon;
    std::function<QDateTime()> m_clock = [] { return QDateTime::currentDateTime(); };
};
