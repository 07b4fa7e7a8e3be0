// The clipboard's steps that the backend and the Wine test tools share: opening it, though
// another program may hold it for a moment, and putting text on it. Header only, as Handles.h.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

#include "Handles.h"

namespace platform::win32 {

// Opens the clipboard for the window (none: for this thread), trying the given number of times
// the given pause apart; holds nothing when it stays taken.
[[nodiscard]] inline ClipboardOwnership OpenClipboardRetrying(HWND owner, int attempts,
                                                              DWORD pauseMs) {
    bool open = false;
    for (int attempt = 0; attempt < attempts && !open; ++attempt) {
        open = ::OpenClipboard(owner) != FALSE;
        if (!open) {
            ::Sleep(pauseMs);
        }
    }
    return ClipboardOwnership(open);
}

// Puts the text on the clipboard, which this thread has open and emptied: a copy with its
// terminating zero in global memory, which the clipboard owns from then on. False when the
// memory cannot be had or the clipboard refuses it.
[[nodiscard]] inline bool PlaceTextOnOpenClipboard(const std::wstring& text) {
    std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    GlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, bytes));
    {
        const GlobalMemoryLock lock(memory.Get());
        if (!lock.Valid()) {
            return false;
        }
        std::memcpy(lock.Data(), text.c_str(), bytes);
    }
    if (::SetClipboardData(CF_UNICODETEXT, memory.Get()) == nullptr) {
        return false;
    }
    static_cast<void>(memory.Detach());  // the clipboard owns it now
    return true;
}

}  // namespace platform::win32
