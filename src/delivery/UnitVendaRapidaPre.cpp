#include "delivery/UnitVendaRapidaPre.h"

#include "delivery/DeliveryPrintouts.h"
#include "delivery/DeliveryText.h"

TFormVenRapidaPre::TFormVenRapidaPre(TLogon& logon, QWidget* parent)
    : DeliveryPanelWindow(logon, false, deliverytext::panel::noteHeader, parent)
{
    setObjectName(QStringLiteral("TFormVenRapidaPre"));
}

bool TFormVenRapidaPre::run()
{
    NoteRequest r;
    r.orderId = m_order.order.id;
    r.phone = m_order.order.fone;
    r.deliveryManLabel = m_order.order.deliveryManLabel();
    r.items = m_order.items;
    r.panel = readFields();
    DeliveryPrintouts printouts(m_logon);
    if (m_clock)
        printouts.setClock(m_clock);
    return writeThenPrint([&] { m_note = printouts.deliveryNote(r); }, deliverytext::desk::orderGone,
                          [&] { DeliveryPrintouts::print({*m_note}); });
}
