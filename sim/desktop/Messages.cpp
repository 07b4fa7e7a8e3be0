#include "platform/Messages.h"
#include "SimMessages.h"

namespace platform {

void DoEvents() {
    sim::MessageQueue& queue = sim::Messages();
    ++queue.dispatches;
    if (queue.onDispatch) {
        queue.onDispatch();
    }
}

}  // namespace platform
