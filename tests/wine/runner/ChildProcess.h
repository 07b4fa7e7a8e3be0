// Runs one command line of the test bundle: its output (standard output and error) into a file,
// a time limit after which it is ended with every process it started (a job object), and its
// exit code.
#pragma once

#include <windows.h>

#include <string>

namespace testrunner {

struct ChildResult {
    bool started = false;
    DWORD startError = 0;   // GetLastError of CreateProcessW when it failed
    bool timedOut = false;  // ended by the runner after the time limit, with its processes
    DWORD exitCode = 0;
    DWORD milliseconds = 0;
};

// Runs `commandLine` (program given in full) in `folder`, its output written to `outputFile`
// (made anew).
ChildResult RunChild(const std::wstring& program, const std::wstring& commandLine,
                     const std::wstring& folder, const std::wstring& outputFile, DWORD timeLimitMs);

// The bytes of a file (empty when it cannot be read).
std::string ReadBytes(const std::wstring& path);

}  // namespace testrunner
