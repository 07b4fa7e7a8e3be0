// Tells which standard icon a message box shows, by comparing the pixels of its icon control
// with the standard icons drawn on the same background. (Under Wine the icon handle of the
// control never equals the handle LoadIcon gives, so handles cannot be compared.)
#pragma once

#include <windows.h>

#include "BoxRecord.h"

namespace winetest {

// box: the message box; iconControl: its icon control, or nullptr when it has none.
// Retries until the icon is painted or timeoutMs has passed; Unknown when nothing matched.
BoxIcon ReadBoxIcon(HWND box, HWND iconControl, DWORD timeoutMs);

}  // namespace winetest
