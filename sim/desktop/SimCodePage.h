// The simulated system's ANSI code page: 1252 (Western European, as on a German or English
// Windows) unless a test or the world sets another that Windows uses as its ANSI code page:
// 65001 (UTF-8), 932 (Japanese, multi-byte) or 1251 (Cyrillic). The conversions follow Windows'
// rules: under 65001 they refuse every flag but the invalid-characters one, and a used-default
// report (as for the other code pages that take no flags); elsewhere they refuse unknown flags.
// A character the code page cannot hold becomes '?' (a look-alike only without the no-best-fit
// flag: 1252's best fit, the C library's look-alikes in 932); bytes that are no character become
// U+FFFD under 65001 and U+30FB under 932. The undefined bytes of 1252 (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) and 1251 (0x98) map to U+0081 and so on, and 932's single bytes 0x80, 0xA0 and 0xFD to
// 0xFF to U+0080, U+F8F0 and U+F8F1 to U+F8F3, as Windows maps them.
//
// Everything on the simulated desktop that takes ANSI text follows the code page in force: the
// file search, short paths, window texts and the registry, which keeps the ANSI form of a text
// value as it was written (so set the code page before the registry is filled).
#pragma once

#include <cstdint>

namespace platform::sim {

inline constexpr std::uint32_t kDefaultAnsiCodePage = 1252;

// Sets the code page; false (and no change) for one the simulated desktop does not have.
bool SetAnsiCodePage(std::uint32_t codePage);

}  // namespace platform::sim
