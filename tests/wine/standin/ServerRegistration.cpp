#include "ServerRegistration.h"

#include "StandinIds.h"

namespace standin {

namespace {

// Where a 32-bit installation writes, whichever program writes it.
constexpr REGSAM kThirtyTwoBitView = KEY_WOW64_32KEY;

LSTATUS SetValue(const std::wstring& subKey, const wchar_t* name, const std::wstring& text) {
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, nullptr, 0,
                                     KEY_SET_VALUE | kThirtyTwoBitView, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    status = RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return status;
}

// The keys of the registration carry the tests' mark, so that the tests' next start takes them
// for their own and not for a real ACT!'s.
LSTATUS Mark(const std::wstring& subKey) {
    return SetValue(subKey, kMadeByTestsValue, L"made by the Quendelhof tests");
}

}  // namespace

LSTATUS RegisterLocalServer(const wchar_t* progId, const wchar_t* clsid,
                            const std::wstring& serverExe) {
    const std::wstring classes = L"Software\\Classes\\";
    LSTATUS status = Mark(classes + progId);
    if (status == ERROR_SUCCESS) {
        status = SetValue(classes + progId + L"\\CLSID", nullptr, clsid);
    }
    if (status == ERROR_SUCCESS) {
        status = Mark(classes + L"CLSID\\" + clsid);
    }
    if (status != ERROR_SUCCESS) {
        return status;
    }
    return SetValue(classes + L"CLSID\\" + clsid + L"\\LocalServer32", nullptr, serverExe);
}

}  // namespace standin
