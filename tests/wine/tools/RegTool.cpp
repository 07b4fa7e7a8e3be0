#include "RegTool.h"

#include <vector>

#include "TimeFactor.h"
#include "platform/win32/Handles.h"

namespace winetest {

using platform::win32::KernelHandle;

std::wstring RegFileQuoted(const std::wstring& text) {
    std::wstring quoted;
    for (wchar_t c : text) {
        if (c == L'\\' || c == L'"') {
            quoted.push_back(L'\\');
        }
        quoted.push_back(c);
    }
    return quoted;
}

namespace {

constexpr DWORD kTimeLimitMs = 20000;

std::wstring SystemFolder() {
    wchar_t buffer[MAX_PATH] = {};
    UINT length = GetSystemDirectoryW(buffer, MAX_PATH);
    return std::wstring(buffer, length);
}

std::wstring TempFile(const wchar_t* prefix) {
    wchar_t folder[MAX_PATH + 1] = {};
    wchar_t file[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, folder);
    GetTempFileNameW(folder, prefix, 0, file);
    return file;
}

bool WriteUtf16File(const std::wstring& path, const std::wstring& text) {
    KernelHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        return false;
    }
    std::wstring content = L"\xFEFF" + text;
    DWORD size = static_cast<DWORD>(content.size() * sizeof(wchar_t));
    DWORD written = 0;
    return WriteFile(file.Get(), content.data(), size, &written, nullptr) && written == size;
}

std::optional<std::wstring> ReadUtf16File(const std::wstring& path) {
    KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        return std::nullopt;
    }
    std::vector<char> bytes;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr) && read > 0) {
        bytes.insert(bytes.end(), chunk, chunk + read);
    }
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    std::copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(text.size() * 2),
              reinterpret_cast<char*>(text.data()));
    if (!text.empty() && text[0] == L'\xFEFF') {
        text.erase(0, 1);
    }
    return text;
}

// "name" or @ at the start of line; the rest after '=' is the value's text form.
std::optional<std::pair<std::wstring, std::wstring>> StringValueOf(const std::wstring& line) {
    std::size_t at = 0;
    std::wstring name;
    if (line.starts_with(L"@=")) {
        name = L"@";
        at = 1;
    } else if (line.starts_with(L"\"")) {
        std::size_t i = 1;
        for (; i < line.size() && line[i] != L'"'; ++i) {
            if (line[i] == L'\\' && i + 1 < line.size()) {
                ++i;
            }
            name.push_back(line[i]);
        }
        at = i + 1;
    } else {
        return std::nullopt;
    }
    if (at + 1 >= line.size() || line[at] != L'=' || line[at + 1] != L'"') {
        return std::nullopt;  // not a string value
    }
    std::wstring value;
    std::size_t i = at + 2;
    for (; i < line.size() && line[i] != L'"'; ++i) {
        if (line[i] == L'\\' && i + 1 < line.size()) {
            ++i;
        }
        value.push_back(line[i]);
    }
    return std::make_pair(name, value);
}

}  // namespace

int Reg(const std::wstring& arguments, RegView view) {
    std::wstring program = SystemFolder() + L"\\reg.exe";
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    if (view == RegView::Bits32) {
        commandLine += L" /reg:32";
    } else if (view == RegView::Bits64) {
        commandLine += L" /reg:64";
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    // Wine now and then fails to set up a new process; a second start works.
    bool started = false;
    for (int attempt = 0; attempt < 3 && !started; ++attempt) {
        started = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                                 CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process) != 0;
        if (!started) {
            Sleep(100);
        }
    }
    if (!started) {
        return -1;
    }
    KernelHandle processHandle(process.hProcess);
    KernelHandle threadHandle(process.hThread);
    if (WaitForSingleObject(processHandle.Get(), Scaled(kTimeLimitMs)) != WAIT_OBJECT_0) {
        TerminateProcess(processHandle.Get(), 1);
        return -1;
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(processHandle.Get(), &exitCode);
    return static_cast<int>(exitCode);
}

bool RegImport(const std::wstring& text, RegView view) {
    std::wstring file = TempFile(L"reg");
    bool imported = WriteUtf16File(file, text) && Reg(L"import \"" + file + L"\"", view) == 0;
    DeleteFileW(file.c_str());
    return imported;
}

std::optional<std::map<std::wstring, std::wstring>> RegExportStrings(const std::wstring& key,
                                                                     RegView view) {
    std::wstring file = TempFile(L"exp");
    int exitCode = Reg(L"export \"" + key + L"\" \"" + file + L"\" /y", view);
    std::optional<std::wstring> text = ReadUtf16File(file);
    DeleteFileW(file.c_str());
    if (exitCode != 0 || !text) {
        return std::nullopt;
    }
    std::map<std::wstring, std::wstring> values;
    std::size_t start = 0;
    while (start < text->size()) {
        std::size_t end = text->find(L'\n', start);
        if (end == std::wstring::npos) {
            end = text->size();
        }
        std::wstring line = text->substr(start, end - start);
        if (!line.empty() && line.back() == L'\r') {
            line.pop_back();
        }
        if (auto value = StringValueOf(line)) {
            values[value->first] = value->second;
        }
        start = end + 1;
    }
    return values;
}

}  // namespace winetest
