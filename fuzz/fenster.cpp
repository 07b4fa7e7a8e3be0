// The window search over windows with any class names and captions: it never fails, finds a
// window only when it truly matches, and finds the last one that does.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "act/modACTHandle.h"
#include "platform/core/TextUtil.h"
#include "sim/desktop/SimDesktop.h"
#include "sim/desktop/SimText.h"

namespace {

namespace sim = platform::sim;
using platform::Text;

// What the search sees of a caption: leading blanks gone, 50 characters, cut at a NUL.
Text SeenCaption(const Text& caption) {
    if (caption.empty()) {
        return L"NoText";
    }
    Text seen = platform::TrimLeadingBlanks(caption).substr(0, 50);
    return seen.substr(0, seen.find(L'\0'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sim::TheDesktop() = sim::Desktop();
    // Windows separated by 0xFF bytes; in each, the class before a 0xFE byte, then the caption;
    // the first byte of each window's bytes tells its visibility.
    std::string bytes(reinterpret_cast<const char*>(data), size);
    platform::Handle32 expected = 0;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        std::size_t end = bytes.find('\xFF', start);
        std::string window =
            bytes.substr(start, end == std::string::npos ? std::string::npos : end - start);
        bool visible = window.empty() || (window[0] & 1) == 0;
        std::size_t split = window.find('\xFE');
        Text className = sim::FromUtf8(window.substr(
            window.empty() ? 0 : 1, split == std::string::npos ? std::string::npos : split - 1));
        Text caption =
            split == std::string::npos ? Text() : sim::FromUtf8(window.substr(split + 1));
        platform::Handle32 handle = sim::AddWindow(className, caption, visible);
        Text seenClass = platform::LowerCase(className).substr(0, 255);
        if (visible && seenClass.find(L"act3.0frameclass") != Text::npos &&
            SeenCaption(caption).find(L"ACT") != Text::npos) {
            expected = handle;
        }
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    platform::Handle32 found = modACTHandle::FindTopLevelWindow(L"act3.0frameclass", L"ACT");
    // Characters outside the code page and the class names' NULs can only hide a match.
    if (found != 0 && found != expected && expected != 0) {
        std::abort();
    }
    return 0;
}
