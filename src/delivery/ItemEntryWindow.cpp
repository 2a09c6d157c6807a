#include "delivery/ItemEntryWindow.h"

#include "core/uMensagemWindow.h"
#include "delivery/DeliveryText.h"

std::optional<ItemInHand> withMessagesShown(const DeliveryItemEntry::Loaded& loaded)
{
    for (const QString& m : loaded.messages)
        ShowMessageWindow(deliverytext::attention, m, QStringLiteral("1"));
    return loaded.item;
}
