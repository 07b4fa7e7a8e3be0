// The signature check of the port: WinVerifyTrust of wintrust.dll, which is not one of Windows'
// known DLLs. The program does not import it: it is loaded here, by its full path in the system
// folder, so that no file of the same name beside the program (or anywhere else) is taken.
#include <windows.h>
// After windows.h:
#include <wintrust.h>

#include "../FileFacts.h"
#include "../core/UniqueHandle.h"

namespace platform {

namespace {

inline void FreeLoadedLibrary(HMODULE module) {
    ::FreeLibrary(module);
}
using LoadedLibrary = UniqueHandle<HMODULE, FreeLoadedLibrary>;

using WinVerifyTrustFunction = LONG(WINAPI*)(HWND, GUID*, void*);

// WINTRUST_ACTION_GENERIC_VERIFY_V2: Authenticode.
GUID GenericVerifyV2() {
    return GUID{0x00aac56b, 0xcd44, 0x11d0, {0x8c, 0xc2, 0x00, 0xc0, 0x4f, 0xc2, 0x95, 0xee}};
}

constexpr LONG kNoSignature = static_cast<LONG>(0x800B0100);         // TRUST_E_NOSIGNATURE
constexpr LONG kSubjectFormUnknown = static_cast<LONG>(0x800B0003);  // TRUST_E_SUBJECT_FORM_UNKNOWN
constexpr LONG kProviderUnknown = static_cast<LONG>(0x800B0001);     // TRUST_E_PROVIDER_UNKNOWN
constexpr LONG kActionUnknown = static_cast<LONG>(0x800B0002);       // TRUST_E_ACTION_UNKNOWN
constexpr DWORD kRevocationCheckNone = 0x00000010;                   // WTD_REVOCATION_CHECK_NONE
constexpr DWORD kCacheOnlyUrlRetrieval = 0x00001000;                 // WTD_CACHE_ONLY_URL_RETRIEVAL

LoadedLibrary LoadFromSystemFolder(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return LoadedLibrary();
    }
    Text path = Text(folder, length) + L"\\" + name;
    return LoadedLibrary(LoadLibraryW(path.c_str()));
}

}  // namespace

SignatureState CheckSignature(const Text& path) {
    LoadedLibrary wintrust = LoadFromSystemFolder(L"wintrust.dll");
    if (!wintrust.Valid()) {
        return SignatureState::Unknown;
    }
    auto verify = reinterpret_cast<WinVerifyTrustFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(wintrust.Get(), "WinVerifyTrust")));
    if (verify == nullptr) {
        return SignatureState::Unknown;
    }
    WINTRUST_FILE_INFO file{};
    file.cbStruct = sizeof(file);
    file.pcwszFilePath = path.c_str();
    WINTRUST_DATA data{};
    data.cbStruct = sizeof(data);
    data.dwUIChoice = WTD_UI_NONE;
    data.fdwRevocationChecks = WTD_REVOKE_NONE;
    data.dwUnionChoice = WTD_CHOICE_FILE;
    data.pFile = &file;
    data.dwStateAction = WTD_STATEACTION_VERIFY;
    data.dwProvFlags = kRevocationCheckNone | kCacheOnlyUrlRetrieval;
    GUID action = GenericVerifyV2();
    // No window: the check never asks the user (INVALID_HANDLE_VALUE would allow no UI either).
    const LONG result = verify(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &data);
    data.dwStateAction = WTD_STATEACTION_CLOSE;
    static_cast<void>(verify(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &data));
    if (result == ERROR_SUCCESS) {
        return SignatureState::Valid;
    }
    if (result == kNoSignature) {
        return SignatureState::Unsigned;
    }
    if (result == kSubjectFormUnknown || result == kProviderUnknown || result == kActionUnknown) {
        return SignatureState::Unknown;
    }
    return SignatureState::Invalid;
}

}  // namespace platform
