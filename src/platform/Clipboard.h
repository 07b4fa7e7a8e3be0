// The clipboard.
#pragma once

#include "core/Types.h"

namespace platform {

// Clears the clipboard, then puts the text on it as plain text (the empty text leaves it with
// an empty text). Returns false when the clipboard could not be had (another program holds it);
// nothing is changed then.
[[nodiscard]] bool PutTextOnClipboard(const Text& text);

}  // namespace platform
