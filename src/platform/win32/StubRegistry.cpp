// Not wired up yet: behaves as an empty desktop.
#include "../Registry.h"

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

}  // namespace platform
