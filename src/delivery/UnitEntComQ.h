#pragma once
// "Relatorio de Comissão de Entrega" on A4 (Letter, portrait): the company, the
// range of cash shifts and the delivery man in the page header, one line per sale
// with its fee, and the total of the fees.
#include "delivery/DeliveryReports.h"
#include "reports/PageReport.h"

class TFormEntComQ {
public:
    // Reads the company row. rangeCaption: first shift, " A ", last shift;
    // manCaption: "Codigo/Nome ", the key, a blank and the name.
    TFormEntComQ(TLogon& logon, const QString& rangeCaption, const QString& manCaption);

    const report::Definition& definition() const { return m_def; }
    void preview(const std::vector<CommissionRow>& rows) const;

private:
    report::Definition m_def;
};
