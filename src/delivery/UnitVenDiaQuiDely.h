#pragma once
// "RELATÓRIO DE VENDA  - DELIVERY" on A4 (Letter, portrait): the company and the
// cash shift in the page header, one line per delivery sale (number, date,
// customer, value, delivery man, fee) and the totals of the values and the fees.
#include "delivery/DeliveryReports.h"
#include "reports/PageReport.h"

class TFormVenDiaQuiDely {
public:
    // Reads the company row; cashCaption: "Caixa de Numero.:" and the number.
    TFormVenDiaQuiDely(TLogon& logon, const QString& cashCaption);

    const report::Definition& definition() const { return m_def; }
    void preview(const std::vector<DeliverySaleRow>& rows) const;

private:
    report::Definition m_def;
};
