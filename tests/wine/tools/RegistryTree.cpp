#include "RegistryTree.h"

#include "platform/win32/Handles.h"

namespace winetest {

namespace {

using RegistryKey = platform::win32::RegistryKeyHandle;

// RegDeleteKeyExW, which names the view, exists wherever Windows has two views (64-bit Windows
// XP and Server 2003 SP1 and every later Windows); 32-bit Windows XP has one view and only
// RegDeleteKeyW.
LSTATUS DeleteOneKey(HKEY root, const std::wstring& path, REGSAM view) {
    using DeleteKeyEx = LONG(WINAPI*)(HKEY, LPCWSTR, REGSAM, DWORD);
    static const FARPROC found =
        GetProcAddress(GetModuleHandleW(L"advapi32.dll"), "RegDeleteKeyExW");
    if (found == nullptr) {
        return RegDeleteKeyW(root, path.c_str());
    }
    return reinterpret_cast<DeleteKeyEx>(reinterpret_cast<void (*)()>(found))(root, path.c_str(),
                                                                              view, 0);
}

}  // namespace

LSTATUS DeleteKeyTree(HKEY root, const std::wstring& path, REGSAM view) {
    HKEY opened = nullptr;
    LSTATUS status = RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | view, &opened);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    RegistryKey key(opened);
    // Always the first subkey: each one is gone before the next is asked for.
    for (int guard = 0; guard < 100000; ++guard) {
        wchar_t name[256] = {};
        DWORD length = 256;
        status = RegEnumKeyExW(key.Get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS) {
            break;
        }
        if (status != ERROR_SUCCESS) {
            return status;
        }
        status = DeleteKeyTree(root, path + L"\\" + std::wstring(name, length), view);
        if (status != ERROR_SUCCESS) {
            return status;
        }
    }
    key.Reset();
    return DeleteOneKey(root, path, view);
}

bool KeyExists(HKEY root, const std::wstring& path, REGSAM view) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | view, &opened) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(opened);
    return true;
}

}  // namespace winetest
