// File search, as the system's find-first-file search does it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "core/Types.h"

namespace platform {

inline constexpr std::uint32_t kFileAttributeReadOnly = 0x01;
inline constexpr std::uint32_t kFileAttributeHidden = 0x02;
inline constexpr std::uint32_t kFileAttributeSystem = 0x04;
inline constexpr std::uint32_t kFileAttributeDirectory = 0x10;
inline constexpr std::uint32_t kFileAttributeArchive = 0x20;

struct FoundFile {
    Text name;  // the entry's name, without its folder
    std::uint32_t attributes = 0;
};

// A search for the entries that match a path whose last part may hold the wildcards * and ?.
// The path goes to the system through the ANSI code page. A path the file system refuses
// (bad characters, a missing drive or folder) simply finds nothing. Never throws except for
// exhausted memory; the search handle is closed when the object ends.
class FileSearch {
  public:
    explicit FileSearch(const Text& path);
    ~FileSearch();
    FileSearch(const FileSearch&) = delete;
    FileSearch& operator=(const FileSearch&) = delete;

    // The next matching entry, or nothing when there is none left.
    std::optional<FoundFile> Next();

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace platform
