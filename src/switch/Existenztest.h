// The existence test of a file path.
#pragma once

#include "platform/core/Types.h"

namespace modHaupt {

// True when a file search for the path finds at least one ordinary file: not a folder, not a
// hidden or system file. Wildcards match as in a file search. Nothing is opened or read.
// The empty path, and a path that the system's ANSI code page cannot hold (the search would
// see '?' wildcards in place of its characters and could match another file), find nothing.
bool DateiExistiert(const platform::Text& strPfad);

}  // namespace modHaupt
