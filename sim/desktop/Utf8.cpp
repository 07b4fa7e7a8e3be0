#include "Utf8.h"

#include "platform/Ansi.h"

namespace platform::sim {

wchar_t FoldCase(wchar_t c) {
    if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        return static_cast<wchar_t>(c - 0x20);
    }
    return c;
}

bool EqualsIgnoringCase(const Text& a, const Text& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) {
            return false;
        }
    }
    return true;
}

Text FoldedText(const Text& text) {
    Text folded = text;
    for (wchar_t& c : folded) {
        c = FoldCase(c);
    }
    return folded;
}

Text SeenThroughAnsi(const Text& text) {
    Text seen = FromAnsi(ToAnsi(text));
    std::size_t nul = seen.find(L'\0');
    return nul == Text::npos ? seen : seen.substr(0, nul);
}

}  // namespace platform::sim
