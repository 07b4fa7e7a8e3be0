#include "../Clipboard.h"

#include <windows.h>

#include <cstring>

namespace platform {

namespace {

// A hidden message-only window that owns the clipboard while the text is put on it: a
// clipboard emptied without an owner window may refuse the new data.
class OwnerWindow {
  public:
    OwnerWindow()
        : window_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr)) {}
    ~OwnerWindow() {
        if (window_ != nullptr) {
            DestroyWindow(window_);
        }
    }
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;
    HWND Get() const { return window_; }

  private:
    HWND window_;
};

// Holds the clipboard open for as long as it lives.
class OpenedClipboard {
  public:
    explicit OpenedClipboard(HWND owner) {
        // Another program may hold the clipboard for a moment; try a few times.
        for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
            open_ = OpenClipboard(owner) != FALSE;
            if (!open_) {
                Sleep(20);
            }
        }
    }
    ~OpenedClipboard() {
        if (open_) {
            CloseClipboard();
        }
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool IsOpen() const { return open_; }

  private:
    bool open_ = false;
};

// Global memory that is freed unless the clipboard took it over.
class GlobalText {
  public:
    explicit GlobalText(const Text& text) {
        std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
        memory_ = GlobalAlloc(GMEM_MOVEABLE, bytes);
        if (memory_ != nullptr) {
            void* target = GlobalLock(memory_);
            if (target == nullptr) {
                GlobalFree(memory_);
                memory_ = nullptr;
                return;
            }
            std::memcpy(target, text.c_str(), bytes);
            GlobalUnlock(memory_);
        }
    }
    ~GlobalText() {
        if (memory_ != nullptr) {
            GlobalFree(memory_);
        }
    }
    GlobalText(const GlobalText&) = delete;
    GlobalText& operator=(const GlobalText&) = delete;
    HGLOBAL Get() const { return memory_; }
    void Release() { memory_ = nullptr; }

  private:
    HGLOBAL memory_ = nullptr;
};

}  // namespace

bool PutTextOnClipboard(const Text& text) {
    OwnerWindow owner;  // declared first: the window outlives the open clipboard
    OpenedClipboard clipboard(owner.Get());
    if (!clipboard.IsOpen() || !EmptyClipboard()) {
        return false;
    }
    GlobalText memory(text);
    if (memory.Get() == nullptr) {
        return false;
    }
    if (SetClipboardData(CF_UNICODETEXT, memory.Get()) == nullptr) {
        return false;
    }
    memory.Release();  // the clipboard owns it now
    return true;
}

}  // namespace platform
