#pragma once
// "Listagem de Sangrias e Reforço de Caixa", A4, portrait: each withdrawal and
// top-up of a range of cash shifts under its column, and the two totals.
#include "db/UnitLogon.h"
#include "reports/PageReport.h"

class TFormListSangQui {
public:
    // caption: "Caixas de numeros ...".
    TFormListSangQui(TLogon& logon, const QString& caption);

    const report::Definition& definition() const { return m_def; }
    void preview(const RowSet& rows) const;

private:
    report::Definition m_def;
};
