#pragma once
// "Controle de Estoque - Kits Vendidos ", Letter, portrait: the ranking of the kits
// sold in a period, laid out as the best-selling products (ranking::definition).
#include "db/UnitLogon.h"
#include "reports/PageReport.h"

class TFormKitVendQui {
public:
    // QRLabel14: the period line.
    TFormKitVendQui(TLogon& logon, const QString& period);

    const report::Definition& definition() const { return m_def; }
    void preview(const RowSet& rows) const;

private:
    report::Definition m_def;
};
