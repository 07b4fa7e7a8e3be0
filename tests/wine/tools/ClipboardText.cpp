#include "ClipboardText.h"

#include <windows.h>

#include <cstring>

#include "Handles.h"

namespace winetest {

namespace {

// Opens the clipboard. Another process may hold it for a moment, so opening is retried for a
// while.
ClipboardOwnership OpenTheClipboard() {
    bool open = false;
    for (int attempt = 0; attempt < 100 && !open; ++attempt) {
        open = OpenClipboard(nullptr) != 0;
        if (!open) {
            Sleep(10);
        }
    }
    return ClipboardOwnership(open);
}

}  // namespace

std::optional<std::wstring> ReadClipboardText() {
    ClipboardOwnership clipboard = OpenTheClipboard();
    if (!clipboard.Valid()) {
        return std::nullopt;
    }
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr) {
        return std::nullopt;
    }
    const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
    if (text == nullptr) {
        return std::nullopt;
    }
    GlobalMemoryLock lock(data);
    std::size_t limit = GlobalSize(data) / sizeof(wchar_t);
    return std::wstring(text, wcsnlen(text, limit));
}

bool SetClipboardText(const std::wstring& text) {
    ClipboardOwnership clipboard = OpenTheClipboard();
    if (!clipboard.Valid() || !EmptyClipboard()) {
        return false;
    }
    if (text.empty()) {
        return true;
    }
    std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory.Valid()) {
        return false;
    }
    {
        void* target = GlobalLock(memory.Get());
        if (target == nullptr) {
            return false;
        }
        GlobalMemoryLock lock(memory.Get());
        std::memcpy(target, text.c_str(), bytes);
    }
    if (SetClipboardData(CF_UNICODETEXT, memory.Get()) == nullptr) {
        return false;
    }
    static_cast<void>(memory.Release());  // the clipboard owns the memory now
    return true;
}

}  // namespace winetest
