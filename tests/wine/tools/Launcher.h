// Starts a program with an exact command line (CreateProcessW: no shell re-quotes it), lets the
// robot answer its message boxes and waits for its end within a time limit.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "BoxRecord.h"
#include "TimeFactor.h"

namespace winetest {

struct Launch {
    std::wstring program;           // full path of the executable file
    std::wstring commandLine;       // exactly what the program's GetCommandLineW returns
    std::wstring currentDirectory;  // empty: the caller's
    std::vector<Button> script;     // the button for each box, in order
    DWORD timeLimitMs = Scaled(20000);
    // Called with each box before the robot presses its button (BoxRobot).
    std::function<void(const BoxRecord&)> beforePress;
};

struct RunResult {
    bool started = false;
    DWORD startError = 0;   // GetLastError of CreateProcessW when it failed
    bool timedOut = false;  // the program was ended after the time limit
    DWORD exitCode = 0;
    std::vector<BoxRecord> boxes;
    bool scriptFulfilled = false;  // every step used, no unexpected or troubled box
    DWORD milliseconds = 0;
};

RunResult RunProgram(const Launch& launch);

// Runs the programs side by side, each started gapMs after the one before and answered by its
// own robot; the results are in the order of the launches.
std::vector<RunResult> RunPrograms(const std::vector<Launch>& launches, DWORD gapMs);

}  // namespace winetest
