// Basic value types shared by every part of the program.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Text is a counted wide string. Everything handed to Windows goes through the ANSI forms of
// the Windows functions, converted with the system's ANSI code page (see Ansi.h).
using Text = std::wstring;

// Truth value of the program's own interfaces: -1 for true, 0 for false.
using TruthValue = std::int16_t;
inline constexpr TruthValue kTrue = -1;
inline constexpr TruthValue kFalse = 0;

constexpr TruthValue ToTruthValue(bool value) {
    return value ? kTrue : kFalse;
}

// Window handles, process handles and registry keys cross the program's interfaces as 32-bit
// integers. The 64-bit Windows backend widens them by sign extension at its boundary.
using Handle32 = std::int32_t;

// Predefined registry roots.
inline constexpr Handle32 kHkeyCurrentUser = static_cast<Handle32>(0x80000001u);
inline constexpr Handle32 kHkeyLocalMachine = static_cast<Handle32>(0x80000002u);

}  // namespace platform
