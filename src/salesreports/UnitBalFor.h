#pragma once
// "Controle de Estoque - Balanço", A4, portrait: a supplier's products with their
// exits, entries, unit cost and the entries' value, the value's total and grand total.
#include "db/UnitLogon.h"
#include "reports/PageReport.h"

class TFormBalFor {
public:
    // QRLabel18: the supplier as chosen; QRLabel15: the period line.
    TFormBalFor(TLogon& logon, const QString& supplierText, const QString& period);

    const report::Definition& definition() const { return m_def; }
    void preview(const RowSet& rows) const;

private:
    report::Definition m_def;
};
