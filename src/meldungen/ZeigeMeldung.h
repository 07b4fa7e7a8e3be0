// Shows a message of the list (Meldungen.h) in a modal box, with its title, icon, buttons and
// place on the screen.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "Meldungen.h"
#include "platform/core/Types.h"

namespace meldungen {

// The message-box style of the message: its buttons, icon and place.
std::uint32_t Stil(Id id);

// Shows the message with the values filled in (as Wortlaut and Titel take them) and returns the
// button the user pressed (platform::kIdOk, kIdYes or kIdNo).
std::int32_t ZeigeMeldung(Id id, std::initializer_list<platform::Text> werte = {});

}  // namespace meldungen
