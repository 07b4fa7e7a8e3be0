// The handles the test tools hold: the kinds the Windows backend holds too, and the drawing
// kinds only the tools need, all with the backend's one handle template.
#pragma once

#include <windows.h>

#include "platform/UniqueHandle.h"
#include "platform/win32/Handles.h"

namespace winetest {

using platform::win32::ClipboardOwnership;
using platform::win32::GlobalMemory;
using platform::win32::GlobalMemoryLock;
using platform::win32::KernelHandle;
using RegistryKey = platform::win32::RegistryKeyHandle;

inline void DeleteGdiObject(HGDIOBJ object) {
    const platform::win32::LastErrorKept kept;
    DeleteObject(object);
}
inline void DeleteMemoryDc(HDC dc) {
    const platform::win32::LastErrorKept kept;
    DeleteDC(dc);
}

using GdiObject = platform::UniqueHandle<HGDIOBJ, DeleteGdiObject, nullptr>;
using MemoryDc = platform::UniqueHandle<HDC, DeleteMemoryDc, nullptr>;

// A device context from GetDC, given back with ReleaseDC.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    HDC Get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

}  // namespace winetest
