#pragma once
// "Controle de Estoque - Relatorio de Saidas", Letter, portrait: the ranking of the
// products that left stock in a period, each with its quantity, average value and
// total, and the sum of the totals. The kits sold print the same way
// (TFormKitVendQui).
#include "db/UnitLogon.h"
#include "reports/PageReport.h"

namespace ranking {
// The ranking report: its title, the period line ("PERIODO DE" ...) and the
// quantity's mask.
report::Definition definition(TLogon& logon, const QString& title, const QString& period,
                              const QString& quantityMask);
} // namespace ranking

class TFormSaiQuiABC {
public:
    // QRLabel14: the period line.
    TFormSaiQuiABC(TLogon& logon, const QString& period);

    const report::Definition& definition() const { return m_def; }
    void preview(const RowSet& rows) const;

private:
    report::Definition m_def;
};
