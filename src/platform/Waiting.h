// Waits whose length another program decides: a call to an automation server, the end of
// another run of the program. The waiting thread is watched, and the user decides whether to
// wait on once a wait has taken too long.
#pragma once

#include <cstdint>
#include <functional>

#include "core/Types.h"

namespace platform {

// Milliseconds on a clock that runs on steadily from some start. It wraps after 2^32
// milliseconds (about 49.7 days): take differences as unsigned 32-bit numbers.
std::uint32_t TickCount();

// Waits the milliseconds while dispatching the thread's window messages as they come.
void PauseWithMessages(std::uint32_t milliseconds);

// What the user is asked when a wait takes too long, and told when he gives up.
struct WaitPrompt {
    Text title;
    Text question;     // Yes: wait another period; No: give up. Empty: no question, the wait
                       // is given up after the first period
    Text farewell;     // shown after No, before the process ends; empty: nothing is shown
    int exitCode = 0;  // what the process ends with after the farewell
    bool farewellOnClipboard = false;  // the farewell is put on the clipboard before it is shown
};

// Runs wait on the calling thread and watches it. When wait has not returned after limitMs,
// the prompt's question is shown (Yes and No, exclamation mark, in front: kMbInFront). Yes waits
// another limitMs; No, or a question that cannot be shown, shows the farewell (OK, exclamation
// mark, in front) and ends the process at once with the prompt's exit code: nothing of the program
// runs any more, and nothing that wait holds (a call to another process, say) is touched. When wait
// returns while the question is open, the question is closed as if Yes had been pressed and the run
// goes on; there is never more than one box. Whatever wait throws passes on. Waits are made by the
// program's one thread; a wait inside a wait is watched by the outer one. (Should the system
// refuse the watch its thread, the wait runs unwatched.) A prompt without a question gives up
// as soon as the limit has passed: the farewell, then the end of the process.
void WatchedWait(const WaitPrompt& prompt, std::uint32_t limitMs,
                 const std::function<void()>& wait);

// The end of the run with an exit code, thrown where the process is to end but is not ended at
// once: by a backend that cannot end it (the simulated desktop), and by the program when it
// gives up on ACT! after telling the user. The program's outermost frame returns the exit code
// and does nothing else; nothing between may catch it.
struct ProcessEnded {
    int exitCode = 0;
};

// One run at a time in the user's session: takes the session's run lock, waiting, watched as
// by WatchedWait with the prompt and limit, while another run holds it. A run that ended
// without giving the lock back (a crash, a process that was ended) leaves it free. When the
// lock cannot be had at all, the run goes on without it.
void TakeRunLock(const WaitPrompt& prompt, std::uint32_t limitMs);
// Gives the run lock back; the end of the process gives it back as well.
void ReturnRunLock();

}  // namespace platform
