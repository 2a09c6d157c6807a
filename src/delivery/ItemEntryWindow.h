#pragma once
// What the two windows that enter a delivery item (TFormInsItens2 and the
// single-screen order TFormCadPedDeli) do alike on screen.
#include "delivery/DeliveryItemEntry.h"

// The messages of a loaded code, in order, in the message window; then its item.
std::optional<ItemInHand> withMessagesShown(const DeliveryItemEntry::Loaded& loaded);
