#pragma once
// "Controle de Estoque - Movimento por Cliente", Letter, portrait: per line the
// cash shift, the product, its unit value, the quantity out and the amount, and
// the total of the amounts.
#include "db/UnitLogon.h"
#include "reports/PageReport.h"

class TFormFicCliQui {
public:
    // QRLabel16: the customer code, " - " and his name.
    TFormFicCliQui(TLogon& logon, const QString& customerText);

    const report::Definition& definition() const { return m_def; }
    void preview(const RowSet& rows) const;

private:
    report::Definition m_def;
};
