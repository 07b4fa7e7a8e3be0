// Any bytes as the world's registry file: the reader never fails, and what it reads survives a
// write and a second read unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "sim/world/RegFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<platform::sim::RegFileKey> keys = platform::sim::ReadRegFile(text);
    std::vector<platform::sim::RegFileKey> again =
        platform::sim::ReadRegFile(platform::sim::WriteRegFile(keys));
    if (again != platform::sim::ReadRegFile(platform::sim::WriteRegFile(again))) {
        std::abort();
    }
    return 0;
}
