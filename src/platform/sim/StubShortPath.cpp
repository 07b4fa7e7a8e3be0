// Not simulated yet: behaves as an empty desktop.
#include "../ShortPath.h"

namespace platform {

std::uint32_t GetShortPathNameA(const Text&, char*, std::uint32_t) {
    return 0;
}

}  // namespace platform
