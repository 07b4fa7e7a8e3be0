// UTF-8 of the files the test tools read and write (journals, set-up files, reports), with the
// system's own conversions.
#pragma once

#include <windows.h>

#include <string>

namespace winetest {

inline std::string ToUtf8(const std::wstring& text) {
    int needed = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                     nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(needed > 0 ? needed : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                        needed, nullptr, nullptr);
    return bytes;
}

inline std::wstring FromUtf8(const std::string& bytes) {
    int needed =
        MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(needed > 0 ? needed : 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                        needed);
    return text;
}

}  // namespace winetest
