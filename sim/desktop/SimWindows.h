// The top-level windows of the simulated desktop, in enumeration order (topmost first).
//
// Texts are kept as wide text and handed out through the simulated ANSI code page, as the ANSI
// window functions do: with the code page's best-fit look-alikes. A window whose exists flag is
// false is no window any more: it is not enumerated, IsWindow gives 0 and its texts are empty.
//
// While the simulated ACT! runs, its main window is part of this list (see SimAct.h): it is put
// in, kept up to date and taken out by every window function, so the list that Windows() shows
// holds it only after one of them ran.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/core/Types.h"

namespace platform::sim {

struct SimWindow {
    Handle32 handle = 0;
    Text className;
    Text caption;
    bool visible = true;
    bool minimised = false;  // a minimised window is still visible
    bool exists = true;
};

struct WindowList {
    std::vector<SimWindow> windows;  // enumeration order
    // Runs after the enumeration callback returned for a window, with that window's handle,
    // before the next window is visited; a test may change or remove windows here.
    std::function<void(Handle32)> afterVisit;
    int enumerations = 0;              // how often EnumWindows ran
    Handle32 nextHandle = 0x00010010;  // the handle AddWindow gives next
};

WindowList& Windows();

// Adds a window at the end of the enumeration order and returns its new handle.
Handle32 AddWindow(const Text& className, const Text& caption, bool visible = true,
                   bool minimised = false);

// Adds a window with a handle of the caller's choice (for example one with the high bit set).
void AddWindowWithHandle(const SimWindow& window);

// The window with this handle, or nullptr; also finds windows that no longer exist.
SimWindow* FindWindow(Handle32 handle);

// Takes the window out of the list; its handle names no window from then on.
void RemoveWindow(Handle32 handle);

}  // namespace platform::sim
