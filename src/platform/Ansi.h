// Conversion between the program's wide text and the system's ANSI code page.
#pragma once

#include <string>
#include <string_view>

#include "Types.h"

namespace platform {

// Converts to the system's ANSI code page. A character the code page cannot hold becomes the
// code page's default character ('?'), as the system's own conversion does.
std::string ToAnsi(const Text& text);

// Converts bytes in the system's ANSI code page to wide text. Embedded NULs are kept.
Text FromAnsi(std::string_view bytes);

// True when every character of the text has its own form in the system's ANSI code page, so
// that ToAnsi followed by FromAnsi gives the text back unchanged.
bool IsAnsiRepresentable(const Text& text);

}  // namespace platform
