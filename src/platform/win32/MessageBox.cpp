#include "../MessageBox.h"

#include <windows.h>

namespace platform {

std::int32_t ShowMessageBox(const Text& text, const Text& title, std::uint32_t style) {
    int answer = MessageBoxW(nullptr, text.c_str(), title.c_str(), style | MB_SETFOREGROUND);
    if (answer == 0) {
        return (style & kMbButtonsMask) == kMbYesNo ? kIdNo : kIdOk;
    }
    return answer;
}

}  // namespace platform
