// Stands in for a program file that hands its start over to another program and ends at once,
// as a launcher, a compatibility shim or an updater does: starts the program whose path the file
// handover.txt beside it holds (one line, UTF-8), with the same arguments, and ends without
// waiting for it. Exit code 0 once that program was started, 1 otherwise.
#include <windows.h>

#include <string>

namespace {

std::wstring OwnFolder() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    return path.substr(0, path.find_last_of(L'\\'));
}

std::wstring Target(const std::wstring& folder) {
    HANDLE file = CreateFileW((folder + L"\\handover.txt").c_str(), GENERIC_READ, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::wstring();
    }
    char bytes[1024] = {};
    DWORD read = 0;
    BOOL ok = ReadFile(file, bytes, sizeof bytes - 1, &read, nullptr);
    CloseHandle(file);
    std::string line(bytes, ok ? read : 0);
    line = line.substr(0, line.find_first_of("\r\n"));
    std::wstring target(line.size(), L'\0');
    int length = MultiByteToWideChar(CP_UTF8, 0, line.data(), static_cast<int>(line.size()),
                                     target.data(), static_cast<int>(target.size()));
    target.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return target;
}

// What follows the program's own name on its command line, with the blank before it.
std::wstring Arguments(const std::wstring& line) {
    std::size_t end = line.empty() || line[0] != L'"' ? line.find(L' ') : line.find(L'"', 1);
    if (end == std::wstring::npos) {
        return std::wstring();
    }
    return line.substr(line[0] == L'"' ? end + 1 : end);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    std::wstring target = Target(OwnFolder());
    if (target.empty()) {
        return 1;
    }
    std::wstring command = L"\"" + target + L"\"" + Arguments(GetCommandLineW());
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(target.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return 1;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
