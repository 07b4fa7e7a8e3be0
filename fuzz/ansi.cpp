// The code page conversions and the number parser take any input without harm, and the
// conversions keep their promises.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/Ansi.h"
#include "platform/Failure.h"
#include "platform/Variant.h"
#include "platform/sim/Utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);

    // Bytes in the code page: every byte stands for one character and comes back unchanged.
    platform::Text text = platform::FromAnsi(bytes);
    if (text.size() != bytes.size() || platform::ToAnsi(text) != bytes ||
        !platform::IsAnsiRepresentable(text)) {
        std::abort();
    }

    // Any wide text: a representable one round-trips, the others turn into '?' per character.
    platform::Text wide = platform::sim::FromUtf8(bytes);
    std::string ansi = platform::ToAnsi(wide);
    if (ansi.size() != wide.size()) {
        std::abort();
    }
    if (platform::IsAnsiRepresentable(wide) != (platform::FromAnsi(ansi) == wide)) {
        std::abort();
    }

    try {
        platform::TextToLong(wide);
    } catch (const platform::Failure& failure) {
        if (failure.Number() != platform::kTypeMismatch &&
            failure.Number() != platform::kOverflow) {
            std::abort();
        }
    }
    return 0;
}
