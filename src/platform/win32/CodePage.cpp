#include "../CodePage.h"

#include <windows.h>

#include <climits>

#include "../core/Failure.h"

namespace platform::codepage {

namespace {

int CheckedLength(std::size_t length) {
    if (length > static_cast<std::size_t>(INT_MAX / 4)) {
        throw StandardFailure(kOutOfMemory);
    }
    return static_cast<int>(length);
}

}  // namespace

std::uint32_t AnsiCodePage() {
    return GetACP();
}

std::optional<std::string> WideToAnsi(const Text& text, std::uint32_t flags, bool* usedDefault) {
    if (text.empty()) {
        return std::string();
    }
    int length = CheckedLength(text.size());
    BOOL used = FALSE;
    BOOL* report = usedDefault != nullptr ? &used : nullptr;
    int needed =
        WideCharToMultiByte(CP_ACP, flags, text.data(), length, nullptr, 0, nullptr, report);
    if (needed <= 0) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(needed), '\0');
    if (WideCharToMultiByte(CP_ACP, flags, text.data(), length, bytes.data(), needed, nullptr,
                            report) != needed) {
        return std::nullopt;
    }
    if (usedDefault != nullptr) {
        *usedDefault = used != FALSE;
    }
    return bytes;
}

std::optional<Text> AnsiToWide(std::string_view bytes, std::uint32_t flags) {
    if (bytes.empty()) {
        return Text();
    }
    int length = CheckedLength(bytes.size());
    int needed = MultiByteToWideChar(CP_ACP, flags, bytes.data(), length, nullptr, 0);
    if (needed <= 0) {
        return std::nullopt;
    }
    Text text(static_cast<std::size_t>(needed), L'\0');
    if (MultiByteToWideChar(CP_ACP, flags, bytes.data(), length, text.data(), needed) != needed) {
        return std::nullopt;
    }
    return text;
}

}  // namespace platform::codepage
