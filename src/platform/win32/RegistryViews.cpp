#include "../RegistryViews.h"

#include <windows.h>

#include <vector>

#include "Handles.h"

namespace platform {

std::optional<Text> ReadMachineText(RegistryView view, const Text& subKey, const Text& valueName) {
    const REGSAM viewFlag = view == RegistryView::Bits32 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, KEY_QUERY_VALUE | viewFlag, &opened) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    const win32::RegistryKeyHandle key(opened);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key.Get(), valueName.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return std::nullopt;
    }
    // Room for a closing NUL that the stored text may lack.
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 2, L'\0');
    DWORD bytes = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
    if (RegQueryValueExW(key.Get(), valueName.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer.data()), &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return Text(buffer.data());  // up to the first NUL
}

}  // namespace platform
