// UTF-8 conversion of texts, for files that the program's test and simulation parts keep.
#pragma once

#include <string>
#include <string_view>

#include "Types.h"

namespace platform {

std::string ToUtf8(const Text& text);
// Invalid sequences become U+FFFD.
Text FromUtf8(std::string_view bytes);

}  // namespace platform
