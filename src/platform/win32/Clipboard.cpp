#include "../Clipboard.h"

#include <windows.h>

#include "ClipboardAccess.h"
#include "Handles.h"

namespace platform {

namespace {

using win32::ClipboardOwnership;
using win32::OwnedWindow;

// Another program may hold the clipboard for a moment: ten tries, 20 ms apart.
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenPauseMs = 20;

// A hidden message-only window that owns the clipboard while the text is put on it: a
// clipboard emptied without an owner window may refuse the new data.
OwnedWindow MakeOwnerWindow() {
    return OwnedWindow(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       GetModuleHandleW(nullptr), nullptr));
}

}  // namespace

bool PutTextOnClipboard(const Text& text) {
    // Declared first: the window outlives the open clipboard.
    OwnedWindow owner = MakeOwnerWindow();
    ClipboardOwnership clipboard =
        win32::OpenClipboardRetrying(owner.Get(), kOpenAttempts, kOpenPauseMs);
    if (!clipboard.Valid() || !EmptyClipboard()) {
        return false;
    }
    return win32::PlaceTextOnOpenClipboard(text);
}

}  // namespace platform
