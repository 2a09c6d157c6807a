#pragma once
// The kitchen reprint: chosen items of a tab printed again under
// "PEDIDO       : REIMPRESSAO", one ticket per kitchen number they were ordered
// with. Nothing of the tab changes: kitchen states, the order number and the
// kitchen-monitor queue stay as they are, apart from the rows the reprint itself
// writes for a kitchen shown on the monitor.

#include "core/Decimal.h"
#include "sales/ItemConfirmation.h"

#include <QString>
#include <QStringList>
#include <vector>

class TLogon;

struct ReprintRow {
    bool chosen = false;       // "SIM"
    QString mesa;
    QString imp;               // MESA.IMPRESSORA
    QString produto;           // MESA.NOMEP, 40 characters
    Decimal quant;
    QStringList complements;
    qint64 vendedor = 0;
    qint64 id = 0;
    QString complementText() const;   // each complement followed by " / "
};

// The ticket of one kitchen number from its chosen rows.
QStringList composeKitchenReprint(const TicketData& head, const std::vector<ReprintRow>& rows, int feedLines);

struct ReprintResult {
    bool noTab = false;   // " Informar comanda  "
    int tickets = 0, jobs = 0, monitorRows = 0;
    QString error;
};

class KitchenReprint {
public:
    KitchenReprint(TLogon& logon, int cashShift) : m_logon(logon), m_cashShift(cashShift) {}
    std::vector<ReprintRow> load(const QString& tabKey);
    ReprintResult print(const QString& tabKey, const std::vector<ReprintRow>& rows);

private:
    TLogon& m_logon;
    int m_cashShift;
};
