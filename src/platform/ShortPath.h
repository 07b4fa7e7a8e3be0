// Short (8.3) path names.
#pragma once

#include <cstdint>

#include "core/Types.h"

namespace platform {

// The failure raised when the system function cannot be reached (the simulated desktop can be
// told so; see sim/desktop/SimShortPath.h).
inline constexpr std::int32_t kDllFunctionNotFound = 453;

// Writes the short form of the path, in ANSI, into buffer (bufferLength bytes). Returns its
// length without the terminating NUL when it fits, the needed size with the NUL when the buffer
// is too small (the buffer is then left as it was), and 0 when the path cannot be shortened
// (for example when it does not exist).
//
// Throws a platform::Failure when the function cannot be called at all: 453 "Specified DLL
// function not found" when the system function cannot be reached, 7 when memory runs out
// while the path is converted.
[[nodiscard]] std::uint32_t GetShortPathNameA(const Text& longPath, char* buffer,
                                              std::uint32_t bufferLength);

}  // namespace platform
