// The character sets of the simulated desktop's single- and double-byte code pages (1252, 932,
// 1251), as Windows maps them; 932 and 1251 come from the C library's converters.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/core/Types.h"

namespace platform::sim {

// Turns characters into a code page's bytes one at a time.
class SingleCharacterEncoder {
  public:
    explicit SingleCharacterEncoder(std::uint32_t codePage);

    // The bytes of the character, which may be a look-alike's (1252's best fit maps U+03A9 to
    // "O", the C library U+00A5 to the backslash of 932); nothing when the code page has no form
    // for it.
    std::optional<std::string> Encode(char32_t c);

    // Whether the bytes read back as exactly this character.
    bool IsExact(const std::string& form, wchar_t c) const;

  private:
    std::uint32_t codePage_;
};

// The byte that Windows' best-fit mapping of 1252 gives a character outside the code page, or
// nothing when it has none.
std::optional<unsigned char> BestFit1252(char32_t c);

// Reads bytes of a code page (1252, 932, 1251); bytes that are no character of it give its
// replacement character, and *valid (when given) tells whether there were none.
Text DecodeCodePage(std::uint32_t codePage, std::string_view bytes, bool* valid = nullptr);

}  // namespace platform::sim
