// Modal message boxes.
#pragma once

#include <cstdint>

#include "core/Types.h"

namespace platform {

inline constexpr std::uint32_t kMbOk = 0x00;
inline constexpr std::uint32_t kMbYesNo = 0x04;
inline constexpr std::uint32_t kMbIconQuestion = 0x20;
inline constexpr std::uint32_t kMbIconExclamation = 0x30;
inline constexpr std::uint32_t kMbIconInformation = 0x40;
// In front of every other window: for the boxes about a busy or hung ACT!, which must not open
// behind ACT!'s window. MB_SYSTEMMODAL is MB_APPLMODAL with the WS_EX_TOPMOST style (without an
// owner window it disables nothing), so the box stays above every window that is not topmost
// even where the system refuses it the foreground; MB_SETFOREGROUND gives it the foreground,
// and so the keyboard, where the system allows it (the program was started by the foreground
// program, or no other program has had input since). MB_TOPMOST would do as well on Windows,
// but Wine ignores it.
inline constexpr std::uint32_t kMbSystemModal = 0x1000;
inline constexpr std::uint32_t kMbSetForeground = 0x10000;
inline constexpr std::uint32_t kMbInFront = kMbSetForeground | kMbSystemModal;
inline constexpr std::uint32_t kMbButtonsMask = 0x0F;
inline constexpr std::uint32_t kMbIconMask = 0xF0;

inline constexpr std::int32_t kIdOk = 1;
inline constexpr std::int32_t kIdYes = 6;
inline constexpr std::int32_t kIdNo = 7;

// Shows a modal message box with the text, the title and the buttons and icon of style, and
// returns the id of the button the user pressed (kIdOk, kIdYes or kIdNo). Lines of the text are
// separated by "\r\n". A box that cannot be shown answers as its default button would (OK, or
// No for a Yes/No question), so that no question loops without a user.
std::int32_t ShowMessageBox(const Text& text, const Text& title, std::uint32_t style);

}  // namespace platform
