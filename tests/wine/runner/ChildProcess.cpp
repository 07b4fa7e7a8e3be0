#include "ChildProcess.h"

#include "platform/win32/Handles.h"

namespace testrunner {

namespace {

using platform::win32::KernelHandle;

constexpr UINT kEndedAfterTimeLimit = 0xDEAD;
constexpr DWORD kEndWaitMs = 10000;

KernelHandle InheritableOutput(const std::wstring& path) {
    SECURITY_ATTRIBUTES inherit{};
    inherit.nLength = sizeof(inherit);
    inherit.bInheritHandle = TRUE;
    return KernelHandle(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

ChildResult RunChild(const std::wstring& program, const std::wstring& commandLine,
                     const std::wstring& folder, const std::wstring& outputFile,
                     DWORD timeLimitMs) {
    ChildResult result;
    KernelHandle output = InheritableOutput(outputFile);
    if (!output.Valid()) {
        result.startError = GetLastError();
        return result;
    }
    // Every process the test starts belongs to the job, so that a test past its time limit is
    // ended with all it started. Where the runner itself is in a job that allows no other
    // (Windows 7 and older under some services), only the test's own process is ended.
    KernelHandle job(CreateJobObjectW(nullptr, nullptr));

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output.Get();
    startup.hStdError = output.Get();
    PROCESS_INFORMATION process{};
    std::wstring writable = commandLine;  // CreateProcessW may write into it
    DWORD start = GetTickCount();
    if (!CreateProcessW(program.c_str(), writable.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED,
                        nullptr, folder.c_str(), &startup, &process)) {
        result.startError = GetLastError();
        return result;
    }
    result.started = true;
    KernelHandle child(process.hProcess);
    KernelHandle thread(process.hThread);
    bool inJob = job.Valid() && AssignProcessToJobObject(job.Get(), child.Get());
    ResumeThread(thread.Get());
    output.Reset();  // the child holds its own copy

    if (WaitForSingleObject(child.Get(), timeLimitMs) == WAIT_TIMEOUT) {
        result.timedOut = true;
        if (inJob) {
            TerminateJobObject(job.Get(), kEndedAfterTimeLimit);
        } else {
            TerminateProcess(child.Get(), kEndedAfterTimeLimit);
        }
        WaitForSingleObject(child.Get(), kEndWaitMs);
    }
    GetExitCodeProcess(child.Get(), &result.exitCode);
    result.milliseconds = GetTickCount() - start;
    return result;
}

std::string ReadBytes(const std::wstring& path) {
    KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string bytes;
    if (!file.Valid()) {
        return bytes;
    }
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr) && read > 0) {
        bytes.append(chunk, read);
    }
    return bytes;
}

}  // namespace testrunner
