#include "ClipboardText.h"

#include <windows.h>

#include "platform/win32/ClipboardAccess.h"
#include "platform/win32/Handles.h"

namespace winetest {

namespace {

using platform::win32::ClipboardOwnership;

// Another process may hold the clipboard for a moment, so opening is retried for a while: a
// hundred tries, 10 ms apart.
ClipboardOwnership OpenTheClipboard() {
    return platform::win32::OpenClipboardRetrying(nullptr, 100, 10);
}

}  // namespace

std::optional<std::wstring> ReadClipboardText() {
    ClipboardOwnership clipboard = OpenTheClipboard();
    if (!clipboard.Valid()) {
        return std::nullopt;
    }
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const platform::win32::GlobalMemoryLock lock(data);
    if (!lock.Valid()) {
        return std::nullopt;
    }
    const auto* text = static_cast<const wchar_t*>(lock.Data());
    std::size_t limit = GlobalSize(data) / sizeof(wchar_t);
    return std::wstring(text, wcsnlen(text, limit));
}

bool SetClipboardText(const std::wstring& text) {
    ClipboardOwnership clipboard = OpenTheClipboard();
    if (!clipboard.Valid() || !EmptyClipboard()) {
        return false;
    }
    return text.empty() || platform::win32::PlaceTextOnOpenClipboard(text);
}

}  // namespace winetest
