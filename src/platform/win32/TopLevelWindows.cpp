#include <windows.h>

#include <cstdint>
#include <exception>

#include "../TopLevelWindows.h"

namespace platform {

namespace {

// Handles cross the program as 32-bit integers; window handles fit, and are widened again by
// sign extension, as the system itself does between 32-bit and 64-bit processes.
HWND ToHwnd(Handle32 handle) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(handle));
}

Handle32 ToHandle32(HWND hwnd) {
    return static_cast<Handle32>(reinterpret_cast<std::intptr_t>(hwnd));
}

struct EnumContext {
    EnumWindowsCallback callback;
    std::int32_t lParam;
    std::exception_ptr failure;
};

// No exception may unwind through the system's frames: it is kept and thrown again once
// EnumWindows has returned.
BOOL CALLBACK EnumTrampoline(HWND hwnd, LPARAM context) {
    auto* state = reinterpret_cast<EnumContext*>(context);
    try {
        return state->callback(ToHandle32(hwnd), state->lParam) != 0 ? TRUE : FALSE;
    } catch (...) {
        state->failure = std::current_exception();
        return FALSE;
    }
}

}  // namespace

std::int32_t EnumWindows(EnumWindowsCallback callback, std::int32_t lParam) {
    if (callback == nullptr) {
        return 0;
    }
    EnumContext context{callback, lParam, nullptr};
    SetLastError(ERROR_SUCCESS);
    BOOL result = ::EnumWindows(EnumTrampoline, reinterpret_cast<LPARAM>(&context));
    if (context.failure) {
        std::rethrow_exception(context.failure);
    }
    // The system reports a stop by the callback as a failure without an error code.
    return result != FALSE || GetLastError() == ERROR_SUCCESS ? 1 : 0;
}

std::int32_t IsWindowVisible(Handle32 hWnd) {
    return ::IsWindowVisible(ToHwnd(hWnd)) ? 1 : 0;
}

std::int32_t IsWindow(Handle32 hWnd) {
    return ::IsWindow(ToHwnd(hWnd)) ? 1 : 0;
}

std::int32_t GetClassNameA(Handle32 hWnd, char* buffer, std::int32_t maxCount) {
    if (buffer == nullptr || maxCount <= 0) {
        return 0;
    }
    return ::GetClassNameA(ToHwnd(hWnd), buffer, maxCount);
}

std::int32_t GetWindowTextLengthA(Handle32 hWnd) {
    return ::GetWindowTextLengthA(ToHwnd(hWnd));
}

std::int32_t GetWindowTextA(Handle32 hWnd, char* buffer, std::int32_t maxCount) {
    if (buffer == nullptr || maxCount <= 0) {
        return 0;
    }
    return ::GetWindowTextA(ToHwnd(hWnd), buffer, maxCount);
}

}  // namespace platform
