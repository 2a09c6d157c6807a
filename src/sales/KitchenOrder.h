#pragma once
// The kitchen order of a tab ("F4 Imp Ped Cozinha"): one ticket per kitchen
// number 1 to 5 with the tab's items still pending for it, sent to that kitchen's
// printer slots or written as kitchen-monitor rows.
//
// Only the items that were on a ticket are marked as sent, by their keys, once
// every job of their kitchen went out: items another station adds meanwhile stay
// pending and reach the kitchen with the next order, and a ticket that fails to
// print leaves its items pending.

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
    int monitorRows = 0;       // COZINHA2 rows written
    int marked = 0;            // items marked as sent
    QString error;             // the failure that stopped the order; its kitchen and the later ones stay pending
};

class KitchenOrder {
public:
    KitchenOrder(TLogon& logon, int cashShift) : m_logon(logon), m_cashShift(cashShift) {}
    virtual ~KitchenOrder() = default;
    KitchenOrderResult print(const QString& tabField);

    // The pending items of a kitchen number, in key order.
    std::vector<KitchenItem> pending(const QString& key, int kitchen);

protected:
    // One job of a ticket to its printer slot; throws when it does not go out.
    virtual void send(const Printout& ticket, PrinterSlot slot, const RouteOptions& options);

private:
    TLogon& m_logon;
    int m_cashShift;
};

namespace kitchenmsg {
inline const QString informTab = QStringLiteral(" Informar comanda  ");
}
