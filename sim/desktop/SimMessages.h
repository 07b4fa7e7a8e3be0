// The simulated thread message queue.
#pragma once

#include <functional>

namespace platform::sim {

struct MessageQueue {
    int dispatches = 0;                // how often DoEvents ran
    std::function<void()> onDispatch;  // runs inside each DoEvents
};

MessageQueue& Messages();

}  // namespace platform::sim
