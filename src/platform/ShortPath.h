// Short (8.3) path names.
#pragma once

#include <cstdint>

#include "Types.h"

namespace platform {

// Writes the short form of the path, in ANSI, into buffer (bufferLength bytes). Returns its
// length without the terminating NUL when it fits, the needed size with the NUL when the buffer
// is too small, and 0 when the path cannot be shortened (for example when it does not exist).
std::uint32_t GetShortPathNameA(const Text& longPath, char* buffer, std::uint32_t bufferLength);

}  // namespace platform
