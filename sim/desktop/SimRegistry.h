// Simulated registry of the desktop: keys below the two roots HKEY_CURRENT_USER and
// HKEY_LOCAL_MACHINE, each value kept with its type and raw bytes. Key paths and value names
// are matched without regard to case. The registry functions of the sim backend work on it,
// keep a table of the keys they opened and note every call in a journal.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "platform/core/Types.h"

namespace platform::sim {

struct RegistryValue {
    Text name;  // as it was first written; empty for the default value
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

// A key as the registry stores it: plain data (an open key is a handle in openKeys).
struct StoredRegistryKey {
    Text path;  // full path with its root, e.g. "HKEY_CURRENT_USER\Software"
    std::map<Text, RegistryValue> values;  // by case-folded name
};

// One call of a registry function, with the arguments it got and what it answered. Fields
// that do not belong to the function stay 0 or empty.
struct RegistryCall {
    Text function{};  // "RegOpenKeyExA", "RegQueryValueExA", ...
    Handle32 key = 0;
    Text subKey{};
    Text valueName{};
    std::uint32_t access = 0;
    std::uint32_t type =
        0;  // RegSetValueExA: the type written; RegQueryValueExA: the type reported
    std::uint32_t size = 0;  // RegSetValueExA: bytes written; RegQueryValueExA: the size passed in
    bool withData = false;   // RegQueryValueExA: a data buffer was passed
    std::int32_t result = 0;
    Handle32 resultKey = 0;  // RegOpenKeyExA, RegCreateKeyExA: the key handed out
};

struct OpenRegistryKey {
    Text foldedPath;
    std::uint32_t access = 0;
};

struct SimulatedRegistry {
    std::map<Text, StoredRegistryKey>
        keys;                      // by case-folded full path; every parent key is present
    std::set<Text> protectedKeys;  // case-folded paths the user may not write at or below
    bool refuseWrites = false;     // every create with write access and every write: 5
    std::map<Handle32, OpenRegistryKey> openKeys;
    Handle32 nextHandle = 0x1A0;
    std::vector<RegistryCall> journal;
};

SimulatedRegistry& Registry();

// The full path of a key below a root, e.g. "HKEY_CURRENT_USER\Software\X"; nothing for a root
// that the simulated registry does not have.
std::optional<Text> RegistryPath(Handle32 root, const Text& subKey);

// Test set-up: creates the key (and its parents) and stores a value of any type with exactly
// these bytes.
void SetRegistryValue(Handle32 root, const Text& subKey, const Text& valueName, std::uint32_t type,
                      std::vector<std::uint8_t> data);
// A REG_SZ value: the text in the ANSI code page with its terminating NUL.
void SetRegistryText(Handle32 root, const Text& subKey, const Text& valueName, const Text& text);
// A REG_DWORD value: 4 bytes, low byte first.
void SetRegistryDword(Handle32 root, const Text& subKey, const Text& valueName,
                      std::uint32_t value);
void CreateRegistryKey(Handle32 root, const Text& subKey);

// The stored value, or nothing when the key or the value does not exist.
std::optional<RegistryValue> RegistryValueOf(Handle32 root, const Text& subKey,
                                             const Text& valueName);
bool RegistryKeyExists(Handle32 root, const Text& subKey);

// Marks a key as one the user may not write: creating or writing at or below it is refused
// with 5 (access denied) and stores nothing. Reading stays allowed.
void ProtectRegistryKey(Handle32 root, const Text& subKey);

// The number of keys opened or created and not closed yet.
std::size_t OpenRegistryKeyCount();

// The journal's calls of one function.
std::vector<RegistryCall> RegistryCallsOf(const Text& function);

}  // namespace platform::sim
