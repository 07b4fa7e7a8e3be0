// Text helpers shared by the subsystems.
#pragma once

#include <string_view>
#include <vector>

#include "Types.h"

namespace platform {

// The program's one rule of case, used wherever two texts are the same apart from case:
// the letters of the Latin (ASCII, Latin-1, Latin Extended-A), Greek and Cyrillic alphabets, the
// scripts of the Windows ANSI code pages, have a lower case; other characters stay as they are.
wchar_t LowerChar(wchar_t c);
Text LowerCase(const Text& text);
bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b);

// Removes leading and trailing blanks (the space character only).
Text TrimBlanks(const Text& text);

// Removes leading blanks (the space character only).
Text TrimLeadingBlanks(const Text& text);

// Splits at every separator, keeping empty pieces. The empty text gives no piece at all.
std::vector<Text> Split(const Text& text, wchar_t separator);

// The argument text of a command line: what follows the program's name (quoted or not) and
// the blanks and tabs after it.
Text ArgumentTextOf(const Text& commandLine);

}  // namespace platform
