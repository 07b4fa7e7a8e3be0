// The user's regional settings.
#pragma once

#include "core/Types.h"

namespace platform {

// The decimal separator of the user's regional settings, e.g. "," for German and "." for
// English settings. Never empty: when the settings cannot be read it is ".".
Text UserDecimalSeparator();

}  // namespace platform
