// Short path names of the simulated desktop, as on a volume that keeps no 8.3 names: an
// existing path is its own short form. Tests can set other short forms and can make the
// system function unreachable.
#pragma once

#include <map>

#include "platform/core/Types.h"

namespace platform::sim {

struct SimulatedShortPaths {
    std::map<Text, Text> shortForms;  // by case-folded long path, as the system sees it
    bool unreachable = false;         // GetShortPathNameA throws failure 453
};

SimulatedShortPaths& ShortPaths();

// Gives the long path this short form, whether or not the path exists.
void SetShortPathName(const Text& longPath, const Text& shortPath);

}  // namespace platform::sim
