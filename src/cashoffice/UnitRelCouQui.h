#pragma once
// "RELATÓRIO DE VENDA - COUVER / SHOWS", Letter, portrait: the couvert of each sale
// in a range of cash shifts, and their total.
#include "db/UnitLogon.h"
#include "reports/PageReport.h"

class TFormRelCouQui {
public:
    // caption: "Caixa do periodo de:...".
    TFormRelCouQui(TLogon& logon, const QString& caption);

    const report::Definition& definition() const { return m_def; }
    void preview(const RowSet& rows) const;

private:
    report::Definition m_def;
};
