#include "../Clipboard.h"

#include <windows.h>

#include <cstring>

#include "Handles.h"

namespace platform {

namespace {

using win32::ClipboardOwnership;
using win32::GlobalMemory;
using win32::GlobalMemoryLock;
using win32::OwnedWindow;

// A hidden message-only window that owns the clipboard while the text is put on it: a
// clipboard emptied without an owner window may refuse the new data.
OwnedWindow MakeOwnerWindow() {
    return OwnedWindow(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       GetModuleHandleW(nullptr), nullptr));
}

// Opens the clipboard. Another program may hold it for a moment; tries a few times.
ClipboardOwnership OpenClipboardFor(HWND owner) {
    bool open = false;
    for (int attempt = 0; attempt < 10 && !open; ++attempt) {
        open = OpenClipboard(owner) != FALSE;
        if (!open) {
            Sleep(20);
        }
    }
    return ClipboardOwnership(open);
}

// The text with its terminating zero in global memory; nothing if the memory cannot be had.
GlobalMemory CopyToGlobalMemory(const Text& text) {
    std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory.Valid()) {
        return memory;
    }
    void* target = GlobalLock(memory.Get());
    if (target == nullptr) {
        return GlobalMemory();
    }
    GlobalMemoryLock lock(memory.Get());
    std::memcpy(target, text.c_str(), bytes);
    return memory;
}

}  // namespace

bool PutTextOnClipboard(const Text& text) {
    // Declared first: the window outlives the open clipboard.
    OwnedWindow owner = MakeOwnerWindow();
    ClipboardOwnership clipboard = OpenClipboardFor(owner.Get());
    if (!clipboard.Valid() || !EmptyClipboard()) {
        return false;
    }
    GlobalMemory memory = CopyToGlobalMemory(text);
    if (!memory.Valid()) {
        return false;
    }
    if (SetClipboardData(CF_UNICODETEXT, memory.Get()) == nullptr) {
        return false;
    }
    static_cast<void>(memory.Release());  // the clipboard owns it now
    return true;
}

}  // namespace platform
