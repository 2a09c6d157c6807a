#pragma once
// What every kitchen ticket shares: the printer slots of a kitchen number, this
// station's kitchen order counter and the complements as the kitchen monitor
// shows them.
#include "printing/SetComSettings.h"   // PrinterSlot

#include <QString>
#include <QStringList>
#include <vector>

// "(A/B/)" of the complements, empty when there are none.
QString complementSummary(const QStringList& complements);

// The printer slots of a kitchen number: 1 to 4 their own, 5 kitchens 1 and 2;
// none for any other number.
std::vector<PrinterSlot> kitchenSlots(int kitchen);

// Kitchen order number of this station (pedido.INI line 0): 1 when missing.
int nextKitchenOrderNumber();
void saveKitchenOrderNumber(int number);
