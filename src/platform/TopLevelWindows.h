// The desktop's top-level windows, through the ANSI forms of the window functions.
// Window handles are 32-bit integers; 0 is no window. The functions never throw; only a failure
// that the enumeration callback throws passes through EnumWindows.
#pragma once

#include <cstdint>

#include "core/Types.h"

namespace platform {

// Called once for each top-level window with the caller's value; return non-zero to go on.
using EnumWindowsCallback = std::int32_t (*)(Handle32 hWnd, std::int32_t lParam);

// Calls the callback for every top-level window, in the system's order (topmost first), on the
// calling thread, until the callback returns 0. Non-zero when the enumeration ran to its end or
// was stopped by the callback; 0 when it failed. A failure thrown by the callback ends the
// enumeration and passes on to the caller of EnumWindows.
[[nodiscard]] std::int32_t EnumWindows(EnumWindowsCallback callback, std::int32_t lParam);

// Non-zero when the window exists and is visible (a minimised window is visible).
[[nodiscard]] std::int32_t IsWindowVisible(Handle32 hWnd);

// Non-zero when the handle names an existing window.
[[nodiscard]] std::int32_t IsWindow(Handle32 hWnd);

// Copies the window's class name, in ANSI, into buffer: at most maxCount - 1 characters and a
// terminating NUL. Returns the number of characters copied, 0 for a window that does not exist.
[[nodiscard]] std::int32_t GetClassNameA(Handle32 hWnd, char* buffer, std::int32_t maxCount);

// Length of the window's caption in ANSI characters; 0 for no caption or no window.
[[nodiscard]] std::int32_t GetWindowTextLengthA(Handle32 hWnd);

// Copies the caption, in ANSI, into buffer: at most maxCount - 1 characters and a terminating
// NUL. Returns the number of characters copied.
[[nodiscard]] std::int32_t GetWindowTextA(Handle32 hWnd, char* buffer, std::int32_t maxCount);

}  // namespace platform
