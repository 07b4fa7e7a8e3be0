#include "TextUtil.h"

#include <algorithm>

namespace platform {

wchar_t LowerChar(wchar_t c) {
    if ((c >= L'A' && c <= L'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<wchar_t>(c + 0x20);
    }
    if (c >= 0x100 && c <= 0x17F) {
        // Latin Extended-A pairs its letters upper-then-lower, except in 0x139-0x148 and
        // 0x179-0x17E, where the pairs start at an odd code point; 0x130, 0x131, 0x138, 0x149
        // and 0x17F have no simple pair.
        if (c == 0x130 || c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F) {
            return c == 0x130 ? L'i' : c;
        }
        bool oddStart = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        bool isUpper = oddStart ? (c % 2 == 1) : (c % 2 == 0);
        if (c == 0x178) {
            return static_cast<wchar_t>(0xFF);
        }
        return isUpper ? static_cast<wchar_t>(c + 1) : c;
    }
    // Greek capitals, with and without accents.
    if ((c >= 0x391 && c <= 0x3A9 && c != 0x3A2)) {
        return static_cast<wchar_t>(c + 0x20);
    }
    if (c == 0x386) {
        return static_cast<wchar_t>(0x3AC);
    }
    if (c >= 0x388 && c <= 0x38A) {
        return static_cast<wchar_t>(c + 0x25);
    }
    if (c == 0x38C) {
        return static_cast<wchar_t>(0x3CC);
    }
    if (c == 0x38E || c == 0x38F) {
        return static_cast<wchar_t>(c + 0x3F);
    }
    // Cyrillic capitals.
    if (c >= 0x410 && c <= 0x42F) {
        return static_cast<wchar_t>(c + 0x20);
    }
    if (c >= 0x400 && c <= 0x40F) {
        return static_cast<wchar_t>(c + 0x50);
    }
    return c;
}

Text LowerCase(const Text& text) {
    Text result(text);
    for (wchar_t& c : result) {
        c = LowerChar(c);
    }
    return result;
}

bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](wchar_t x, wchar_t y) { return LowerChar(x) == LowerChar(y); });
}

Text TrimBlanks(const Text& text) {
    std::size_t first = text.find_first_not_of(L' ');
    if (first == Text::npos) {
        return Text();
    }
    std::size_t last = text.find_last_not_of(L' ');
    return text.substr(first, last - first + 1);
}

Text TrimLeadingBlanks(const Text& text) {
    std::size_t first = text.find_first_not_of(L' ');
    return first == Text::npos ? Text() : text.substr(first);
}

std::vector<Text> Split(const Text& text, wchar_t separator) {
    std::vector<Text> pieces;
    if (text.empty()) {
        return pieces;
    }
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find(separator, start);
        if (end == Text::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

Text ArgumentTextOf(const Text& commandLine) {
    std::size_t pos = 0;
    if (!commandLine.empty() && commandLine[0] == L'"') {
        std::size_t closing = commandLine.find(L'"', 1);
        pos = closing == Text::npos ? commandLine.size() : closing + 1;
    } else {
        while (pos < commandLine.size() && commandLine[pos] != L' ' && commandLine[pos] != L'\t') {
            ++pos;
        }
    }
    while (pos < commandLine.size() && (commandLine[pos] == L' ' || commandLine[pos] == L'\t')) {
        ++pos;
    }
    return commandLine.substr(pos);
}

}  // namespace platform
