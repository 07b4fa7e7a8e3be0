// The simulated system's ANSI code page is Windows-1252 (Western European), as on a German or
// English Windows. Its undefined bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D map to U+0081 and so on,
// as the system's own conversion does.
#pragma once

namespace platform::sim {

inline constexpr int kAnsiCodePage = 1252;

}  // namespace platform::sim
