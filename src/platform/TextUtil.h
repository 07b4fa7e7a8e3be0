// Text helpers shared by the subsystems.
#pragma once

#include <vector>

#include "Types.h"

namespace platform {

// Lower-cases the letters of the Latin (ASCII, Latin-1, Latin Extended-A), Greek and Cyrillic
// alphabets, the scripts of the Windows ANSI code pages; other characters stay as they are.
Text LowerCase(const Text& text);

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
