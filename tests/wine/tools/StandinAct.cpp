#include "StandinAct.h"

#include <filesystem>
#include <sstream>

#include "BundleFolder.h"
#include "Utf8Text.h"
#include "standin/StandinIds.h"

namespace winetest {

namespace {

using platform::win32::KernelHandle;
constexpr DWORD kPollMs = 20;

// The stand-in's exit code after a crash it was set up for: it revoked its classes first.
constexpr DWORD kCrashedCleanly = 9;

// A stand-in that ended without revoking its classes has left them registered in Wine, and every
// later activation would fail: the bed starts its Wine anew before the next test (winebed).
// Windows revokes a dead server's registrations itself.
void MarkStaleRegistrations() {
    wchar_t bed[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableW(L"QH_WINE_BED", bed, MAX_PATH);
    if (!RunsUnderWine() || length == 0 || length >= MAX_PATH) {
        return;
    }
    // The file itself is the mark; it is closed at once.
    KernelHandle marker(CreateFileW((std::wstring(bed) + L"\\stale-com").c_str(), GENERIC_WRITE, 0,
                                    nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

std::wstring ReadUtf8File(const std::wstring& path) {
    KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        return std::wstring();
    }
    std::string bytes;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr) && read > 0) {
        bytes.append(chunk, read);
    }
    return FromUtf8(bytes);
}

bool WriteUtf8File(const std::wstring& path, const std::wstring& text) {
    KernelHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        return false;
    }
    std::string bytes = ToUtf8(text);
    DWORD written = 0;
    return WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) &&
           written == bytes.size();
}

StandinAct::StandinAct(std::wstring folder) : folder_(std::move(folder)) {}

StandinAct::~StandinAct() {
    if (Running()) {
        Stop();
    }
}

bool StandinAct::Install(const std::wstring& standinExe, const std::wstring& setup) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(folder_), error);
    return CopyFileW(standinExe.c_str(), Program().c_str(), FALSE) &&
           WriteUtf8File(folder_ + L"\\" + standin::kSetupFile, setup);
}

bool StandinAct::Start(const std::wstring& argument) {
    DeleteFileW((folder_ + L"\\" + standin::kReadyFile).c_str());
    std::wstring commandLine = L"\"" + Program() + L"\"";
    if (!argument.empty()) {
        commandLine += L" " + argument;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    bool started = false;
    for (int attempt = 0; attempt < 3 && !started; ++attempt) {
        started = CreateProcessW(Program().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                 nullptr, folder_.c_str(), &startup, &process) != 0;
        if (!started) {
            Sleep(100);
        }
    }
    if (!started) {
        return false;
    }
    CloseHandle(process.hThread);
    process_.Reset(process.hProcess);
    exitCode_ = STILL_ACTIVE;
    return WaitUntilReady();
}

bool StandinAct::WaitUntilReady(DWORD timeLimitMs) {
    std::wstring readyFile = folder_ + L"\\" + standin::kReadyFile;
    DWORD start = GetTickCount();
    while (true) {
        std::wistringstream ready(ReadUtf8File(readyFile));
        DWORD processId = 0;
        unsigned long long window = 0;
        if (ready >> processId >> window) {
            window_ = reinterpret_cast<HWND>(static_cast<UINT_PTR>(window));
            if (!process_.Valid()) {
                process_.Reset(OpenProcess(
                    SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE, processId));
                exitCode_ = STILL_ACTIVE;
            }
            return process_.Valid();
        }
        if (process_.Valid() && WaitForSingleObject(process_.Get(), 0) == WAIT_OBJECT_0) {
            GetExitCodeProcess(process_.Get(), &exitCode_);
            return false;  // it ended before it was ready
        }
        if (GetTickCount() - start >= timeLimitMs) {
            return false;
        }
        Sleep(kPollMs);
    }
}

bool StandinAct::Running() const {
    return process_.Valid() && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

bool StandinAct::Stop(DWORD timeLimitMs) {
    if (!process_.Valid()) {
        return false;
    }
    bool clean = true;
    if (WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
        PostMessageW(window_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_.Get(), timeLimitMs) != WAIT_OBJECT_0) {
            TerminateProcess(process_.Get(), 0xDEAD);
            WaitForSingleObject(process_.Get(), 5000);
            clean = false;
        }
    }
    GetExitCodeProcess(process_.Get(), &exitCode_);
    if (exitCode_ != 0 && exitCode_ != kCrashedCleanly) {
        MarkStaleRegistrations();
    }
    process_.Reset();
    return clean;
}

std::vector<std::wstring> StandinAct::Journal() const {
    std::wstring text = ReadUtf8File(folder_ + L"\\" + standin::kJournalFile);
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) {
            end = text.size();
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::wstring StandinAct::FinalState() const {
    return ReadUtf8File(folder_ + L"\\" + standin::kFinalStateFile);
}

}  // namespace winetest
