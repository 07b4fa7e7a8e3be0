#include "../Ansi.h"

#include <array>

namespace platform {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the rest map to the same code point.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

wchar_t ByteToChar(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return static_cast<wchar_t>(kHighControls[byte - 0x80]);
    }
    return static_cast<wchar_t>(byte);
}

// The byte for a character, or -1 when the code page has none.
int CharToByte(wchar_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<int>(c);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (static_cast<wchar_t>(kHighControls[i]) == c) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

}  // namespace

std::string ToAnsi(const Text& text) {
    std::string result;
    result.reserve(text.size());
    for (wchar_t c : text) {
        int byte = CharToByte(c);
        result.push_back(byte < 0 ? '?' : static_cast<char>(byte));
    }
    return result;
}

Text FromAnsi(std::string_view bytes) {
    Text result;
    result.reserve(bytes.size());
    for (char byte : bytes) {
        result.push_back(ByteToChar(static_cast<unsigned char>(byte)));
    }
    return result;
}

bool IsAnsiRepresentable(const Text& text) {
    for (wchar_t c : text) {
        if (CharToByte(c) < 0) {
            return false;
        }
    }
    return true;
}

}  // namespace platform
