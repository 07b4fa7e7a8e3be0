// Finding a visible top-level window by its class name and caption: the test by which the
// program recognises ACT!'s main window.
#pragma once

#include <cstdint>

#include "platform/core/Types.h"

namespace modACTHandle {

// The state of the current search, shared with its enumeration callback.
extern platform::Handle32 lngFoundhWnd;  // the last matching window; 0 = none
extern platform::Text strSearchClass;    // class text searched for, in lower case
extern platform::Text strSearchTitle;    // caption text searched for; "*" means any caption

// Runs over all top-level windows and returns the last visible one whose lower-cased class name
// contains strClass and whose caption contains strTitle ("*": any caption), or 0. Both tests are
// case-sensitive.
platform::Handle32 FindTopLevelWindow(platform::Text strClass, platform::Text strTitle);

// Tests one window against the current search; returns 1 so that the enumeration goes on.
std::int32_t EnumWindowsProc(platform::Handle32 hWnd, std::int32_t lParam);

// The caption as the title test sees it: "" for no window, "NoText" for an empty caption,
// otherwise the caption without leading spaces, cut to 50 characters and at its first NUL.
platform::Text GetWindowCaption(platform::Handle32 hWnd);

// The window's class name in lower case; "" for no window.
platform::Text GetWindowClass(platform::Handle32 hWnd);

}  // namespace modACTHandle
