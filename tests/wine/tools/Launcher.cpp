#include "Launcher.h"

#include "BoxRobot.h"
#include "UniqueHandle.h"

namespace winetest {

namespace {

constexpr DWORD kPollMs = 15;
constexpr UINT kKilledExitCode = 0xDEAD;
constexpr int kStartAttempts = 3;

}  // namespace

RunResult RunProgram(const Launch& launch) {
    RunResult result;
    DWORD start = GetTickCount();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    // Under load Wine's CreateProcessW now and then fails with ERROR_INTERNAL_ERROR when the new
    // process dies while being set up, before any of its code runs; starting it again works.
    for (int attempt = 1;; ++attempt) {
        std::wstring commandLine = launch.commandLine;  // CreateProcessW may write into it
        if (CreateProcessW(
                launch.program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                launch.currentDirectory.empty() ? nullptr : launch.currentDirectory.c_str(),
                &startup, &process)) {
            break;
        }
        result.startError = GetLastError();
        if (result.startError != ERROR_INTERNAL_ERROR || attempt == kStartAttempts) {
            return result;
        }
        Sleep(100);
    }
    result.startError = 0;
    result.started = true;
    KernelHandle processHandle(process.hProcess);
    KernelHandle threadHandle(process.hThread);

    BoxRobot robot(process.dwProcessId, launch.script);
    while (true) {
        robot.Poll();
        if (WaitForSingleObject(processHandle.Get(), kPollMs) == WAIT_OBJECT_0) {
            break;
        }
        if (GetTickCount() - start >= launch.timeLimitMs) {
            result.timedOut = true;
            TerminateProcess(processHandle.Get(), kKilledExitCode);
            WaitForSingleObject(processHandle.Get(), 5000);
            break;
        }
    }
    GetExitCodeProcess(processHandle.Get(), &result.exitCode);
    result.boxes = robot.Boxes();
    result.scriptFulfilled = robot.ScriptFulfilled();
    result.milliseconds = GetTickCount() - start;
    return result;
}

}  // namespace winetest
