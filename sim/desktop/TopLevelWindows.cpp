#include <algorithm>
#include <cstring>
#include <string>

#include "SimAct.h"
#include "SimWindows.h"
#include "platform/CodePage.h"
#include "platform/TopLevelWindows.h"

namespace platform {

namespace sim {

namespace {

constexpr Handle32 kHandleStep = 0x10;

// The window if it exists, else nullptr; brings ACT!'s main window up to date first.
const SimWindow* LiveWindow(Handle32 handle) {
    SyncActMainWindow();
    const SimWindow* window = FindWindow(handle);
    return window != nullptr && window->exists ? window : nullptr;
}

// A window's text as the ANSI window functions hand it out: in the system's own conversion, where
// a character outside the code page becomes its best-fit look-alike ("Ω" becomes "O" in 1252).
std::string SystemAnsi(const Text& text) {
    return codepage::WideToAnsi(text, 0, nullptr).value_or(std::string());
}

// Copies bytes as the ANSI window functions do: at most maxCount - 1 of them and a NUL.
std::int32_t CopyOut(const std::string& bytes, char* buffer, std::int32_t maxCount) {
    if (buffer == nullptr || maxCount <= 0) {
        return 0;
    }
    std::size_t count = std::min(bytes.size(), static_cast<std::size_t>(maxCount - 1));
    std::memcpy(buffer, bytes.data(), count);
    buffer[count] = '\0';
    return static_cast<std::int32_t>(count);
}

}  // namespace

Handle32 AddWindow(const Text& className, const Text& caption, bool visible, bool minimised) {
    Handle32 handle = Windows().nextHandle;
    Windows().nextHandle += kHandleStep;
    Windows().windows.push_back({handle, className, caption, visible, minimised, true});
    return handle;
}

void AddWindowWithHandle(const SimWindow& window) {
    RemoveWindow(window.handle);
    Windows().windows.push_back(window);
}

SimWindow* FindWindow(Handle32 handle) {
    for (SimWindow& window : Windows().windows) {
        if (window.handle == handle && handle != 0) {
            return &window;
        }
    }
    return nullptr;
}

void RemoveWindow(Handle32 handle) {
    std::erase_if(Windows().windows,
                  [handle](const SimWindow& window) { return window.handle == handle; });
}

}  // namespace sim

std::int32_t EnumWindows(EnumWindowsCallback callback, std::int32_t lParam) {
    sim::SyncActMainWindow();
    sim::WindowList& list = sim::Windows();
    ++list.enumerations;
    if (callback == nullptr) {
        return 0;
    }
    // Like the system, take the handles first: windows that go away during the enumeration are
    // still visited, windows that come are not.
    std::vector<Handle32> handles;
    for (const sim::SimWindow& window : list.windows) {
        if (window.exists) {
            handles.push_back(window.handle);
        }
    }
    for (Handle32 handle : handles) {
        std::int32_t goOn = callback(handle, lParam);
        if (sim::Windows().afterVisit) {
            sim::Windows().afterVisit(handle);
        }
        if (goOn == 0) {
            break;
        }
    }
    return 1;
}

std::int32_t IsWindowVisible(Handle32 hWnd) {
    const sim::SimWindow* window = sim::LiveWindow(hWnd);
    return window != nullptr && window->visible ? 1 : 0;
}

std::int32_t IsWindow(Handle32 hWnd) {
    return sim::LiveWindow(hWnd) != nullptr ? 1 : 0;
}

std::int32_t GetClassNameA(Handle32 hWnd, char* buffer, std::int32_t maxCount) {
    const sim::SimWindow* window = sim::LiveWindow(hWnd);
    if (window == nullptr) {
        if (buffer != nullptr && maxCount > 0) {
            buffer[0] = '\0';
        }
        return 0;
    }
    return sim::CopyOut(sim::SystemAnsi(window->className), buffer, maxCount);
}

std::int32_t GetWindowTextLengthA(Handle32 hWnd) {
    const sim::SimWindow* window = sim::LiveWindow(hWnd);
    return window == nullptr ? 0
                             : static_cast<std::int32_t>(sim::SystemAnsi(window->caption).size());
}

std::int32_t GetWindowTextA(Handle32 hWnd, char* buffer, std::int32_t maxCount) {
    const sim::SimWindow* window = sim::LiveWindow(hWnd);
    if (window == nullptr) {
        if (buffer != nullptr && maxCount > 0) {
            buffer[0] = '\0';
        }
        return 0;
    }
    return sim::CopyOut(sim::SystemAnsi(window->caption), buffer, maxCount);
}

}  // namespace platform
