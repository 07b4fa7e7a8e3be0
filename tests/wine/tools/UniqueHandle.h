// Owns a Windows handle and closes it with the function that fits its kind.
#pragma once

#include <windows.h>

#include <utility>

namespace winetest {

template <typename T, auto Close, auto Invalid>
class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(T handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Invalid)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, Invalid));
        }
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    T Get() const { return handle_; }
    bool Valid() const { return handle_ != Invalid; }
    void Reset(T handle = Invalid) {
        if (handle_ != Invalid) {
            Close(handle_);
        }
        handle_ = handle;
    }

  private:
    T handle_ = Invalid;
};

inline void CloseKernelHandle(HANDLE handle) {
    CloseHandle(handle);
}
inline void DeleteGdiObject(HGDIOBJ object) {
    DeleteObject(object);
}
inline void DeleteMemoryDc(HDC dc) {
    DeleteDC(dc);
}

using KernelHandle = UniqueHandle<HANDLE, CloseKernelHandle, nullptr>;
using GdiObject = UniqueHandle<HGDIOBJ, DeleteGdiObject, nullptr>;
using MemoryDc = UniqueHandle<HDC, DeleteMemoryDc, nullptr>;

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
