#include "CodePageSupport.h"

#include <windows.h>

#include "BundleFolder.h"

namespace winetest {

namespace {

// Windows 10 version 1903, the first to read activeCodePage.
constexpr DWORD kFirstBuild = 18362;

}  // namespace

bool ManifestCodePagesHonoured() {
    if (RunsUnderWine()) {
        return true;
    }
    // RtlGetVersion tells the real version; GetVersionEx tells a program without a manifest
    // that names Windows 10 that it runs on Windows 8.
    using GetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
    FARPROC found = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
    if (found == nullptr) {
        return false;
    }
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
    if (reinterpret_cast<GetVersion>(reinterpret_cast<void (*)()>(found))(&version) != 0) {
        return false;
    }
    return version.dwMajorVersion > 10 ||
           (version.dwMajorVersion == 10 && version.dwBuildNumber >= kFirstBuild);
}

}  // namespace winetest
