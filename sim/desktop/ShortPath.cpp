#include "platform/ShortPath.h"

#include <cstring>
#include <filesystem>
#include <system_error>

#include "SimFiles.h"
#include "SimShortPath.h"
#include "SimText.h"
#include "platform/core/Ansi.h"
#include "platform/core/Failure.h"

namespace platform {

namespace sim {

void SetShortPathName(const Text& longPath, const Text& shortPath) {
    ShortPaths().shortForms[FoldedText(SeenThroughAnsi(longPath))] = shortPath;
}

}  // namespace sim

std::uint32_t GetShortPathNameA(const Text& longPath, char* buffer, std::uint32_t bufferLength) {
    if (sim::ShortPaths().unreachable) {
        throw Failure(kDllFunctionNotFound, L"Specified DLL function not found");
    }
    Text seen = sim::SeenThroughAnsi(longPath);
    std::string shortForm;
    auto mapped = sim::ShortPaths().shortForms.find(sim::FoldedText(seen));
    if (mapped != sim::ShortPaths().shortForms.end()) {
        shortForm = ToAnsi(mapped->second);
    } else {
        std::optional<std::filesystem::path> real =
            seen.empty() ? std::nullopt : sim::RealPath(seen);
        std::error_code error;
        if (!real || real->empty() || !std::filesystem::exists(*real, error)) {
            return 0;
        }
        shortForm = ToAnsi(seen);
    }
    auto length = static_cast<std::uint32_t>(shortForm.size());
    if (buffer == nullptr || length >= bufferLength) {
        return length + 1;
    }
    std::memcpy(buffer, shortForm.c_str(), length + 1);
    return length;
}

}  // namespace platform
