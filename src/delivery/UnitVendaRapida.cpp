#include "delivery/UnitVendaRapida.h"

#include "db/DbError.h"
#include "delivery/DeliveryText.h"
#include "platform/Dialogs.h"

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
    try {
        m_result = invoicing.invoice(r);
    } catch (const DeliveryRefused& e) {
        say(e.message());
        if (e.message() == deliverytext::panel::alreadyInvoiced) {
            reject();   // the order is no longer on the desk
            return true;
        }
        return false;
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return false;
    }
    // Written: the receipt, if wanted, and the window closes whatever the printer does.
    try {
        DeliveryInvoicing::offerReceipt(*m_result);
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
    accept();
    return true;
}
