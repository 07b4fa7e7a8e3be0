// Not wired up yet: behaves as an empty desktop.
#include "../TopLevelWindows.h"

namespace platform {

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

}  // namespace platform
