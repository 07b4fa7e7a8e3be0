// UTF-8 conversion for the simulated desktop's files and world folder.
#pragma once

#include "platform/Types.h"
#include "platform/Utf8.h"

namespace platform::sim {

using platform::FromUtf8;
using platform::ToUtf8;

// Upper-cases ASCII and Latin-1 letters, as a case-insensitive file name comparison needs.
wchar_t FoldCase(wchar_t c);
bool EqualsIgnoringCase(const Text& a, const Text& b);

// The text with every letter folded as FoldCase does, for keys of case-insensitive maps.
Text FoldedText(const Text& text);

// What the system sees of a text handed to one of its ANSI functions: the code page's form of
// the text, up to its first NUL.
Text SeenThroughAnsi(const Text& text);

}  // namespace platform::sim
