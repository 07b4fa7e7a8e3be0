#include "Ansi.h"

#include "../CodePage.h"
#include "Failure.h"

namespace platform {

namespace codepage {

bool TakesNoConversionFlags(std::uint32_t codePage) {
    switch (codePage) {
        case 42:
        case 50220:
        case 50221:
        case 50222:
        case 50225:
        case 50227:
        case 50229:
        case 52936:
        case 54936:
        case 65000:
        case kUtf8:
            return true;
        default:
            return codePage >= 57002 && codePage <= 57011;
    }
}

}  // namespace codepage

namespace {

// The flags of a conversion to the code page: no best-fit look-alikes where the code page
// takes the flag; where it takes none, a lost character shows in the conversion back.
std::uint32_t ToAnsiFlags(bool plain) {
    return plain ? 0 : codepage::kNoBestFitChars;
}

bool PlainCodePage() {
    return codepage::TakesNoConversionFlags(codepage::AnsiCodePage());
}

}  // namespace

std::string ToAnsi(const Text& text) {
    if (text.empty()) {
        return std::string();
    }
    std::optional<std::string> bytes =
        codepage::WideToAnsi(text, ToAnsiFlags(PlainCodePage()), nullptr);
    if (!bytes) {
        throw StandardFailure(kInvalidArgument);
    }
    return *bytes;
}

Text FromAnsi(std::string_view bytes) {
    if (bytes.empty()) {
        return Text();
    }
    std::optional<Text> text = codepage::AnsiToWide(bytes, 0);
    if (!text) {
        throw StandardFailure(kInvalidArgument);
    }
    return *text;
}

bool IsAnsiRepresentable(const Text& text) {
    if (text.empty()) {
        return true;
    }
    bool plain = PlainCodePage();
    bool usedDefault = false;
    std::optional<std::string> bytes =
        codepage::WideToAnsi(text, ToAnsiFlags(plain), plain ? nullptr : &usedDefault);
    if (!bytes || usedDefault) {
        return false;
    }
    std::optional<Text> back = codepage::AnsiToWide(*bytes, 0);
    return back && *back == text;
}

}  // namespace platform
