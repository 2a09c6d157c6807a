#pragma once
// "Controle de Estoque - Centro de Custo" (Letter, portrait): the company, the
// period and the cost centre at the top; per product group its lines (code,
// product, outflow, cost, outflow times cost) and its total; the period's total.
#include "db/UnitLogon.h"
#include "reports/PageReport.h"

class TFormBalCenQui {
public:
    // Reads the company row; period: "Periodo de " + first + " a " + last.
    TFormBalCenQui(TLogon& logon, const QString& period, const QString& costCentre);

    const report::Definition& definition() const { return m_def; }
    void preview(const RowSet& lines) const;

private:
    report::Definition m_def;
};
