#pragma once
// Delivery orders as the desk holds them (a DELIVERE row keyed by the telephone,
// DELIITEM rows with their kitchen-printer number and ACOMPDELI complements), the
// hand-over the desk gives its printouts and invoicing, and the payment panel
// filled as a cashier fills it.
#include "SeedValues.h"
#include "db/UnitLogon.h"
#include "delivery/DeskActions.h"
#include "delivery/DeliveryPaymentPanel.h"
#include "delivery/SingleOrder.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace seeds {

struct OrderItem {
    QString code, name;
    Decimal quantity, price;
    QString kitchen = QStringLiteral("1");
    QString obs;
    QStringList complements;
};

// An item of an order ("1" its kitchen-printer number; complements: chosen extras).
OrderItem orderItem(const char* code, const char* name, const char* quantity, const char* price,
                    const char* kitchen = "1", QStringList complements = {});
// Cash shift `number` open, dated `date` (CONTCAIXA and its CONTDATA row), on any station.
void openShift(TLogon& l, int number, const QDate& date);

// An open order of the desk for a telephone; returns its number. area and man are
// ENTREGA.ID and DELICAD.ID (0: none chosen).
qint64 deliveryOrder(TLogon& l, qint64 phone, const QString& customer, const std::vector<OrderItem>& items,
                     qint64 area = 0, qint64 man = 0);
// What the desk hands over for the order as it shows it now.
DeskHandOver deskHandOver(TLogon& l, qint64 orderId);

// A panel opened on a hand-over with the amounts typed per method code (the
// others "0") and the discount; the totals run as leaving the fields runs them.
DeliveryPaymentPanel filledPanel(TLogon& l, DeskHandOver& order, const std::vector<std::pair<int, Decimal>>& amounts,
                                 const Decimal& discount = Decimal(), const Decimal* fee = nullptr);

// A single-screen order (DELIPED) for a telephone with its customer named, its items
// (the chosen extras of each as complements), the delivery man's code and the area;
// returns its number.
qint64 singleOrder(TLogon& l, qint64 phone, const QString& customer, const std::vector<OrderItem>& items,
                   qint64 area = 0, qint64 manCode = 0);
// What the payment panel of that order keeps: up to three amounts and their methods.
void singleOrderPayments(TLogon& l, qint64 order, const std::vector<std::pair<int, Decimal>>& payments);

} // namespace seeds
