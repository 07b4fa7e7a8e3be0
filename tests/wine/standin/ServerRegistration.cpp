#include "ServerRegistration.h"

namespace standin {

namespace {

// Where a 32-bit installation writes, whichever program writes it.
constexpr REGSAM kThirtyTwoBitView = KEY_WOW64_32KEY;

LSTATUS SetDefaultValue(const std::wstring& subKey, const std::wstring& text) {
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, nullptr, 0,
                                     KEY_SET_VALUE | kThirtyTwoBitView, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    status = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return status;
}

}  // namespace

LSTATUS RegisterLocalServer(const wchar_t* progId, const wchar_t* clsid,
                            const std::wstring& serverExe) {
    const std::wstring classes = L"Software\\Classes\\";
    LSTATUS status = SetDefaultValue(classes + progId + L"\\CLSID", clsid);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    return SetDefaultValue(classes + L"CLSID\\" + clsid + L"\\LocalServer32", serverExe);
}

}  // namespace standin
