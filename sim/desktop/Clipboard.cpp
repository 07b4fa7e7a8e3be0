#include "platform/Clipboard.h"
#include "SimClipboard.h"
#include "SimWaiting.h"

namespace platform {

namespace sim {

ClipboardState& Clipboard() {
    static ClipboardState state;
    return state;
}

void ResetClipboard() {
    Clipboard() = ClipboardState();
}

}  // namespace sim

bool PutTextOnClipboard(const Text& text) {
    sim::ThrowIfEnded();
    sim::ClipboardState& clipboard = sim::Clipboard();
    if (clipboard.heldByOtherProgram) {
        return false;
    }
    ++clipboard.clears;
    clipboard.text = text;
    return true;
}

}  // namespace platform
