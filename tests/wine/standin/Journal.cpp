#include "Journal.h"

#include <windows.h>

#include <vector>

#include "platform/Utf8.h"

namespace standin {

namespace {

platform::Text LayoutSetting(const wchar_t* name) {
    DWORD size = 0;
    const wchar_t* key = L"Software\\Symantec\\ACT!\\Database";
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, nullptr, &size) !=
        ERROR_SUCCESS) {
        return L"none";
    }
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, buffer.data(), &size) !=
        ERROR_SUCCESS) {
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
