// The module variables of modHaupt, shared by its procedures.
#pragma once

#include <initializer_list>

#include "meldungen/Meldungen.h"
#include "modHaupt.h"

namespace modHaupt::detail {

Laufzustand& Zustand();

// The title of the program's own message boxes.
platform::Text Programmtitel();

// Shows a message of the program and notes the end of the run that it stands for.
void ZeigeHaltemeldung(meldungen::Id id, std::initializer_list<platform::Text> werte = {});

}  // namespace modHaupt::detail
