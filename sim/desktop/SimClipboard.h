// The simulated clipboard.
#pragma once

#include <optional>

#include "platform/core/Types.h"

namespace platform::sim {

struct ClipboardState {
    std::optional<Text> text;  // nothing: the clipboard holds no text
    bool heldByOtherProgram = false;
    int clears = 0;  // how often the program cleared it
};

ClipboardState& Clipboard();

}  // namespace platform::sim
