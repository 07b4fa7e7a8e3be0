// Reading the program's version from the bytes of its version resource, so that the program
// needs no library beyond the system's resource functions to show its version.
#pragma once

#include <cstddef>
#include <span>

#include "../Program.h"

namespace platform {

// The version numbers and the product name that a version resource (a VS_VERSIONINFO block,
// as the resource compiler writes it) holds, put over `fallback`: major and minor come from the
// high and low word of the fixed file information's first file version word, the revision from
// the low word of its second; the product name comes from the string table of the block's first
// translation. A part the block lacks, or cannot hold because it is cut short or malformed, keeps
// its value from `fallback`; nothing is read outside the block.
ProgramVersion ReadVersionResource(std::span<const std::byte> block, ProgramVersion fallback);

}  // namespace platform
