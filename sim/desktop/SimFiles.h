// Files of the simulated desktop come from the real file system. Windows paths are mapped onto
// it: backslashes become slashes, and a drive letter maps to a folder set with MapDrive (a
// drive that is not mapped does not exist). Names are matched without regard to case.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>

#include "platform/core/Types.h"

namespace platform::sim {

struct Files {
    std::map<wchar_t, std::filesystem::path> drives;  // upper-case drive letter -> folder
    // Attributes that override what the real file system says, by real path.
    std::map<std::filesystem::path, std::uint32_t> attributes;
};

Files& FileSystem();

void MapDrive(wchar_t letter, const std::filesystem::path& folder);

// Marks a file as hidden, system or read-only (kFileAttribute... values).
void SetFileAttributes(const std::filesystem::path& realPath, std::uint32_t attributes);

// The real path that a Windows path names, or nothing for a drive that is not mapped.
std::optional<std::filesystem::path> RealPath(const Text& windowsPath);

}  // namespace platform::sim
