// The thread's window messages.
#pragma once

namespace platform {

// Dispatches the window messages that are pending for the calling thread, then returns once the
// queue is empty. Never waits for new messages.
void DoEvents();

}  // namespace platform
