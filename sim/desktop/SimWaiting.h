// Time on the simulated desktop: a clock that only moves when something takes time, so that
// tests of long waits never really wait; and the run lock, which another run may hold.
//
// WatchedWait runs its wait at once and then plays out what the watch would have done
// meanwhile: for a wait that took longer than the limit, the question once per full period,
// answered from the boxes' script (No when no answer is left), and after No the farewell and the
// end of the process (ProcessEnded). A wait that never returns (NeverReturns) gets the question
// until it is answered No.
//
// After that No the simulated process has ended. The end cannot pass a destructor that swallows
// what its release throws; so from then on every function of the desktop with an effect (a
// message box, a registry write, the clipboard, the shell, an activation) throws ProcessEnded
// again, and nothing of the program takes effect any more, as on Windows, where the process is
// gone. The one place that checks is DesktopToChange() (SimDesktop.h).
#pragma once

#include <cstdint>
#include <optional>

#include "platform/core/Types.h"

namespace platform::sim {

struct SimClock {
    // Starts shortly before the 32-bit tick count wraps, as on a machine that has been running
    // for 49.7 days, so that waits of a few seconds cross the wrap.
    std::uint32_t now = 0xFFFFF000u;
    int pauses = 0;  // how often PauseWithMessages ran
    // Set by a wait that never returns, for the watch to see even where a destructor swallowed
    // its NeverReturns (a release that never returns).
    bool neverReturned = false;
};

SimClock& Clock();

// Thrown by a part of the simulated desktop that never returns (a member of ACT! that never
// answers, another run that never ends); WatchedWait catches it.
struct NeverReturns {};

// A length of time that never ends, for TakeTime and the run lock.
inline constexpr std::int64_t kForever = -1;

// Lets the milliseconds pass on the clock; kForever throws NeverReturns.
void TakeTime(std::int64_t milliseconds);

// The exit code of the simulated process once the watch has ended it; nothing while it runs.
std::optional<int>& EndedProcess();

struct SimRunLock {
    // Another run holds the lock and gives it back after this many milliseconds of waiting
    // (kForever: never); nothing: no other run holds it.
    std::optional<std::int64_t> otherRunEndsAfterMs;
    bool heldByThisRun = false;
    int taken = 0;     // how often this process took it
    int returned = 0;  // how often it gave it back
};

SimRunLock& RunLock();

}  // namespace platform::sim
