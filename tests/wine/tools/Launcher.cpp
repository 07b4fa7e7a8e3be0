#include "Launcher.h"

#include "BoxRobot.h"
#include "UniqueHandle.h"

namespace winetest {

namespace {

constexpr DWORD kPollMs = 15;
constexpr UINT kKilledExitCode = 0xDEAD;

}  // namespace

RunResult RunProgram(const Launch& launch) {
    RunResult result;
    DWORD start = GetTickCount();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = launch.commandLine;  // CreateProcessW may write into it
    if (!CreateProcessW(launch.program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr,
                        launch.currentDirectory.empty() ? nullptr : launch.currentDirectory.c_str(),
                        &startup, &process)) {
        result.startError = GetLastError();
        return result;
    }
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
