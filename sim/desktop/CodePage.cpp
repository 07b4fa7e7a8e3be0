#include "platform/CodePage.h"

#include <array>

#include "CodePageTables.h"
#include "SimDesktop.h"
#include "platform/core/Utf8.h"

namespace platform {

namespace sim {

bool SetAnsiCodePage(std::uint32_t codePage) {
    if (codePage != 1252 && codePage != codepage::kUtf8 && codePage != 932 && codePage != 1251) {
        return false;
    }
    TheDesktop().ansiCodePage = codePage;
    return true;
}

}  // namespace sim

namespace codepage {

namespace {

constexpr std::uint32_t kDiscardNs = 0x10;        // WC_DISCARDNS
constexpr std::uint32_t kSepChars = 0x20;         // WC_SEPCHARS
constexpr std::uint32_t kDefaultChar = 0x40;      // WC_DEFAULTCHAR
constexpr std::uint32_t kCompositeCheck = 0x200;  // WC_COMPOSITECHECK
constexpr std::uint32_t kPrecomposed = 0x01;      // MB_PRECOMPOSED
constexpr std::uint32_t kComposite = 0x02;        // MB_COMPOSITE
constexpr std::uint32_t kUseGlyphChars = 0x04;    // MB_USEGLYPHCHARS

// Whether Windows takes the flags for a conversion in the code page.
bool Accepts(std::uint32_t codePage, std::uint32_t flags, std::uint32_t invalidCharsFlag,
             std::uint32_t otherFlags) {
    if (TakesNoConversionFlags(codePage)) {
        std::uint32_t allowed = codePage == kUtf8 || codePage == 54936 ? invalidCharsFlag : 0;
        return (flags & ~allowed) == 0;
    }
    return (flags & ~otherFlags) == 0;
}

bool IsScalarValue(char32_t c) {
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

// Windows' reading of UTF-8: a sequence that is no well-formed character (overlong, a
// surrogate, above U+10FFFF, cut short) gives U+FFFD for its longest valid beginning.
std::optional<Text> DecodeUtf8(std::string_view bytes, bool failOnInvalid) {
    Text text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            text.push_back(static_cast<wchar_t>(lead));
            ++i;
            continue;
        }
        int extra = lead >= 0xC2 && lead <= 0xDF   ? 1
                    : lead >= 0xE0 && lead <= 0xEF ? 2
                    : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                   : 0;
        unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
        unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
        char32_t c = lead & (0x3F >> extra);
        int taken = 0;
        while (extra > 0 && taken < extra && i + 1 + taken < bytes.size()) {
            auto next = static_cast<unsigned char>(bytes[i + 1 + taken]);
            if (next < low || next > high) {
                break;
            }
            c = (c << 6) | (next & 0x3F);
            low = 0x80;
            high = 0xBF;
            ++taken;
        }
        if (extra == 0 || taken < extra) {
            if (failOnInvalid) {
                return std::nullopt;
            }
            text.push_back(static_cast<wchar_t>(0xFFFD));
            i += 1 + static_cast<std::size_t>(taken);
            continue;
        }
        text.push_back(static_cast<wchar_t>(c));
        i += 1 + static_cast<std::size_t>(extra);
    }
    return text;
}

std::optional<std::string> EncodeUtf8(const Text& text, bool failOnInvalid) {
    for (wchar_t c : text) {
        if (failOnInvalid && !IsScalarValue(static_cast<char32_t>(c))) {
            return std::nullopt;
        }
    }
    return ToUtf8(text);  // a lone surrogate becomes U+FFFD
}

}  // namespace

std::uint32_t AnsiCodePage() {
    return sim::TheDesktop().ansiCodePage;
}

std::optional<std::string> WideToAnsi(const Text& text, std::uint32_t flags, bool* usedDefault) {
    std::uint32_t codePage = AnsiCodePage();
    constexpr std::uint32_t kOtherFlags =
        kNoBestFitChars | kCompositeCheck | kDiscardNs | kSepChars | kDefaultChar;
    if (!Accepts(codePage, flags, kErrInvalidChars, kOtherFlags) ||
        (usedDefault != nullptr && TakesNoConversionFlags(codePage))) {
        return std::nullopt;  // ERROR_INVALID_FLAGS, ERROR_INVALID_PARAMETER
    }
    if (codePage == kUtf8) {
        return EncodeUtf8(text, (flags & kErrInvalidChars) != 0);
    }
    bool used = false;
    std::string bytes;
    bytes.reserve(text.size());
    sim::SingleCharacterEncoder encoder(codePage);
    for (wchar_t c : text) {
        std::optional<std::string> form = encoder.Encode(static_cast<char32_t>(c));
        // Without the flag a look-alike may stand in; with it only the exact form counts.
        if (form && (flags & kNoBestFitChars) != 0 && !encoder.IsExact(*form, c)) {
            form.reset();
        }
        if (!form) {
            used = true;
            form = "?";
        }
        bytes += *form;
    }
    if (usedDefault != nullptr) {
        *usedDefault = used;
    }
    return bytes;
}

std::optional<Text> AnsiToWide(std::string_view bytes, std::uint32_t flags) {
    std::uint32_t codePage = AnsiCodePage();
    if (!Accepts(codePage, flags, kMbErrInvalidChars,
                 kPrecomposed | kComposite | kUseGlyphChars | kMbErrInvalidChars)) {
        return std::nullopt;
    }
    if (codePage == kUtf8) {
        return DecodeUtf8(bytes, (flags & kMbErrInvalidChars) != 0);
    }
    // With the invalid-characters flag, a byte that is no character (a lead byte of 932 without
    // its trail byte, say) fails the call instead of becoming the replacement character.
    bool valid = true;
    Text text = sim::DecodeCodePage(codePage, bytes, &valid);
    if (!valid && (flags & kMbErrInvalidChars) != 0) {
        return std::nullopt;
    }
    return text;
}

}  // namespace codepage

}  // namespace platform
