// A stand-in for ACT! 6 in the Wine tests, never shipped: a visible main window of ACT!'s class
// and an out-of-process automation server for "ACTOLE.APPOBJECT", both driven by the simulated
// ACT! (sim/act) that the unit tests use.
//
// Everything it reads and writes lies in the folder of its executable, so that a test can copy
// it as ACT.EXE into a folder of its own: act.ini sets it up; journal.txt receives its command
// line and every call; ready.txt says "<process id> <window handle>" once the classes are
// registered, in the registry as a 32-bit installation of ACT! registers them (with this
// executable as their local server) and with COM; state.ini holds the state at the end. A database
// named on the command line is opened, as ACT! does. Closing the main window (WM_CLOSE) ends it
// cleanly: the class objects are revoked. A busy ACT! (act.ini: busy=...) rejects calls through
// its message filter; a slow member (delay.Object.Member=...) holds the stand-in without
// dispatching anything, and one that never answers does so until the stand-in is asked to end.
// A member that crashes (crash.Object.Member) ends the process inside the call, with exit code 9;
// a slow main window (window.delay) shows that long after the start.
#include <objbase.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "BusyFilter.h"
#include "ClassFactory.h"
#include "Journal.h"
#include "ServerRegistration.h"
#include "StandinIds.h"
#include "platform/core/Failure.h"
#include "sim/act/ActIni.h"
#include "sim/act/ActModel.h"

namespace {

using platform::Text;

std::wstring OwnPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path;
}

// What follows the program's name on the command line, without the blanks around it.
Text ArgumentOf(const wchar_t* commandLine) {
    Text line = commandLine == nullptr ? Text() : Text(commandLine);
    std::size_t rest = 0;
    if (!line.empty() && line[0] == L'"') {
        std::size_t closing = line.find(L'"', 1);
        rest = closing == Text::npos ? line.size() : closing + 1;
    } else {
        rest = line.find_first_of(L" \t");
        rest = rest == Text::npos ? line.size() : rest;
    }
    Text argument = line.substr(rest);
    std::size_t first = argument.find_first_not_of(L" \t");
    if (first == Text::npos) {
        return Text();
    }
    return argument.substr(first, argument.find_last_not_of(L" \t") - first + 1);
}

bool IsEmbedding(const Text& argument) {
    return argument == L"-Embedding" || argument == L"/Embedding";
}

// The exit code of a stand-in that crashed in a member (crash.Object.Member).
constexpr UINT kCrashExitCode = 9;

// The main window of a slow ACT! shows only once this timer has run (window.delay).
constexpr UINT_PTR kShowTimer = 1;
int showCommand = SW_SHOWNOACTIVATE;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    if (message == WM_TIMER && wParam == kShowTimer) {
        KillTimer(window, kShowTimer);
        ShowWindow(window, showCommand);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeMainWindow(HINSTANCE instance, const platform::actmodel::MainWindow& settings) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = settings.className.c_str();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    if (RegisterClassW(&windowClass) == 0) {
        return nullptr;
    }
    HWND window =
        CreateWindowExW(0, settings.className.c_str(), settings.caption.c_str(),
                        WS_OVERLAPPEDWINDOW, 40, 40, 640, 480, nullptr, nullptr, instance, nullptr);
    showCommand = settings.minimised ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE;
    if (window != nullptr && settings.visible) {
        if (settings.appearsAfterMs > 0) {
            SetTimer(window, kShowTimer, static_cast<UINT>(settings.appearsAfterMs), nullptr);
        } else {
            ShowWindow(window, showCommand);
        }
    }
    return window;
}

// How a slow member takes its time: the stand-in waits, stuck as a hung ACT! is, until the time
// is over or it is asked to end (WM_CLOSE waiting for its main window), which ends the call with
// an error.
void TakeTime(HWND window, std::int64_t milliseconds) {
    const DWORD start = GetTickCount();
    while (milliseconds == platform::actmodel::kNever ||
           static_cast<std::int64_t>(GetTickCount() - start) < milliseconds) {
        MSG message;
        if (PeekMessageW(&message, window, WM_CLOSE, WM_CLOSE, PM_NOREMOVE)) {
            throw platform::Failure(1001, L"ACT! wird beendet");
        }
        Sleep(10);
    }
}

bool WriteReadyFile(const std::filesystem::path& file, HWND window) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << GetCurrentProcessId() << ' '
        << static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)) << '\n';
    return static_cast<bool>(out);
}

bool RegisterClassesInTheRegistry(const std::wstring& ownPath) {
    return standin::RegisterLocalServer(standin::kApplicationProgId, standin::kApplicationClsidText,
                                        ownPath) == ERROR_SUCCESS &&
           standin::RegisterLocalServer(standin::kStatusProgId, standin::kStatusClsidText,
                                        ownPath) == ERROR_SUCCESS;
}

int Serve(HINSTANCE instance) {
    const std::wstring ownPath = OwnPath();
    const std::filesystem::path folder = std::filesystem::path(ownPath).parent_path();
    platform::actmodel::ActModel model;
    platform::actmodel::ActState& state = model.State();
    {
        std::ifstream setup(folder / standin::kSetupFile, std::ios::binary);
        if (setup) {
            platform::actmodel::ReadActIni(setup, state);
        }
    }
    state.running = true;

    // Objects that a client still holds when the stand-in ends may be released later; by then
    // the journal is gone and they write nothing.
    auto journalFile = std::make_shared<standin::Journal>(model, folder / standin::kJournalFile);
    standin::Journal& journal = *journalFile;
    journal.Line(L"commandline " + Text(GetCommandLineW()));
    Text argument = ArgumentOf(GetCommandLineW());
    if (!argument.empty() && !IsEmbedding(argument)) {
        state.openDatabase = platform::actmodel::DatabaseOfArgument(argument);
        journal.Layouts();
    }

    if (!RegisterClassesInTheRegistry(ownPath)) {
        journal.Line(L"error the classes could not be written to the registry");
        return 7;
    }
    HWND window = MakeMainWindow(instance, state.window);
    if (window == nullptr) {
        journal.Line(L"error no main window");
        return 3;
    }
    state.clock = [] { return static_cast<std::uint32_t>(GetTickCount()); };
    state.takeTime = [window](std::int64_t milliseconds) { TakeTime(window, milliseconds); };
    standin::BusyFilter busyFilter(state);
    standin::FilterRegistration filterRegistration(&busyFilter);

    std::weak_ptr<standin::Journal> journalWhileServing = journalFile;
    auto afterCall = [journalWhileServing](const Text& member) {
        if (auto open = journalWhileServing.lock()) {
            open->Flush();
            if (member == L"OpenDB") {
                open->Layouts();
            }
        }
    };
    standin::ClassFactory application([&model] { return model.CreateApplication(); }, afterCall);
    standin::ClassFactory status([&model] { return model.CreateStatusObject(); }, afterCall);
    int exitCode = 0;
    {
        standin::ClassRegistration applicationClass(standin::kApplicationClsid, &application);
        standin::ClassRegistration statusClass(standin::kStatusClsid, &status);
        if (FAILED(applicationClass.Result()) || FAILED(statusClass.Result())) {
            journal.Line(L"error the classes could not be registered");
            DestroyWindow(window);
            return 4;
        }
        // A crash inside a member: the process ends in the middle of the call. Its classes are
        // revoked first, so that the test bed's later activations do not meet a stale
        // registration; the client's call fails as it would after any crash.
        state.endProcess = [&journal, &applicationClass, &statusClass] {
            journal.Line(L"crashed");
            journal.Flush();
            applicationClass.Revoke();
            statusClass.Revoke();
            TerminateProcess(GetCurrentProcess(), kCrashExitCode);
        };
        if (!WriteReadyFile(folder / standin::kReadyFile, window)) {
            exitCode = 5;
            DestroyWindow(window);
        }
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    journal.Line(L"stopped");
    std::ofstream final(folder / standin::kFinalStateFile, std::ios::binary | std::ios::trunc);
    platform::actmodel::WriteActIni(final, state);
    return exitCode;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    HRESULT initialized = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(initialized)) {
        return 2;
    }
    int exitCode = 1;
    try {
        exitCode = Serve(instance);
    } catch (...) {
        exitCode = 6;
    }
    CoUninitialize();
    return exitCode;
}
