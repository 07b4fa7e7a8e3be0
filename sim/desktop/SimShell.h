// Simulated shell of the desktop: it starts nothing, but records every launch and keeps a
// table of the processes it pretends to have started, which tests can end.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "platform/Shell.h"
#include "platform/core/Failure.h"

namespace platform::sim {

// The desktop window's handle.
inline constexpr Handle32 kDesktopWindow = 0x00010010;

// The hInstApp (or the return value of ShellExecuteA) of a launch that succeeded.
inline constexpr Handle32 kLaunchSucceeded = 42;

// One call of ShellExecuteA or ShellExecuteExA as the shell saw it: the texts in the ANSI
// code page up to their first NUL, the file and directory after the expansion of environment
// variables that SEE_MASK_DOENVSUBST asks for.
struct ShellLaunch {
    Text call{};  // "ShellExecuteA" or "ShellExecuteExA"
    OptionalText verb{};
    OptionalText file{};
    OptionalText parameters{};
    OptionalText directory{};
    std::int32_t showCommand = 0;
    Handle32 ownerWindow = 0;
    std::uint32_t fMask = 0;   // ShellExecuteExA only
    std::uint32_t cbSize = 0;  // ShellExecuteExA only
    Handle32 answer = 0;       // the return value or hInstApp
    Handle32 process = 0;      // the hProcess handed out, or 0
};

struct SimProcess {
    Text file;
    OptionalText parameters{};
    bool running = true;
    std::uint32_t exitCode = 0;
};

struct SimulatedShell {
    std::vector<ShellLaunch> launches;
    std::map<Handle32, SimProcess> processes;
    Handle32 nextProcess = 0x2C4;
    // When set, the shell answers every following launch with this code (0 to 32) and starts
    // nothing, until it is cleared.
    std::optional<Handle32> forcedAnswer;
    // When set, the next call of a shell function throws it (and clears it).
    std::optional<Failure> failNextCall;
    // Environment of the shell, for %VAR% in the file and directory of ShellExecuteExA.
    std::map<Text, Text> environment;
    // Called after each launch that succeeded, with its record.
    std::function<void(const ShellLaunch&)> onLaunch;
};

SimulatedShell& Shell();

// Ends a process that a launch started; from then on GetExitCodeProcess gives exitCode.
void EndProcess(Handle32 process, std::uint32_t exitCode);

}  // namespace platform::sim
