#include "platform/MessageBox.h"
#include "SimDesktop.h"

namespace platform {

namespace sim {

void AnswerNextBoxes(std::initializer_list<std::int32_t> answers) {
    Boxes().script.insert(Boxes().script.end(), answers.begin(), answers.end());
}

int UnscriptedBoxCount() {
    int count = 0;
    for (const MessageBoxRecord& box : Boxes().shown) {
        count += box.scripted ? 0 : 1;
    }
    return count;
}

}  // namespace sim

std::int32_t ShowMessageBox(const Text& text, const Text& title, std::uint32_t style) {
    sim::MessageBoxes& boxes = sim::DesktopToChange().boxes;
    sim::MessageBoxRecord record{text, title, style, 0, true};
    if (boxes.responder) {
        record.answer = boxes.responder(record);
    } else if (!boxes.script.empty()) {
        record.answer = boxes.script.front();
        boxes.script.pop_front();
    } else {
        record.scripted = false;
        record.answer = (style & kMbButtonsMask) == kMbYesNo ? kIdNo : kIdOk;
    }
    boxes.shown.push_back(record);
    if (boxes.observer) {
        boxes.observer(record);
    }
    return record.answer;
}

}  // namespace platform
