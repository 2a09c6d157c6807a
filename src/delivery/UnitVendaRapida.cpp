#include "delivery/UnitVendaRapida.h"

#include "delivery/DeliveryText.h"

TFormVenRapida::TFormVenRapida(TLogon& logon, QWidget* parent)
    : DeliveryPanelWindow(logon, true, deliverytext::panel::invoiceHeader, parent)
{
    setObjectName(QStringLiteral("TFormVenRapida"));
}

bool TFormVenRapida::run()
{
    InvoiceRequest r;
    r.orderId = m_order.order.id;
    r.phone = m_order.order.fone;
    r.customerName = m_order.order.cliente;
    r.lines = m_lines;
    r.panel = readFields();
    r.delivery = m_delivery;
    DeliveryInvoicing invoicing(m_logon);
    if (m_clock)
        invoicing.setClock(m_clock);
    // Written: the receipt, if wanted, and the window closes whatever the printer does.
    return writeThenPrint([&] { m_result = invoicing.invoice(r); }, deliverytext::panel::alreadyInvoiced,
                          [&] { DeliveryInvoicing::offerReceipt(*m_result); });
}
