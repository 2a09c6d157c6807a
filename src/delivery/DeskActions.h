#pragma once
// What the delivery desk does with its shown order on F5 (production tickets), F6
// (delivery note) and F7 (invoicing). The desk hands over the order as it shows it,
// its items and the hand-over list, calls one of these, and reads its orders again
// afterwards: each action writes what it writes itself (the order's status, the
// sale, the deletion of an invoiced order) and shows its own windows.
#include "delivery/DeliveryOrders.h"

#include <QString>
#include <memory>
#include <vector>

class TLogon;

struct DeskHandOver {
    DeskOrder order;                   // as the desk last read it
    std::vector<DeskItem> items;       // grouped by kitchen-printer number
    std::vector<HandOverLine> lines;   // DeliveryOrders::handOver
    QString totalText;                 // the total as the desk shows it ("12,50")
};

class DeskActions {
public:
    virtual ~DeskActions() = default;
    virtual void productionTickets(TLogon& logon, const DeskHandOver& order) = 0;   // F5
    virtual void deliveryNote(TLogon& logon, const DeskHandOver& order) = 0;        // F6
    virtual void invoice(TLogon& logon, const DeskHandOver& order) = 0;             // F7
};

// The desk's actions on this station: F5 prints the production tickets
// (DeliveryPrintouts), F6 opens the delivery note TFormVenRapidaPre and marks the
// order "SAIU P/ENTREGA" when it closes, F7 opens the invoicing TFormVenRapida.
std::unique_ptr<DeskActions> makeDeskActions();
