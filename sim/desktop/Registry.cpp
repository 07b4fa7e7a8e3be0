#include "platform/Registry.h"

#include <algorithm>
#include <cstring>

#include "SimDesktop.h"
#include "SimText.h"
#include "platform/core/Ansi.h"

namespace platform {

namespace sim {

namespace {

constexpr std::uint32_t kKeyQueryValue = 0x0001;
constexpr std::uint32_t kKeySetValue = 0x0002;
constexpr std::uint32_t kKeyCreateSubKey = 0x0004;
constexpr std::uint32_t kWriteRights = kKeySetValue | kKeyCreateSubKey;
constexpr std::int32_t kErrorInvalidParameter = 87;
constexpr std::int32_t kErrorBadPathname = 161;

const wchar_t* RootName(Handle32 root) {
    if (root == kHkeyCurrentUser) {
        return L"HKEY_CURRENT_USER";
    }
    if (root == kHkeyLocalMachine) {
        return L"HKEY_LOCAL_MACHINE";
    }
    return nullptr;
}

// Splits a key path at its backslashes; backslashes at its end are allowed, as on Windows, an
// empty part elsewhere (a leading backslash, two in a row) is not.
std::optional<std::vector<Text>> PartsOf(const Text& subKey) {
    std::vector<Text> parts;
    std::size_t start = 0;
    std::size_t size = subKey.find_last_not_of(L'\\') + 1;  // 0 when it is backslashes only
    while (start < size) {
        std::size_t end = std::min(subKey.find(L'\\', start), size);
        if (end == start) {
            return std::nullopt;
        }
        parts.push_back(subKey.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// The full path (display form) of a key handle: a root or an open key.
std::optional<Text> BasePath(Handle32 key) {
    if (const wchar_t* root = RootName(key)) {
        Registry().keys.try_emplace(FoldedText(root)).first->second.path = root;
        return Text(root);
    }
    auto open = Registry().openKeys.find(key);
    if (open == Registry().openKeys.end()) {
        return std::nullopt;
    }
    return Registry().keys.at(open->second.foldedPath).path;
}

bool IsProtected(const Text& foldedPath) {
    for (const Text& guarded : Registry().protectedKeys) {
        if (foldedPath == guarded || (foldedPath.size() > guarded.size() &&
                                      foldedPath.compare(0, guarded.size(), guarded) == 0 &&
                                      foldedPath[guarded.size()] == L'\\')) {
            return true;
        }
    }
    return false;
}

// Creates the key and its parents; gives its folded path.
Text MakeKey(const Text& base, const std::vector<Text>& parts) {
    Text path = base;
    for (std::size_t i = 0; i <= parts.size(); ++i) {
        Text folded = FoldedText(path);
        if (Registry().keys.find(folded) == Registry().keys.end()) {
            Registry().keys[folded].path = path;
        }
        if (i < parts.size()) {
            path = Registry().keys[folded].path + L"\\" + parts[i];
        }
    }
    return FoldedText(path);
}

Text JoinedPath(const Text& base, const std::vector<Text>& parts) {
    Text path = base;
    for (const Text& part : parts) {
        path += L"\\" + part;
    }
    return path;
}

Handle32 NewHandle(const Text& foldedPath, std::uint32_t access) {
    Handle32 handle = Registry().nextHandle;
    Registry().nextHandle += 4;
    Registry().openKeys[handle] = {foldedPath, access};
    return handle;
}

StoredRegistryKey* OpenedKey(Handle32 key, std::uint32_t neededRight, std::int32_t& error) {
    Text folded;
    if (const wchar_t* root = RootName(key)) {
        folded = FoldedText(root);
        Registry().keys.try_emplace(folded).first->second.path = root;
    } else {
        auto open = Registry().openKeys.find(key);
        if (open == Registry().openKeys.end()) {
            error = kErrorInvalidHandle;
            return nullptr;
        }
        if ((open->second.access & neededRight) == 0) {
            error = kErrorAccessDenied;
            return nullptr;
        }
        folded = open->second.foldedPath;
    }
    error = kErrorSuccess;
    return &Registry().keys.at(folded);
}

std::int32_t Noted(RegistryCall call, std::int32_t result) {
    call.result = result;
    Registry().journal.push_back(std::move(call));
    return result;
}

}  // namespace

std::optional<Text> RegistryPath(Handle32 root, const Text& subKey) {
    const wchar_t* rootName = RootName(root);
    auto parts = PartsOf(subKey);
    if (rootName == nullptr || !parts) {
        return std::nullopt;
    }
    return JoinedPath(rootName, *parts);
}

void CreateRegistryKey(Handle32 root, const Text& subKey) {
    const wchar_t* rootName = RootName(root);
    auto parts = PartsOf(subKey);
    if (rootName != nullptr && parts) {
        MakeKey(rootName, *parts);
    }
}

void SetRegistryValue(Handle32 root, const Text& subKey, const Text& valueName, std::uint32_t type,
                      std::vector<std::uint8_t> data) {
    const wchar_t* rootName = RootName(root);
    auto parts = PartsOf(subKey);
    if (rootName == nullptr || !parts) {
        return;
    }
    StoredRegistryKey& key = Registry().keys[MakeKey(rootName, *parts)];
    key.values[FoldedText(valueName)] = {valueName, type, std::move(data)};
}

void SetRegistryText(Handle32 root, const Text& subKey, const Text& valueName, const Text& text) {
    std::string bytes = ToAnsi(text);
    std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    data.push_back(0);
    SetRegistryValue(root, subKey, valueName, kRegSz, std::move(data));
}

void SetRegistryDword(Handle32 root, const Text& subKey, const Text& valueName,
                      std::uint32_t value) {
    SetRegistryValue(
        root, subKey, valueName, kRegDword,
        {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
         static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
}

std::optional<RegistryValue> RegistryValueOf(Handle32 root, const Text& subKey,
                                             const Text& valueName) {
    std::optional<Text> path = RegistryPath(root, subKey);
    if (!path) {
        return std::nullopt;
    }
    auto key = Registry().keys.find(FoldedText(*path));
    if (key == Registry().keys.end()) {
        return std::nullopt;
    }
    auto value = key->second.values.find(FoldedText(valueName));
    if (value == key->second.values.end()) {
        return std::nullopt;
    }
    return value->second;
}

bool RegistryKeyExists(Handle32 root, const Text& subKey) {
    std::optional<Text> path = RegistryPath(root, subKey);
    return path && Registry().keys.count(FoldedText(*path)) > 0;
}

void ProtectRegistryKey(Handle32 root, const Text& subKey) {
    std::optional<Text> path = RegistryPath(root, subKey);
    if (path) {
        Registry().protectedKeys.insert(FoldedText(*path));
    }
}

std::size_t OpenRegistryKeyCount() {
    return Registry().openKeys.size();
}

std::vector<RegistryCall> RegistryCallsOf(const Text& function) {
    std::vector<RegistryCall> calls;
    std::copy_if(Registry().journal.begin(), Registry().journal.end(), std::back_inserter(calls),
                 [&](const RegistryCall& call) { return call.function == function; });
    return calls;
}

}  // namespace sim

std::int32_t RegOpenKeyExA(Handle32 key, const Text& subKey, std::uint32_t options,
                           std::uint32_t samDesired, Handle32* result) {
    Text seenSubKey = sim::SeenThroughAnsi(subKey);
    sim::RegistryCall call{
        .function = L"RegOpenKeyExA", .key = key, .subKey = seenSubKey, .access = samDesired};
    *result = 0;
    std::optional<Text> base = sim::BasePath(key);
    if (!base) {
        return sim::Noted(call, kErrorInvalidHandle);
    }
    auto parts = sim::PartsOf(seenSubKey);
    if (!parts || options != 0) {
        return sim::Noted(call, parts ? sim::kErrorInvalidParameter : sim::kErrorBadPathname);
    }
    Text folded = sim::FoldedText(sim::JoinedPath(*base, *parts));
    if (sim::Registry().keys.find(folded) == sim::Registry().keys.end()) {
        return sim::Noted(call, kErrorFileNotFound);
    }
    if ((samDesired & sim::kWriteRights) != 0 &&
        (sim::Registry().refuseWrites || sim::IsProtected(folded))) {
        return sim::Noted(call, kErrorAccessDenied);
    }
    *result = sim::NewHandle(folded, samDesired);
    call.resultKey = *result;
    return sim::Noted(call, kErrorSuccess);
}

std::int32_t RegQueryValueExA(Handle32 key, const Text& valueName, std::uint32_t* type,
                              std::uint8_t* data, std::uint32_t* dataSize) {
    Text seenName = sim::SeenThroughAnsi(valueName);
    sim::RegistryCall call{.function = L"RegQueryValueExA",
                           .key = key,
                           .valueName = seenName,
                           .size = dataSize != nullptr ? *dataSize : 0,
                           .withData = data != nullptr};
    std::int32_t error = kErrorSuccess;
    sim::StoredRegistryKey* opened = sim::OpenedKey(key, sim::kKeyQueryValue, error);
    if (opened == nullptr) {
        return sim::Noted(call, error);
    }
    if (data != nullptr && dataSize == nullptr) {
        return sim::Noted(call, sim::kErrorInvalidParameter);
    }
    auto found = opened->values.find(sim::FoldedText(seenName));
    if (found == opened->values.end()) {
        return sim::Noted(call, kErrorFileNotFound);
    }
    const sim::RegistryValue& value = found->second;
    auto size = static_cast<std::uint32_t>(value.data.size());
    call.type = value.type;
    if (type != nullptr) {
        *type = value.type;
    }
    if (data == nullptr) {
        if (dataSize != nullptr) {
            *dataSize = size;
        }
        return sim::Noted(call, kErrorSuccess);
    }
    if (*dataSize < size) {
        *dataSize = size;
        return sim::Noted(call, kErrorMoreData);
    }
    if (size > 0) {
        std::memcpy(data, value.data.data(), size);
    }
    *dataSize = size;
    return sim::Noted(call, kErrorSuccess);
}

std::int32_t RegCreateKeyExA(Handle32 key, const Text& subKey, std::uint32_t options,
                             std::uint32_t samDesired, Handle32* result,
                             std::uint32_t* disposition) {
    sim::SimulatedRegistry& registry = sim::DesktopToChange().registry;
    Text seenSubKey = sim::SeenThroughAnsi(subKey);
    sim::RegistryCall call{
        .function = L"RegCreateKeyExA", .key = key, .subKey = seenSubKey, .access = samDesired};
    *result = 0;
    std::optional<Text> base = sim::BasePath(key);
    if (!base) {
        return sim::Noted(call, kErrorInvalidHandle);
    }
    auto parts = sim::PartsOf(seenSubKey);
    if (!parts || (options & ~1u) != 0) {
        return sim::Noted(call, parts ? sim::kErrorInvalidParameter : sim::kErrorBadPathname);
    }
    Text folded = sim::FoldedText(sim::JoinedPath(*base, *parts));
    bool exists = registry.keys.find(folded) != registry.keys.end();
    bool wantsWrite = (samDesired & sim::kWriteRights) != 0;
    if ((!exists || wantsWrite) && (registry.refuseWrites || sim::IsProtected(folded))) {
        return sim::Noted(call, kErrorAccessDenied);
    }
    folded = sim::MakeKey(*base, *parts);
    if (disposition != nullptr) {
        *disposition = exists ? 2 : 1;
    }
    *result = sim::NewHandle(folded, samDesired);
    call.resultKey = *result;
    return sim::Noted(call, kErrorSuccess);
}

std::int32_t RegSetValueExA(Handle32 key, const Text& valueName, std::uint32_t type,
                            const std::uint8_t* data, std::uint32_t size) {
    sim::SimulatedRegistry& registry = sim::DesktopToChange().registry;
    Text seenName = sim::SeenThroughAnsi(valueName);
    sim::RegistryCall call{.function = L"RegSetValueExA",
                           .key = key,
                           .valueName = seenName,
                           .type = type,
                           .size = size};
    std::int32_t error = kErrorSuccess;
    sim::StoredRegistryKey* opened = sim::OpenedKey(key, sim::kKeySetValue, error);
    if (opened == nullptr) {
        return sim::Noted(call, error);
    }
    if (registry.refuseWrites || sim::IsProtected(sim::FoldedText(opened->path))) {
        return sim::Noted(call, kErrorAccessDenied);
    }
    if (data == nullptr && size > 0) {
        return sim::Noted(call, sim::kErrorInvalidParameter);
    }
    // As Windows does, a text whose size leaves out its terminating NUL gets it when the NUL
    // follows in the caller's buffer (Windows reads the byte after the counted ones to see).
    bool text = type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
    if (text && size > 0 && data[size - 1] != 0 && data[size] == 0) {
        ++size;
    }
    std::vector<std::uint8_t> bytes;
    if (size > 0) {
        bytes.assign(data, data + size);
    }
    Text folded = sim::FoldedText(seenName);
    auto existing = opened->values.find(folded);
    Text name = existing == opened->values.end() ? seenName : existing->second.name;
    opened->values[folded] = {name, type, std::move(bytes)};
    return sim::Noted(call, kErrorSuccess);
}

std::int32_t RegCloseKey(Handle32 key) {
    sim::RegistryCall call{.function = L"RegCloseKey", .key = key};
    if (sim::RootName(key) != nullptr) {
        return sim::Noted(call, kErrorSuccess);
    }
    if (sim::Registry().openKeys.erase(key) == 0) {
        return sim::Noted(call, kErrorInvalidHandle);
    }
    return sim::Noted(call, kErrorSuccess);
}

}  // namespace platform
