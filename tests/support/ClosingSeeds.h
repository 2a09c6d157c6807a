#pragma once
// Tabs, items, kits, payment methods and customers for the bill and closing tests,
// seeded by SQL the way the sales screen and the registers write them.
#include "core/Decimal.h"
#include "db/UnitLogon.h"
#include <QString>

namespace seeds {

Decimal D(const char* text);   // "12,50"

// An open tab: CABMESA row with waiter, customer, advance and delivery columns.
void openTab(TLogon& l, const QString& tab, int waiter = 1, int customer = 1, const Decimal& advance = Decimal(),
             const QString& advanceMethod = QString(), const Decimal& delivery = Decimal(), int status = 0);
// An item of a tab (MESA row); returns its ID.
qint64 addItem(TLogon& l, const QString& tab, const QString& code, const QString& name, const Decimal& quantity,
               const Decimal& price, int waiter = 1);
void addKitchenRow(TLogon& l, const QString& tab);
// A product; kit = COMPOSICAO "S".
void addProduct(TLogon& l, const QString& code, const QString& name, const Decimal& price,
                const Decimal& cost = Decimal(), bool kit = false);
void addKitComponent(TLogon& l, const QString& kit, const QString& component, const Decimal& quantity);
void addPaymentMethod(TLogon& l, int code, const QString& name, const QString& settled, const QString& exported = "N");
void addCustomer(TLogon& l, int code, const QString& name, const QString& blocked = "N", double points = 0);
void addWaiter(TLogon& l, int code, const QString& name);

} // namespace seeds
