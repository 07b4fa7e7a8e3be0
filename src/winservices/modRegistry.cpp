#include "modRegistry.h"

#include <algorithm>
#include <string>
#include <vector>

#include "ErrorBox.h"
#include "platform/Registry.h"
#include "platform/core/Ansi.h"
#include "platform/core/Failure.h"

namespace modRegistry {

namespace {

using platform::Handle32;
using platform::RegistryKey;
using platform::Text;
using platform::Variant;

Variant ReadText(Handle32 key, const Text& valueName, std::uint32_t size) {
    if (size == 0) {
        return Text();
    }
    std::string buffer(size, '\0');
    std::uint32_t stored = size;
    std::int32_t result = platform::RegQueryValueExA(
        key, valueName, nullptr, reinterpret_cast<std::uint8_t*>(buffer.data()), &stored);
    if (result != platform::kErrorSuccess) {
        return platform::Empty{};
    }
    buffer.resize(std::min(stored, size));
    std::size_t nul = buffer.find('\0');
    if (nul != std::string::npos) {
        buffer.resize(nul);
    }
    return platform::FromAnsi(buffer);
}

Variant ReadBinary(Handle32 key, const Text& valueName, std::uint32_t size) {
    platform::ByteArray array;
    if (size == 0) {
        return array;
    }
    array.bytes.resize(size);
    std::uint32_t stored = size;
    std::int32_t result =
        platform::RegQueryValueExA(key, valueName, nullptr, array.bytes.data(), &stored);
    if (result != platform::kErrorSuccess) {
        return platform::Empty{};
    }
    array.bytes.resize(std::min(stored, size));
    return array;
}

Variant ReadDword(Handle32 key, const Text& valueName, std::uint32_t size) {
    // The buffer holds 4 bytes and is never announced as larger: a value of more than 4 bytes
    // does not fit and reads as empty.
    std::uint8_t bytes[4] = {0, 0, 0, 0};
    std::uint32_t stored = std::min<std::uint32_t>(size, sizeof bytes);
    std::int32_t result = platform::RegQueryValueExA(key, valueName, nullptr, bytes, &stored);
    if (result != platform::kErrorSuccess) {
        return platform::Empty{};
    }
    std::uint32_t value = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                          (static_cast<std::uint32_t>(bytes[3]) << 24);
    return static_cast<std::int32_t>(value);
}

std::vector<std::uint8_t> TextData(const Variant& vntData) {
    std::string ansi = platform::ToAnsi(platform::VariantToText(vntData));
    std::vector<std::uint8_t> data(ansi.begin(), ansi.end());
    data.push_back(0);
    return data;
}

std::vector<std::uint8_t> BinaryData(const Variant& vntData) {
    const auto* array = std::get_if<platform::ByteArray>(&vntData);
    if (array == nullptr) {
        throw platform::StandardFailure(platform::kTypeMismatch);
    }
    if (array->lowerBound > 0 || array->UpperBound() < 0) {
        throw platform::StandardFailure(platform::kSubscriptOutOfRange);
    }
    auto first = static_cast<std::size_t>(-static_cast<std::int64_t>(array->lowerBound));
    return std::vector<std::uint8_t>(array->bytes.begin() + static_cast<std::ptrdiff_t>(first),
                                     array->bytes.end());
}

std::vector<std::uint8_t> DwordData(const Variant& vntData) {
    auto value = static_cast<std::uint32_t>(platform::VariantToLong(vntData));
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

}  // namespace

Variant RegistryGetKeyValue(Handle32 lnghKey, const Text& strSubKey, const Text& strValueName) {
    try {
        RegistryKey key;
        if (platform::RegOpenKeyExA(lnghKey, strSubKey, 0, platform::kKeyRead, key.Receive()) !=
            platform::kErrorSuccess) {
            return platform::Empty{};
        }
        std::uint32_t type = 0;
        std::uint32_t size = 0;
        if (platform::RegQueryValueExA(key.Get(), strValueName, &type, nullptr, &size) !=
            platform::kErrorSuccess) {
            return platform::Empty{};
        }
        switch (type) {
            case platform::kRegSz:
                return ReadText(key.Get(), strValueName, size);
            case platform::kRegBinary:
                return ReadBinary(key.Get(), strValueName, size);
            case platform::kRegDword:
                return ReadDword(key.Get(), strValueName, size);
            default:
                return platform::Empty{};
        }
    } catch (...) {
        winservices::ShowErrorBox(L"RegistryGetKeyValue", platform::CurrentFailure());
        return platform::Empty{};
    }
}

void RegistrySetKeyValue(Handle32 lnghKey, const Text& strSubKey, const Text& strValueName,
                         const Variant& vntData, std::int32_t lngValueType) {
    try {
        RegistryKey key;
        std::uint32_t disposition = 0;
        // Result and disposition do not matter: a key that could not be had stays 0, and the
        // write below is then refused by the registry without notice.
        static_cast<void>(
            platform::RegCreateKeyExA(lnghKey, strSubKey, platform::kRegOptionNonVolatile,
                                      platform::kKeyReadWrite, key.Receive(), &disposition));
        std::vector<std::uint8_t> data;
        switch (lngValueType) {
            case platform::kRegSz:
                data = TextData(vntData);
                break;
            case platform::kRegBinary:
                data = BinaryData(vntData);
                break;
            case platform::kRegDword:
                data = DwordData(vntData);
                break;
            default:
                return;
        }
        // Whether the write was taken is not looked at: the caller is told nothing either way.
        static_cast<void>(platform::RegSetValueExA(
            key.Get(), strValueName, static_cast<std::uint32_t>(lngValueType), data.data(),
            static_cast<std::uint32_t>(data.size())));
    } catch (...) {
        winservices::ShowErrorBox(L"RegistrySetKeyValue", platform::CurrentFailure());
    }
}

}  // namespace modRegistry
