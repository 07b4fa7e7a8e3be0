// The kinds of Windows handles the backend and the Wine test tools own, each given back by the
// function that fits it when its holder goes. Header only, for the tools; the drawing kinds at the
// end are the tools' alone.
#pragma once

#include <windows.h>

#include "../core/UniqueHandle.h"

namespace platform::win32 {

// Keeps the thread's last error as it was while it lives: a holder that gives its handle back
// between a failed call and the caller's GetLastError must not change what the caller reads.
class LastErrorKept {
  public:
    LastErrorKept() : error_(::GetLastError()) {}
    ~LastErrorKept() { ::SetLastError(error_); }
    LastErrorKept(const LastErrorKept&) = delete;
    LastErrorKept& operator=(const LastErrorKept&) = delete;

  private:
    DWORD error_;
};

// The functions that give the kinds back, each keeping the last error. The system's own cannot be
// template arguments: they are imported from libraries, so their addresses are known only when the
// program is loaded. They are named with :: so that the port's functions of the same names
// (platform::RegCloseKey) are never taken for them.
inline void CloseKernelObject(HANDLE handle) {
    const LastErrorKept kept;
    ::CloseHandle(handle);
}
inline void CloseFileSearch(HANDLE search) {
    const LastErrorKept kept;
    ::FindClose(search);
}
inline void CloseRegistryKey(HKEY key) {
    const LastErrorKept kept;
    ::RegCloseKey(key);
}
inline void DestroyOwnWindow(HWND window) {
    const LastErrorKept kept;
    ::DestroyWindow(window);
}
inline void FreeGlobalMemory(HGLOBAL memory) {
    const LastErrorKept kept;
    ::GlobalFree(memory);
}
inline void CloseOpenedClipboard(bool) {
    const LastErrorKept kept;
    ::CloseClipboard();
}
inline void LeaveSection(CRITICAL_SECTION* section) {
    const LastErrorKept kept;
    ::LeaveCriticalSection(section);
}

// Functions differ in what they give for no handle: null (CreateEvent, CreateThread, ...) or
// INVALID_HANDLE_VALUE (CreateFile, FindFirstFile). Neither is held.
inline bool IsOpenHandle(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

// A kernel object: an event, a mutex, a thread, a process, a file.
using KernelHandle = UniqueHandle<HANDLE, CloseKernelObject, nullptr, IsOpenHandle>;

// A search begun with FindFirstFile.
using FileSearchHandle = UniqueHandle<HANDLE, CloseFileSearch, nullptr, IsOpenHandle>;

// A registry key opened or created here.
using RegistryKeyHandle = UniqueHandle<HKEY, CloseRegistryKey>;

// A window made here, destroyed when its holder goes.
using OwnedWindow = UniqueHandle<HWND, DestroyOwnWindow>;

// Global memory, freed unless it was handed over (to the clipboard, for one).
using GlobalMemory = UniqueHandle<HGLOBAL, FreeGlobalMemory>;

// Global memory locked with GlobalLock: the memory, and where its data lies while it is locked.
struct LockedGlobal {
    HGLOBAL memory;
    void* data;
    bool operator==(const LockedGlobal&) const = default;
};
inline void UnlockGlobalMemory(LockedGlobal locked) {
    const LastErrorKept kept;
    ::GlobalUnlock(locked.memory);
}
inline bool IsLocked(LockedGlobal locked) {
    return locked.data != nullptr;
}

// Locks global memory when it is made and unlocks it when it goes; holds nothing when the memory
// is none or cannot be locked.
class GlobalMemoryLock
    : public UniqueHandle<LockedGlobal, UnlockGlobalMemory, LockedGlobal{}, IsLocked> {
  public:
    explicit GlobalMemoryLock(HGLOBAL memory)
        : UniqueHandle({memory, memory == nullptr ? nullptr : ::GlobalLock(memory)}) {}
    void* Data() const { return Get().data; }
};

// The clipboard, held open (true, after OpenClipboard succeeded) and closed again.
using ClipboardOwnership = UniqueHandle<bool, CloseOpenedClipboard, false>;

// A critical section this thread is in, left when the holder goes.
using CriticalSectionLock = UniqueHandle<CRITICAL_SECTION*, LeaveSection>;

[[nodiscard]] inline CriticalSectionLock EnterSection(CRITICAL_SECTION& section) {
    ::EnterCriticalSection(&section);
    return CriticalSectionLock(&section);
}

// The drawing kinds of the Wine test tools: a GDI object, a memory device context, and a
// window's device context from GetDC, which ReleaseDC gives back with its window.
inline void DeleteGdiObject(HGDIOBJ object) {
    const LastErrorKept kept;
    ::DeleteObject(object);
}
inline void DeleteMemoryDc(HDC dc) {
    const LastErrorKept kept;
    ::DeleteDC(dc);
}
struct DcOfWindow {
    HWND window;
    HDC dc;
    bool operator==(const DcOfWindow&) const = default;
};
inline void ReleaseWindowDc(DcOfWindow held) {
    const LastErrorKept kept;
    ::ReleaseDC(held.window, held.dc);
}
inline bool HasDc(DcOfWindow held) {
    return held.dc != nullptr;
}

using GdiObject = UniqueHandle<HGDIOBJ, DeleteGdiObject>;
using MemoryDc = UniqueHandle<HDC, DeleteMemoryDc>;

// Takes the window's device context (none: the screen's) when it is made; holds nothing when
// there is none.
class WindowDc : public UniqueHandle<DcOfWindow, ReleaseWindowDc, DcOfWindow{}, HasDc> {
  public:
    explicit WindowDc(HWND window) : UniqueHandle({window, ::GetDC(window)}) {}
    HDC Dc() const { return Get().dc; }
};

}  // namespace platform::win32
