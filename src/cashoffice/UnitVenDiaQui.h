#pragma once
// "RELATÓRIO DE VENDA": the sales of a cash number, Letter, portrait: the page
// header with the company and the caller's caption on the first page, one line
// per sale (number, date, customer, salesperson, value) and the total.
#include "db/UnitLogon.h"
#include "reports/PageReport.h"

class TFormVenDiaQui {
public:
    // Reads the company row ("Select * from empresa"); caption: QRLabel5's text.
    TFormVenDiaQui(TLogon& logon, const QString& caption);

    const report::Definition& definition() const { return m_def; }
    void preview(const RowSet& sales) const;

private:
    report::Definition m_def;
};
