#include "../SystemFacts.h"

#include <windows.h>

namespace platform {

namespace {

// RTL_OSVERSIONINFOW as ntdll's RtlGetVersion fills it.
using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, BOOL*);

template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name) {
    HMODULE module = GetModuleHandleW(library);
    FARPROC found = module != nullptr ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

bool RunsOn64BitWindows() {
    if constexpr (sizeof(void*) == 8) {
        return true;
    }
    // Windows XP SP2 and later have it; an older 32-bit Windows is no 64-bit one.
    auto isWow64Process = SystemFunction<IsWow64ProcessFunction>(L"kernel32.dll", "IsWow64Process");
    BOOL wow64 = FALSE;
    return isWow64Process != nullptr && isWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

}  // namespace

WindowsVersion GetWindowsVersion() {
    // GetVersionEx tells a program without a manifest that names the newest Windows an older
    // version (Windows 8.1 and later); ntdll's own function tells the truth, and ntdll is loaded
    // in every process.
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    auto rtlGetVersion = SystemFunction<RtlGetVersionFunction>(L"ntdll.dll", "RtlGetVersion");
    if (rtlGetVersion == nullptr || rtlGetVersion(&info) != 0) {
        info = OSVERSIONINFOW{};
        info.dwOSVersionInfoSize = sizeof(info);
        if (!GetVersionExW(&info)) {
            info = OSVERSIONINFOW{};
        }
    }
    WindowsVersion version;
    version.major = info.dwMajorVersion;
    version.minor = info.dwMinorVersion;
    version.build = info.dwBuildNumber;
    version.servicePack = info.szCSDVersion;
    version.windows64 = RunsOn64BitWindows();
    version.program64 = sizeof(void*) == 8;
    return version;
}

bool UserIsAdministrator() {
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                  DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &administrators)) {
        return false;
    }
    BOOL member = FALSE;
    if (!CheckTokenMembership(nullptr, administrators, &member)) {
        member = FALSE;
    }
    FreeSid(administrators);
    return member != FALSE;
}

}  // namespace platform
