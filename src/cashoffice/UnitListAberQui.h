#pragma once
// "Listagem de Valores Abertura do Caixa", A4, portrait: the opening float of each
// cash shift of a range, and their total.
#include "db/UnitLogon.h"
#include "reports/PageReport.h"

class TFormListAberQui {
public:
    // caption: "Caixas de numeros ...".
    TFormListAberQui(TLogon& logon, const QString& caption);

    const report::Definition& definition() const { return m_def; }
    void preview(const RowSet& rows) const;

private:
    report::Definition m_def;
};
