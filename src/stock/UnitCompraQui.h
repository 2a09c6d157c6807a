#pragma once
// "PEDIDO DE COMPRAS": the purchase order sheet (Letter, portrait): the company and
// the supplier, the order's dates, term and observation, the items on at least 24
// lines, the three totals and two signature lines.
#include "reports/PageReport.h"
#include "stock/PurchaseOrders.h"

class TLogon;

class TFormCompraQui {
public:
    static constexpr int kLines = 24;

    // Reads the company row and the order's supplier.
    TFormCompraQui(TLogon& logon, const purchase::Order& order, const purchase::Totals& totals);

    const report::Definition& definition() const { return m_def; }
    // The sheet's lines: one per item, then empty ones up to 24.
    static RowSet rowsOf(const std::vector<purchase::Item>& items);
    // Lays the sheet out and shows it in the report preview.
    void preview(const RowSet& rows) const;

private:
    report::Definition m_def;
};
