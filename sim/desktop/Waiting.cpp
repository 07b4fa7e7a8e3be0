#include "platform/Waiting.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "SimDesktop.h"
#include "platform/Clipboard.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"

namespace platform {

namespace sim {

void TakeTime(std::int64_t milliseconds) {
    if (milliseconds == kForever) {
        Clock().neverReturned = true;
        throw NeverReturns();
    }
    Clock().now += static_cast<std::uint32_t>(milliseconds);
}

}  // namespace sim

std::uint32_t TickCount() {
    return sim::Clock().now;
}

void PauseWithMessages(std::uint32_t milliseconds) {
    ++sim::Clock().pauses;
    sim::Clock().now += milliseconds;
    DoEvents();
}

void WatchedWait(const WaitPrompt& prompt, std::uint32_t limitMs,
                 const std::function<void()>& wait) {
    // As on Windows, a wait inside a wait is watched by the outer one alone.
    static bool inWait = false;
    if (inWait) {
        wait();
        return;
    }
    const std::uint32_t start = sim::Clock().now;
    sim::Clock().neverReturned = false;  // what a wait nobody watched left is not this one's
    bool forever = false;
    std::exception_ptr failure;
    inWait = true;
    try {
        wait();
    } catch (const sim::NeverReturns&) {
        forever = true;
    } catch (...) {
        failure = std::current_exception();
    }
    inWait = false;
    forever = std::exchange(sim::Clock().neverReturned, false) || forever;
    const std::uint64_t took = static_cast<std::uint32_t>(sim::Clock().now - start);
    const std::uint64_t period = std::max<std::uint32_t>(limitMs, 1);
    // The questions the watch asked while the wait went on: one at the end of each full period.
    for (std::uint64_t asked = period; forever || asked < took; asked += period) {
        if (prompt.question.empty() ||
            ShowMessageBox(prompt.question, prompt.title,
                           kMbYesNo | kMbIconExclamation | kMbInFront) != kIdYes) {
            if (prompt.farewellOnClipboard) {
                static_cast<void>(PutTextOnClipboard(prompt.farewell));  // shown either way
            }
            if (!prompt.farewell.empty()) {
                ShowMessageBox(prompt.farewell, prompt.title,
                               kMbOk | kMbIconExclamation | kMbInFront);
            }
            sim::EndedProcess() = prompt.exitCode;
            throw ProcessEnded{prompt.exitCode};
        }
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

void TakeRunLock(const WaitPrompt& prompt, std::uint32_t limitMs) {
    WatchedWait(prompt, limitMs, [] {
        sim::SimRunLock& lock = sim::RunLock();
        if (lock.otherRunEndsAfterMs) {
            sim::TakeTime(*lock.otherRunEndsAfterMs);
            lock.otherRunEndsAfterMs.reset();
        }
        lock.heldByThisRun = true;
        ++lock.taken;
    });
}

void ReturnRunLock() {
    sim::SimRunLock& lock = sim::RunLock();
    if (lock.heldByThisRun) {
        lock.heldByThisRun = false;
        ++lock.returned;
    }
}

}  // namespace platform
