#include "ClipboardText.h"

#include <windows.h>

#include <cstring>

namespace winetest {

namespace {

// The clipboard, opened for as long as the object lives. Another process may hold it for a
// moment, so opening is retried for a while.
class OpenedClipboard {
  public:
    OpenedClipboard() {
        for (int attempt = 0; attempt < 100 && !open_; ++attempt) {
            open_ = OpenClipboard(nullptr) != 0;
            if (!open_) {
                Sleep(10);
            }
        }
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    ~OpenedClipboard() {
        if (open_) {
            CloseClipboard();
        }
    }
    bool Open() const { return open_; }

  private:
    bool open_ = false;
};

}  // namespace

std::optional<std::wstring> ReadClipboardText() {
    OpenedClipboard clipboard;
    if (!clipboard.Open()) {
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
    std::size_t limit = GlobalSize(data) / sizeof(wchar_t);
    std::wstring result(text, wcsnlen(text, limit));
    GlobalUnlock(data);
    return result;
}

bool SetClipboardText(const std::wstring& text) {
    OpenedClipboard clipboard;
    if (!clipboard.Open() || !EmptyClipboard()) {
        return false;
    }
    if (text.empty()) {
        return true;
    }
    std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) {
        return false;
    }
    void* target = GlobalLock(memory);
    if (target == nullptr) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(target, text.c_str(), bytes);
    GlobalUnlock(memory);
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        GlobalFree(memory);
        return false;
    }
    return true;  // the clipboard owns the memory now
}

}  // namespace winetest
