#include "delivery/UnitVendaRapidaPre.h"

#include "db/DbError.h"
#include "delivery/DeliveryPrintouts.h"
#include "delivery/DeliveryText.h"
#include "platform/Dialogs.h"

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
    try {
        m_note = printouts.deliveryNote(r);
    } catch (const DeliveryRefused& e) {
        say(e.message());
        if (e.message() == deliverytext::desk::orderGone) {
            reject();
            return true;
        }
        return false;
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return false;
    }
    try {
        DeliveryPrintouts::print({*m_note});
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
    accept();
    return true;
}
