#include "modACTHandle.h"

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>

#include "platform/TopLevelWindows.h"
#include "platform/core/Ansi.h"
#include "platform/core/TextUtil.h"

namespace modACTHandle {

platform::Handle32 lngFoundhWnd = 0;
platform::Text strSearchClass;
platform::Text strSearchTitle;

namespace {

constexpr std::int32_t kClassBufferSize = 256;
constexpr std::size_t kCaptionLength = 50;

}  // namespace

platform::Handle32 FindTopLevelWindow(platform::Text strClass, platform::Text strTitle) {
    strSearchClass = std::move(strClass);
    strSearchTitle = std::move(strTitle);
    lngFoundhWnd = 0;
    // A failed enumeration finds nothing, as one over no matching window does.
    static_cast<void>(platform::EnumWindows(EnumWindowsProc, 0));
    return lngFoundhWnd;
}

std::int32_t EnumWindowsProc(platform::Handle32 hWnd, std::int32_t /*lParam*/) {
    if (platform::IsWindowVisible(hWnd) == 0) {
        return 1;
    }
    if (GetWindowClass(hWnd).find(strSearchClass) == platform::Text::npos) {
        return 1;
    }
    if (strSearchTitle == L"*" ||
        GetWindowCaption(hWnd).find(strSearchTitle) != platform::Text::npos) {
        lngFoundhWnd = hWnd;
    }
    return 1;
}

platform::Text GetWindowCaption(platform::Handle32 hWnd) {
    if (platform::IsWindow(hWnd) == 0) {
        return platform::Text();
    }
    std::int64_t size = static_cast<std::int64_t>(platform::GetWindowTextLengthA(hWnd)) + 1;
    if (size <= 1) {
        return L"NoText";
    }
    size = std::min<std::int64_t>(size, std::numeric_limits<std::int32_t>::max() - 1);
    std::string buffer(static_cast<std::size_t>(size) + 1, '\0');
    // The count is not needed: the buffer starts all NUL, and the caption is cut at its first NUL.
    static_cast<void>(
        platform::GetWindowTextA(hWnd, buffer.data(), static_cast<std::int32_t>(size)));
    platform::Text caption = platform::TrimLeadingBlanks(platform::FromAnsi(buffer));
    caption = caption.substr(0, kCaptionLength);
    return caption.substr(0, caption.find(L'\0'));
}

platform::Text GetWindowClass(platform::Handle32 hWnd) {
    std::string buffer(kClassBufferSize, '\0');
    std::int32_t length = platform::GetClassNameA(hWnd, buffer.data(), kClassBufferSize);
    length = std::clamp<std::int32_t>(length, 0, kClassBufferSize);
    return platform::LowerCase(
        platform::FromAnsi(std::string_view(buffer.data(), static_cast<std::size_t>(length))));
}

}  // namespace modACTHandle
