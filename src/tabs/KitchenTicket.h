#pragma once
// What every kitchen ticket shares: the printer slots of a kitchen number, this
// station's kitchen order counter, an item's quantity and name as the tickets
// print them, and the kitchen-monitor row (COZINHA2) written in place of a
// ticket where a kitchen reads the monitor.
#include "core/Decimal.h"
#include "printing/SetComSettings.h"   // PrinterSlot

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class TLogon;

// The quantity as a kitchen ticket prints it: "002", or "0,500Kg" with a fraction.
QString kitchenQuantityText(const Decimal& quantity);
// A name in lines of 37 characters, nothing of it lost (one empty line for none).
QStringList kitchenNameLines(const QString& name);
// The line under each item.
inline const QString kKitchenItemRule = QStringLiteral("- - - - - - - - - - - - - - - - - - -");

// One kitchen-monitor row; texts are cut to what the monitor keeps of them.
struct KitchenMonitorRow {
    QString hora;                   // 20
    QString mesa;                   // the tab or order key, 15
    QString garcom;                 // 10
    int caixa = 0;
    QString produto;                // 120
    Decimal quant;
    QString complements;            // COMPL: complementSummary, 28
    std::optional<qint64> idmesa;   // the item's link key (the sales screen's items)
    std::optional<qint64> grupo;    // the product's group
};
// Writes the row inside the caller's action; returns its ID.
qint64 writeKitchenMonitorRow(TLogon& logon, const KitchenMonitorRow& row);

// "(A/B/)" of the complements, empty when there are none.
QString complementSummary(const QStringList& complements);

// The printer slots of a kitchen number: 1 to 4 their own, 5 kitchens 1 and 2;
// none for any other number.
std::vector<PrinterSlot> kitchenSlots(int kitchen);

// Kitchen order number of this station (pedido.INI line 0): 1 when missing.
int nextKitchenOrderNumber();
void saveKitchenOrderNumber(int number);
