#include "ActKeys.h"

#include "RegistryTree.h"
#include "platform/win32/Handles.h"
#include "standin/StandinIds.h"

namespace winetest {

namespace {

using RegistryKey = platform::win32::RegistryKeyHandle;

struct ActKey {
    HKEY root;
    const wchar_t* rootName;
    std::wstring path;
    REGSAM view;
};

const std::wstring kVendor = L"Software\\Symantec";
const std::wstring kSettings = kVendor + L"\\ACT!";

// HKLM's views; on 32-bit Windows XP both flags name its one view.
constexpr REGSAM kViews[] = {KEY_WOW64_32KEY, KEY_WOW64_64KEY};

std::vector<ActKey> SettingsKeys() {
    std::vector<ActKey> keys = {{HKEY_CURRENT_USER, L"HKEY_CURRENT_USER", kSettings, 0}};
    for (REGSAM view : kViews) {
        keys.push_back({HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE", kSettings, view});
    }
    return keys;
}

std::vector<ActKey> AllKeys() {
    std::vector<ActKey> keys = SettingsKeys();
    const std::wstring classes = L"Software\\Classes\\";
    for (REGSAM view : kViews) {
        keys.push_back({HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE",
                        classes + standin::kApplicationProgId, view});
        keys.push_back({HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE",
                        classes + L"CLSID\\" + standin::kApplicationClsidText, view});
    }
    return keys;
}

std::wstring Describe(const ActKey& key) {
    std::wstring name = std::wstring(key.rootName) + L"\\" + key.path;
    if (key.view == KEY_WOW64_32KEY) {
        name += L" (32-bit view)";
    } else if (key.view == KEY_WOW64_64KEY) {
        name += L" (64-bit view)";
    }
    return name;
}

// Exists, and without the mark.
bool Foreign(const ActKey& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(key.root, key.path.c_str(), 0, KEY_QUERY_VALUE | key.view, &opened) !=
        ERROR_SUCCESS) {
        return false;
    }
    RegistryKey held(opened);
    return RegQueryValueExW(held.Get(), standin::kMadeByTestsValue, nullptr, nullptr, nullptr,
                            nullptr) != ERROR_SUCCESS;
}

// Software\Symantec goes only when it holds neither keys nor values.
void DeleteVendorKeyIfEmpty(HKEY root, REGSAM view) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, kVendor.c_str(), 0, KEY_READ | view, &opened) != ERROR_SUCCESS) {
        return;
    }
    RegistryKey vendor(opened);
    DWORD subKeys = 1;
    DWORD values = 1;
    if (RegQueryInfoKeyW(vendor.Get(), nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr,
                         &values, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS ||
        subKeys != 0 || values != 0) {
        return;
    }
    vendor.Reset();
    // Deleted only when still empty: it holds no keys, so only itself goes.
    static_cast<void>(DeleteKeyTree(root, kVendor, view));
}

}  // namespace

bool ThrowawayMachine() {
    wchar_t text[4] = {};
    DWORD length = GetEnvironmentVariableW(L"QH_TESTS_THROWAWAY_MACHINE", text, 4);
    return length == 1 && text[0] == L'1';
}

std::vector<std::wstring> ForeignActKeys() {
    std::vector<std::wstring> found;
    if (ThrowawayMachine()) {
        return found;
    }
    for (const ActKey& key : AllKeys()) {
        if (Foreign(key)) {
            found.push_back(Describe(key));
        }
    }
    return found;
}

std::wstring ActKeysRefusal(const std::vector<std::wstring>& keys) {
    std::wstring text =
        L"Refused: this machine holds keys of ACT! that these tests did not make:\n";
    for (const std::wstring& key : keys) {
        text += L"  " + key + L"\n";
    }
    text +=
        L"The tests overwrite and delete ACT!'s settings and its server's registration; a real "
        L"installation would lose them. Nothing was changed. Run the tests on a machine without "
        L"ACT!, or, on a throwaway machine whose ACT! keys may go, set "
        L"QH_TESTS_THROWAWAY_MACHINE=1.\n";
    return text;
}

LSTATUS MarkAsMadeByTests(HKEY key) {
    const wchar_t text[] = L"made by the Quendelhof tests";
    return RegSetValueExW(key, standin::kMadeByTestsValue, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text), sizeof(text));
}

bool ResetActSettings() {
    DeleteActSettings();
    bool made = true;
    for (const ActKey& key : SettingsKeys()) {
        HKEY created = nullptr;
        if (RegCreateKeyExW(key.root, key.path.c_str(), 0, nullptr, 0, KEY_SET_VALUE | key.view,
                            nullptr, &created, nullptr) != ERROR_SUCCESS) {
            made = false;
            continue;
        }
        RegistryKey held(created);
        made = MarkAsMadeByTests(held.Get()) == ERROR_SUCCESS && made;
    }
    return made;
}

void DeleteActSettings() {
    bool throwaway = ThrowawayMachine();
    for (const ActKey& key : SettingsKeys()) {
        if (throwaway || !Foreign(key)) {
            // Gone already, or not ours: either way nothing more to do.
            static_cast<void>(DeleteKeyTree(key.root, key.path, key.view));
        }
        DeleteVendorKeyIfEmpty(key.root, key.view);
    }
}

}  // namespace winetest
