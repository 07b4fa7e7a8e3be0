#include "platform/Messages.h"
#include "SimMessages.h"

namespace platform {

namespace sim {

MessageQueue& Messages() {
    static MessageQueue queue;
    return queue;
}

void ResetMessages() {
    Messages() = MessageQueue();
}

}  // namespace sim

void DoEvents() {
    sim::MessageQueue& queue = sim::Messages();
    ++queue.dispatches;
    if (queue.onDispatch) {
        queue.onDispatch();
    }
}

}  // namespace platform
