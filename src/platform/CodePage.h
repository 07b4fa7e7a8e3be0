// The system's conversions between wide text and its ANSI code page, as a backend provides them:
// the Windows functions themselves, or the simulated desktop's model of them with the same rules
// on which flags a code page accepts. Ansi.h builds the program's conversions on these.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/Types.h"

namespace platform::codepage {

inline constexpr std::uint32_t kUtf8 = 65001;

// Flags of WideCharToMultiByte and MultiByteToWideChar.
inline constexpr std::uint32_t kNoBestFitChars = 0x400;    // WC_NO_BEST_FIT_CHARS
inline constexpr std::uint32_t kErrInvalidChars = 0x80;    // WC_ERR_INVALID_CHARS
inline constexpr std::uint32_t kMbErrInvalidChars = 0x08;  // MB_ERR_INVALID_CHARS

// The system's ANSI code page (GetACP).
std::uint32_t AnsiCodePage();

// As WideCharToMultiByte(CP_ACP, flags, text, length, ..., nullptr, usedDefault): the bytes, or
// nothing when the system refuses the call (a flag or a used-default report that the code page
// does not take).
[[nodiscard]] std::optional<std::string> WideToAnsi(const Text& text, std::uint32_t flags,
                                                    bool* usedDefault);

// As MultiByteToWideChar(CP_ACP, flags, bytes, length, ...): the text, or nothing when the
// system refuses the call.
[[nodiscard]] std::optional<Text> AnsiToWide(std::string_view bytes, std::uint32_t flags);

// Whether conversions in the code page take no flags and no used-default report: UTF-8, UTF-7,
// the ISO-2022 and ISCII families, HZ-GB2312, GB18030 and Symbol. (UTF-8 and GB18030 accept
// only the invalid-characters flag.)
bool TakesNoConversionFlags(std::uint32_t codePage);

}  // namespace platform::codepage
