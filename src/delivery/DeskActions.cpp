#include "delivery/DeskActions.h"

#include "core/uMensagemWindow.h"
#include "delivery/DeliveryText.h"

namespace {

class NotReadyYet : public DeskActions {
public:
    void productionTickets(TLogon&, const DeskHandOver&) override { say(); }
    void deliveryNote(TLogon&, const DeskHandOver&) override { say(); }
    void invoice(TLogon&, const DeskHandOver&) override { say(); }

private:
    static void say() { ShowMessageWindow(deliverytext::attention, deliverytext::desk::notReady, QStringLiteral("1")); }
};

} // namespace

std::unique_ptr<DeskActions> makeDeskActions() { return std::make_unique<NotReadyYet>(); }
