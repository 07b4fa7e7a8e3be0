#include "Wartezeiten.h"

#include <algorithm>
#include <optional>

#include "platform/Program.h"
#include "platform/core/TextUtil.h"

namespace wartezeiten {

namespace {

using platform::Text;

constexpr std::uint64_t kKuerzesteMs = 100;
constexpr std::uint64_t kLaengsteMs = 86400ull * 1000ull;

bool IstZiffer(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// A comma between two digits is a decimal comma ("hang=2,5"), any other one separates.
bool IstTrenner(const Text& text, std::size_t i) {
    const wchar_t c = text[i];
    if (c == L',') {
        return i == 0 || i + 1 == text.size() || !IstZiffer(text[i - 1]) || !IstZiffer(text[i + 1]);
    }
    return c == L';' || c == L' ' || c == L'\t';
}

// "2", "0.5", "0,5", "12.250": seconds as milliseconds; nothing for anything else or out of
// range.
std::optional<std::uint32_t> Millisekunden(const Text& sekunden) {
    std::uint64_t ganz = 0;
    std::size_t i = 0;
    for (; i < sekunden.size() && sekunden[i] >= L'0' && sekunden[i] <= L'9'; ++i) {
        ganz = ganz * 10 + static_cast<std::uint64_t>(sekunden[i] - L'0');
        if (ganz > kLaengsteMs) {
            return std::nullopt;
        }
    }
    if (i == 0) {
        return std::nullopt;
    }
    std::uint64_t ms = ganz * 1000;
    if (i < sekunden.size() && (sekunden[i] == L'.' || sekunden[i] == L',')) {
        std::uint64_t stelle = 100;
        for (++i; i < sekunden.size() && sekunden[i] >= L'0' && sekunden[i] <= L'9' && stelle > 0;
             ++i, stelle /= 10) {
            ms += static_cast<std::uint64_t>(sekunden[i] - L'0') * stelle;
        }
    }
    if (i != sekunden.size() || ms < kKuerzesteMs || ms > kLaengsteMs) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(ms);
}

}  // namespace

Zeiten AusText(const Text& text) {
    Zeiten zeiten;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t ende = start;
        while (ende < text.size() && !IstTrenner(text, ende)) {
            ++ende;
        }
        Text teil = text.substr(start, ende - start);
        start = ende + 1;
        std::size_t gleich = teil.find(L'=');
        if (gleich == Text::npos) {
            continue;
        }
        Text name = platform::LowerCase(teil.substr(0, gleich));
        std::optional<std::uint32_t> ms = Millisekunden(teil.substr(gleich + 1));
        if (!ms) {
            continue;
        }
        if (name == L"hang") {
            zeiten.antwortMs = *ms;
        } else if (name == L"busy") {
            zeiten.beschaeftigtMs = *ms;
        }
    }
    zeiten.wiederholungMs = std::min(kWiederholungMs, zeiten.beschaeftigtMs);
    return zeiten;
}

Zeiten Aktuell() {
    std::optional<Text> text = platform::EnvironmentVariable(kVariable);
    return text ? AusText(*text) : Zeiten();
}

}  // namespace wartezeiten
