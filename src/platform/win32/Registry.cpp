#include "../Registry.h"

#include <windows.h>

#include <cstdint>
#include <string>

#include "../core/Ansi.h"

namespace platform {

namespace {

// Every key is opened in the 32-bit view, where a 32-bit ACT! keeps its settings.
constexpr REGSAM kThirtyTwoBitView = KEY_WOW64_32KEY;

HKEY ToHkey(Handle32 key) {
    return reinterpret_cast<HKEY>(static_cast<std::intptr_t>(key));
}

Handle32 FromHkey(HKEY key) {
    return static_cast<Handle32>(reinterpret_cast<std::intptr_t>(key));
}

}  // namespace

std::int32_t RegOpenKeyExA(Handle32 key, const Text& subKey, std::uint32_t options,
                           std::uint32_t samDesired, Handle32* result) {
    std::string ansiSubKey = ToAnsi(subKey);
    HKEY opened = nullptr;
    LONG error = ::RegOpenKeyExA(ToHkey(key), ansiSubKey.c_str(), options,
                                 samDesired | kThirtyTwoBitView, &opened);
    *result = error == ERROR_SUCCESS ? FromHkey(opened) : 0;
    return static_cast<std::int32_t>(error);
}

std::int32_t RegQueryValueExA(Handle32 key, const Text& valueName, std::uint32_t* type,
                              std::uint8_t* data, std::uint32_t* dataSize) {
    std::string ansiName = ToAnsi(valueName);
    DWORD valueType = 0;
    DWORD size = dataSize != nullptr ? *dataSize : 0;
    LONG error = ::RegQueryValueExA(ToHkey(key), ansiName.c_str(), nullptr, &valueType, data,
                                    dataSize != nullptr ? &size : nullptr);
    if (type != nullptr && (error == ERROR_SUCCESS || error == ERROR_MORE_DATA)) {
        *type = valueType;
    }
    if (dataSize != nullptr && (error == ERROR_SUCCESS || error == ERROR_MORE_DATA)) {
        *dataSize = size;
    }
    return static_cast<std::int32_t>(error);
}

std::int32_t RegCreateKeyExA(Handle32 key, const Text& subKey, std::uint32_t options,
                             std::uint32_t samDesired, Handle32* result,
                             std::uint32_t* disposition) {
    std::string ansiSubKey = ToAnsi(subKey);
    HKEY created = nullptr;
    DWORD createdOrOpened = 0;
    LONG error =
        ::RegCreateKeyExA(ToHkey(key), ansiSubKey.c_str(), 0, nullptr, options,
                          samDesired | kThirtyTwoBitView, nullptr, &created, &createdOrOpened);
    *result = error == ERROR_SUCCESS ? FromHkey(created) : 0;
    if (disposition != nullptr) {
        *disposition = error == ERROR_SUCCESS ? createdOrOpened : 0;
    }
    return static_cast<std::int32_t>(error);
}

std::int32_t RegSetValueExA(Handle32 key, const Text& valueName, std::uint32_t type,
                            const std::uint8_t* data, std::uint32_t size) {
    std::string ansiName = ToAnsi(valueName);
    return static_cast<std::int32_t>(
        ::RegSetValueExA(ToHkey(key), ansiName.c_str(), 0, type, data, size));
}

std::int32_t RegCloseKey(Handle32 key) {
    return static_cast<std::int32_t>(::RegCloseKey(ToHkey(key)));
}

}  // namespace platform
