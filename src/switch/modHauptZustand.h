// The module variables of modHaupt, shared by its procedures.
#pragma once

#include "modHaupt.h"

namespace modHaupt::detail {

Laufzustand& Zustand();

// The title of the program's own message boxes.
platform::Text Programmtitel();

// Shows a message of the program and notes that it stopped the run.
void ZeigeHaltemeldung(const platform::Text& text, std::uint32_t style);

}  // namespace modHaupt::detail
