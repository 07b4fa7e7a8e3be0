// The Windows registry, through the ANSI forms of its functions. Key paths and value names are
// converted to the system's ANSI code page; value data is passed as raw bytes.
//
// Keys are 32-bit integers: the predefined roots (kHkeyCurrentUser, kHkeyLocalMachine) or a
// key opened here. Result codes are the system's: 0 (ERROR_SUCCESS) for success, otherwise an
// error code such as 2 (ERROR_FILE_NOT_FOUND), 5 (ERROR_ACCESS_DENIED), 6 (ERROR_INVALID_HANDLE)
// or 234 (ERROR_MORE_DATA). Refusals come back as result codes; the functions throw only
// failure 7 when memory runs out while a text is converted.
//
// The Windows backend opens and creates every key in the 32-bit view of the registry
// (KEY_WOW64_32KEY), where a 32-bit ACT! keeps its settings: the 64-bit program reads and
// writes the same HKEY_LOCAL_MACHINE\SOFTWARE as the 32-bit one (a no-op for a 32-bit program
// and outside HKLM\SOFTWARE). Key handles cross as 32-bit integers by sign extension, which
// holds the predefined roots and the handles the system hands out.
#pragma once

#include <cstdint>

#include "core/Types.h"
#include "core/UniqueHandle.h"

namespace platform {

inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kKeyReadWrite = 0x2001F;
inline constexpr std::uint32_t kRegOptionNonVolatile = 0;

inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;

inline constexpr std::int32_t kErrorSuccess = 0;
inline constexpr std::int32_t kErrorFileNotFound = 2;
inline constexpr std::int32_t kErrorAccessDenied = 5;
inline constexpr std::int32_t kErrorInvalidHandle = 6;
inline constexpr std::int32_t kErrorMoreData = 234;

// Opens an existing key. On success *result holds the new key; otherwise it is 0.
[[nodiscard]] std::int32_t RegOpenKeyExA(Handle32 key, const Text& subKey, std::uint32_t options,
                                         std::uint32_t samDesired, Handle32* result);

// Reads a value. type and data may be null. With data null it reports the type and the size in
// bytes; with a buffer of *dataSize bytes it fills it and sets *dataSize to the bytes stored,
// or returns kErrorMoreData and the needed size when the buffer is too small.
[[nodiscard]] std::int32_t RegQueryValueExA(Handle32 key, const Text& valueName,
                                            std::uint32_t* type, std::uint8_t* data,
                                            std::uint32_t* dataSize);

// Creates a key, or opens it when it exists. On success *result holds the key and
// *disposition (when not null) 1 for a new key, 2 for an existing one; otherwise *result is 0.
[[nodiscard]] std::int32_t RegCreateKeyExA(Handle32 key, const Text& subKey, std::uint32_t options,
                                           std::uint32_t samDesired, Handle32* result,
                                           std::uint32_t* disposition);

// Stores size bytes of data under the value name with the given type.
[[nodiscard]] std::int32_t RegSetValueExA(Handle32 key, const Text& valueName, std::uint32_t type,
                                          const std::uint8_t* data, std::uint32_t size);

// Closes a key opened or created here. Closing 0 or a root key is harmless.
[[nodiscard]] std::int32_t RegCloseKey(Handle32 key);

// A key opened or created here, closed when its holder goes; 0 holds nothing.
using RegistryKey = UniqueHandle<Handle32, RegCloseKey, 0>;

}  // namespace platform
