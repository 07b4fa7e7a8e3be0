#include "../ShortPath.h"

#include <windows.h>

#include <string>

#include "../core/Ansi.h"

namespace platform {

std::uint32_t GetShortPathNameA(const Text& longPath, char* buffer, std::uint32_t bufferLength) {
    std::string ansiPath = ToAnsi(longPath);
    return ::GetShortPathNameA(ansiPath.c_str(), buffer, bufferLength);
}

}  // namespace platform
