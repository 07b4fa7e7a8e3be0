// Any bytes as the world's act.ini: the reader never fails, and what it reads survives a write
// and a second read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "sim/desktop/SimDesktop.h"
#include "sim/world/ActWorld.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::sim::TheDesktop() = platform::sim::Desktop();
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    platform::sim::ReadActState(in);
    std::ostringstream first;
    platform::sim::WriteActState(first);
    platform::sim::TheDesktop() = platform::sim::Desktop();
    std::istringstream again(first.str());
    platform::sim::ReadActState(again);
    std::ostringstream second;
    platform::sim::WriteActState(second);
    if (first.str() != second.str()) {
        std::abort();
    }
    return 0;
}
