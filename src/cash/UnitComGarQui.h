#pragma once
// The A4 commission report: Letter, portrait; the title, the company row, the
// period and the column titles on the first page; one line per cash shift; the
// total and the commission at the end.
#include "cash/CommissionReport.h"
#include "reports/PageReport.h"

class TFormComGarQui {
public:
    // Reads the company row. periodCaption: "Caixa do periodo de:" + first + " a " + last;
    // percentText: the percentage as typed (the commission is computed from it,
    // the label shows it with one decimal).
    TFormComGarQui(TLogon& logon, const QString& periodCaption, const QString& percentText);

    const report::Definition& definition() const { return m_def; }
    // The shifts as the report's rows (CAIXA, DATA, VALOR).
    static RowSet rowsOf(const std::vector<ShiftSales>& shifts);
    void preview(const std::vector<ShiftSales>& shifts) const;

private:
    report::Definition m_def;
};
