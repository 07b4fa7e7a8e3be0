#include "../Ansi.h"

#include <windows.h>

#include <climits>

#include "../Failure.h"

namespace platform {

namespace {

int CheckedLength(std::size_t length) {
    if (length > static_cast<std::size_t>(INT_MAX / 4)) {
        throw StandardFailure(kOutOfMemory);
    }
    return static_cast<int>(length);
}

}  // namespace

std::string ToAnsi(const Text& text) {
    if (text.empty()) {
        return std::string();
    }
    int length = CheckedLength(text.size());
    int needed = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), length, result.data(), needed, nullptr, nullptr);
    return result;
}

Text FromAnsi(std::string_view bytes) {
    if (bytes.empty()) {
        return Text();
    }
    int length = CheckedLength(bytes.size());
    int needed = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    Text result(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, result.data(), needed);
    return result;
}

bool IsAnsiRepresentable(const Text& text) {
    if (text.empty()) {
        return true;
    }
    int length = CheckedLength(text.size());
    BOOL usedDefault = FALSE;
    int needed = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0,
                                     nullptr, &usedDefault);
    if (needed <= 0 || usedDefault) {
        return false;
    }
    // A best-fit free conversion can still fold characters; the round trip must give the text.
    return FromAnsi(ToAnsi(text)) == text;
}

}  // namespace platform
