#include "Journal.h"

#include <windows.h>

#include <vector>

#include "platform/core/Utf8.h"
#include "platform/win32/Handles.h"

namespace standin {

namespace {

// A string value of ACT!'s database settings, quoted, or "none" (RegGetValue, which would
// do the same, came with Windows Vista).
platform::Text LayoutSetting(const wchar_t* name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Symantec\\ACT!\\Database", 0, KEY_QUERY_VALUE,
                      &opened) != ERROR_SUCCESS) {
        return L"none";
    }
    platform::win32::RegistryKeyHandle key(opened);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key.Get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return L"none";
    }
    // Room for a terminating null that the stored value may lack.
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return L"none";
    }
    return L"\"" + platform::Text(buffer.data()) + L"\"";
}

}  // namespace

Journal::Journal(const platform::actmodel::ActModel& model, const std::filesystem::path& file)
    : model_(model), out_(file, std::ios::binary | std::ios::trunc) {}

void Journal::Flush() {
    const auto& entries = model_.State().journal;
    for (; written_ < entries.size(); ++written_) {
        out_ << platform::ToUtf8(platform::actmodel::RenderJournalEntry(entries[written_])) << '\n';
    }
    out_.flush();
}

void Journal::Line(const platform::Text& line) {
    Flush();
    out_ << platform::ToUtf8(line) << '\n';
    out_.flush();
}

void Journal::Layouts() {
    Line(L"layouts " + LayoutSetting(L"Group Layout") + L" " + LayoutSetting(L"Contact Layout"));
}

}  // namespace standin
