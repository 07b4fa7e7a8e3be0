// The regional settings of the simulated user: German by default.
#pragma once

#include "platform/RegionalSettings.h"

namespace platform::sim {

struct RegionalSettings {
    Text decimalSeparator = L",";  // "" reads as ".", as settings that cannot be read
};

RegionalSettings& Regional();

}  // namespace platform::sim
