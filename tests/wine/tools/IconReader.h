// Tells which standard icon a message box shows: by the icon control's handle where the standard
// icons' handles are shared between processes (Windows), otherwise by comparing the pixels of
// the painted control with the standard icons drawn on the same background (under Wine the
// control's handle never equals the one LoadIcon gives).
#pragma once

#include <windows.h>

#include "BoxRecord.h"

namespace winetest {

// box: the message box; iconControl: its icon control, or nullptr when it has none.
// Waits until the control holds its icon and the box has painted it, for at most timeoutMs;
// Unknown when nothing matched by then.
BoxIcon ReadBoxIcon(HWND box, HWND iconControl, DWORD timeoutMs);

}  // namespace winetest
