// Reading HKEY_LOCAL_MACHINE\SOFTWARE in one view of the registry, whichever the program's own
// is: what 32-bit programs see (WOW6432Node on a 64-bit Windows) or what 64-bit programs see. On
// a 32-bit Windows both views are the one registry. Reads only; nothing is created.
#pragma once

#include <optional>

#include "core/Types.h"

namespace platform {

enum class RegistryView { Bits32, Bits64 };

// The text (REG_SZ, or REG_EXPAND_SZ as it is stored) of the value under the key below
// HKEY_LOCAL_MACHINE in the view; the empty value name reads the key's default value. Nothing
// when the key or the value is missing or the value holds no text.
std::optional<Text> ReadMachineText(RegistryView view, const Text& subKey, const Text& valueName);

}  // namespace platform
