#pragma once
// "Controle de Estoque - Resumo por Cliente", Letter, portrait: a customer's ledger
// rows day by day ("Data : "), each valued, the day's quantity and value, and the
// grand total.
#include "db/UnitLogon.h"
#include "reports/PageReport.h"

class TFormBalCliQui {
public:
    // QRLabel13: the customer as chosen; QRLabel11: the period; QRLabel16: the
    // value column's title.
    TFormBalCliQui(TLogon& logon, const QString& customerText, const QString& period, const QString& valueTitle);

    const report::Definition& definition() const { return m_def; }
    void preview(const RowSet& rows) const;

private:
    report::Definition m_def;
};
