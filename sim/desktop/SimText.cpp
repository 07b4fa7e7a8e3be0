#include "SimText.h"

#include "platform/core/Ansi.h"

namespace platform::sim {

Text SeenThroughAnsi(const Text& text) {
    Text seen = FromAnsi(ToAnsi(text));
    std::size_t nul = seen.find(L'\0');
    return nul == Text::npos ? seen : seen.substr(0, nul);
}

}  // namespace platform::sim
