#pragma once
// The printouts of the single-screen delivery order: the kitchen ticket of the
// whole order ("Imprimir para &Cozinha": kitchen printer 1, or the cashier's
// printer when "Impr. na impressora Caixa" is ticked; kitchen-monitor rows where
// that printer reads "Monitor Cozinha"), the ticket that goes out with the
// delivery man ("&Imprimir para Entrega", "SIMPLES CONFERENCIA DA CONTA") and the
// closing receipt ("FECHAMENTO DA CONTA", see SingleOrderClosing).
//
// Each ticket is composed from what the database holds of the order at that
// moment and printed through the printout router; the order's STATUS follows a
// ticket that went out ("MONTANDO", "SAIU P/ENTREGA"). The kitchen-monitor rows
// and the status are written together, in one action.
#include "core/Decimal.h"
#include "delivery/DeliveryCustomer.h"
#include "delivery/SingleOrder.h"
#include "platform/Printout.h"
#include "registers/CompanyStore.h"

#include <QDateTime>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class TLogon;

// What the order's printouts are made of (composed without a database).
struct SingleTicketData {
    CompanyRow company;
    int salesOptions = 0;                          // bits 512 address, 128 CNPJ
    SingleOrderRow order;
    std::optional<DeliveryCustomerData> customer;
    QString deliveryManName;                       // as the "Entregador" box shows it
    std::optional<Decimal> areaFee;                // the order's area, when it is found
    std::vector<SingleOrderItem> items;
    std::map<qint64, QStringList> extras;          // by item id
    std::vector<std::pair<QString, Decimal>> payments;   // method name and amount received, in order
    QDateTime now;
    int fontSize = 7;
    int feedLines = 7;

    Decimal itemsTotal() const;
    Decimal fee() const { return areaFee.value_or(Decimal()); }
    // The customer's name as registered, else as the order keeps it.
    QString customerName() const;
};

Printout composeSingleKitchenTicket(const SingleTicketData& d);
Printout composeSingleDeliveryTicket(const SingleTicketData& d);
Printout composeSingleClosingReceipt(const SingleTicketData& d, const QString& saleNumber);

// The check of the delivery ticket and of the closing: something received, short
// of the total (both to the cent).
bool receivedShort(const Decimal& received, const Decimal& total);

// The observation in lines of at most `width` characters, broken between words.
QStringList wrapWords(const QString& text, int width);

class SingleOrderPrintouts {
public:
    explicit SingleOrderPrintouts(TLogon& logon) : m_logon(logon) {}
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    // The data of the order's printouts, read now (inside the caller's action or alone).
    SingleTicketData read(qint64 orderId, const QString& deliveryManName);

    struct KitchenResult {
        int items = 0;             // 0: no ticket, pedido.INI untouched
        int monitorRows = 0;       // COZINHA2 rows written instead of printing
        bool printed = false;      // a ticket went to the printer route
    };
    // "Imprimir para &Cozinha". Throws what the printer route throws (then the
    // status stays), DeliveryRefused (the order is gone) or DbError.
    KitchenResult kitchenTicket(qint64 orderId, bool cashierPrinter, const QString& deliveryManName);
    // "&Imprimir para Entrega". Throws DeliveryRefused (received short of the total,
    // the order gone), what the printer route throws, or DbError.
    void deliveryTicket(qint64 orderId, const QString& deliveryManName);

private:
    TLogon& m_logon;
    std::function<QDateTime()> m_clock = [] { return QDateTime::currentDateTime(); };
};
