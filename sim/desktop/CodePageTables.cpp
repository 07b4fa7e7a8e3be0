#include "CodePageTables.h"

#include <iconv.h>

#include <array>
#include <cerrno>

#include "platform/core/UniqueHandle.h"

namespace platform::sim {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the rest map to the same code point.
constexpr std::array<char16_t, 32> kHighControls1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct ByteMapping {
    unsigned char byte;
    char32_t character;
};

// Single bytes that the C library does not read but Windows maps to a character.
constexpr std::array<ByteMapping, 5> kExtra932 = {
    {{0x80, 0x0080}, {0xA0, 0xF8F0}, {0xFD, 0xF8F1}, {0xFE, 0xF8F2}, {0xFF, 0xF8F3}}};
constexpr std::array<ByteMapping, 1> kExtra1251 = {{{0x98, 0x0098}}};

constexpr char32_t kReplacement932 = 0x30FB;
constexpr char32_t kReplacement = 0xFFFD;

template <std::size_t N>
std::optional<char32_t> ExtraCharacter(const std::array<ByteMapping, N>& table,
                                       unsigned char byte) {
    for (const ByteMapping& mapping : table) {
        if (mapping.byte == byte) {
            return mapping.character;
        }
    }
    return std::nullopt;
}

template <std::size_t N>
std::optional<unsigned char> ExtraByte(const std::array<ByteMapping, N>& table, char32_t c) {
    for (const ByteMapping& mapping : table) {
        if (mapping.character == c) {
            return mapping.byte;
        }
    }
    return std::nullopt;
}

std::optional<char32_t> Extra(std::uint32_t codePage, unsigned char byte) {
    return codePage == 932 ? ExtraCharacter(kExtra932, byte) : ExtraCharacter(kExtra1251, byte);
}

std::optional<unsigned char> ExtraByteOf(std::uint32_t codePage, char32_t c) {
    return codePage == 932 ? ExtraByte(kExtra932, c) : ExtraByte(kExtra1251, c);
}

std::optional<unsigned char> Byte1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<unsigned char>(c);
    }
    for (std::size_t i = 0; i < kHighControls1252.size(); ++i) {
        if (kHighControls1252[i] == c) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

Text Decode1252(std::string_view bytes) {
    Text text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        auto b = static_cast<unsigned char>(byte);
        text.push_back(b >= 0x80 && b <= 0x9F ? static_cast<wchar_t>(kHighControls1252[b - 0x80])
                                              : static_cast<wchar_t>(b));
    }
    return text;
}

// A converter of the C library, closed when its holder goes; iconv_open gives -1 for none.
bool IsOpenConverter(iconv_t handle) {
    return handle != nullptr && handle != reinterpret_cast<iconv_t>(-1);
}
using Converter = UniqueHandle<iconv_t, iconv_close, nullptr, IsOpenConverter>;

// The converter in its initial state.
iconv_t Fresh(const Converter& converter) {
    iconv(converter.Get(), nullptr, nullptr, nullptr, nullptr);
    return converter.Get();
}

// The C library's converters, opened once per code page and direction (the simulated desktop
// runs on one thread).
Converter& LibraryConverter(std::uint32_t codePage, bool toWide) {
    static Converter from932(iconv_open("UTF-32LE", "CP932"));
    static Converter to932(iconv_open("CP932", "UTF-32LE"));
    static Converter from1251(iconv_open("UTF-32LE", "CP1251"));
    static Converter to1251(iconv_open("CP1251", "UTF-32LE"));
    if (codePage == 932) {
        return toWide ? from932 : to932;
    }
    return toWide ? from1251 : to1251;
}

void AppendUtf32(Text& text, const char* bytes, std::size_t size) {
    for (std::size_t i = 0; i + 4 <= size; i += 4) {
        char32_t c = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            c |= static_cast<char32_t>(static_cast<unsigned char>(bytes[i + k])) << (8 * k);
        }
        text.push_back(static_cast<wchar_t>(c));
    }
}

Text DecodeWithLibrary(std::uint32_t codePage, std::string_view bytes, bool& valid) {
    Converter& converter = LibraryConverter(codePage, true);
    Text text;
    text.reserve(bytes.size());
    std::size_t done = 0;
    std::array<char, 1024> out{};
    while (done < bytes.size()) {
        char* in = const_cast<char*>(bytes.data() + done);
        std::size_t inLeft = bytes.size() - done;
        char* outPtr = out.data();
        std::size_t outLeft = out.size();
        std::size_t result = converter.Valid()
                                 ? iconv(Fresh(converter), &in, &inLeft, &outPtr, &outLeft)
                                 : static_cast<std::size_t>(-1);
        int error = converter.Valid() ? errno : EILSEQ;
        AppendUtf32(text, out.data(), out.size() - outLeft);
        done = bytes.size() - inLeft;
        if (result != static_cast<std::size_t>(-1) || error == E2BIG) {
            continue;
        }
        // A byte that starts no character of the code page.
        auto byte = static_cast<unsigned char>(bytes[done]);
        std::optional<char32_t> extra = Extra(codePage, byte);
        valid = valid && extra.has_value();
        text.push_back(
            static_cast<wchar_t>(extra.value_or(codePage == 932 ? kReplacement932 : kReplacement)));
        ++done;
    }
    return text;
}

}  // namespace

SingleCharacterEncoder::SingleCharacterEncoder(std::uint32_t codePage) : codePage_(codePage) {}

std::optional<std::string> SingleCharacterEncoder::Encode(char32_t c) {
    if (codePage_ != 932 && codePage_ != 1251) {
        std::optional<unsigned char> byte = Byte1252(c);
        if (!byte) {
            byte = BestFit1252(c);
        }
        return byte ? std::optional<std::string>(std::string(1, static_cast<char>(*byte)))
                    : std::nullopt;
    }
    if (std::optional<unsigned char> byte = ExtraByteOf(codePage_, c)) {
        return std::string(1, static_cast<char>(*byte));
    }
    Converter& converter = LibraryConverter(codePage_, false);
    if (!converter.Valid() || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return std::nullopt;
    }
    std::array<char, 4> in = {static_cast<char>(c), static_cast<char>(c >> 8),
                              static_cast<char>(c >> 16), static_cast<char>(c >> 24)};
    std::array<char, 16> out{};
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    if (iconv(Fresh(converter), &inPtr, &inLeft, &outPtr, &outLeft) ==
        static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    return std::string(out.data(), out.size() - outLeft);
}

bool SingleCharacterEncoder::IsExact(const std::string& form, wchar_t c) const {
    return DecodeCodePage(codePage_, form) == Text(1, c);
}

Text DecodeCodePage(std::uint32_t codePage, std::string_view bytes, bool* valid) {
    bool allValid = true;
    Text text = codePage == 932 || codePage == 1251 ? DecodeWithLibrary(codePage, bytes, allValid)
                                                    : Decode1252(bytes);
    if (valid != nullptr) {
        *valid = allValid;
    }
    return text;
}

}  // namespace platform::sim
