#include "platform/Clipboard.h"
#include "SimDesktop.h"

namespace platform {

bool PutTextOnClipboard(const Text& text) {
    sim::ClipboardState& clipboard = sim::DesktopToChange().clipboard;
    if (clipboard.heldByOtherProgram) {
        return false;
    }
    ++clipboard.clears;
    clipboard.text = text;
    return true;
}

}  // namespace platform
