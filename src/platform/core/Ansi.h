// Conversion between the program's wide text and the system's ANSI code page, whichever it is:
// a single-byte one such as 1252 or 1251, a multi-byte one such as 932, or UTF-8 (65001). Built
// on the backend's conversions (CodePage.h) with the flags that the code page accepts.
#pragma once

#include <string>
#include <string_view>

#include "Types.h"

namespace platform {

// Converts to the system's ANSI code page. A character the code page cannot hold becomes the
// code page's default character ('?'), never a look-alike (under UTF-8, only a lone surrogate
// is such a character, and it becomes U+FFFD). Failure 5 when the system refuses.
std::string ToAnsi(const Text& text);

// Converts bytes in the system's ANSI code page to wide text. Embedded NULs are kept; bytes
// that are no character of the code page become its replacement character.
Text FromAnsi(std::string_view bytes);

// True when every character of the text has its own form in the system's ANSI code page, so
// that ToAnsi followed by FromAnsi gives the text back unchanged.
bool IsAnsiRepresentable(const Text& text);

}  // namespace platform
