// Not wired up yet: behaves as an empty desktop.
#include "../Shell.h"

namespace platform {

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

}  // namespace platform
