// Message boxes of the simulated desktop: recorded, and answered by a script.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "platform/core/Types.h"

namespace platform::sim {

struct MessageBoxRecord {
    Text text;
    Text title;
    std::uint32_t style = 0;
    std::int32_t answer = 0;
    bool scripted = false;  // false when nothing asked for the answer and the default was used
};

struct MessageBoxes {
    std::vector<MessageBoxRecord> shown;
    std::deque<std::int32_t> script;  // answers, used in order
    // When set, decides every answer instead of the script (the Linux program's terminal).
    std::function<std::int32_t(const MessageBoxRecord&)> responder;
    // Called for each box once its answer is known (for example to print it).
    std::function<void(const MessageBoxRecord&)> observer;
};

MessageBoxes& Boxes();

// Queues answers for the next boxes.
void AnswerNextBoxes(std::initializer_list<std::int32_t> answers);

// The number of boxes that were answered with the default because no answer was queued.
int UnscriptedBoxCount();

}  // namespace platform::sim
