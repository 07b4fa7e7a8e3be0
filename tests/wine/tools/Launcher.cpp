#include "Launcher.h"

#include <memory>

#include "BoxRobot.h"
#include "platform/win32/Handles.h"

namespace winetest {

namespace {

using platform::win32::KernelHandle;
constexpr DWORD kPollMs = 15;
constexpr UINT kKilledExitCode = 0xDEAD;
constexpr int kStartAttempts = 3;

// One program under test: started, its boxes answered by its own robot, ended by the time limit
// if it does not end by itself.
class ProgramRun {
  public:
    explicit ProgramRun(const Launch& launch) : launch_(launch), start_(GetTickCount()) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        // Under load Wine's CreateProcessW now and then fails with ERROR_INTERNAL_ERROR when the
        // new process dies while being set up, before any of its code runs; starting it again
        // works.
        for (int attempt = 1;; ++attempt) {
            std::wstring commandLine = launch.commandLine;  // CreateProcessW may write into it
            if (CreateProcessW(
                    launch.program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                    launch.currentDirectory.empty() ? nullptr : launch.currentDirectory.c_str(),
                    &startup, &process)) {
                break;
            }
            result_.startError = GetLastError();
            if (result_.startError != ERROR_INTERNAL_ERROR || attempt == kStartAttempts) {
                return;
            }
            Sleep(100);
        }
        result_.startError = 0;
        result_.started = true;
        process_.Reset(process.hProcess);
        KernelHandle thread(process.hThread);
        robot_ = std::make_unique<BoxRobot>(process.dwProcessId, launch.script, launch.beforePress);
    }

    // Answers the boxes showing now; ends the program when its time is up. False once it has
    // ended (or never started).
    bool Step() {
        if (!process_.Valid()) {
            return false;
        }
        robot_->Poll();
        if (WaitForSingleObject(process_.Get(), 0) == WAIT_OBJECT_0) {
            Finish();
            return false;
        }
        if (GetTickCount() - start_ >= launch_.timeLimitMs) {
            result_.timedOut = true;
            TerminateProcess(process_.Get(), kKilledExitCode);
            WaitForSingleObject(process_.Get(), 5000);
            Finish();
            return false;
        }
        return true;
    }

    HANDLE Process() const { return process_.Get(); }
    const RunResult& Result() const { return result_; }

  private:
    void Finish() {
        GetExitCodeProcess(process_.Get(), &result_.exitCode);
        result_.boxes = robot_->Boxes();
        result_.scriptFulfilled = robot_->ScriptFulfilled();
        result_.milliseconds = GetTickCount() - start_;
        process_.Reset();
    }

    const Launch& launch_;
    DWORD start_;
    RunResult result_;
    KernelHandle process_;
    std::unique_ptr<BoxRobot> robot_;
};

}  // namespace

RunResult RunProgram(const Launch& launch) {
    return RunPrograms({launch}, 0).front();
}

std::vector<RunResult> RunPrograms(const std::vector<Launch>& launches, DWORD gapMs) {
    std::vector<std::unique_ptr<ProgramRun>> runs;
    for (const Launch& launch : launches) {
        if (!runs.empty()) {
            Sleep(gapMs);
        }
        runs.push_back(std::make_unique<ProgramRun>(launch));
    }
    while (true) {
        std::vector<HANDLE> running;
        for (const auto& run : runs) {
            if (run->Step()) {
                running.push_back(run->Process());
            }
        }
        if (running.empty()) {
            break;
        }
        WaitForMultipleObjects(static_cast<DWORD>(running.size()), running.data(), FALSE, kPollMs);
    }
    std::vector<RunResult> results;
    for (const auto& run : runs) {
        results.push_back(run->Result());
    }
    return results;
}

}  // namespace winetest
