// Texts on the simulated desktop: UTF-8 for its files and world folder, the program's one rule
// of case for its case-insensitive names (registry keys and values, file names, drive letters,
// ProgIDs, environment variables), and what the system sees of a text handed to an ANSI
// function.
#pragma once

#include "platform/core/TextUtil.h"
#include "platform/core/Types.h"
#include "platform/core/Utf8.h"

namespace platform::sim {

using platform::EqualsIgnoringCase;
using platform::FromUtf8;
using platform::ToUtf8;

// A letter as a case-insensitive comparison takes it (platform::LowerChar).
inline wchar_t FoldCase(wchar_t c) {
    return platform::LowerChar(c);
}

// The text with every letter folded, for keys of case-insensitive maps.
inline Text FoldedText(const Text& text) {
    return platform::LowerCase(text);
}

// What the system sees of a text handed to one of its ANSI functions: the code page's form of
// the text, up to its first NUL.
Text SeenThroughAnsi(const Text& text);

}  // namespace platform::sim
