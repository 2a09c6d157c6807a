#pragma once
// "Controle de Despesas", Letter, portrait: the daily expenses of a range of cash
// shifts grouped by cost centre (a group per run of rows of one centre, in cash-shift
// order), each group's total and the grand total.
#include "db/UnitLogon.h"
#include "reports/PageReport.h"

class TFormDespQui {
public:
    // The "PERIODO" caption.
    TFormDespQui(TLogon& logon, const QString& period);

    const report::Definition& definition() const { return m_def; }
    void preview(const RowSet& rows) const;

private:
    report::Definition m_def;
};
