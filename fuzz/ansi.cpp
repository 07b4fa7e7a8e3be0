// The code page conversions and the number parser take any input without harm, and the
// conversions keep their promises under each ANSI code page. The first byte chooses the code
// page (1252, 65001, 932, 1251).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/core/Ansi.h"
#include "platform/core/Failure.h"
#include "platform/core/Variant.h"
#include "sim/desktop/SimCodePage.h"
#include "sim/desktop/SimText.h"

namespace {

constexpr std::uint32_t kCodePages[] = {1252, 65001, 932, 1251};

// A representable text round-trips; any text comes back as one that is representable.
void CheckText(const platform::Text& text) {
    std::string ansi = platform::ToAnsi(text);
    platform::Text back = platform::FromAnsi(ansi);
    if (platform::IsAnsiRepresentable(text) != (back == text) ||
        !platform::IsAnsiRepresentable(back)) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    std::uint32_t codePage = kCodePages[data[0] % std::size(kCodePages)];
    platform::sim::SetAnsiCodePage(codePage);
    std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    platform::Text text = platform::FromAnsi(bytes);
    if (codePage == 1252) {
        // Every byte stands for one character and comes back unchanged.
        if (text.size() != bytes.size() || platform::ToAnsi(text) != bytes ||
            !platform::IsAnsiRepresentable(text)) {
            std::abort();
        }
    }
    CheckText(text);

    // Any wide text: a representable one round-trips, the others lose characters to '?'.
    platform::Text wide = platform::sim::FromUtf8(bytes);
    CheckText(wide);
    if (codePage == 1252 && platform::ToAnsi(wide).size() != wide.size()) {
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
    platform::sim::SetAnsiCodePage(platform::sim::kDefaultAnsiCodePage);
    return 0;
}
