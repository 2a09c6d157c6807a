#include "delivery/DeskActions.h"

#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "delivery/DeliveryPrintouts.h"
#include "delivery/DeliveryText.h"
#include "delivery/UnitVendaRapida.h"
#include "delivery/UnitVendaRapidaPre.h"
#include "platform/Dialogs.h"

namespace {

class StationDeskActions : public DeskActions {
public:
    void productionTickets(TLogon& logon, const DeskHandOver& order) override
    {
        std::vector<Printout> tickets;
        try {
            tickets = DeliveryPrintouts(logon).productionTickets(order.order.id);
        } catch (const DeliveryRefused& e) {
            ShowMessageWindow(deliverytext::attention, e.message(), QStringLiteral("1"));
            return;
        }
        DeliveryPrintouts::print(tickets);
    }

    void deliveryNote(TLogon& logon, const DeskHandOver& order) override
    {
        TFormVenRapidaPre note(logon);
        note.setOrder(order);
        dialogs().exec(note);
        DeliveryPrintouts(logon).markOutForDelivery(order.order.id);
    }

    void invoice(TLogon& logon, const DeskHandOver& order) override
    {
        TFormVenRapida invoicing(logon);
        invoicing.setDeliveryFlag(true);
        invoicing.setOrder(order);
        dialogs().exec(invoicing);
    }
};

} // namespace

std::unique_ptr<DeskActions> makeDeskActions() { return std::make_unique<StationDeskActions>(); }
