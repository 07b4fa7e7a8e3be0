// Reading and writing single values of the Windows registry.
#pragma once

#include <cstdint>

#include "platform/core/Types.h"
#include "platform/core/Variant.h"

namespace modRegistry {

// Reads one value: a REG_SZ as text (cut at its first NUL), a REG_BINARY as a byte array from
// index 0, a REG_DWORD as a signed 32-bit integer. A missing key or value, or a value of any
// other type, gives empty. A failure inside is shown in the error box; the result is then
// empty. Every key it opens is closed again.
platform::Variant RegistryGetKeyValue(platform::Handle32 lnghKey, const platform::Text& strSubKey,
                                      const platform::Text& strValueName);

// Creates or opens the key and writes one value of type 1 (REG_SZ: the text and one NUL),
// 3 (REG_BINARY: the bytes of a byte array from index 0) or 4 (REG_DWORD); any other type
// writes nothing. Refusals of the registry pass silently; a failure inside (13 data of the
// wrong kind, 9 an array without element 0, 6 a number outside 32 bits) is shown in the error
// box and nothing is written. The key is closed again on every path.
void RegistrySetKeyValue(platform::Handle32 lnghKey, const platform::Text& strSubKey,
                         const platform::Text& strValueName, const platform::Variant& vntData,
                         std::int32_t lngValueType);

}  // namespace modRegistry
