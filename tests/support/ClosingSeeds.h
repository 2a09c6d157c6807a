#pragma once
// Tabs, items, kits, payment methods and customers for the bill and closing tests,
// seeded by SQL the way the sales screen and the registers write them.
#include "RegisterSeeds.h"
#include "SeedValues.h"
#include "closing/TabClosing.h"
#include "core/Decimal.h"
#include "db/UnitLogon.h"
#include <QString>

namespace seeds {


// An open tab: CABMESA row with waiter, customer, advance and delivery columns.
void openTab(TLogon& l, const QString& tab, int waiter = 1, int customer = 1, const Decimal& advance = Decimal(),
             const QString& advanceMethod = QString(), const Decimal& delivery = Decimal(), int status = 0);
// An item of a tab (MESA row); returns its ID.
qint64 addItem(TLogon& l, const QString& tab, const QString& code, const QString& name, const Decimal& quantity,
               const Decimal& price, int waiter = 1);
void addKitchenRow(TLogon& l, const QString& tab);
void addKitComponent(TLogon& l, const QString& kit, const QString& component, const Decimal& quantity);
// A customer as a sale sees it: blocked or not, loyalty points.
void addSaleCustomer(TLogon& l, int code, const QString& name, const QString& blocked = "N", double points = 0);
void addWaiter(TLogon& l, int code, const QString& name);

// The closing of one tab by the walk-in consumer, one person, paid with `payments`.
ClosingRequest consumerClosing(const QString& tab, std::vector<SalePayment> payments, const QDate& dueDate);

} // namespace seeds
