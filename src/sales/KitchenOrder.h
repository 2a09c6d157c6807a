#pragma once
// The kitchen order of a tab ("F4 Imp Ped Cozinha"): one ticket per kitchen
// number 1 to 5 with the tab's items still pending for it, sent to that kitchen's
// printer slots or written as kitchen-monitor rows.
//
// One action holds the tab and claims its pending items (marks them sent and
// takes the claimed rows back), composes the tickets from them and writes the
// kitchen-monitor rows; the tickets print after the commit. Two stations pressing
// F4 on one tab send each item once: the second finds nothing pending. Items
// another station adds afterwards stay pending for the next order. A ticket that
// does not print gives its items back to pending in a second action, and the
// user is told.

#include "core/Decimal.h"
#include "printing/RoutePrintout.h"
#include "sales/ItemConfirmation.h"

#include <QString>
#include <QStringList>
#include <vector>

class TLogon;

// The tab key as the kitchen order takes it: trimmed, a whole number with at
// least six digits. Empty when nothing was typed.
QString kitchenOrderKey(const QString& typed);

struct KitchenItem {
    qint64 id = 0;
    Decimal quantity;
    QString name;              // MESA.NOMEP
    QStringList complements;   // ACOMPMESA.PRODUTO of the item
};

// The ticket of one kitchen number: the head, each item ("000" or "0,000Kg", a
// blank, the name in 37-column lines, its complements, a dashed separator) and
// the feed lines.
QStringList composeKitchenOrder(const TicketData& head, const std::vector<KitchenItem>& items, int feedLines);

struct KitchenOrderResult {
    bool noTab = false;        // " Informar comanda  "
    int tickets = 0;           // kitchen order numbers used
    int jobs = 0;              // jobs sent to printers or ports
    int monitorRows = 0;       // COZINHA2 rows written (and kept)
    int marked = 0;            // items sent (claimed and not given back)
    QString error;             // the tickets that did not print: their items are pending again
};

class KitchenOrder {
public:
    KitchenOrder(TLogon& logon, int cashShift) : m_logon(logon), m_cashShift(cashShift) {}
    virtual ~KitchenOrder() = default;
    KitchenOrderResult print(const QString& tabField);

protected:
    // One job of a ticket to its printer slot; throws when it does not go out.
    virtual void send(const Printout& ticket, PrinterSlot slot, const RouteOptions& options);

private:
    struct Ticket;
    struct Plan;
    // Where each kitchen's ticket goes, the tickets' look, the first order number, now.
    static Plan plan();
    // Inside the action: the tab held, its pending items claimed, a ticket per kitchen.
    std::vector<Ticket> claim(const QString& key, const Plan& plan);
    // After the commit: the tickets sent; the items of one that did not print go back.
    void sendAll(const QString& key, const std::vector<Ticket>& tickets, int firstOrderNumber, KitchenOrderResult& r);

    TLogon& m_logon;
    int m_cashShift;
};

namespace kitchenmsg {
inline const QString informTab = QStringLiteral(" Informar comanda  ");
}
