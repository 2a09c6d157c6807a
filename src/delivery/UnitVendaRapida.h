#pragma once
// "VENDA RÁPIDA": the invoicing of a delivery order on the payment panel. "(F3)
// Imprimir" writes the sale in one action (DeliveryInvoicing), then asks "Deseja
// Imprimir cupom?" and prints the receipt; the order leaves the desk and the
// window closes. Opened by the desk's "F7-Faturar" only.
#include "delivery/DeliveryInvoicing.h"
#include "delivery/DeliveryPanelWindow.h"

#include <optional>

class TFormVenRapida : public DeliveryPanelWindow {
    Q_OBJECT
public:
    explicit TFormVenRapida(TLogon& logon, QWidget* parent = nullptr);
    // The desk's "Delivery" flag ("S": a delivery sale).
    void setDeliveryFlag(bool delivery) { m_delivery = delivery; }
    // The sale written, once "(F3) Imprimir" went through.
    const std::optional<InvoiceResult>& invoiced() const { return m_result; }
    // The clock of the sale's date and time (tests set a fixed one).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

protected:
    bool run() override;

private:
    bool m_delivery = true;
    std::optional<InvoiceResult> m_result;
    std::function<QDateTime()> m_clock;
};
