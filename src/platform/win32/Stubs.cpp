// Windows functions not wired up yet: they behave as on an empty desktop.
#include "../Automation.h"
#include "../Failure.h"
#include "../Registry.h"
#include "../Shell.h"
#include "../ShortPath.h"
#include "../TopLevelWindows.h"

namespace platform {

std::int32_t RegOpenKeyExA(Handle32, const Text&, std::uint32_t, std::uint32_t, Handle32* result) {
    *result = 0;
    return kErrorFileNotFound;
}
std::int32_t RegQueryValueExA(Handle32, const Text&, std::uint32_t*, std::uint8_t*,
                              std::uint32_t*) {
    return kErrorInvalidHandle;
}
std::int32_t RegCreateKeyExA(Handle32, const Text&, std::uint32_t, std::uint32_t, Handle32* result,
                             std::uint32_t*) {
    *result = 0;
    return kErrorAccessDenied;
}
std::int32_t RegSetValueExA(Handle32, const Text&, std::uint32_t, const std::uint8_t*,
                            std::uint32_t) {
    return kErrorInvalidHandle;
}
std::int32_t RegCloseKey(Handle32) {
    return kErrorSuccess;
}

std::int32_t EnumWindows(EnumWindowsCallback, std::int32_t) {
    return 1;
}
std::int32_t IsWindowVisible(Handle32) {
    return 0;
}
std::int32_t IsWindow(Handle32) {
    return 0;
}
std::int32_t GetClassNameA(Handle32, char*, std::int32_t) {
    return 0;
}
std::int32_t GetWindowTextLengthA(Handle32) {
    return 0;
}
std::int32_t GetWindowTextA(Handle32, char*, std::int32_t) {
    return 0;
}

Handle32 ShellExecuteA(Handle32, const OptionalText&, const OptionalText&, const OptionalText&,
                       const OptionalText&, std::int32_t) {
    return 2;
}
std::int32_t ShellExecuteExA(ShellExecuteInfoA& info) {
    info.hInstApp = 2;
    info.hProcess = 0;
    return 0;
}
std::int32_t GetExitCodeProcess(Handle32, std::uint32_t*) {
    return 0;
}
Handle32 GetDesktopWindow() {
    return 0x10010;
}

std::uint32_t GetShortPathNameA(const Text&, char*, std::uint32_t) {
    return 0;
}

ObjectRef CreateAutomationObject(const Text& progId) {
    throw Failure(429, L"ActiveX component can't create object: " + progId);
}

}  // namespace platform
