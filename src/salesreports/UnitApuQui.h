#pragma once
// "Controle de Estoque - Apuração de Resultado", A4, portrait: per product group
// ("CENTRO DE CUSTO : "), each product's quantity, cost, sale and result, the
// group's totals and the report's. Totals are sums over the rows, so the preview
// and the pages printed from it show the same figures.
#include "db/UnitLogon.h"
#include "reports/PageReport.h"

class TFormApuQui {
public:
    // QRLabel11: the waiter choice; range: the cash-shift range line.
    TFormApuQui(TLogon& logon, const QString& waiterText, const QString& range);

    const report::Definition& definition() const { return m_def; }
    void preview(const RowSet& rows) const;

private:
    report::Definition m_def;
};
